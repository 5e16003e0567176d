#pragma once

#include <QString>

// A number from a phone or a webmail, split as the address book keeps it. A number
// in international form ("+44 7700 900123", "0044 7700 900123") gives its country
// code and the rest; any other gets 34, Spain, as imported text numbers do. Spaces,
// dashes, dots and brackets go first, and a "(0)" after the country code (the
// national trunk digit some write there) with them.
struct NumeroImportado {
    QString prefijo;
    QString telefono;
    bool valido = false; // the rest passes the program's number check
};
NumeroImportado normalizarNumero(const QString &numero);

// How many of the leading digits form the country code: 1, 2 or 3.
int longitudPrefijoPais(QStringView digitos);
