#include "simulador_pasarelas.h"

#include "common/campos.h"
#include "comprobaciones.h"
#include "conexion_simulada.h"
#include "pasarelas_simuladas.h"
#include "respuestas.h"

#include <QTcpSocket>

#include <cstdio>

namespace Simulador {

SimuladorPasarelas::SimuladorPasarelas(const OpcionesSimulador &opciones, QObject *padre)
    : QObject(padre), opciones(opciones) {
    connect(&servidor, &QTcpServer::newConnection, this, &SimuladorPasarelas::aceptar);
}

bool SimuladorPasarelas::iniciar(const QHostAddress &direccion) {
    return servidor.listen(direccion, opciones.puerto);
}

quint16 SimuladorPasarelas::puerto() const {
    return servidor.serverPort();
}

QString SimuladorPasarelas::error() const {
    return servidor.errorString();
}

void SimuladorPasarelas::olvidarPeticiones() {
    recibidas.clear();
    formularios = 0;
}

QList<PeticionRecibida> SimuladorPasarelas::formulariosRecibidos() const {
    QList<PeticionRecibida> lista;
    for (const PeticionRecibida &peticion : recibidas) {
        if (!peticion.paginaCookies)
            lista.append(peticion);
    }
    return lista;
}

void SimuladorPasarelas::aceptar() {
    while (QTcpSocket *socket = servidor.nextPendingConnection()) {
        ++conexiones;
        if (opciones.rechazar) {
            socket->close();
            socket->deleteLater();
            continue;
        }
        auto *conexion = new ConexionSimulada(socket, opciones.esperaCuerpoMs, this);
        connect(conexion, &ConexionSimulada::peticionCompleta, this, &SimuladorPasarelas::atender);
    }
}

void SimuladorPasarelas::atender(ConexionSimulada *conexion, const LecturaPeticion &lectura) {
    PeticionRecibida peticion = lectura.peticion;
    const QByteArray respuesta = decidir(peticion, lectura.errorHttp);
    if (opciones.noResponder) {
        peticion.estado = 0;
        peticion.exito = false;
    } else {
        conexion->responder(respuesta, !opciones.noCerrar);
    }
    if (opciones.imprimirPeticiones) {
        std::printf("----- %lld bytes -----\n", static_cast<long long>(peticion.bruta.size()));
        std::fwrite(peticion.bruta.constData(), 1, size_t(peticion.bruta.size()), stdout);
        std::fputs("\n-----\n", stdout);
        std::fflush(stdout);
    }
    recibidas.append(peticion);
    emit peticionRecibida(recibidas.constLast());
}

bool SimuladorPasarelas::credencialesValidas(const PeticionRecibida &peticion) const {
    return peticion.cabecera("Proxy-Authorization") ==
           "Basic " + aAnsi(opciones.credencialesProxy).toBase64();
}

QByteArray SimuladorPasarelas::decidir(PeticionRecibida &peticion, int errorHttp) {
    peticion.estado = errorHttp;
    if (errorHttp != 0)
        return respuestaError(errorHttp, QStringLiteral("Petición no válida"), peticion.problemas);
    bool paginaCookies = false;
    const PasarelaSimulada *pasarela = pasarelaDeRuta(peticion.ruta, &paginaCookies);
    peticion.paginaCookies = paginaCookies;
    if (pasarela)
        peticion.pasarela = pasarela->nombre;
    if (peticion.formaProxy && !opciones.credencialesProxy.isEmpty() && !credencialesValidas(peticion)) {
        peticion.estado = 407;
        peticion.problemas.append(QStringLiteral("faltan las credenciales del proxy o no son válidas"));
        return respuestaError(407, QStringLiteral("El proxy pide credenciales"), peticion.problemas,
                              "Proxy-Authenticate: Basic realm=\"gateway-sim\"\r\n");
    }
    if (!pasarela) {
        peticion.estado = 404;
        peticion.problemas.append(QStringLiteral("ninguna pasarela atiende esta ruta"));
        return respuestaError(404, QStringLiteral("Página no encontrada"), peticion.problemas);
    }
    if (!paginaCookies)
        return atenderFormulario(*pasarela, peticion);
    peticion.problemas.append(comprobarPaginaCookies(*pasarela, peticion));
    peticion.estado = peticion.problemas.isEmpty() ? 200 : 400;
    if (!peticion.problemas.isEmpty())
        return respuestaError(400, QStringLiteral("Página no servida"), peticion.problemas);
    return respuestaPaginaCookies(*pasarela, !opciones.sinCookies);
}

QByteArray SimuladorPasarelas::atenderFormulario(const PasarelaSimulada &pasarela,
                                                 PeticionRecibida &peticion) {
    ++formularios;
    if (formularios <= opciones.fallarPrimeros) {
        peticion.estado = 503;
        peticion.problemas.append(QStringLiteral("fallo simulado: intento %1 de los %2 que fallan")
                                      .arg(formularios)
                                      .arg(opciones.fallarPrimeros));
        return respuestaError(503, QStringLiteral("Servicio no disponible"), peticion.problemas);
    }
    peticion.problemas.append(comprobarFormulario(pasarela, peticion, !opciones.sinCookies));
    if (!peticion.problemas.isEmpty()) {
        peticion.estado = 400;
        return respuestaError(400, QStringLiteral("Mensaje no enviado"), peticion.problemas);
    }
    peticion.estado = 200;
    peticion.exito = true;
    return respuestaExito(pasarela);
}

QString resumenPeticion(const PeticionRecibida &peticion) {
    const QString quien = peticion.pasarela.isEmpty() ? QStringLiteral("-") : peticion.pasarela;
    const QString estado =
        peticion.estado == 0 ? QStringLiteral("sin respuesta") : QString::number(peticion.estado);
    QString linea =
        QStringLiteral("%1 %2 %3 -> %4")
            .arg(quien, QString::fromLatin1(peticion.metodo), QString::fromLatin1(peticion.ruta), estado);
    if (peticion.exito)
        linea += QStringLiteral(" (mensaje aceptado)");
    if (!peticion.problemas.isEmpty())
        linea += QStringLiteral(": ") + peticion.problemas.join(QStringLiteral("; "));
    return linea;
}

} // namespace Simulador
