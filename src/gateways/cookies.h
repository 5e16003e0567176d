#pragma once

#include <QString>

namespace Pasarelas {

class Intercambio;

// Loads one page of a gateway with a plain HTTP/1.1 GET and returns the cookies it
// sets as "a=1;b=2", or an empty text when the connection failed or none came.
QString obtenerCookies(Intercambio &intercambio, const QString &host, const QString &ruta);

// The first name=value pair of every "Set-Cookie:" header (name matched in any
// case), or, when there is none, of every case-sensitive "Cookie:", joined by ";".
// A value with no ";" after it anywhere runs to the end of its line. `respuesta`
// is left shortened to what follows the last header used.
QString recogerCookies(QString &respuesta);

} // namespace Pasarelas
