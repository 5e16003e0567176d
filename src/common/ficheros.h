#pragma once

#include <QByteArray>
#include <QString>

// Replaces a whole file atomically: the new contents appear complete or not at all,
// so a full disk or a crash in the middle leaves the previous file as it was.
// Returns false (and leaves the old file) on any failure.
bool grabarFicheroAtomico(const QString &ruta, const QByteArray &datos);

// Reads a whole file; a missing or unreadable file gives an empty array and false.
bool leerFichero(const QString &ruta, QByteArray &datos);
