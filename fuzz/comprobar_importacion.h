#pragma once

#include "addressbook/fuentes_importacion.h"

class ArbolAgenda;

// Runs an import of `entradas` into a book holding only "Ninguno", as the import
// window does, and checks that no more nodes come out than entries went in, that
// every record the tree keeps survives a save and a load, and that a second round
// changes nothing. `arbol`, empty at first, keeps the result for further checks.
void comprobarImportacion(ArbolAgenda &arbol, Importacion::Tipo tipo,
                          const QList<Importacion::Entrada> &entradas);

// "group/key" of every contact, in the order of addition.
QStringList contactosDe(const ArbolAgenda &arbol);
