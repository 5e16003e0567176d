#pragma once

#include <QStringList>

// True only when the command line is exactly "--hide": one argument, that text.
// `argumentos` are the arguments after the program name, as the process got them.
bool arrancarOculto(const QStringList &argumentos);
