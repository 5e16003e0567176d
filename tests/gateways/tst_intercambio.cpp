#include "banco_pasarela.h"

#include "common/tiempos.h"

#include <QTcpServer>

#include <sys/socket.h>

using namespace Pasarelas;

namespace {
// A loopback server that answers the first request of each connection, once its
// blank line has come, with `trozos` (a short pause between them), then ends as told.
class ServidorGuionado : public QObject {
public:
    enum class Final { cerrar, mantener, reiniciar };
    QList<QByteArray> trozos;
    Final final = Final::cerrar;

    ServidorGuionado() {
        servidor.listen(QHostAddress::LocalHost, 0);
        connect(&servidor, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *conexion = servidor.nextPendingConnection();
            connect(conexion, &QTcpSocket::readyRead, this,
                    [this, conexion, recibido = QByteArray()]() mutable {
                        const bool antes = recibido.contains("\r\n\r\n");
                        recibido += conexion->readAll();
                        if (!antes && recibido.contains("\r\n\r\n"))
                            reproducir(conexion, trozos);
                    });
        });
    }
    quint16 puerto() const { return servidor.serverPort(); }

private:
    void reproducir(QTcpSocket *conexion, QList<QByteArray> pendientes) {
        if (!pendientes.isEmpty()) {
            conexion->write(pendientes.takeFirst());
            conexion->flush();
            QTimer::singleShot(30, conexion,
                               [this, conexion, pendientes] { reproducir(conexion, pendientes); });
        } else if (final == Final::cerrar) {
            conexion->disconnectFromHost();
        } else if (final == Final::reiniciar) {
            const linger inmediato{1, 0};
            setsockopt(int(conexion->socketDescriptor()), SOL_SOCKET, SO_LINGER, &inmediato,
                       sizeof inmediato);
            conexion->abort();
        }
    }
    QTcpServer servidor;
};
using F = ServidorGuionado::Final;

// How the server behaves, and what the exchange must make of it.
struct Caso {
    QList<QByteArray> trozos;
    F final;
    QString exito;
    bool aceptado;
    QString mostrada; // the answer as shown: every LF made CR LF
};
} // namespace

class PruebaIntercambio : public QObject {
    Q_OBJECT
    // A GET from the exchange to `puerto`, judged on `exito`.
    void prepararPeticion(BancoPasarela &banco, quint16 puerto, const QString &exito = u"OK"_s) {
        banco.intercambio.desviarConexionesDirectas(u"127.0.0.1"_s, puerto);
        banco.intercambio.peticion = {
            .host = u"h.example"_s, .metodo = u"GET"_s, .ruta = u"/r HTTP/1.0"_s, .textoExito = exito};
    }

private slots:
    // The success text is searched, case-sensitively, in whatever arrived until the
    // server closed or the answer time ran out.
    void respuesta() {
        const QString ok = u"HTTP/1.0 200 OK\r\r\n\r\r\nOK"_s;
        const Caso casos[]{
            {{"HTTP/1.0 200 OK\r\n\r\nmessage has been sent"},
             F::cerrar,
             u"SENT"_s,
             false,
             u"HTTP/1.0 200 OK\r\r\n\r\r\nmessage has been sent"_s}, // distinta caja
            {{"HTTP/1.0 302\r\nLocation: /envios/enviado.htm\r\n"},
             F::cerrar,
             u"/envios/enviado.htm"_s,
             true,
             u"HTTP/1.0 302\r\r\nLocation: /envios/enviado.htm\r\r\n"_s}, // en una cabecera
            {{"A\nB\r\ncon \xE9xito \x80"},
             F::cerrar,
             u"con éxito €"_s,
             true,
             u"A\r\nB\r\r\ncon éxito €"_s},                                        // saltos LF y acentos
            {{"HTTP/1.0 200 OK\r\n\r\n", "O", "K"}, F::cerrar, u"OK"_s, true, ok}, // trozos antes del cierre
            {{}, F::mantener, u"OK"_s, false, u""_s},                              // nunca contesta
            {{"HTTP/1.0 200 OK\r\n\r\nOK"}, F::mantener, u"OK"_s, true, ok},       // nunca cierra
            {{"HTTP/1.0 200 OK\r\n\r\nO", "K"}, F::reiniciar, u"OK"_s, true, ok},  // reinicio a medias
            {{"OK" + QByteArray(2 * Intercambio::limiteRespuesta, 'x')},
             F::cerrar,
             u"OK"_s,
             true,
             u"OK"_s + QString(Intercambio::limiteRespuesta - 2, u'x')}, // enorme
        };
        for (const Caso &caso : casos) {
            BancoPasarela banco;
            ServidorGuionado servidor;
            servidor.trozos = caso.trozos;
            servidor.final = caso.final;
            prepararPeticion(banco, servidor.puerto(), caso.exito);
            QElapsedTimer reloj;
            reloj.start();
            QCOMPARE(banco.intercambio.enviarPeticion(), caso.aceptado);
            QCOMPARE(reloj.elapsed() >= tiempos().respuestaMs - 20, caso.final == F::mantener);
            QCOMPARE(banco.salida.lineas, QStringList(caso.aceptado ? u"Mensaje enviado correctamente"_s
                                                                    : u"El mensaje NO ha sido enviado"_s));
            QCOMPARE(banco.salida.respuestas, QStringList(caso.mostrada));
            QCOMPARE(banco.socket.state(), QAbstractSocket::UnconnectedState);
        }
    }

    // Only the connected state ends the connect wait: a refusal waits out the limit.
    // A proxy port that is no port (the first rows) is never tried.
    void sinConexion() {
        for (const char *puerto : {"", "abc", "70000", "0", "+80", "cerrado"}) {
            BancoPasarela banco;
            QStringList lineas{u"No se ha podido conectar con el servidor"_s};
            const bool cerrado = qstrcmp(puerto, "cerrado") == 0;
            if (!cerrado) {
                banco.usarProxy();
                asignarCampo(configuracion.puerto, QString::fromLatin1(puerto));
                lineas.prepend(u"El puerto del proxy no es válido"_s);
            }
            prepararPeticion(banco, cerrado ? puertoCerrado() : banco.simulador.puerto());
            QElapsedTimer reloj;
            reloj.start();
            QVERIFY2(!banco.intercambio.enviarPeticion(), puerto);
            QCOMPARE(banco.salida.lineas, lineas);
            if (cerrado)
                QVERIFY(reloj.elapsed() >= tiempos().conexionMs - 20 &&
                        reloj.elapsed() < tiempos().respuestaMs);
        }
    }

    // The send window's cancel closes the socket; that ends either wait at once.
    void cancelarCortaLasEsperas() {
        for (const bool conectando : {true, false}) {
            BancoPasarela banco;
            tiempos() = Tiempos{4000, 4000, 200};
            ServidorGuionado servidor;
            servidor.final = F::mantener;
            prepararPeticion(banco, conectando ? puertoCerrado() : servidor.puerto());
            QTimer::singleShot(200, &banco.socket, [&banco] { banco.socket.close(); });
            QElapsedTimer reloj;
            reloj.start();
            QVERIFY(!banco.intercambio.enviarPeticion());
            QVERIFY2(reloj.elapsed() < 2000, conectando ? "connect wait not cut" : "answer wait not cut");
        }
    }
};

ZARCEL_TEST_MAIN(PruebaIntercambio)
#include "tst_intercambio.moc"
