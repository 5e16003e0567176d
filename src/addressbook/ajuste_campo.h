#pragma once

#include <QString>

// A name or group from outside the program, fitted to an address-book field: line
// breaks and tabs become spaces, characters the Windows-1252 code page lacks become
// "?" (as every field written to the files makes them) and the text is cut to the
// field's width. A suffix, " (" sufijo ")", is kept whole: the name is cut before it.
struct CampoAjustado {
    QString texto;
    bool recortado = false;
    bool sustituido = false;

    // What the log adds to an entry's line when the field changed, empty otherwise;
    // `campo` names the field ("nombre", "grupo").
    QString nota(const QString &campo, int ancho) const;
};
CampoAjustado ajustarCampo(const QString &valor, int ancho, const QString &sufijo = QString());

// Control characters (line breaks, tabs...) as spaces.
QString sinControles(QString texto);
