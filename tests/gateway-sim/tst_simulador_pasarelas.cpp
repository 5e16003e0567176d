#include "support/entorno_prueba.h"

#include "common/campos.h"
#include "pasarelas_simuladas.h"
#include "simulador_pasarelas.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTimer>

using namespace Simulador;

namespace {

// The requests as the client writes them, byte for byte.
struct PeticionDePrueba {
    const char *pasarela;
    const char *host;
    QByteArray bytes;
    const char *campoTexto;
    QString texto; // the message field, decoded
};

const QList<PeticionDePrueba> &peticionesCorrectas() {
    static const QList<PeticionDePrueba> lista = {
        {"Amena", "sms.amena.es",
         "POST /freesms/sendsms.html HTTP/1.0\r\n"
         "Referer: http://sms.amena.es/freesms/vuoto.html\r\n"
         "Connection: Close\r\nUser-Agent: Mozilla/4.7 [en] (Linux; U)\r\nHost: sms.amena.es\r\n"
         "Cookie: JSESSIONID=amena0001;idioma=es;WEBSMS_TEST_COOKIE=testcookie\r\nCookie2: $Version=\"1\"\r\n"
         "Content-type: application/x-www-form-urlencoded\r\nContent-length: 70\r\n\r\n"
         "from=&cook=true&numero=600000001&msg=Hola+mundo&combocategoria=SALUDOS\r\n\r\n",
         "msg", QStringLiteral("Hola mundo")},
        {"Navegalia", "sms.navegalia.com",
         "POST /cgi-bin/cgi-nav HTTP/1.0\r\n"
         "Referer: http://www.navegalia.com/portal/ofiweb/sms/texto.htm\r\n"
         "Connection: Close\r\nUser-Agent: Mozilla/4.7 [en] (Linux; U)\r\nHost: sms.navegalia.com\r\n"
         "Content-type: application/x-www-form-urlencoded\r\nContent-length: 59\r\n\r\n"
         "tNumber=600000001&nAddress=ana@example.com&mBody=Hola+mundo\r\n\r\n",
         "mBody", QStringLiteral("Hola mundo")},
        {"PanoramaActual", "sms.panoramaactual.com",
         "POST /sms/sms.pl HTTP/1.0\r\n"
         "Referer: http://sms.panoramaactual.com/sms/\r\n"
         "Connection: Close\r\nUser-Agent: Mozilla/4.7 [en] (Linux; U)\r\nHost: sms.panoramaactual.com\r\n"
         "Cookie: PANORAMA_SESION=panorama0001;idioma=es\r\nCookie2: $Version=\"1\"\r\n"
         "Content-type: application/x-www-form-urlencoded\r\nContent-length: 97\r\n\r\n"
         "NUM=600000001&resto=120&MSG=Hola+mundo&Enviar=+++Enviar+++&PANORAMA_SESION=panorama0001;idioma=es"
         "\r\n\r\n",
         "MSG", QStringLiteral("Hola mundo")},
        {"WebServicio", "www.webservicio.net",
         "GET /servicios/gsmmoviles/enviarmensaje.phtml?correoenvia=ana@example.com&numero=600000001"
         "&mensaje=Hola%2C+%BFqu%E9+tal%3F HTTP/1.0\r\n"
         "Referer: http://webservicio.galeon.com/zarcel/index.html\r\n"
         "Connection: Close\r\nUser-Agent: Mozilla/4.7 [en] (Linux; U)\r\nHost: www.webservicio.net\r\n"
         "Content-type: application/x-www-form-urlencoded\r\n\r\n\r\n",
         "mensaje", QStringLiteral("Hola, ¿qué tal?")},
        {"Movistar", "sms.movistar.es",
         "POST /confirmacion_envio.asp HTTP/1.0\r\n"
         "Referer: http://sms.movistar.es/enviar_mensajes.asp\r\n"
         "Connection: Close\r\nUser-Agent: Mozilla/4.7 [en] (Linux; U)\r\nHost: sms.movistar.es\r\n"
         "Cookie: ASPSESSIONIDQQGQGRST=MOVISTAR0001;idioma=es\r\nCookie2: $Version=\"1\"\r\n"
         "Content-type: application/x-www-form-urlencoded\r\nContent-length: 138\r\n\r\n"
         "nocache=01%2F14%2F01+13%3A56%3A12+PM&confirmacion=1&telefono=600000001&email=ana@example.com"
         "&mensaje_texto=Ma%F1ana+a+las+8&caracteres=125\r\n\r\n",
         "mensaje_texto", QStringLiteral("Mañana a las 8")},
        {"GsmNet", "envios.gsmnet.es",
         "POST /encolatodos.pl HTTP/1.0\r\n"
         "Referer: http://www.gsmnet.es/envios/input.plx\r\n"
         "Connection: Close\r\nUser-Agent: Mozilla/4.7 [en] (Linux; U)\r\nHost: envios.gsmnet.es\r\n"
         "Content-type: application/x-www-form-urlencoded\r\nContent-length: 69\r\n\r\n"
         "pref=600&tel=000001&CharCount=19&mensaje=Hola+mundo&B1=Enviar+Mensaje\r\n\r\n",
         "mensaje", QStringLiteral("Hola mundo")},
        {"SMSYes", "sms.smsyes.com",
         "POST /cgi-bin/slanje.exe HTTP/1.0\r\n"
         "Referer: http://www.smsyes.com/send.html\r\n"
         "Connection: Close\r\nUser-Agent: Mozilla/4.7 [en] (Linux; U)\r\nHost: sms.smsyes.com\r\n"
         "Content-type: application/x-www-form-urlencoded\r\nContent-length: 74\r\n\r\n"
         "network=32&phonenum=447700900123&message=Hola+mundo&char=85&from=.&B1=Send\r\n\r\n",
         "message", QStringLiteral("Hola mundo")},
    };
    return lista;
}

const PeticionDePrueba &peticionDe(const char *pasarela) {
    for (const PeticionDePrueba &peticion : peticionesCorrectas()) {
        if (qstrcmp(peticion.pasarela, pasarela) == 0)
            return peticion;
    }
    qFatal("no hay petición de prueba para %s", pasarela);
}

// The request line's target made absolute, as the client writes it through a proxy,
// with an optional Proxy-Authorization line right after it.
QByteArray enFormaProxy(const PeticionDePrueba &peticion, const QByteArray &autorizacion = {}) {
    QByteArray bytes = peticion.bytes;
    bytes.insert(bytes.indexOf(' ') + 1, QByteArray("http://") + peticion.host);
    if (!autorizacion.isEmpty())
        bytes.insert(bytes.indexOf("\r\n") + 2, "Proxy-Authorization: Basic " + autorizacion + "\r\n");
    return bytes;
}

QByteArray textoExito(const QString &pasarela) {
    for (const PasarelaSimulada &simulada : pasarelasSimuladas()) {
        if (simulada.nombre == pasarela)
            return aAnsi(simulada.textoExito);
    }
    return {};
}

struct Intercambio {
    QByteArray respuesta;
    bool cerrada = false;
};

// Connects, writes the request and collects the answer until the server closes
// or `limiteMs` passes, in an event loop so the in-process server runs meanwhile.
Intercambio intercambiar(quint16 puerto, const QByteArray &peticion, int limiteMs = 5000) {
    QTcpSocket socket;
    Intercambio intercambio;
    QEventLoop bucle;
    QTimer::singleShot(limiteMs, &bucle, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::connected, [&] { socket.write(peticion); });
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { intercambio.respuesta += socket.readAll(); });
    QObject::connect(&socket, &QTcpSocket::disconnected, &bucle, &QEventLoop::quit);
    socket.connectToHost(QHostAddress::LocalHost, puerto);
    bucle.exec();
    intercambio.respuesta += socket.readAll();
    intercambio.cerrada = socket.state() == QAbstractSocket::UnconnectedState;
    return intercambio;
}

} // namespace

