#include "app/instancia_unica.h"

#include <QDir>
#include <QFileInfo>
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
    // A copy that died between creating the lock and writing its owner leaves it
    // empty, and an ownerless lock never turns stale. Only a live holder can keep
    // it: the removal fails while a copy still holds it open.
    if (bloqueo->error() == QLockFile::LockFailedError && !propietarioLegible()) {
        // Copies write their lock readable: one nobody may read is removed outright.
        if (!bloqueo->removeStaleLockFile() && !QFileInfo(bloqueo->fileName()).isReadable())
            QFile::remove(bloqueo->fileName());
        if (bloqueo->tryLock(0))
            return true;
    }
    if (bloqueo->error() == QLockFile::LockFailedError)
        return false;
    const QString causa = bloqueo->error() == QLockFile::PermissionError
                              ? QStringLiteral("sin permiso para crear")
                              : QStringLiteral("error al crear");
    descripcionFallo = QStringLiteral("No se ha podido comprobar si hay otra instancia "
                                      "ejecutándose (%1 %2); el programa arranca igualmente")
                           .arg(causa, QDir::toNativeSeparators(bloqueo->fileName()));
    return true;
}

bool InstanciaUnica::propietarioLegible() const {
    qint64 proceso = 0;
    QString equipo, programa;
    return bloqueo->getLockInfo(&proceso, &equipo, &programa);
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
