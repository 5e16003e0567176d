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
    return bloqueo->tryLock(0);
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
