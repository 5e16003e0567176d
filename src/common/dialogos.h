#pragma once

#include <QString>

#include <optional>

class QWidget;

// The common dialogs: open a file, save a file, choose a colour. Every one is modal
// over `propietario`. `filtro` is the program's filter text, pairs of description and
// pattern separated by "|" (see filtroPlataforma); "*.*" means every file.
namespace Dialogos {

// Full path (native separators) of an existing file the user chose; empty when cancelled.
QString abrirFichero(QWidget *propietario, const QString &filtro, const QString &titulo,
                     const QString &carpetaInicial);

// Full path of the file to write; empty when cancelled. The dialog asks before
// overwriting an existing file and before creating a new one.
QString guardarFichero(QWidget *propietario, const QString &filtro, const QString &titulo,
                       const QString &carpetaInicial);

// Colours are stored values (red + 256 x green + 65536 x blue). The dialog starts
// with no colour of the caller's and sixteen black custom colours on every call;
// returns the chosen colour, or `colorActual` when the user cancels.
quint32 elegirColor(QWidget *propietario, quint32 colorActual);

// ---- Test hooks (in the manner of "next answer"): a queued answer is taken
// instead of showing the dialog, so window tests never block on it.

// The next open or save dialog returns `ruta` (empty: the user cancels).
void siguienteFichero(const QString &ruta);
// The next colour dialog returns `color`; std::nullopt: the user cancels.
void siguienteColor(std::optional<quint32> color);

// What the last dialog was asked to show, for tests that check titles and filters.
struct Peticion {
    enum Tipo { Ninguna, Abrir, Guardar, Color } tipo = Ninguna;
    QWidget *propietario = nullptr;
    QString filtro; // as the caller gave it
    QString titulo;
    QString carpetaInicial;
};
Peticion ultimaPeticion();

// With pruebas on, a dialog with no queued answer is answered "cancel" (and a
// warning names it) instead of blocking. Switching it clears the queues.
void modoPrueba(bool activo);

} // namespace Dialogos
