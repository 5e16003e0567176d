#pragma once

#include <QString>
#include <functional>

// Opens a web or "file://" address with the desktop's default handler. The result
// is not reported. Tests install a recorder so that no browser is ever launched.
namespace Navegador {

void abrirDireccion(const QString &direccion);

// Returns the previous handler; an empty function restores QDesktopServices.
std::function<void(const QString &)> instalar(std::function<void(const QString &)> funcion);

} // namespace Navegador
