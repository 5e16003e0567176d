#pragma once

#include <QIcon>

// The program's icon at the sizes windows and trays draw (16 to 64 px), from the one
// drawing that the launcher and the archive also ship; the tray and every window show it.
QIcon iconoPrograma();
