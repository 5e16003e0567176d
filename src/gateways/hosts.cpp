#include "gateways/hosts.h"

#include <array>

namespace Pasarelas {

const HostsPasarela *hostsDe(const QString &nombre) {
    static const std::array<HostsPasarela, 7> tabla = {{
        {QStringLiteral("Amena"), QStringLiteral("sms.amena.es"), QStringLiteral("sms.amena.es")},
        {QStringLiteral("Navegalia"), QStringLiteral("sms.navegalia.com"),
         QStringLiteral("www.navegalia.com")},
        {QStringLiteral("PanoramaActual"), QStringLiteral("sms.panoramaactual.com"),
         QStringLiteral("sms.panoramaactual.com")},
        {QStringLiteral("WebServicio"), QStringLiteral("www.webservicio.net"),
         QStringLiteral("webservicio.galeon.com")},
        {QStringLiteral("Movistar"), QStringLiteral("sms.movistar.es"), QStringLiteral("sms.movistar.es")},
        {QStringLiteral("GsmNet"), QStringLiteral("envios.gsmnet.es"), QStringLiteral("www.gsmnet.es")},
        {QStringLiteral("SMSYes"), QStringLiteral("sms.smsyes.com"), QStringLiteral("www.smsyes.com")},
    }};
    for (const HostsPasarela &hosts : tabla) {
        if (hosts.nombre == nombre)
            return &hosts;
    }
    return nullptr;
}

} // namespace Pasarelas
