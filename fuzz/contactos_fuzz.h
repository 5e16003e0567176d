#pragma once

#include "addressbook/fuentes_importacion.h"

// What the vCard and CSV targets check once their reader has given its entries: the
// import and the files (comprobarImportacion), then the book exported to vCard and
// imported into an empty book comes back with the same contacts in the same groups.
void comprobarContactosExternos(Importacion::Tipo tipo, const QList<Importacion::Entrada> &entradas);
