// The stand-in through the program's own requests: what the client tests cannot
// show is that it refuses a wrong request, so each row spoils a correct one.
#include "gateways/banco_pasarela.h"

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
    // gateway, bytes of its correct request, what replaces them, the problem named
    void formularioErroneo() {
        const char *casos[][4]{
            {"Amena", "SALUDOS", "SALUDOZ", "el campo combocategoria no vale"},
            {"Amena", "testcookie\r\n", "testcookiX\r\n", "WEBSMS_TEST_COOKIE"},
            {"Movistar", "MOVISTAR0001;idioma=es\r\n", "MOVISTAR0002;idioma=es\r\n", "cookie de sesión"},
            {"Movistar", "$Version=\"1\"", "$Version=\"2\"", "Cookie2"},
            {"PanoramaActual", "idioma=es\r\n\r\n", "idioma=en\r\n\r\n", "el cuerpo no termina"},
            {"GsmNet", "Host: envios.gsmnet.es\r\n", "Host: envios.gsmnet.es\r\nCookie: a=1\r\n",
             "no usa cookies"},
            {"Navegalia", "ofiweb/sms", "ofiweb/SMS", "Referer"},
            {"WebServicio", "webservicio.galeon.com", "webservicio.geocities.com", "Referer"},
            {"GsmNet", "Host: envios.gsmnet.es", "Host: www.gsmnet.es", "Host"},
            {"Navegalia", "POST /cgi-bin", "GET /cgi-bin", "el método no es POST"},
            {"SMSYes", "+tal%2C", " tal,", "no está codificado"},
            {"WebServicio", "&mensaje=%BFQu%E9+tal%2C+%D1and%FA%3F", "&mensaje=", "está vacío"},
            {"GsmNet", "&B1=Enviar+Mensaje", "&B2=Enviar+Mensaje", "en ese orden"},
            {"Amena", "Content-length: 88", "Content-length: 87", "tras el cuerpo"},
            {"WebServicio", "urlencoded\r\n", "urlencoded\r\nContent-length: 0\r\n", "GET no lleva"},
            {"SMSYes", "Host: sms.smsyes.com\r\n",
             "Host: sms.smsyes.com\r\nProxy-Authorization: Basic YTpi\r\n", "Proxy-Authorization"}};
        for (const auto &[pasarela, cambiar, por, problema] : casos) {
            BancoPasarela banco;
            const Simulador::SimuladorPasarelas &simulador = banco.simulador;
            banco.comprobarEnvioAceptado(QString::fromLatin1(pasarela));
            QByteArray peticion = simulador.formulariosRecibidos().first().bruta;
            QVERIFY2(peticion.contains(cambiar), peticion.constData());
            const QByteArray respuesta = intercambiar(simulador.puerto(), peticion.replace(cambiar, por));
            QVERIFY2(respuesta.startsWith("HTTP/1.0 400 "), respuesta.left(40).constData());
            const Simulador::PeticionRecibida &recibida = simulador.peticiones().last();
            QVERIFY(!recibida.exito);
            QVERIFY2(recibida.problemas.filter(QString::fromUtf8(problema)).size() == 1,
                     qPrintable(recibida.problemas.join(u'\n')));
        }
    }
};

ZARCEL_TEST_MAIN(PruebaSimuladorPasarelas)
#include "tst_simulador_pasarelas.moc"
