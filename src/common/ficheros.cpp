#include "common/ficheros.h"

#include <QFile>
#include <QSaveFile>

#include <memory>
#include <vector>

#include <unistd.h>

bool grabarFicheroAtomico(const QString &ruta, const QByteArray &datos, bool privado) {
    return grabarFicherosAtomicos({{ruta, datos, privado}});
}

bool grabarFicherosAtomicos(const QList<FicheroNuevo> &ficheros) {
    std::vector<std::unique_ptr<QSaveFile>> nuevos;
    for (const FicheroNuevo &fichero : ficheros) {
        auto &nuevo = nuevos.emplace_back(std::make_unique<QSaveFile>(fichero.ruta));
        // Unbuffered, so that a short write on a full disk shows in write()'s count:
        // a buffered QSaveFile commits a truncated file and reports success.
        if (!nuevo->open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
            // QSaveFile gives the new file the old one's mode, or the umask's for a new one.
            (fichero.privado && !nuevo->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) ||
            nuevo->write(fichero.datos) != fichero.datos.size() || ::fsync(nuevo->handle()) != 0)
            return false; // the unfinished files vanish with their QSaveFile
    }
    // Only renames are left: nothing more has to fit on the disk.
    for (const auto &nuevo : nuevos) {
        if (!nuevo->commit())
            return false;
    }
    return true;
}

bool leerFichero(const QString &ruta, QByteArray &datos) {
    datos.clear();
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly))
        return false;
    datos = fichero.readAll();
    return fichero.error() == QFileDevice::NoError;
}