class PruebaSimuladorPasarelas : public QObject {
    Q_OBJECT

    SimuladorPasarelas *simulador = nullptr;

    Intercambio enviar(const QByteArray &peticion, int limiteMs = 5000) {
        return intercambiar(simulador->puerto(), peticion, limiteMs);
    }

private slots:
    void init() {
        simulador = new SimuladorPasarelas();
        QVERIFY(simulador->iniciar());
        QVERIFY(simulador->puerto() != 0);
    }
    void cleanup() { delete simulador; }

    void formularioCorrecto_data() {
        QTest::addColumn<QString>("pasarela");
        QTest::addColumn<QByteArray>("peticion");
        QTest::addColumn<QString>("campoTexto");
        QTest::addColumn<QString>("texto");
        for (const PeticionDePrueba &p : peticionesCorrectas()) {
            const QString nombre = QString::fromLatin1(p.pasarela);
            const QString campo = QString::fromLatin1(p.campoTexto);
            QTest::addRow("%s directa", p.pasarela) << nombre << p.bytes << campo << p.texto;
            QTest::addRow("%s por proxy", p.pasarela) << nombre << enFormaProxy(p) << campo << p.texto;
        }
        // A proxy in between may write the default port into the absolute URI.
        const PeticionDePrueba &amena = peticionDe("Amena");
        QTest::newRow("Amena por proxy con puerto 80")
            << QStringLiteral("Amena") << enFormaProxy(amena).replace("es/freesms/send", "es:80/freesms/send")
            << QStringLiteral("msg") << amena.texto;
    }
    void formularioCorrecto() {
        QFETCH(QString, pasarela);
        QFETCH(QByteArray, peticion);
        QFETCH(QString, campoTexto);
        QFETCH(QString, texto);
        QSignalSpy senal(simulador, &SimuladorPasarelas::peticionRecibida);
        const Intercambio intercambio = enviar(peticion);
        QVERIFY(intercambio.cerrada);
        QVERIFY(intercambio.respuesta.startsWith("HTTP/1.0 200 OK\r\n"));
        QVERIFY2(intercambio.respuesta.contains(textoExito(pasarela)), intercambio.respuesta.constData());
        QCOMPARE(senal.count(), 1);
        QCOMPARE(simulador->peticiones().size(), 1);
        const PeticionRecibida &recibida = simulador->peticiones().first();
        QCOMPARE(recibida.bruta, peticion);
        QCOMPARE(recibida.pasarela, pasarela);
        QVERIFY2(recibida.problemas.isEmpty(), qPrintable(recibida.problemas.join(QLatin1Char('\n'))));
        QVERIFY(recibida.exito);
        QCOMPARE(recibida.campo(campoTexto), texto);
    }

