#pragma once

#include <QIcon>

// The images of the address book's nodes: a person for a contact, two for a group.
QIcon imagenContacto();
QIcon imagenGrupo();
