#include "conexion_simulada.h"

#include <QTcpSocket>

namespace Simulador {

namespace {
// Whatever lies beyond this cannot change the verdict on a request.
constexpr qsizetype maximoDatos = maximoCabecera + maximoCuerpo + 16;
} // namespace

ConexionSimulada::ConexionSimulada(QTcpSocket *socket, int esperaCuerpoMs, QObject *padre)
    : QObject(padre), socket(socket) {
    socket->setParent(this);
    esperaCuerpo.setSingleShot(true);
    esperaCuerpo.setInterval(esperaCuerpoMs);
    connect(&esperaCuerpo, &QTimer::timeout, this, [this] { terminar(true); });
    connect(socket, &QTcpSocket::readyRead, this, &ConexionSimulada::leer);
    connect(socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    if (socket->bytesAvailable() > 0)
        leer();
}

void ConexionSimulada::responder(const QByteArray &respuesta, bool cerrar) {
    socket->write(respuesta);
    if (cerrar)
        socket->disconnectFromHost();
}

void ConexionSimulada::leer() {
    const QByteArray llegado = socket->readAll();
    if (atendida)
        return;
    datos.append(llegado.left(maximoDatos - datos.size()));
    terminar(false);
}

void ConexionSimulada::terminar(bool sinMasDatos) {
    if (atendida)
        return;
    const LecturaPeticion lectura = leerPeticion(datos, sinMasDatos);
    if (lectura.estado == EstadoLectura::Incompleta) {
        if (datos.contains("\r\n\r\n") && !esperaCuerpo.isActive())
            esperaCuerpo.start();
        return;
    }
    atendida = true;
    esperaCuerpo.stop();
    emit peticionCompleta(this, lectura);
}

} // namespace Simulador
