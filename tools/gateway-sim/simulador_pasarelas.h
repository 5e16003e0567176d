#pragma once

#include "peticion_recibida.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTcpServer>

namespace Simulador {

class ConexionSimulada;
struct LecturaPeticion;
struct PasarelaSimulada;

struct OpcionesSimulador {
    quint16 puerto = 0;              // 0: any free port
    bool rechazar = false;           // close every connection as soon as it is accepted
    bool noResponder = false;        // read each request, never answer, never close
    bool noCerrar = false;           // answer, then leave the connection open
    bool sinCookies = false;         // the cookie pages set no cookie
    int fallarPrimeros = 0;          // the first N form submissions get an error page
    bool imprimirPeticiones = false; // each request's bytes, as received, to standard output
    QString credencialesProxy;       // "usuario:clave" required of requests in proxy form; empty: none
    int esperaCuerpoMs = 2000;       // how long a body shorter than its Content-length is waited for
};

// The seven gateways on one port: the cookie pages, the form targets that
// check every field and answer with the gateway's success text, and requests
// in proxy form. Single-threaded, driven by the event loop.
class SimuladorPasarelas : public QObject {
    Q_OBJECT
public:
    explicit SimuladorPasarelas(const OpcionesSimulador &opciones = {}, QObject *padre = nullptr);

    // May be changed at any time; each new connection and request sees the current values.
    OpcionesSimulador opciones;

    // Listens on opciones.puerto; false with error() set when the port cannot be had.
    bool iniciar(const QHostAddress &direccion = QHostAddress::LocalHost);
    quint16 puerto() const;
    QString error() const;

    // Every completed request since the start (or since olvidarPeticiones), in arrival order.
    const QList<PeticionRecibida> &peticiones() const { return recibidas; }
    // The same, without the cookie pages: the form submissions only.
    QList<PeticionRecibida> formulariosRecibidos() const;
    int conexionesAceptadas() const { return conexiones; }
    // Clears the list and restarts the count of form submissions that fallarPrimeros looks at.
    void olvidarPeticiones();

signals:
    void peticionRecibida(const Simulador::PeticionRecibida &peticion);

private:
    void aceptar();
    void atender(ConexionSimulada *conexion, const LecturaPeticion &lectura);
    QByteArray decidir(PeticionRecibida &peticion, int errorHttp);
    QByteArray atenderFormulario(const PasarelaSimulada &pasarela, PeticionRecibida &peticion);
    bool credencialesValidas(const PeticionRecibida &peticion) const;

    QTcpServer servidor;
    QList<PeticionRecibida> recibidas;
    int conexiones = 0;
    int formularios = 0;
};

// One line for a person watching: gateway, method, path, status and what was wrong.
QString resumenPeticion(const PeticionRecibida &peticion);

} // namespace Simulador
