#pragma once

#include "gateways/plantillas.h"

#include <QString>
#include <QStringList>

namespace Pasarelas {

struct EntradaCatalogo {
    QString nombre;
    int limite;          // characters per SMS
    bool internacional;  // may send to numbers outside Spain
    Plantilla plantilla; // prepares a request; nullptr where the program has none
};

// The sixteen known gateways. Names match exactly, case-sensitively, after
// surrounding spaces are removed; an unknown name gives nullptr (no limit).
const EntradaCatalogo *buscarPasarela(const QString &nombre);

// The gateways that have a request template, in the order the main window offers them.
QStringList pasarelasDisponibles();

} // namespace Pasarelas
