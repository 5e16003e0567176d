#pragma once

#include "addressbook/fuentes_importacion.h"

#include <QStringList>

class ArbolAgenda;

// Adds the entries of a source to the address-book tree, one log line per entry.
namespace Importacion {

// A source read whole: its entries, or the log line saying it could not be read.
struct Fuente {
    QList<Entrada> entradas;
    QString error;
};
// `ruta` is the chosen file for kinds 1, 2, 4 and 5, and for kind 3 the folder holding
// "contactos.lst" and "grupos.lst" (found whatever their letter case; a missing
// groups file reads as empty).
Fuente leerFuente(Tipo tipo, const QString &ruta);

// Applies one entry; returns its log line, empty when the entry is skipped silently.
QString importarEntrada(ArbolAgenda &arbol, Tipo tipo, const Entrada &entrada);

// Runs an import a piece at a time, so that a window can stay responsive between pieces.
class Importador {
public:
    // Kind 3 first gives an empty tree the group "Ninguno" when the source has no group.
    Importador(ArbolAgenda &arbol, Tipo tipo, QList<Entrada> entradas);

    // Applies up to `cuantas` more entries and returns their log lines.
    QStringList procesar(qsizetype cuantas);
    bool terminado() const { return siguiente >= entradas.size(); }

private:
    ArbolAgenda &arbol;
    Tipo tipo;
    QList<Entrada> entradas;
    qsizetype siguiente = 0;
};

} // namespace Importacion