    void textoExitoDeAmena() {
        const Intercambio intercambio = enviar(peticionDe("Amena").bytes);
        QVERIFY(intercambio.respuesta.contains("realizada.\\nSu mensaje"));
        QVERIFY(!intercambio.respuesta.contains("realizada.\nSu"));
    }

    void formularioErroneo_data() {
        QTest::addColumn<QByteArray>("peticion");
        QTest::addColumn<QString>("pasarela");
        QTest::addColumn<QString>("problema");
        const auto fila = [](const char *nombre, const char *pasarela, const QByteArray &cambiar,
                             const QByteArray &por, const QString &problema) {
            QByteArray bytes = peticionDe(pasarela).bytes;
            QVERIFY2(bytes.contains(cambiar), nombre);
            QTest::newRow(nombre) << bytes.replace(cambiar, por) << QString::fromLatin1(pasarela) << problema;
        };
        fila("campo fijo", "Amena", "SALUDOS", "SALUDOZ", QStringLiteral("el campo combocategoria no vale"));
        fila("cookie sin sufijo", "Amena", "testcookie\r\n", "testcookiX\r\n",
             QStringLiteral("WEBSMS_TEST_COOKIE"));
        fila("cookie de sesion ajena", "Movistar", "MOVISTAR0001;idioma=es\r\n", "MOVISTAR0002;idioma=es\r\n",
             QStringLiteral("cookie de sesión"));
        fila("sin Cookie2", "Movistar", "$Version=\"1\"", "$Version=\"2\"", QStringLiteral("Cookie2"));
        fila("cookie del cuerpo distinta", "PanoramaActual", "idioma=es\r\n\r\n", "idioma=en\r\n\r\n",
             QStringLiteral("el cuerpo no termina"));
        fila("cookie donde no se usa", "GsmNet", "Host: envios.gsmnet.es\r\n",
             "Host: envios.gsmnet.es\r\nCookie: a=1\r\n", QStringLiteral("no usa cookies"));
        fila("Referer", "Navegalia", "ofiweb/sms", "ofiweb/SMS", QStringLiteral("Referer"));
        fila("Referer de otro host", "WebServicio", "webservicio.galeon.com", "webservicio.geocities.com",
             QStringLiteral("Referer"));
        fila("Host", "GsmNet", "Host: envios.gsmnet.es", "Host: www.gsmnet.es", QStringLiteral("Host"));
        fila("metodo", "Navegalia", "POST /cgi-bin", "GET /cgi-bin", QStringLiteral("el método no es POST"));
        fila("texto sin codificar", "SMSYes", "Hola+mundo", "Hola mundo",
             QStringLiteral("no está codificado"));
        fila("texto vacio", "WebServicio", "&mensaje=Hola%2C+%BFqu%E9+tal%3F",
             "&mensaje=", QStringLiteral("está vacío"));
        fila("campo que falta", "GsmNet", "&B1=Enviar+Mensaje", "&B2=Enviar+Mensaje",
             QStringLiteral("en ese orden"));
        fila("Content-length corto", "Amena", "Content-length: 70", "Content-length: 69",
             QStringLiteral("tras el cuerpo"));
        fila("Content-length en GET", "WebServicio", "urlencoded\r\n", "urlencoded\r\nContent-length: 0\r\n",
             QStringLiteral("GET no lleva"));
        fila("directa con credenciales", "SMSYes", "Host: sms.smsyes.com\r\n",
             "Host: sms.smsyes.com\r\nProxy-Authorization: Basic YTpi\r\n",
             QStringLiteral("Proxy-Authorization"));
    }
    void formularioErroneo() {
        QFETCH(QByteArray, peticion);
        QFETCH(QString, pasarela);
        QFETCH(QString, problema);
        const Intercambio intercambio = enviar(peticion);
        QVERIFY(intercambio.cerrada);
        QVERIFY(intercambio.respuesta.startsWith("HTTP/1.0 400 "));
        QVERIFY(!intercambio.respuesta.contains(textoExito(pasarela)));
        QCOMPARE(simulador->peticiones().size(), 1);
        const PeticionRecibida &recibida = simulador->peticiones().first();
        QVERIFY(!recibida.exito);
        const QStringList encontrados = recibida.problemas.filter(problema);
        QVERIFY2(encontrados.size() == 1, qPrintable(recibida.problemas.join(QLatin1Char('\n'))));
        QVERIFY(intercambio.respuesta.contains(aAnsi(encontrados.first().toHtmlEscaped())));
    }

