#include "app/icono.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

QIcon iconoPrograma() {
    // Decoding the four images is dear: once the application holds them, the tray shares its copy.
    QIcon icono = QGuiApplication::windowIcon();
    if (!icono.isNull())
        return icono;
    for (int lado : {16, 32, 48, 64})
        icono.addPixmap(leerPng(QStringLiteral(":/iconos/zarcel-%1.png").arg(lado)));
    return icono;
}

QPixmap leerPng(const QString &ruta) {
    QImageReader lector(ruta, "png");
    lector.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(lector.read());
}
