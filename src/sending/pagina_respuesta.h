#pragma once

#include <QString>

// "Mostrar en navegador": the last gateway answer written to a page in the
// temporary folder for the user's browser.

// TMP when it is set, else the system's temporary folder, plus "zrc9933.html".
QString rutaPaginaRespuesta();

// What the page holds: the answer from its first blank line (CR LF CR LF) on, or
// the whole answer when it has none, stripped of spaces, followed by CR LF.
QString contenidoPaginaRespuesta(const QString &respuesta);

// Writes the page (Windows-1252) replacing any earlier one; false when it cannot.
bool grabarPaginaRespuesta(const QString &ruta, const QString &respuesta);