    void paginasCookies_data() {
        QTest::addColumn<QByteArray>("peticion");
        QTest::addColumn<QByteArray>("sesion");
        QTest::addColumn<bool>("sinCookies");
        const auto peticion = [](const QByteArray &destino, const QByteArray &host) {
            return "GET " + destino + " HTTP/1.1\r\nConnection: Close\r\nHost: " + host +
                   "\r\nUser-Agent: Mozilla/4.7 [en] (Linux; U)\r\n\r\n\r\n";
        };
        for (const PasarelaSimulada &pasarela : pasarelasSimuladas()) {
            if (!pasarela.usaCookies())
                continue;
            const QByteArray nombre = pasarela.nombre.toLatin1();
            const QByteArray absoluta = "http://" + pasarela.host + pasarela.rutaCookies;
            QTest::addRow("%s directa", nombre.constData())
                << peticion(pasarela.rutaCookies, pasarela.host) << pasarela.cookieSesion << false;
            QTest::addRow("%s por proxy", nombre.constData())
                << peticion(absoluta, pasarela.host) << pasarela.cookieSesion << false;
            QTest::addRow("%s sin cookies", nombre.constData())
                << peticion(pasarela.rutaCookies, pasarela.host) << pasarela.cookieSesion << true;
        }
    }
    void paginasCookies() {
        QFETCH(QByteArray, peticion);
        QFETCH(QByteArray, sesion);
        QFETCH(bool, sinCookies);
        simulador->opciones.sinCookies = sinCookies;
        const Intercambio intercambio = enviar(peticion);
        QVERIFY(intercambio.cerrada);
        QVERIFY(intercambio.respuesta.startsWith("HTTP/1.0 200 OK\r\n"));
        const QByteArray cabecera = intercambio.respuesta.left(intercambio.respuesta.indexOf("\r\n\r\n") + 2);
        if (sinCookies) {
            QVERIFY(!cabecera.contains("Set-Cookie"));
        } else {
            QVERIFY(cabecera.contains("\r\nSet-Cookie: " + sesion + "; path=/\r\n"));
            QVERIFY(cabecera.contains("\r\nSet-Cookie: idioma=es; expires="));
        }
        QVERIFY(simulador->peticiones().first().paginaCookies);
    }

