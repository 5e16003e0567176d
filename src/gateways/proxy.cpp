#include "gateways/proxy.h"

#include "common/campos.h"
#include "config/fichero_configuracion.h"
#include "gateways/codificacion.h"

namespace Pasarelas {

bool usandoProxy() {
    return configuracion.usarProxy != 0;
}

QString hostProxy() {
    return textoCampo(configuracion.proxy);
}

QString lineaAutorizacionProxy() {
    const QString usuario = textoCampo(configuracion.usuario);
    if (!usandoProxy() || usuario.isEmpty())
        return QString();
    const QString credenciales = usuario + QLatin1Char(':') + textoCampo(configuracion.password);
    return QStringLiteral("Proxy-Authorization: Basic ") + Tipos::codificarBase64(credenciales);
}

quint16 puertoProxy() {
    const QString texto = textoCampo(configuracion.puerto);
    if (texto.isEmpty() || texto.size() > 5)
        return 0;
    uint valor = 0;
    for (const QChar caracter : texto) {
        if (caracter < QLatin1Char('0') || caracter > QLatin1Char('9'))
            return 0;
        valor = valor * 10 + uint(caracter.unicode() - '0');
    }
    return valor <= 65535 ? quint16(valor) : quint16(0);
}

} // namespace Pasarelas
