#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace Simulador {

// How the stand-in judges the value of one form field.
enum class TipoCampo {
    Fijo,   // exactly the given bytes, as they travel (already URL-encoded)
    Numero, // the phone number or a piece of it: anything but empty
    Texto,  // the message: non-empty, letters, digits, "+" and "%HH" only
    Correo, // the user's e-mail address: anything, empty included
};

struct CampoEsperado {
    QByteArray nombre;
    TipoCampo tipo;
    QByteArray valor; // for Fijo
};

// What one gateway expects and answers.
struct PasarelaSimulada {
    QString nombre;
    QByteArray host;   // the form host, also named by Host and by an absolute URI
    QByteArray metodo; // "POST" or "GET"
    QByteArray rutaFormulario;
    QByteArray referer; // the exact Referer, or its prefix when refererPrefijo
    bool refererPrefijo;
    QByteArray rutaCookies;  // the page that sets the cookies; empty when the gateway has none
    QByteArray cookieSesion; // name=value of the session cookie that page sets
    QByteArray cookieFinal;  // what the Cookie header must end with; empty: anything
    QList<CampoEsperado> campos;
    bool cookieEnCuerpo; // the body ends with "&" and the Cookie header's value
    QString textoExito;
    QString htmlExito; // the page fragment that carries the success text (%1)

    bool usaCookies() const { return !rutaCookies.isEmpty(); }
};

// The seven gateways, in catalogue order.
const QList<PasarelaSimulada> &pasarelasSimuladas();

// The gateway whose form target or cookie page is `ruta` (path only, no query);
// nullptr for any other path.
const PasarelaSimulada *pasarelaDeRuta(const QByteArray &ruta, bool *esPaginaCookies);

} // namespace Simulador
