#pragma once

#include <QString>
#include <QStringList>

namespace Pasarelas {

class Intercambio;

// State of the message being sent, kept between calls.
struct EstadoDespacho {
    // Characters per SMS of the gateway in use.
    int limitePasarela = 0;
    // Part k in partes[k - 1]; at least ten slots, older texts stay.
    QStringList partes = QStringList(10);
    // The current part was accepted; the send window's cancel sets it too.
    bool enviado = false;
};
extern EstadoDespacho despacho;

// Most attempts per part: the first and five retries.
constexpr int reintentosMaximos = 5;

// Cuts `texto` into `numPartes` pieces of `longitudParte` characters, each led by
// its label "(k/n)"; with `ordenInverso` the last piece lands in the first slot.
void partirMensaje(const QString &texto, int longitudParte, int numPartes, bool ordenInverso);

// Sends one message to one number through `pasarela` (the main window's gateway
// box): reach check, signature, split, send-log entry, then per part the
// gateway's template and up to six attempts, each retry reintentoMs after the
// previous attempt started. Progress goes to the exchange's output; its cancel
// flag is looked at before each attempt and after each part.
void enviarMensaje(Intercambio &intercambio, const QString &pasarela, const QString &prefijo,
                   const QString &numero, const QString &mensaje, bool ordenInverso);

} // namespace Pasarelas
