#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// A full path in the application folder, "<random hex>.zrc", that names no
// existing file at the time of the call. Creates nothing.
QString nuevoFicheroMensaje();
// The same with the random numbers in [0, 1) taken from `aleatorio` (tests).
QString nuevoFicheroMensaje(const std::function<float()> &aleatorio);

// Writes a new stored message file: the title (cut to 25, blanks kept), the send
// time as an OLE date (0 for none), the recipient-list entries and the message
// text with its CR LF breaks. The file appears whole or not at all; on failure the
// user is told and false is returned.
bool grabarMensaje(const QString &titulo, double fecha, const QStringList &entradas, const QString &texto);
