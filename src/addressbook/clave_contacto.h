#pragma once

#include <QString>

// A contact node carries all its data in its key: nombre ":" prefijo ":" telefono ":" flag.
// None of the first three parts may hold ":" or the key could not be split again.
struct ClaveContacto {
    QString nombre;
    QString prefijo;
    QString telefono;
    bool envioReves = false;

    QString clave() const;
    // The label: the number in international form, "Ana:+34600000000".
    QString texto() const;
    // Splits at the first three ":"; the remainder, read as a number, is the flag.
    static ClaveContacto desdeClave(const QString &clave);
    // Whether the parts can be joined into a key that splits back into them.
    bool separable() const;

    // The same from parts held elsewhere (a tree load decodes them into buffers).
    static QString clave(QStringView nombre, QStringView prefijo, QStringView telefono, bool envioReves);
    static QString texto(QStringView nombre, QStringView prefijo, QStringView telefono);
    static bool separable(QStringView nombre, QStringView prefijo, QStringView telefono);
};

// A blank prefix means Spain: "34". Any other text is kept as typed.
QString prefijoPorDefecto(const QString &prefijo);
