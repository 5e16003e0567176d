#include "banco_pasarela.h"

#include "common/tiempos.h"

#include <QElapsedTimer>
#include <QTimer>

using namespace Pasarelas;

namespace {
Peticion peticionDePrueba(const QString &metodo, const QString &cuerpo, const QString &cookie) {
    return {QStringLiteral("h.example"),
            metodo,
            QStringLiteral("/r HTTP/1.0"),
            QString(),
            QStringLiteral("http://h.example/f"),
            cookie,
            cuerpo,
            QStringLiteral("OK")};
}

const QByteArray cabeceraDePrueba("Referer: http://h.example/f\r\n"
                                  "Connection: Close\r\n"
                                  "User-Agent: Mozilla/4.7 [en] (Linux; U)\r\n"
                                  "Host: h.example\r\n");
} // namespace

class PruebaIntercambio : public QObject {
    Q_OBJECT
private slots:
    void forma_data() {
        QTest::addColumn<QString>("metodo");
        QTest::addColumn<QString>("cuerpo");
        QTest::addColumn<QString>("cookie");
        QTest::addColumn<QByteArray>("resto");
        const QByteArray tipo("Content-type: application/x-www-form-urlencoded\r\n");
        QTest::newRow("POST de 37")
            << "POST"
            << "abcdefghijklmnopqrstuvwxyz0123456789A"
            << "" << tipo + "Content-length: 37\r\n\r\nabcdefghijklmnopqrstuvwxyz0123456789A\r\n\r\n";
        QTest::newRow("POST acentuado") << "POST"
                                        << "ñé"
                                        << "" << tipo + "Content-length: 2\r\n\r\n\xF1\xE9\r\n\r\n";
        QTest::newRow("GET sin cuerpo") << "GET"
                                        << "nunca=enviado"
                                        << "" << tipo + "\r\n\r\n";
        QTest::newRow("post en minusculas es GET") << "post"
                                                   << "a=1"
                                                   << "" << tipo + "\r\n\r\n";
        QTest::newRow("cookie en blanco") << "GET"
                                          << "\r\n"
                                          << "   " << tipo + "\r\n\r\n";
        QTest::newRow("cookie") << "POST"
                                << ""
                                << "a=1;b=2"
                                << "Cookie: a=1;b=2\r\nCookie2: $Version=\"1\"\r\n" + tipo +
                                       "Content-length: 0\r\n\r\n\r\n\r\n";
    }
    void forma() {
        QFETCH(QString, metodo);
        QFETCH(QString, cuerpo);
        QFETCH(QString, cookie);
        QFETCH(QByteArray, resto);
        BancoPasarela banco;
        banco.servidor.porDefecto = ServidorGrabador::respuesta("OK");
        banco.intercambio.peticion = peticionDePrueba(metodo, cuerpo, cookie);
        QVERIFY(banco.intercambio.enviarPeticion());
        QCOMPARE(banco.ultimaPeticion(), metodo.toLatin1() + " /r HTTP/1.0\r\n" + cabeceraDePrueba + resto);
    }

    // A proxy line is sent only through a proxy, and only when it holds something.
    void autorizacionSoloConProxy() {
        BancoPasarela banco;
        banco.servidor.porDefecto = ServidorGrabador::respuesta("OK");
        banco.intercambio.peticion = peticionDePrueba(QStringLiteral("GET"), QString(), QString());
        banco.intercambio.peticion.autorizacionProxy = QStringLiteral("Proxy-Authorization: Basic eDp5");
        banco.intercambio.enviarPeticion();
        QVERIFY(banco.ultimaPeticion().startsWith("GET /r HTTP/1.0\r\nReferer: "));
        banco.usarProxy();
        banco.intercambio.enviarPeticion();
        QVERIFY(banco.ultimaPeticion().startsWith(
            "GET http://h.example/r HTTP/1.0\r\nProxy-Authorization: Basic eDp5\r\nReferer: "));
        banco.intercambio.peticion.autorizacionProxy = QStringLiteral("  ");
        banco.intercambio.enviarPeticion();
        QVERIFY(banco.ultimaPeticion().startsWith("GET http://h.example/r HTTP/1.0\r\nReferer: "));
    }

