#include "common/carpeta.h"

#include "common/campos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString &carpetaFijada() {
    static QString carpeta;
    return carpeta;
}
} // namespace

QString normalizarCarpeta(const QString &carpeta) {
    QString limpia = recortarEspacios(carpeta);
    if (limpia.endsWith(QLatin1Char('/')) || limpia.endsWith(QLatin1Char('\\')))
        limpia.chop(1);
    return limpia;
}

QString rutaAplicacion() {
    if (!carpetaFijada().isEmpty())
        return carpetaFijada();
    return normalizarCarpeta(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

QString rutaFichero(const QString &nombre) {
    return rutaAplicacion() + QDir::separator() + nombre;
}

bool carpetaEscribible() {
    // With the separator, a drive's root (an empty folder name) is still a folder.
    return QFileInfo(rutaAplicacion() + QDir::separator()).isWritable();
}

QString rutaEjecutable() {
    return rutaFichero(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

void fijarRutaAplicacion(const QString &carpeta) {
    carpetaFijada() = carpeta.isEmpty() ? QString() : normalizarCarpeta(QDir::toNativeSeparators(carpeta));
}
