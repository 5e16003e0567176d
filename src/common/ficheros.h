#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

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

// Reads a whole file; a missing or unreadable file gives an empty array and false.
bool leerFichero(const QString &ruta, QByteArray &datos);
