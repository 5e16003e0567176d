#include "app/instancia_unica.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

InstanciaUnica::InstanciaUnica(const QString &rutaBloqueo)
    : bloqueo(std::make_unique<QLockFile>(rutaBloqueo)) {
    // Only a dead owner makes the lock stale, however old it is.
    bloqueo->setStaleLockTime(0);
}

InstanciaUnica::~InstanciaUnica() = default;

bool InstanciaUnica::adquirir() {
    descripcionFallo.clear();
    if (bloqueo->tryLock(0))
        return true;
    if (bloqueo->error() == QLockFile::LockFailedError)
        return false;
    const QString causa = bloqueo->error() == QLockFile::PermissionError
                              ? QStringLiteral("sin permiso para crear")
                              : QStringLiteral("error al crear");
    descripcionFallo = QStringLiteral("No se ha podido comprobar si hay otra instancia ejecutándose (%1 %2); "
                                      "el programa arranca igualmente")
                           .arg(causa, QDir::toNativeSeparators(bloqueo->fileName()));
    return true;
}

void InstanciaUnica::liberar() {
    bloqueo->unlock();
}

QString InstanciaUnica::rutaPorDefecto() {
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (carpeta.isEmpty())
        carpeta = QDir::tempPath();
    return carpeta + QStringLiteral("/zarcel-") + QString::fromLocal8Bit(qgetenv("USER")) +
           QStringLiteral(".lock");
}
