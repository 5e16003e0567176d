#include "gateways/intercambio.h"

#include "common/campos.h"
#include "common/tiempos.h"
#include "gateways/proxy.h"
#include "gateways/salida_envio.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

namespace Pasarelas {
namespace {
const QString finLinea = QStringLiteral("\r\n");

QString sinSaltos(QString texto) {
    texto.remove(QLatin1Char('\r'));
    texto.remove(QLatin1Char('\n'));
    return texto;
}
} // namespace

QString lineaAgenteUsuario() {
    return QStringLiteral("User-Agent: Mozilla/4.7 [en] (Linux; U)");
}

Intercambio::Intercambio(QTcpSocket &socket, SalidaEnvio &salida) : socket(socket), salidaEnvio(salida) {
    connect(&socket, &QIODevice::readyRead, this, &Intercambio::leerDatos);
    // Whoever closes the socket, what it still buffers belongs to the answer.
    connect(&socket, &QIODevice::aboutToClose, this, &Intercambio::leerDatos);
}

void Intercambio::desviarConexionesDirectas(const QString &host, quint16 puerto) {
    hostDesvio = host;
    puertoDesvio = puerto;
}

void Intercambio::leerDatos() {
    if (!socket.isReadable())
        return;
    const QByteArray datos = socket.readAll();
    const qsizetype cabe = limiteRespuesta - respuesta.size();
    if (cabe > 0)
        respuesta.append(desdeAnsi(datos.left(cabe)));
}

void Intercambio::esperar(int milisegundos, Espera espera) {
    QEventLoop bucle;
    QTimer limite;
    limite.setSingleShot(true);
    limite.setTimerType(Qt::PreciseTimer); // a coarse timer may fire up to 5% early
    connect(&limite, &QTimer::timeout, &bucle, &QEventLoop::quit);
    connect(this, &Intercambio::cancelacion, &bucle, &QEventLoop::quit);
    if (espera != Espera::pausa)
        connect(&socket, &QIODevice::aboutToClose, &bucle, &QEventLoop::quit);
    if (espera == Espera::conexion) {
        connect(&socket, &QAbstractSocket::connected, &bucle, &QEventLoop::quit);
    } else if (espera == Espera::respuesta) {
        connect(&socket, &QAbstractSocket::stateChanged, &bucle,
                [&bucle](QAbstractSocket::SocketState estado) {
                    if (estado == QAbstractSocket::UnconnectedState)
                        bucle.quit();
                });
    }
    limite.start(milisegundos);
    bucle.exec();
}

void Intercambio::pausar(int milisegundos) {
    if (milisegundos > 0)
        esperar(milisegundos, Espera::pausa);
}

void Intercambio::cancelar() {
    emit cancelacion();
    socket.close();
}

bool Intercambio::conectar(const QString &host) {
    respuesta.clear();
    if (socket.state() != QAbstractSocket::UnconnectedState)
        socket.abort();
    QString destino = host;
    quint16 puerto = 80;
    if (usandoProxy()) {
        destino = hostProxy();
        puerto = puertoProxy();
        if (puerto == 0) {
            salidaEnvio.logea(QStringLiteral("El puerto del proxy no es válido"));
            return false;
        }
    } else if (!hostDesvio.isEmpty()) {
        destino = hostDesvio;
        puerto = puertoDesvio;
    }
    socket.connectToHost(destino, puerto);
    // A refused connection does not end the wait: only connecting (or a cancel) does.
    if (socket.state() != QAbstractSocket::ConnectedState)
        esperar(tiempos().conexionMs, Espera::conexion);
    if (socket.state() == QAbstractSocket::ConnectedState)
        return true;
    socket.close();
    return false;
}

void Intercambio::enviarTexto(const QString &texto) {
    socket.write(aAnsi(texto));
}

void Intercambio::enviarLinea(const QString &contenido) {
    enviarTexto(sinSaltos(contenido) + finLinea);
}

void Intercambio::esperarRespuesta() {
    if (socket.state() != QAbstractSocket::UnconnectedState)
        esperar(tiempos().respuestaMs, Espera::respuesta);
    leerDatos();
    socket.close();
}

void Intercambio::enviarLineaPeticion(const QString &metodo, const QString &host, const QString &ruta,
                                      const QString &autorizacionProxy) {
    if (usandoProxy()) {
        enviarLinea(metodo + QStringLiteral(" http://") + host + ruta);
        if (!recortarEspacios(autorizacionProxy).isEmpty())
            enviarLinea(autorizacionProxy);
    } else {
        enviarLinea(metodo + QLatin1Char(' ') + ruta);
    }
}

void Intercambio::enviarCabecera(const Peticion &datos) {
    enviarLineaPeticion(datos.metodo, datos.host, datos.ruta, datos.autorizacionProxy);
    enviarLinea(QStringLiteral("Referer: ") + datos.referer);
    enviarLinea(QStringLiteral("Connection: Close"));
    enviarLinea(lineaAgenteUsuario());
    enviarLinea(QStringLiteral("Host: ") + datos.host);
    const QString cookie = sinSaltos(datos.cookie);
    if (!recortarEspacios(cookie).isEmpty()) {
        enviarLinea(QStringLiteral("Cookie: ") + cookie);
        enviarLinea(QStringLiteral("Cookie2: $Version=\"1\""));
    }
    enviarLinea(QStringLiteral("Content-type: application/x-www-form-urlencoded"));
}

bool Intercambio::enviarPeticion() {
    const Peticion datos = peticion;
    if (!conectar(datos.host)) {
        salidaEnvio.logea(QStringLiteral("No se ha podido conectar con el servidor"));
        return false;
    }
    enviarCabecera(datos);
    if (datos.metodo == QLatin1String("POST")) {
        enviarLinea(QStringLiteral("Content-length: ") + QString::number(aAnsi(datos.cuerpo).size()));
        enviarTexto(finLinea);
        enviarTexto(datos.cuerpo + finLinea);
        enviarTexto(finLinea);
    } else {
        enviarTexto(finLinea);
        enviarTexto(finLinea);
    }
    esperarRespuesta();

    const bool aceptado = respuesta.contains(datos.textoExito);
    salidaEnvio.logea(aceptado ? QStringLiteral("Mensaje enviado correctamente")
                               : QStringLiteral("El mensaje NO ha sido enviado"));
    salidaEnvio.mostrarRespuesta(QString(respuesta).replace(QLatin1Char('\n'), finLinea));
    return aceptado;
}

} // namespace Pasarelas
