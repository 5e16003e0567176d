#include "servidor_grabador.h"

#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>

namespace {
// Whether `datos` holds a whole request as the program writes it: the header,
// then for a POST the counted body and two line ends, otherwise one more line end.
bool peticionCompleta(const QByteArray &datos) {
    const qsizetype finCabecera = datos.indexOf("\r\n\r\n");
    if (finCabecera < 0)
        return false;
    const QByteArray marca("Content-length: ");
    const qsizetype longitud = datos.indexOf(marca);
    qsizetype resto = 2;
    if (datos.startsWith("POST") && longitud >= 0 && longitud < finCabecera) {
        const qsizetype inicio = longitud + marca.size();
        resto = datos.mid(inicio, datos.indexOf("\r\n", inicio) - inicio).toLongLong() + 4;
    }
    return datos.size() >= finCabecera + 4 + resto;
}
} // namespace

ServidorGrabador::ServidorGrabador() {
    connect(&servidor, &QTcpServer::newConnection, this, &ServidorGrabador::atender);
    servidor.listen(QHostAddress::LocalHost, 0);
}

void ServidorGrabador::atender() {
    while (QTcpSocket *conexion = servidor.nextPendingConnection()) {
        conexion->setParent(this);
        const int indice = int(peticiones.size());
        peticiones.append(QByteArray());
        const Guion guion = guiones.isEmpty() ? porDefecto : guiones.dequeue();
        connect(conexion, &QTcpSocket::readyRead, this,
                [this, conexion, indice, guion] { recibir(conexion, indice, guion); });
    }
}

void ServidorGrabador::recibir(QTcpSocket *conexion, int indice, const Guion &guion) {
    const bool antes = peticionCompleta(peticiones[indice]);
    peticiones[indice].append(conexion->readAll());
    if (!antes && peticionCompleta(peticiones[indice]) && !guion.callar)
        reproducir(conexion, guion);
}

void ServidorGrabador::reproducir(QTcpSocket *conexion, Guion guion) {
    if (!guion.trozos.isEmpty()) {
        conexion->write(guion.trozos.takeFirst());
        conexion->flush();
        QTimer::singleShot(30, conexion, [this, conexion, guion] { reproducir(conexion, guion); });
        return;
    }
    if (guion.final == Final::cerrar) {
        conexion->disconnectFromHost();
    } else if (guion.final == Final::reiniciar) {
        const linger inmediato{1, 0};
        setsockopt(int(conexion->socketDescriptor()), SOL_SOCKET, SO_LINGER, &inmediato, sizeof inmediato);
        conexion->abort();
    }
}

quint16 puertoCerrado() {
    QTcpServer libre;
    libre.listen(QHostAddress::LocalHost, 0);
    return libre.serverPort();
}