    void veredicto_data() {
        QTest::addColumn<QByteArray>("respuesta");
        QTest::addColumn<QString>("exito");
        QTest::addColumn<bool>("aceptado");
        QTest::addColumn<QString>("mostrada");
        QTest::newRow("distinta caja") << QByteArray("HTTP/1.0 200 OK\r\n\r\nmessage has been sent") << "SENT"
                                       << false << "HTTP/1.0 200 OK\r\r\n\r\r\nmessage has been sent";
        QTest::newRow("en una cabecera")
            << QByteArray("HTTP/1.0 302\r\nLocation: /envios/enviado.htm\r\n\r\n") << "/envios/enviado.htm"
            << true << "HTTP/1.0 302\r\r\nLocation: /envios/enviado.htm\r\r\n\r\r\n";
        QTest::newRow("vacia") << QByteArray() << "OK" << false << "";
        QTest::newRow("saltos LF") << QByteArray("A\nB\r\nC") << "C" << true << "A\r\nB\r\r\nC";
        QTest::newRow("con NUL") << QByteArray("\0\0x\0OK\0", 7) << QString::fromLatin1("x\0OK", 4) << true
                                 << QString::fromUtf16(u"\0\0x\0OK\0", 7);
        QTest::newRow("acentos") << QByteArray("con \xE9xito") << "con éxito" << true << "con éxito";
        QTest::newRow("basura") << QByteArray("\xFF\xFE\x01garbage\x80\x81") << "OK" << false
                                << "\u00FF\u00FE\u0001garbage\u20AC\u0081";
    }
    void veredicto() {
        QFETCH(QByteArray, respuesta);
        QFETCH(QString, exito);
        QFETCH(bool, aceptado);
        QFETCH(QString, mostrada);
        BancoPasarela banco;
        banco.servidor.porDefecto = ServidorGrabador::respuesta(respuesta);
        banco.intercambio.peticion = peticionDePrueba(QStringLiteral("GET"), QString(), QString());
        banco.intercambio.peticion.textoExito = exito;
        QCOMPARE(banco.intercambio.enviarPeticion(), aceptado);
        QCOMPARE(banco.salida.lineas,
                 QStringList(aceptado ? QStringLiteral("Mensaje enviado correctamente")
                                      : QStringLiteral("El mensaje NO ha sido enviado")));
        QCOMPARE(banco.salida.respuestas, QStringList(mostrada));
    }

    // Only the connected state ends the connect wait: a refusal waits out the limit.
    void conexionRechazada() {
        BancoPasarela banco;
        banco.intercambio.desviarConexionesDirectas(QStringLiteral("127.0.0.1"), puertoCerrado());
        banco.intercambio.peticion = peticionDePrueba(QStringLiteral("GET"), QString(), QString());
        QElapsedTimer reloj;
        reloj.start();
        QVERIFY(!banco.intercambio.enviarPeticion());
        QVERIFY(reloj.elapsed() >= tiempos().conexionMs - 20);
        QCOMPARE(banco.salida.lineas,
                 QStringList(QStringLiteral("No se ha podido conectar con el servidor")));
        QVERIFY(banco.salida.respuestas.isEmpty());
        QCOMPARE(banco.socket.state(), QAbstractSocket::UnconnectedState);
    }

    void puertoDeProxyIncorrecto_data() {
        QTest::addColumn<QString>("puerto");
        QTest::newRow("vacio") << "";
        QTest::newRow("letras") << "abc";
        QTest::newRow("fuera de rango") << "70000";
        QTest::newRow("cero") << "0";
        QTest::newRow("signo") << "+80";
    }
    void puertoDeProxyIncorrecto() {
        QFETCH(QString, puerto);
        BancoPasarela banco;
        banco.usarProxy();
        asignarCampo(configuracion.puerto, puerto);
        banco.intercambio.peticion = peticionDePrueba(QStringLiteral("GET"), QString(), QString());
        QVERIFY(!banco.intercambio.enviarPeticion());
        QCOMPARE(banco.salida.lineas,
                 QStringList({QStringLiteral("El puerto del proxy no es válido"),
                              QStringLiteral("No se ha podido conectar con el servidor")}));
        QCOMPARE(banco.socket.state(), QAbstractSocket::UnconnectedState);
    }

