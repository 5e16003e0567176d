#pragma once

#include <QString>

// Character count shown under the message: CR LF pairs are not counted,
// a lone CR or LF is.
int contarCaracteres(const QString &textoCRLF);

// The part counter text: "Partes: N", "Partes: 0" for an empty message, or
// "Partes: ??" when the gateway has no known limit.
QString textoPartes(const QString &textoCRLF, const QString &pasarela, const QString &firma);

// Length of a text as the message box limits it: a line break takes two.
int longitudConSaltos(const QString &textoPlano);

// Line breaks between the program's CR LF form and a text widget's LF form.
QString aCRLF(const QString &textoPlano);
QString desdeCRLF(const QString &textoCRLF);
