#pragma once

#include <QString>

namespace Pasarelas {

class Intercambio;

// Each template fills `intercambio.peticion` for one message part, fetching the
// gateway's cookies first where it needs them. It returns false when the part
// cannot be sent: the gateway never set the cookie it requires (after
// `intentosCookie` tries) or the user cancelled while it was being fetched.
using Plantilla = bool (*)(Intercambio &intercambio, const QString &prefijo, const QString &numero,
                           const QString &texto);

// Tries of the repeated cookie step of PanoramaActual and Movistar.
constexpr int intentosCookie = 5;

bool pasarelaAmena(Intercambio &intercambio, const QString &prefijo, const QString &numero,
                   const QString &texto);
bool pasarelaNavegalia(Intercambio &intercambio, const QString &prefijo, const QString &numero,
                       const QString &texto);
bool pasarelaPanoramaActual(Intercambio &intercambio, const QString &prefijo, const QString &numero,
                            const QString &texto);
bool pasarelaWebServicio(Intercambio &intercambio, const QString &prefijo, const QString &numero,
                         const QString &texto);
bool pasarelaMovistar(Intercambio &intercambio, const QString &prefijo, const QString &numero,
                      const QString &texto);
bool pasarelaGsmNet(Intercambio &intercambio, const QString &prefijo, const QString &numero,
                    const QString &texto);
bool pasarelaSMSYes(Intercambio &intercambio, const QString &prefijo, const QString &numero,
                    const QString &texto);

} // namespace Pasarelas
