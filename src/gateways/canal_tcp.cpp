#include "gateways/canal_tcp.h"

#include <QCoreApplication>
#include <QLibrary>

namespace Pasarelas {
namespace {
using Fabrica = CanalTcp *(*)();

Fabrica cargarFabrica(QString *error) {
    static Fabrica fabrica = nullptr;
    if (fabrica)
        return fabrica;
    const QString nombre = QStringLiteral("libzarcel_red.so");
    QString motivo;
    for (const QString &ruta : {QCoreApplication::applicationDirPath() + QLatin1Char('/') + nombre, nombre}) {
        QLibrary biblioteca(ruta);
        fabrica = reinterpret_cast<Fabrica>(biblioteca.resolve("zarcelCrearCanalTcp"));
        if (fabrica)
            return fabrica;
        if (motivo.isEmpty())
            motivo = biblioteca.errorString();
    }
    if (error)
        *error = motivo;
    return nullptr;
}
} // namespace

std::unique_ptr<CanalTcp> abrirCanalTcp(QString *error) {
    const Fabrica fabrica = cargarFabrica(error);
    return std::unique_ptr<CanalTcp>(fabrica ? fabrica() : nullptr);
}

} // namespace Pasarelas
