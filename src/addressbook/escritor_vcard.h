#pragma once

#include "addressbook/exportacion.h"

// The address book as vCard 3.0 in UTF-8, for phones and webmail: one card per
// contact, in the order of the contacts file, with FN, N (the whole name as the
// given name), TEL;TYPE=CELL ("+", the prefix and the number) and CATEGORIES (the
// group, but not "Ninguno"). Lines end in CR LF and fold at 75 bytes.
TextoExportado exportarVCard(const ArbolAgenda &arbol);
