#pragma once

#include <QIcon>

// The images of the stored-messages tree besides a contact's and a group's: an envelope
// for a stored message, a clock for its send time, a mobile phone for a typed number
// and a speech bubble for the text.
QIcon imagenTitulo();
QIcon imagenHora();
QIcon imagenTelefono();
QIcon imagenMensaje();
