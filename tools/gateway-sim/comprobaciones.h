#pragma once

#include "pasarelas_simuladas.h"
#include "peticion_recibida.h"

#include <QStringList>

namespace Simulador {

// What is wrong with a request for a gateway's form target, in words for the
// answer page. `cookieRepartida`: the cookie pages hand out the session cookie,
// so the form must bring it back. None of the texts repeats what the client sent,
// so an error page can never carry a success text by echo.
QStringList comprobarFormulario(const PasarelaSimulada &pasarela, const PeticionRecibida &peticion,
                                bool cookieRepartida);

// The same for a request for a gateway's cookie page.
QStringList comprobarPaginaCookies(const PasarelaSimulada &pasarela, const PeticionRecibida &peticion);

} // namespace Simulador
