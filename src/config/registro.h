#pragma once

#include <QString>

// Per-user autostart. On Windows it is the value "Zarcel" of the Run key; elsewhere
// an XDG autostart entry "zarcel.desktop" that starts the program hidden from its
// folder (the entry's Path).
namespace registro {

// Turns autostart on with `rutaEjecutable` followed by " --hide". Errors are ignored.
void ponerArranque(const QString &rutaEjecutable);
// True when the autostart entry exists and names a command.
bool hayArranque();
// Removes the autostart entry. Errors are ignored.
void quitarArranque();

// The command the entry holds ("<path> --hide"), empty when there is none.
QString comandoArranque();

// Test seam: the folder that holds the XDG entry (empty restores the user's own).
void fijarCarpetaArranque(const QString &carpeta);
QString carpetaArranque();

} // namespace registro
