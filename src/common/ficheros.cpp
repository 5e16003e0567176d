#include "common/ficheros.h"

#include <QFile>
#include <QIODevice>
#include <QSaveFile>

#include <cstring>
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

bool leerEnBloques(QIODevice &fichero, int tamanoRegistro,
                   const std::function<void(const char *registros, qsizetype cuantos)> &usar) {
    QByteArray bloque(512 * qsizetype(tamanoRegistro), Qt::Uninitialized);
    qsizetype llenos = 0;
    for (;;) {
        const qint64 leidos = fichero.read(bloque.data() + llenos, bloque.size() - llenos);
        if (leidos < 0)
            return false;
        llenos += leidos;
        const qsizetype registros = llenos / tamanoRegistro;
        if (registros > 0)
            usar(bloque.constData(), registros);
        llenos -= registros * tamanoRegistro;
        std::memmove(bloque.data(), bloque.data() + registros * tamanoRegistro, size_t(llenos));
        if (leidos == 0)
            return true;
    }
}

bool leerFichero(const QString &ruta, QByteArray &datos) {
    datos.clear();
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly))
        return false;
    datos = fichero.readAll();
    return fichero.error() == QFileDevice::NoError;
}