    void credencialesProxy_data() {
        QTest::addColumn<QByteArray>("peticion");
        QTest::addColumn<int>("estado");
        const PeticionDePrueba &amena = peticionDe("Amena");
        QTest::newRow("correctas") << enFormaProxy(amena, "YW5hOmHxbw==") << 200;
        QTest::newRow("ausentes") << enFormaProxy(amena) << 407;
        QTest::newRow("clave distinta") << enFormaProxy(amena, "YW5hOmFubw==") << 407;
        QTest::newRow("pagina de cookies sin ellas")
            << QByteArray(
                   "GET http://sms.movistar.es/enviar_mensajes.asp HTTP/1.1\r\nHost: sms.movistar.es\r\n\r\n")
            << 407;
        QTest::newRow("directa, la pasarela no las pide") << amena.bytes << 200;
    }
    void credencialesProxy() {
        QFETCH(QByteArray, peticion);
        QFETCH(int, estado);
        simulador->opciones.credencialesProxy = QStringLiteral("ana:año");
        const Intercambio intercambio = enviar(peticion);
        QVERIFY(intercambio.cerrada);
        QVERIFY(intercambio.respuesta.startsWith("HTTP/1.0 " + QByteArray::number(estado) + ' '));
        QCOMPARE(intercambio.respuesta.contains(textoExito(QStringLiteral("Amena"))), estado == 200);
        QCOMPARE(intercambio.respuesta.contains("\r\nProxy-Authenticate: Basic "), estado == 407);
        QCOMPARE(simulador->peticiones().first().estado, estado);
    }

