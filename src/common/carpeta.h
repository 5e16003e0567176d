#pragma once

#include <QString>

// The program keeps every data file in its own folder.
// Returns that folder without a trailing separator.
QString rutaAplicacion();

// The folder plus the platform's separator plus `nombre`.
QString rutaFichero(const QString &nombre);

// False when no file can be created or replaced in the application folder.
bool carpetaEscribible();

// Full path of the running executable, as the autostart entry names it.
QString rutaEjecutable();

// Normalises a folder as the program reports it: surrounding spaces removed
// and one trailing separator dropped (a drive root "C:\" gives "C:").
QString normalizarCarpeta(const QString &carpeta);

// Test seam: points the application folder somewhere else; empty restores it.
void fijarRutaAplicacion(const QString &carpeta);
