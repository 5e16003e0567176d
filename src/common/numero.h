#pragma once

#include <QString>

// The program's number check: a text passes when reading it as a number and
// writing that number back as plain decimal text gives the same text. In effect:
// "0", or an optional minus and 1 to 15 digits without a leading zero. Callers
// pass the text already stripped of surrounding spaces.
bool esNumeroValido(const QString &texto);
