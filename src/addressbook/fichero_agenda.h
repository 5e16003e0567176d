#pragma once

#include <QString>

class ArbolAgenda;

// The address book lives in two files of the application folder: "groups.lst"
// (25-byte group records) and "contacts.lst" (87-byte contact records), scrambled.
QString rutaGrupos();
QString rutaContactos();

// Adds both files to the tree (expected empty). A missing file is created empty; an
// empty group file gives the group "Ninguno". Records that cannot be placed are kept
// aside in the tree and saved back as they were.
void cargarArbolAgenda(ArbolAgenda &arbol);

// Rewrites both files from the tree, in the order of addition. Each file is replaced
// atomically; the contacts go first, and the groups are not written when that fails.
// Returns false when a file could not be written (the old one is then intact).
bool grabarArbolAgenda(const ArbolAgenda &arbol);
