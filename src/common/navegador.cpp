#include "common/navegador.h"

#include <QDesktopServices>
#include <QUrl>

#include <utility>

namespace Navegador {

namespace {
std::function<void(const QString &)> &manejador() {
    static std::function<void(const QString &)> funcion;
    return funcion;
}
} // namespace

void abrirDireccion(const QString &direccion) {
    if (manejador())
        manejador()(direccion);
    else
        QDesktopServices::openUrl(QUrl::fromUserInput(direccion));
}

std::function<void(const QString &)> instalar(std::function<void(const QString &)> funcion) {
    return std::exchange(manejador(), std::move(funcion));
}

} // namespace Navegador
