#pragma once

#include <QString>
#include <QStringList>

class ArbolAgenda;

// The address book lives in two files of the application folder: "groups.lst"
// (25-byte group records) and "contacts.lst" (87-byte contact records), scrambled.
QString rutaGrupos();
QString rutaContactos();

// Adds both files to the tree (expected empty). A missing file is created empty; an
// empty group file gives the group "Ninguno". Records that cannot be placed are kept
// aside in the tree and saved back as they were.
// Returns the names of the files that exist but could not be read: the tree then
// lacks their records, and saving it would destroy them.
QStringList cargarArbolAgenda(ArbolAgenda &arbol);

// The user's message (Spanish) for such files: they are named, and the book is not saved.
QString avisoAgendaIlegible(const QStringList &ficheros);

// Rewrites both files from the tree, in the order of addition. Both are written out
// before either replaces its old version, so a failed save leaves the old pair intact
// (never new contacts beside old groups). Returns false when the files could not be written.
bool grabarArbolAgenda(const ArbolAgenda &arbol);
