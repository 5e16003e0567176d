#pragma once

#include "addressbook/registros_agenda.h"

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

// The contacts of "contacts.lst" in file order, refilled by cargarAgenda. Start-up
// needs only the names, so the records are decoded the first time the table is read
// (a send), once per load.
class TablaContactos {
public:
    // The file's whole records, still scrambled.
    void cargar(const QByteArray &registros);
    const QList<EntradaContacto> &entradas() const;
    operator const QList<EntradaContacto> &() const { return entradas(); }
    qsizetype size() const { return entradas().size(); }
    bool isEmpty() const { return entradas().isEmpty(); }
    const EntradaContacto &at(qsizetype i) const { return entradas().at(i); }

private:
    QByteArray registros;
    mutable std::optional<QList<EntradaContacto>> decodificadas;
};
extern TablaContactos tablaContactos;

// What cargarAgenda puts on screen and in tablaContactos, read from both files.
struct DatosAgenda {
    QByteArray contactos;       // the whole records of "contacts.lst", scrambled
    QStringList listaContactos; // the names, sorted case-insensitively
    QList<int> ordenContactos;  // beside listaContactos: the index of each one's record
    QStringList listaGrupos;    // 25-character names, untrimmed, sorted
};
DatosAgenda leerDatosAgenda();

// The item value of a contact's number: present only when the text is a plain
// whole number that a signed 32-bit integer holds, so it reads back as the same text.
std::optional<qint32> numeroEntero(const QString &telefono);

// Field `campo` of record `i` of `registros` (the bytes of "contacts.lst"), readable.
QString campoContacto(const QByteArray &registros, qsizetype i, ContactoAgenda::Campo campo);
