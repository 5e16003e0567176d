#pragma once

#include <QString>

// "Mostrar en navegador": the last gateway answer written to a page in the
// temporary folder for the user's browser.

// TMP when it is set, else a folder of the user's own (XDG_RUNTIME_DIR), plus
// "zrc9933.html": a page in the shared /tmp would be another user's file.
QString rutaPaginaRespuesta();

// What the page holds: the answer from its first blank line (CR LF CR LF) on, or
// the whole answer when it has none, stripped of spaces, followed by CR LF.
QString contenidoPaginaRespuesta(const QString &respuesta);

// Writes the page (Windows-1252) replacing any earlier one; false when it cannot.
bool grabarPaginaRespuesta(const QString &ruta, const QString &respuesta);

// The answer as the debug box shows it: one break for each of its lines, whether they
// ended in LF (held as CR LF) or in CR LF (held as CR CR LF).
QString respuestaEnLineas(const QString &respuesta);
