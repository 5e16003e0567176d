#pragma once

#include <QIcon>

// The program's icon at every size it was rendered in, from the one drawing that the
// launcher and the archive also ship; the tray and every window show it.
QIcon iconoPrograma();
