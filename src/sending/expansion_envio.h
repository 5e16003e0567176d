#pragma once

#include "addressbook/tabla_contactos.h"

#include <QList>
#include <QString>
#include <QStringList>

// Who a send goes to: the recipient list, or what is selected or typed in the
// main window when the list is empty, resolved into phone numbers.
namespace Envio {

struct Destino {
    QString prefijo;
    QString numero;
    bool ordenInverso = false;
};

// What the main window holds when a send starts.
struct Seleccion {
    int entradasLista = 0;
    bool contactoSeleccionado = false;
    bool grupoSeleccionado = false;
    QString numeroEscrito; // stripped of surrounding spaces
};

enum class Caso { NumeroEscrito, ContactoSeleccionado, GrupoSeleccionado, Lista, NadieAQuien };

// The first case that applies, in the order the send window tries them.
Caso decidirCaso(const Seleccion &seleccion);

// Every table entry with that name (or in that group), in table order; names
// compare stripped of surrounding spaces.
QList<Destino> contactosLlamados(const QString &nombre, const QList<EntradaContacto> &tabla);
QList<Destino> contactosDelGrupo(const QString &grupo, const QList<EntradaContacto> &tabla);

// The numbers one recipient-list entry stands for. A typed-number entry without
// ":" has no prefix to send with and gives none, as does an unknown tag.
QList<Destino> expandirEntrada(const QString &entrada, const QList<EntradaContacto> &tabla);

} // namespace Envio
