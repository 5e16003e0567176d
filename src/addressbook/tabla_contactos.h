#pragma once

#include "addressbook/nombres_agenda.h"
#include "addressbook/registros_agenda.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QFile;

// One contact as the send window expands recipients: texts stripped of spaces.
struct EntradaContacto {
    QString nombre;
    QString prefijo;
    QString telefono;
    QString grupo;
    bool envioReves = false;
};

// The contacts of "contacts.lst" in file order, refilled by cargarAgenda. Start-up
// needs only the names, so the records stay in the file, kept open as it was loaded
// (a save puts a new file in its place and leaves the open one as it was): they are
// decoded the first time the table is read (a send), once per load.
class TablaContactos {
public:
    TablaContactos();
    ~TablaContactos();

    // Opens "contacts.lst" and returns its contacts' names in file order, stripped of spaces.
    NombresAgenda cargar();
    const QList<EntradaContacto> &entradas() const;
    operator const QList<EntradaContacto> &() const { return entradas(); }
    qsizetype size() const { return entradas().size(); }
    bool isEmpty() const { return entradas().isEmpty(); }
    const EntradaContacto &at(qsizetype i) const { return entradas().at(i); }

    // Field `campo` of record `i` as loaded, readable; empty when it cannot be read.
    QString campo(qsizetype i, ContactoAgenda::Campo campo) const;

private:
    QByteArray leerRegistros(qsizetype primero, qsizetype cuantos) const;

    std::unique_ptr<QFile> fichero;
    qsizetype registros = 0;
    mutable std::optional<QList<EntradaContacto>> decodificadas;
};
extern TablaContactos tablaContactos;

// What cargarAgenda puts on screen and in tablaContactos, read from both files.
struct DatosAgenda {
    NombresAgenda contactos;   // the names in file order, stripped of spaces
    QList<int> ordenContactos; // the indices of contactos, sorted case-insensitively
    NombresAgenda grupos;      // 25-character names, untrimmed, in file order
    QList<int> ordenGrupos;    // the indices of grupos, sorted
};
// Reads both files; the contacts also load into tablaContactos.
DatosAgenda leerDatosAgenda();

// The item value of a contact's number: present only when the text is a plain
// whole number that a signed 32-bit integer holds, so it reads back as the same text.
std::optional<qint32> numeroEntero(const QString &telefono);
