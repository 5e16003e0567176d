#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class QIODevice;

// Replaces a whole file atomically: the new contents appear complete or not at all,
// so a full disk or a crash in the middle leaves the previous file as it was.
// Returns false (and leaves the old file) on any failure. A private file is
// readable and writable by its owner only (0600), whatever mode it had before.
bool grabarFicheroAtomico(const QString &ruta, const QByteArray &datos, bool privado = false);

// Replaces several files that belong together: each is written out and synced
// beside its old version first, and only when all are complete do they replace
// the old ones. A failure while writing leaves every old file as it was.
struct FicheroNuevo {
    QString ruta;
    QByteArray datos;
    bool privado = false;
};
bool grabarFicherosAtomicos(const QList<FicheroNuevo> &ficheros);

// Reads an open file of fixed-size records to its end a block of records at a time,
// through one buffer (a large file read whole is that much fresh memory), handing
// each block's whole records to `usar`; a partial record at the end is left out.
// False when a read fails.
bool leerEnBloques(QIODevice &fichero, int tamanoRegistro,
                   const std::function<void(const char *registros, qsizetype cuantos)> &usar);

// Reads a whole file; a missing or unreadable file gives an empty array and false.
bool leerFichero(const QString &ruta, QByteArray &datos);
