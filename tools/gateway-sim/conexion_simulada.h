#pragma once

#include "peticion_recibida.h"

#include <QObject>
#include <QTimer>

class QTcpSocket;

namespace Simulador {

// One accepted connection: gathers the bytes of one request, reports it once
// complete, and writes the answer it is given. It deletes itself, with its
// socket, when the client closes.
class ConexionSimulada : public QObject {
    Q_OBJECT
public:
    ConexionSimulada(QTcpSocket *socket, int esperaCuerpoMs, QObject *padre);

    // Writes the answer and, with `cerrar`, closes once it is sent.
    void responder(const QByteArray &respuesta, bool cerrar);

signals:
    void peticionCompleta(Simulador::ConexionSimulada *conexion, const Simulador::LecturaPeticion &lectura);

private:
    void leer();
    void terminar(bool sinMasDatos);

    QTcpSocket *socket;
    QByteArray datos;
    QTimer esperaCuerpo; // a body shorter than its Content-length is not waited for forever
    bool atendida = false;
};

} // namespace Simulador
