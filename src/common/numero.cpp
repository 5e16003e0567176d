#include "common/numero.h"

bool esNumeroValido(const QString &texto) {
    qsizetype i = 0;
    if (texto == QLatin1String("0"))
        return true;
    if (texto.startsWith(QLatin1Char('-')))
        i = 1;
    const qsizetype digitos = texto.size() - i;
    // Sixteen digits and more come back in exponent form, so they never match.
    if (digitos < 1 || digitos > 15 || texto.at(i) == QLatin1Char('0'))
        return false;
    for (; i < texto.size(); ++i) {
        if (texto.at(i) < QLatin1Char('0') || texto.at(i) > QLatin1Char('9'))
            return false;
    }
    return true;
}
