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
    // Splits at the first three ":"; the remainder, read as a number, is the flag.
    static ClaveContacto desdeClave(QStringView clave);
    // The same as views into the key.
    struct Vistas {
        QStringView nombre;
        QStringView prefijo;
        QStringView telefono;
        bool envioReves = false;
    };
    static Vistas partir(QStringView clave);
    // The label of the contact a key stands for: the number in international form,
    // "Ana:+34600000000".
    static QString texto(QStringView clave);
    // Whether a key built from parts splits back into them: it has no other ":".
    static bool separable(QStringView clave);
};

// A blank prefix means Spain: "34". Any other text is kept as typed.
QString prefijoPorDefecto(const QString &prefijo);
