#include "gateways/codificacion.h"

#include "common/campos.h"

namespace Pasarelas {

QString codificarURL(const QString &texto) {
    static const char hexadecimal[] = "0123456789ABCDEF";
    QString resultado;
    for (const char byte : aAnsi(texto)) {
        const auto codigo = static_cast<unsigned char>(byte);
        const bool alfanumerico = (codigo >= '0' && codigo <= '9') || (codigo >= 'A' && codigo <= 'Z') ||
                                  (codigo >= 'a' && codigo <= 'z');
        if (codigo == '\n' || codigo == '\r')
            continue;
        if (alfanumerico)
            resultado.append(QLatin1Char(byte));
        else if (codigo == ' ')
            resultado.append(QLatin1Char('+'));
        else
            resultado.append(QLatin1Char('%'))
                .append(QLatin1Char(hexadecimal[codigo >> 4]))
                .append(QLatin1Char(hexadecimal[codigo & 0xF]));
    }
    return resultado;
}

} // namespace Pasarelas

namespace Tipos {

QString codificarBase64(const QString &texto) {
    return QString::fromLatin1(aAnsi(texto).toBase64());
}

} // namespace Tipos
