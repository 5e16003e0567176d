#pragma once

#include "addressbook/fuentes_importacion.h"

#include <optional>

// Contacts of the CSV files that webmail and desktop address books export. The header
// row names the columns: a whole name ("Name", "Display Name", "Nombre completo"...)
// or its parts ("First Name", "Middle Name", "Last Name", "Nombre", "Apellidos"...),
// the numbers ("Phone 1 - Value", "Mobile Phone", "Teléfono móvil"...; the kind comes
// from "Phone 1 - Type" or from the header) and the group ("Group Membership",
// "Labels", "Categories"...). Comma, semicolon or tab separated, whichever the
// header holds most of; quoted as RFC 4180 says; UTF-8 with or without a BOM, UTF-16
// with a BOM, or else Windows-1252. Each row gives entries as anadirTelefonos says.
// No value when the header shows no name column or no number column.
namespace Importacion {
std::optional<QList<Entrada>> leerCsv(const QByteArray &datos);

// The rows of a CSV text, fields unquoted.
QList<QStringList> filasCsv(const QString &texto, QChar separador);
} // namespace Importacion
