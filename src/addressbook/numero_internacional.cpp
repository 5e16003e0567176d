#include "addressbook/numero_internacional.h"

#include "common/numero.h"

#include <algorithm>
#include <array>

namespace {
// Country codes are free of prefixes: 1 and 7 stand alone, these take two digits,
// and every other code takes three.
constexpr std::array<int, 44> codigosDeDosCifras{20, 27, 30, 31, 32, 33, 34, 36, 39, 40, 41, 43, 44, 45, 46,
                                                 47, 48, 49, 51, 52, 53, 54, 55, 56, 57, 58, 60, 61, 62, 63,
                                                 64, 65, 66, 81, 82, 84, 86, 90, 91, 92, 93, 94, 95, 98};

bool esCifra(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool esSeparador(QChar c) {
    return c.isSpace() || QStringView(u"-.()[]").contains(c);
}
} // namespace

int longitudPrefijoPais(QStringView digitos) {
    if (digitos.isEmpty() || digitos.at(0) == u'1' || digitos.at(0) == u'7')
        return 1;
    if (digitos.size() < 2 || !esCifra(digitos.at(0)) || !esCifra(digitos.at(1)))
        return 2;
    const int dos = (digitos.at(0).unicode() - u'0') * 10 + (digitos.at(1).unicode() - u'0');
    return std::binary_search(codigosDeDosCifras.begin(), codigosDeDosCifras.end(), dos) ? 2 : 3;
}

NumeroImportado normalizarNumero(const QString &numero) {
    QString texto = numero;
    texto.removeIf(esSeparador);
    const bool internacional = texto.startsWith(u'+') || texto.startsWith(QStringLiteral("00"));
    if (internacional) {
        texto = QString(numero).remove(QStringLiteral("(0)"));
        texto.removeIf(esSeparador);
    }
    NumeroImportado resultado;
    if (!internacional) {
        resultado.prefijo = QStringLiteral("34");
        resultado.telefono = texto;
    } else {
        const QString digitos = texto.mid(texto.startsWith(u'+') ? 1 : 2);
        const int longitud = longitudPrefijoPais(digitos);
        resultado.prefijo = digitos.left(longitud);
        resultado.telefono = digitos.mid(longitud);
    }
    resultado.valido = resultado.prefijo.size() >= 1 &&
                       std::all_of(resultado.prefijo.cbegin(), resultado.prefijo.cend(), esCifra) &&
                       resultado.prefijo.front() != u'0' && esNumeroValido(resultado.telefono);
    return resultado;
}
