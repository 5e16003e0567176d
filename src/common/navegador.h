#pragma once

#include <QString>
#include <functional>

// Opens a web or "file://" address with the desktop's default handler. Tests install
// a recorder so that no browser is ever launched.
namespace Navegador {

// `siFalla`, when given, runs once it is known that nothing could open the address
// (xdg-open reports it some time later: it looks for a browser first).
void abrirDireccion(const QString &direccion, std::function<void()> siFalla = {});

// Returns the previous handler; an empty function restores the desktop's.
std::function<void(const QString &)> instalar(std::function<void(const QString &)> funcion);

} // namespace Navegador
