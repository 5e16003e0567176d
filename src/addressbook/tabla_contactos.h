#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One contact as the send window expands recipients: texts stripped of spaces.
struct EntradaContacto {
    QString nombre;
    QString prefijo;
    QString telefono;
    QString grupo;
    bool envioReves = false;
};

// The contacts of "contacts.lst" in file order, refilled by cargarAgenda.
extern QList<EntradaContacto> tablaContactos;

// One line of the main window's contact list.
struct ElementoContacto {
    QString texto;                // the name, stripped of spaces
    std::optional<qint32> numero; // the number, only when it fits a signed 32-bit integer exactly
    QString telefono;             // the number as stored, stripped
    // What the list's tooltip shows: the number, never a value that differs from it.
    QString ayuda() const { return numero ? QString::number(*numero) : telefono; }
};

// What cargarAgenda puts on screen and in tablaContactos, read from both files.
struct DatosAgenda {
    QList<EntradaContacto> contactos;
    QList<ElementoContacto> listaContactos; // sorted, case-insensitive
    QStringList listaGrupos;                // 25-character names, untrimmed, sorted
};
DatosAgenda leerDatosAgenda();

// The item value of a contact's number: present only when the text is a plain
// whole number that a signed 32-bit integer holds, so it reads back as the same text.
std::optional<qint32> numeroEntero(const QString &telefono);
