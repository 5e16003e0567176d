#include "common/navegador.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <utility>

namespace Navegador {

namespace {
std::function<void(const QString &)> &manejador() {
    static std::function<void(const QString &)> funcion;
    return funcion;
}

// xdg-open's own exit status tells whether a browser took the address, which
// QDesktopServices does not pass on. The process has no parent: a browser that
// xdg-open runs in the foreground must outlive the window that asked for it.
bool abrirConXdgOpen(const QString &direccion, const std::function<void()> &siFalla) {
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty())
        return false;
    auto *proceso = new QProcess;
    proceso->setStandardOutputFile(QProcess::nullDevice());
    QObject::connect(proceso, &QProcess::finished, proceso,
                     [proceso, siFalla](int codigo, QProcess::ExitStatus estado) {
                         if ((estado != QProcess::NormalExit || codigo != 0) && siFalla)
                             siFalla();
                         proceso->deleteLater();
                     });
    QObject::connect(proceso, &QProcess::errorOccurred, proceso,
                     [proceso, siFalla](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         if (siFalla)
                             siFalla();
                         proceso->deleteLater();
                     });
    proceso->start(xdgOpen, {direccion});
    return true;
}
} // namespace

void abrirDireccion(const QString &direccion, std::function<void()> siFalla) {
    if (manejador())
        manejador()(direccion);
    else if (!abrirConXdgOpen(direccion, siFalla) &&
             !QDesktopServices::openUrl(QUrl::fromUserInput(direccion)) && siFalla)
        siFalla();
}

std::function<void(const QString &)> instalar(std::function<void(const QString &)> funcion) {
    return std::exchange(manejador(), std::move(funcion));
}

} // namespace Navegador
