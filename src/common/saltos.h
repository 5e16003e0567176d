#pragma once

#include <QString>

// The program keeps text with CR LF line breaks; text widgets show LF.
QString aCRLF(const QString &textoPlano);
QString desdeCRLF(const QString &textoCRLF);

// Characters of a CR LF text as the user counts them: CR LF pairs are not
// counted, a lone CR or LF is.
int contarCaracteres(const QString &textoCRLF);
