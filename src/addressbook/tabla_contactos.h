#pragma once

#include "addressbook/nombres_agenda.h"
#include "addressbook/registros_agenda.h"

#include <QList>
#include <QString>

#include <optional>

// One contact as the send window expands recipients: texts stripped of spaces.
struct EntradaContacto {
    QString nombre;
    QString prefijo;
    QString telefono;
    QString grupo;
    bool envioReves = false;
};

// The contacts of "contacts.lst" in file order, refilled by cargarAgenda. The file is
// read whole and closed by the load, so whatever later happens to it, a send goes to
// the numbers the lists were filled from. Start-up needs only the names: the records
// are decoded from the bytes read the first time the table is read (a send).
class TablaContactos {
public:
    // Reads "contacts.lst" and returns its contacts' names in file order, stripped of spaces.
    NombresAgenda cargar();
    const QList<EntradaContacto> &entradas() const;
    operator const QList<EntradaContacto> &() const { return entradas(); }
    qsizetype size() const { return entradas().size(); }
    bool isEmpty() const { return entradas().isEmpty(); }
    const EntradaContacto &at(qsizetype i) const { return entradas().at(i); }

    // Field `campo` of record `i` as loaded, readable.
    QString campo(qsizetype i, ContactoAgenda::Campo campo) const;

private:
    QByteArray registros; // the whole records of the file as loaded
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

// The item value of a contact's number: the stored text read as a whole decimal number
// (leading zeros dropped), present only when a signed 32-bit integer holds it.
std::optional<qint32> numeroEntero(const QString &telefono);
