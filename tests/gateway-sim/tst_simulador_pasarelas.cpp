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
        const auto fila = [](const char *nombre, const char *pasarela, const QByteArray &cambiar,
                             const QByteArray &por, const char *problema) {
            QTest::newRow(nombre) << QString::fromLatin1(pasarela) << cambiar << por
                                  << QString::fromUtf8(problema);
        };
        // clang-format off
        fila("campo fijo", "Amena", "SALUDOS", "SALUDOZ", "el campo combocategoria no vale");
        fila("cookie sin sufijo", "Amena", "testcookie\r\n", "testcookiX\r\n", "WEBSMS_TEST_COOKIE");
        fila("cookie de sesion ajena", "Movistar", "MOVISTAR0001;idioma=es\r\n", "MOVISTAR0002;idioma=es\r\n", "cookie de sesión");
        fila("sin Cookie2", "Movistar", "$Version=\"1\"", "$Version=\"2\"", "Cookie2");
        fila("cookie del cuerpo distinta", "PanoramaActual", "idioma=es\r\n\r\n", "idioma=en\r\n\r\n", "el cuerpo no termina");
        fila("cookie donde no se usa", "GsmNet", "Host: envios.gsmnet.es\r\n", "Host: envios.gsmnet.es\r\nCookie: a=1\r\n", "no usa cookies");
        fila("Referer", "Navegalia", "ofiweb/sms", "ofiweb/SMS", "Referer");
        fila("Referer de otro host", "WebServicio", "webservicio.galeon.com", "webservicio.geocities.com", "Referer");
        fila("Host", "GsmNet", "Host: envios.gsmnet.es", "Host: www.gsmnet.es", "Host");
        fila("metodo", "Navegalia", "POST /cgi-bin", "GET /cgi-bin", "el método no es POST");
        fila("texto sin codificar", "SMSYes", "+tal%2C", " tal,", "no está codificado");
        fila("texto vacio", "WebServicio", "&mensaje=%BFQu%E9+tal%2C+%D1and%FA%3F", "&mensaje=", "está vacío");
        fila("campo que falta", "GsmNet", "&B1=Enviar+Mensaje", "&B2=Enviar+Mensaje", "en ese orden");
        fila("Content-length corto", "Amena", "Content-length: 88", "Content-length: 87", "tras el cuerpo");
        fila("Content-length en GET", "WebServicio", "urlencoded\r\n", "urlencoded\r\nContent-length: 0\r\n", "GET no lleva");
        fila("directa con credenciales", "SMSYes", "Host: sms.smsyes.com\r\n", "Host: sms.smsyes.com\r\nProxy-Authorization: Basic YTpi\r\n", "Proxy-Authorization");
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
