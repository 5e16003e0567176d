#pragma once

#include "addressbook/fuentes_importacion.h"

// Contacts of a vCard file (.vcf) of version 2.1, 3.0 or 4.0, any number of cards.
// A card gives one entry per TEL (see anadirTelefonos), named by FN, else by N, else
// by ORG, in the group of its first CATEGORIES. Read: folded lines, quoted-printable
// values and their CHARSET, UTF-8 or Windows-1252 text, escapes, grouped properties
// ("item1.TEL") with their labels, "tel:" numbers and cards nested in a card (not
// taken). A card left open at the end of the file still counts.
namespace Importacion {
QList<Entrada> leerVCard(const QByteArray &datos);
}
