#pragma once

#include <QList>
#include <QLocale>

class NombresAgenda;

// The order of the main window's name lists: the user's language's case-insensitive
// order (Spanish when the system names none), equal texts in their original order.
// Returns the indices of `nombres` in that order.
QList<int> ordenSinMayusculas(const NombresAgenda &nombres);

// The language of that order: the user's; without one (the C locale compares plain
// code points, "Álvaro" after "Zoe") the program's own language, Spanish.
QLocale idiomaOrden();
