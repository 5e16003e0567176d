#pragma once

#include <QString>

namespace logging {

// Appends one five-line entry for a message handed to a gateway to "zarcel.log"
// in the application folder (created when missing): date and time, gateway,
// number, the message as typed, an empty line. Windows-1252, CR LF line ends.
// Returns false when the file could not be written.
bool escribirLog(const QString &prefijo, const QString &numero, const QString &mensaje,
                 const QString &pasarela);

} // namespace logging
