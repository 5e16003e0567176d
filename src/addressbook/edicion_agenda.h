#pragma once

#include <QModelIndex>
#include <QString>

class ArbolAgenda;

// The rules of the address book editor: what a contact or a group must look like
// to enter the tree. Every function returns the message to show, or an empty text.
namespace EdicionAgenda {

// A contact as the user typed it in the editor's boxes.
struct Ficha {
    QString nombre;
    QString prefijo; // already "34" when the box was blank (see prefijoPorDefecto)
    QString telefono;
    QString grupo; // the group box's text: a group's key or name, blank for "Ninguno"
    bool envioReves = false;
};

// Name, then colon in the name, then the number, then colon in the prefix.
QString validar(const Ficha &ficha);

// The group a contact goes to: the group whose key, or else whose current name,
// equals the typed text stripped of spaces; "Ninguno" when nothing was typed.
// An invalid index when there is no such group: the contact is then refused,
// never put somewhere the user did not ask for.
QModelIndex grupoDe(const ArbolAgenda &arbol, const QString &textoGrupo);

struct Resultado {
    QModelIndex nodo; // the new node on success
    QString error;
};

// Adds a validated contact last in its group.
Resultado anadirContacto(ArbolAgenda &arbol, const Ficha &ficha);
// Replaces a contact by a new one built from the fields, last in its group; the
// old one stays as it was when the new one cannot be added.
Resultado reemplazarContacto(ArbolAgenda &arbol, const QModelIndex &contacto, const Ficha &ficha);
// Adds a group last at the top level, with the stripped name as key and text.
Resultado anadirGrupo(ArbolAgenda &arbol, const QString &nombre);

} // namespace EdicionAgenda
