#pragma once

#include <QList>
#include <QLocale>

class NombresAgenda;
class QCollator;

// The order of the main window's name lists: the user's language's case-insensitive
// order (Spanish when the system names none), equal texts in their original order.
// Returns the indices of `nombres` in that order.
QList<int> ordenSinMayusculas(const NombresAgenda &nombres);

// The language of that order: the user's; without one (the C locale compares plain
// code points, "Álvaro" after "Zoe") the program's own language, Spanish.
QLocale idiomaOrden();

// Whether `collator` ranks the quick order's characters one by one as its table does:
// the letters in the table's order, case apart. The Spanish collation joins no letters
// (no "ch" or "ll" as one) and splits none, so for it this makes the table's order of
// whole names the collator's first level, and the order trusts the table; other
// languages may join letters (Danish "aa", Czech "ch") and are checked name by name.
bool tablaDelIdioma(const QCollator &collator);
