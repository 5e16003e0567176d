// The stand-in through the program's own requests: what the client tests cannot
// show is that it refuses a wrong request, so each row spoils a correct one.
#include "gateways/banco_pasarela.h"

#include <QEventLoop>
#include <QTimer>

namespace {
// Writes `peticion` to the stand-in and collects the answer until it closes the
// connection, or for at most five seconds.
QByteArray intercambiar(quint16 puerto, const QByteArray &peticion) {
    QTcpSocket socket;
    QByteArray respuesta;
    QEventLoop bucle;
    QTimer::singleShot(5000, &bucle, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::connected, [&] { socket.write(peticion); });
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { respuesta += socket.readAll(); });
    QObject::connect(&socket, &QTcpSocket::disconnected, &bucle, &QEventLoop::quit);
    socket.connectToHost(QHostAddress::LocalHost, puerto);
    bucle.exec();
    return respuesta + socket.readAll();
}
} // namespace

class PruebaSimuladorPasarelas : public QObject {
    Q_OBJECT
private slots:
    void formularioErroneo_data() {
        QTest::addColumn<QString>("pasarela");
        QTest::addColumn<QByteArray>("cambiar");
        QTest::addColumn<QByteArray>("por");
        QTest::addColumn<QString>("problema");
        // clang-format off
        QTest::newRow("campo fijo") << u"Amena"_s << "SALUDOS"_ba << "SALUDOZ"_ba << u"el campo combocategoria no vale"_s;
        QTest::newRow("cookie sin sufijo") << u"Amena"_s << "testcookie\r\n"_ba << "testcookiX\r\n"_ba << u"WEBSMS_TEST_COOKIE"_s;
        QTest::newRow("cookie de sesion ajena") << u"Movistar"_s << "MOVISTAR0001;idioma=es\r\n"_ba << "MOVISTAR0002;idioma=es\r\n"_ba << u"cookie de sesión"_s;
        QTest::newRow("sin Cookie2") << u"Movistar"_s << "$Version=\"1\""_ba << "$Version=\"2\""_ba << u"Cookie2"_s;
        QTest::newRow("cookie del cuerpo distinta") << u"PanoramaActual"_s << "idioma=es\r\n\r\n"_ba << "idioma=en\r\n\r\n"_ba << u"el cuerpo no termina"_s;
        QTest::newRow("cookie donde no se usa") << u"GsmNet"_s << "Host: envios.gsmnet.es\r\n"_ba << "Host: envios.gsmnet.es\r\nCookie: a=1\r\n"_ba << u"no usa cookies"_s;
        QTest::newRow("Referer") << u"Navegalia"_s << "ofiweb/sms"_ba << "ofiweb/SMS"_ba << u"Referer"_s;
        QTest::newRow("Referer de otro host") << u"WebServicio"_s << "webservicio.galeon.com"_ba << "webservicio.geocities.com"_ba << u"Referer"_s;
        QTest::newRow("Host") << u"GsmNet"_s << "Host: envios.gsmnet.es"_ba << "Host: www.gsmnet.es"_ba << u"Host"_s;
        QTest::newRow("metodo") << u"Navegalia"_s << "POST /cgi-bin"_ba << "GET /cgi-bin"_ba << u"el método no es POST"_s;
        QTest::newRow("texto sin codificar") << u"SMSYes"_s << "+tal%2C"_ba << " tal,"_ba << u"no está codificado"_s;
        QTest::newRow("texto vacio") << u"WebServicio"_s << "&mensaje=%BFQu%E9+tal%2C+%D1and%FA%3F"_ba << "&mensaje="_ba << u"está vacío"_s;
        QTest::newRow("campo que falta") << u"GsmNet"_s << "&B1=Enviar+Mensaje"_ba << "&B2=Enviar+Mensaje"_ba << u"en ese orden"_s;
        QTest::newRow("Content-length corto") << u"Amena"_s << "Content-length: 88"_ba << "Content-length: 87"_ba << u"tras el cuerpo"_s;
        QTest::newRow("Content-length en GET") << u"WebServicio"_s << "urlencoded\r\n"_ba << "urlencoded\r\nContent-length: 0\r\n"_ba << u"GET no lleva"_s;
        QTest::newRow("directa con credenciales") << u"SMSYes"_s << "Host: sms.smsyes.com\r\n"_ba << "Host: sms.smsyes.com\r\nProxy-Authorization: Basic YTpi\r\n"_ba << u"Proxy-Authorization"_s;
        // clang-format on
    }
    void formularioErroneo() {
        QFETCH(QString, pasarela);
        QFETCH(QByteArray, cambiar);
        QFETCH(QByteArray, por);
        QFETCH(QString, problema);
        BancoPasarela banco;
        const Simulador::SimuladorPasarelas &simulador = banco.simulador;
        banco.comprobarEnvioAceptado(pasarela);
        QByteArray peticion = simulador.formulariosRecibidos().first().bruta;
        QVERIFY2(peticion.contains(cambiar), peticion.constData());
        const QByteArray respuesta = intercambiar(simulador.puerto(), peticion.replace(cambiar, por));
        QVERIFY2(respuesta.startsWith("HTTP/1.0 400 "), respuesta.left(40).constData());
        const Simulador::PeticionRecibida &recibida = simulador.peticiones().last();
        QVERIFY(!recibida.exito);
        QVERIFY2(recibida.problemas.filter(problema).size() == 1, qPrintable(recibida.problemas.join(u'\n')));
    }
};

ZARCEL_TEST_MAIN(PruebaSimuladorPasarelas)
#include "tst_simulador_pasarelas.moc"