    // How the answer wait ends, and what of the answer counts.
    void esperaDeLaRespuesta_data() {
        QTest::addColumn<QList<QByteArray>>("trozos");
        QTest::addColumn<int>("final");
        QTest::addColumn<bool>("callar");
        QTest::addColumn<bool>("aceptado");
        QTest::addColumn<bool>("hastaElLimite");
        using F = ServidorGrabador::Final;
        QTest::newRow("trozos antes del cierre") << QList<QByteArray>{"HTTP/1.0 200 OK\r\n\r\n", "O", "K"}
                                                 << int(F::cerrar) << false << true << false;
        QTest::newRow("nunca contesta") << QList<QByteArray>{} << int(F::mantener) << true << false << true;
        QTest::newRow("nunca cierra")
            << QList<QByteArray>{"HTTP/1.0 200 OK\r\n\r\nOK"} << int(F::mantener) << false << true << true;
        QTest::newRow("reinicio a medias") << QList<QByteArray>{"HTTP/1.0 200 OK\r\n\r\nO", "K"}
                                           << int(F::reiniciar) << false << true << false;
    }
    void esperaDeLaRespuesta() {
        QFETCH(QList<QByteArray>, trozos);
        QFETCH(int, final);
        QFETCH(bool, callar);
        QFETCH(bool, aceptado);
        QFETCH(bool, hastaElLimite);
        BancoPasarela banco;
        banco.servidor.porDefecto = {trozos, ServidorGrabador::Final(final), callar};
        banco.intercambio.peticion = peticionDePrueba(QStringLiteral("GET"), QString(), QString());
        QElapsedTimer reloj;
        reloj.start();
        QCOMPARE(banco.intercambio.enviarPeticion(), aceptado);
        QCOMPARE(reloj.elapsed() >= tiempos().respuestaMs - 20, hastaElLimite);
        QCOMPARE(banco.intercambio.respuesta.toLatin1(), trozos.join());
        QCOMPARE(banco.socket.state(), QAbstractSocket::UnconnectedState);
    }

    // A huge answer is judged on what fits; the rest is read and dropped.
    void respuestaEnorme() {
        BancoPasarela banco;
        banco.servidor.porDefecto =
            ServidorGrabador::respuesta("HTTP/1.0 200 OK\r\n\r\nOK" + QByteArray(4 * 1024 * 1024, 'x'));
        banco.intercambio.peticion = peticionDePrueba(QStringLiteral("GET"), QString(), QString());
        QVERIFY(banco.intercambio.enviarPeticion());
        QCOMPARE(banco.intercambio.respuesta.size(), Intercambio::limiteRespuesta);
    }

    // The send window's cancel closes the socket; that ends either wait at once.
    void cancelarCortaLasEsperas_data() {
        QTest::addColumn<bool>("conectando");
        QTest::newRow("esperando la conexion") << true;
        QTest::newRow("esperando la respuesta") << false;
    }
    void cancelarCortaLasEsperas() {
        QFETCH(bool, conectando);
        BancoPasarela banco;
        tiempos() = Tiempos{60000, 60000, 200};
        banco.servidor.porDefecto.callar = true;
        if (conectando)
            banco.intercambio.desviarConexionesDirectas(QStringLiteral("127.0.0.1"), puertoCerrado());
        banco.intercambio.peticion = peticionDePrueba(QStringLiteral("GET"), QString(), QString());
        QTimer::singleShot(200, &banco.socket, [&banco] {
            banco.salida.cancelada = true;
            banco.socket.close();
        });
        QElapsedTimer reloj;
        reloj.start();
        QVERIFY(!banco.intercambio.enviarPeticion());
        QVERIFY(reloj.elapsed() < 30000);
    }
};

ZARCEL_TEST_MAIN(PruebaIntercambio)
#include "tst_intercambio.moc"
