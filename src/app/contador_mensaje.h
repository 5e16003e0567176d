#pragma once

#include <QString>

// The part counter text: "Partes: N", "Partes: 0" for an empty message, or
// "Partes: ??" when the gateway has no known limit.
QString textoPartes(const QString &textoCRLF, const QString &pasarela, const QString &firma);

// Length of a text as the message box limits it: a line break takes two.
int longitudConSaltos(const QString &textoPlano);
