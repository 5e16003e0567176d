#pragma once

#include <QString>

// A line of the recipient list. The first character tells its kind:
//   "#" + a contact's name as the contact list shows it,
//   "&" + a group's name as the group list holds it (25 characters, padded),
//   "@+" + prefix + ":" + number, a number typed by the user.
namespace Destinatarios {

enum class Tipo { Contacto, Grupo, Numero, Desconocido };

struct Destinatario {
    Tipo tipo = Tipo::Desconocido;
    QString nombre;  // contact or group, stripped of surrounding spaces
    QString prefijo; // typed number: from the third character up to the first ":"
    QString numero;  // typed number: everything after the first ":"
};

QString entradaContacto(const QString &nombre);
QString entradaGrupo(const QString &nombre);
// An empty or blank prefix means Spain, "34". Neither part is checked or trimmed.
QString entradaNumero(const QString &prefijo, const QString &numero);

Destinatario leer(const QString &entrada);

} // namespace Destinatarios
