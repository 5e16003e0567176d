#include "app/icono.h"

#include <QGuiApplication>

QIcon iconoPrograma() {
    // Decoding the six images is dear: once the application holds them, the tray shares its copy.
    QIcon icono = QGuiApplication::windowIcon();
    if (!icono.isNull())
        return icono;
    for (int lado : {16, 32, 48, 64})
        icono.addFile(QStringLiteral(":/iconos/zarcel-%1.png").arg(lado), QSize(lado, lado));
    return icono;
}
