#pragma once

#include <QByteArray>
#include <QStringList>

class ArbolAgenda;

// The address book as a text file: for each contact, in the order the contacts were
// added to the tree (the contacts file's order), its name line and then "+", the
// prefix and the number run together. Windows-1252, every line ended by CR LF,
// no groups, no header.
struct TextoExportado {
    QByteArray datos;
    QStringList nombres; // the contacts written, in order
};
TextoExportado exportarTexto(const ArbolAgenda &arbol);