    void fallarPrimeros() {
        simulador->opciones.fallarPrimeros = 2;
        const QByteArray exito = textoExito(QStringLiteral("SMSYes"));
        // Cookie pages are not form submissions and do not use up the failures.
        enviar("GET /sms/ HTTP/1.1\r\nHost: sms.panoramaactual.com\r\n\r\n\r\n");
        for (int intento = 1; intento <= 3; ++intento) {
            const Intercambio intercambio = enviar(peticionDe("SMSYes").bytes);
            QVERIFY(intercambio.cerrada);
            QCOMPARE(intercambio.respuesta.contains(exito), intento == 3);
        }
        simulador->olvidarPeticiones();
        QVERIFY(!enviar(peticionDe("SMSYes").bytes).respuesta.contains(exito));
    }

    void rechazar() {
        simulador->opciones.rechazar = true;
        const Intercambio intercambio = enviar(peticionDe("Amena").bytes);
        QVERIFY(intercambio.cerrada);
        QVERIFY(intercambio.respuesta.isEmpty());
        QCOMPARE(simulador->conexionesAceptadas(), 1);
        QVERIFY(simulador->peticiones().isEmpty());
    }

    void noResponderNoCerrar_data() {
        QTest::addColumn<bool>("noResponder");
        QTest::newRow("no responde") << true;
        QTest::newRow("no cierra") << false;
    }
    void noResponderNoCerrar() {
        QFETCH(bool, noResponder);
        simulador->opciones.noResponder = noResponder;
        simulador->opciones.noCerrar = !noResponder;
        QSignalSpy senal(simulador, &SimuladorPasarelas::peticionRecibida);
        const Intercambio intercambio = enviar(peticionDe("GsmNet").bytes, 500);
        QVERIFY(!intercambio.cerrada);
        QCOMPARE(senal.count(), 1);
        QCOMPARE(intercambio.respuesta.contains(textoExito(QStringLiteral("GsmNet"))), !noResponder);
        QCOMPARE(simulador->peticiones().first().estado, noResponder ? 0 : 200);
    }

    void basura_data() {
        QTest::addColumn<QByteArray>("peticion");
        QTest::addColumn<int>("estado");
        QTest::newRow("no es HTTP") << QByteArray("\x00\xFF\x01junk\r\n\r\n", 11) << 400;
        QTest::newRow("cabecera sin dos puntos") << QByteArray("GET /sms/ HTTP/1.1\r\nHost\r\n\r\n") << 400;
        QTest::newRow("cabecera sin fin") << QByteArray(20000, 'A') << 431;
        QTest::newRow("Content-length enorme")
            << QByteArray("POST /cgi-bin/cgi-nav HTTP/1.0\r\nContent-length: 99999999999\r\n\r\n") << 400;
        QTest::newRow("Content-length grande")
            << QByteArray("POST /cgi-bin/cgi-nav HTTP/1.0\r\nContent-length: 70000\r\n\r\nabc") << 413;
        QTest::newRow("Content-length negativo")
            << QByteArray("POST /cgi-bin/cgi-nav HTTP/1.0\r\nContent-length: -5\r\n\r\n") << 400;
        QTest::newRow("cuerpo corto")
            << QByteArray("POST /cgi-bin/cgi-nav HTTP/1.0\r\nContent-length: 50\r\n\r\ntNumber=1") << 400;
        QTest::newRow("ruta desconocida") << QByteArray("GET /index.html HTTP/1.0\r\n\r\n") << 404;
    }
    void basura() {
        QFETCH(QByteArray, peticion);
        QFETCH(int, estado);
        simulador->opciones.esperaCuerpoMs = 100;
        const Intercambio intercambio = enviar(peticion);
        QVERIFY(intercambio.cerrada);
        QVERIFY2(intercambio.respuesta.startsWith("HTTP/1.0 " + QByteArray::number(estado) + ' '),
                 intercambio.respuesta.left(40).constData());
        QCOMPARE(simulador->peticiones().size(), 1);
        QVERIFY(!simulador->peticiones().first().problemas.isEmpty());
    }
};

ZARCEL_TEST_MAIN(PruebaSimuladorPasarelas)
#include "tst_simulador_pasarelas.moc"
