#pragma once

#include <QString>

namespace Pasarelas {

// One message request as a template prepares it for the exchange.
// Every field starts empty, so a designated initializer names only those it sets.
struct Peticion {
    QString host{};              // the gateway's host, also named in proxy-form request lines
    QString metodo{};            // "POST" or "GET"
    QString ruta{};              // target as in a direct request line, ending in " HTTP/1.0"
    QString autorizacionProxy{}; // empty, or the whole "Proxy-Authorization: Basic ..." line
    QString referer{};           // full URL
    QString cookie{};            // empty when the gateway sets none
    QString cuerpo{};            // form body; a GET keeps a bare line break here that is never sent
    QString textoExito{};        // its presence in the answer means the part was accepted
};

} // namespace Pasarelas
