#pragma once

#include "addressbook/fuentes_importacion.h"

#include <QByteArrayView>
#include <QStringList>

// What the vCard and CSV readers share: they read contacts of phones and webmail
// address books, and both give the import one entry per number.
namespace Importacion {

// A number as its source gives it, with the source's word for its kind
// ("CELL", "Mobile", "Teléfono móvil"...).
struct TelefonoLeido {
    QString numero;
    QString tipo;
};

// The kind of a number in Spanish ("móvil", "casa", "trabajo", "fax", "busca",
// "principal", "otro"), empty when the source's word says none of these.
QString etiquetaTelefono(const QString &tipo);

// Appends one entry per number that is not blank: the first takes the name alone,
// each further one the suffix of its kind, or its place in the list when that kind
// is unknown or already taken. A contact without numbers gives one entry with none,
// so that the import can say so.
void anadirTelefonos(QList<Entrada> &entradas, const QString &nombre, const QString &grupo,
                     const QList<TelefonoLeido> &telefonos);

// The contact's group among a source's group names: the first that is not blank
// and not one the source makes for itself ("* myContacts", "starred").
QString primerGrupo(const QStringList &grupos);

// Text whose encoding is not declared: UTF-8 (a BOM dropped) when it is valid
// UTF-8, Windows-1252 otherwise.
QString decodificarTexto(QByteArrayView bytes);

} // namespace Importacion
