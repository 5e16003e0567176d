#include "app/icono.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

QIcon iconoPrograma() {
    // Decoding the six images is dear: once the application holds them, the tray shares its copy.
    QIcon icono = QGuiApplication::windowIcon();
    if (!icono.isNull())
        return icono;
    // Read as PNG without guessing: to guess, Qt loads every image-format plugin it
    // has, and their libraries, to ask each whether it reads the file.
    for (int lado : {16, 32, 48, 64}) {
        QImageReader lector(QStringLiteral(":/iconos/zarcel-%1.png").arg(lado), "png");
        lector.setAutoDetectImageFormat(false);
        icono.addPixmap(QPixmap::fromImage(lector.read()));
    }
    return icono;
}
