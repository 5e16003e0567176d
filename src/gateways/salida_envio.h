#pragma once

#include <QString>

namespace Pasarelas {

// What a send reports to and asks of the window running it. The send window
// implements it; tests implement a recorder.
//
// A cancel must set the flag first and then close the exchange's socket: closing
// the socket is what ends a running wait at once.
class SalidaEnvio {
public:
    virtual ~SalidaEnvio() = default;

    // Appends one line to the send log.
    virtual void logea(const QString &linea) = 0;
    // Whether the user has cancelled the send.
    virtual bool cancelado() const = 0;
    // The latest server answer, line feeds already turned into CR LF.
    virtual void mostrarRespuesta(const QString &respuesta) = 0;
};

} // namespace Pasarelas
