#pragma once

#include "pasarelas_simuladas.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Simulador {

// A whole HTTP/1.0 answer: status line, the given extra header lines (each
// ending in CR LF), then the page in Windows-1252 with its length.
QByteArray respuestaHttp(int estado, const QByteArray &cabecerasExtra, const QString &titulo,
                         const QString &cuerpoHtml);

// The page a gateway shows when it accepted the message.
QByteArray respuestaExito(const PasarelaSimulada &pasarela);

// A page that lists what went wrong, one item per problem.
QByteArray respuestaError(int estado, const QString &titulo, const QStringList &problemas,
                          const QByteArray &cabecerasExtra = {});

// The cookie page; with `conCookies` it sets the session cookie and a second one,
// each with attributes after ";".
QByteArray respuestaPaginaCookies(const PasarelaSimulada &pasarela, bool conCookies);

} // namespace Simulador
