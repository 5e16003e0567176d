#pragma once

#include <QString>

// The proxy settings of the global configuration as the exchange uses them.
namespace Pasarelas {

bool usandoProxy();

// The proxy host, surrounding spaces removed.
QString hostProxy();

// "Proxy-Authorization: Basic ..." when the proxy is on and a user is set; otherwise empty.
QString lineaAutorizacionProxy();

// The proxy port: 1 to 65535 written in plain digits, after removing surrounding
// spaces. Anything else gives 0, and the exchange is not attempted.
quint16 puertoProxy();

} // namespace Pasarelas
