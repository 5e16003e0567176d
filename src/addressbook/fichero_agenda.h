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

// Rewrites both files from the tree, in the order of addition. Both are written out
// before either replaces its old version, so a failed save leaves the old pair intact
// (never new contacts beside old groups). Returns false when the files could not be written.
bool grabarArbolAgenda(const ArbolAgenda &arbol);
