#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The sources an address book can be imported from, read into entries.
// The readers take the files' bytes and accept anything: they never read past
// the end and allocate no more entries than the bytes can hold.
namespace Importacion {

// The kinds of source, numbered as the import menu's commands.
enum class Tipo : qint16 { Agenda1 = 1, Texto = 2, Agenda2 = 3, VCard = 4, Csv = 5 };

// One entry of a source, its texts as read (decoded from Windows-1252, not trimmed):
// the import decides per kind which checks apply and what the log shows.
struct Entrada {
    enum class Clase {
        Contacto,
        Grupo,     // a group record of version 2.x
        Incompleta // the last record of a version 1.x file, held only in part
    };
    Clase clase = Clase::Contacto;
    QString nombre;
    QString telefono;
    QString grupo;  // version 2.x, vCard and CSV: the contact's group
    QString sufijo; // vCard and CSV: the kind of a further number, kept when the name is cut
};

// Version 1.x "zarcel.lst": 34-byte records (name 25, number 9), each field
// scrambled with cifrarTexto. The count is the length / 34 rounded to nearest,
// halves to even, so a last record may be held only in part: it gives an entry of
// class Incompleta carrying what the file holds of it.
QList<Entrada> leerAgenda1(const QByteArray &datos);

// Text of name and number line pairs. Lines end in CR LF, LF or CR; blank lines
// keep their place in the pairing. A name without a number line after it is
// dropped. A name holding ":" takes the next line with it and gets no number.
QList<Entrada> leerTexto(const QByteArray &datos);

// Version 2.x: "grupos.lst" (25-byte names) then "contactos.lst" (59-byte records:
// name 25, number 9, group 25), plain text, a shorter tail dropped. The groups
// come first in the result, then the contacts, each in file order.
QList<Entrada> leerAgenda2(const QByteArray &contactos, const QByteArray &grupos);

// Halves-to-even rounding of `longitud` / `tamano`, as the version 1.x count is taken.
qsizetype registrosRedondeados(qsizetype longitud, qsizetype tamano);

} // namespace Importacion
