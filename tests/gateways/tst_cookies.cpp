#include "banco_pasarela.h"

#include "gateways/cookies.h"

using namespace Pasarelas;

class PruebaCookies : public QObject {
    Q_OBJECT
private slots:
    void recoger_data() {
        QTest::addColumn<QString>("respuesta");
        QTest::addColumn<QString>("cookies");
        QTest::newRow("dos cabeceras")
            << "HTTP/1.1 200 OK\r\nSet-Cookie: SID=abc; path=/\r\n"
               "Set-Cookie: lang=es; expires=Thu, 01 Jan 2030 00:00:00 GMT\r\n\r\n<html>"
            << "SID=abc;lang=es";
        QTest::newRow("nombre en minusculas") << "HTTP/1.1 200 OK\r\nset-cookie: x=1; path=/\r\n\r\n"
                                              << "x=1";
        QTest::newRow("sin blanco tras los dos puntos") << "Set-Cookie:x=1;\r\n"
                                                        << "=1";
        QTest::newRow("sin cabecera") << "HTTP/1.1 200 OK\r\nServer: x\r\n\r\n<html>;</html>"
                                      << "";
        QTest::newRow("respaldo Cookie:") << "HTTP/1.1 200 OK\r\nX-Cookie: a=1; b\r\n\r\n"
                                          << "a=1";
        QTest::newRow("respaldo distingue la caja") << "HTTP/1.1 200 OK\r\nX-cookie: a=1; b\r\n\r\n"
                                                    << "";
        QTest::newRow("respaldo varias") << "Cookie: a=1; x\r\nCookie: b=2;\r\n"
                                         << "a=1;b=2";
        QTest::newRow("valor sin punto y coma") << "Set-Cookie: SID=abc\r\nServer: x\r\n\r\n"
                                                << "SID=abc";
        QTest::newRow("valor sin punto y coma al final") << "HTTP/1.1 200 OK\r\nSet-Cookie: SID=abc"
                                                         << "SID=abc";
        QTest::newRow("respaldo sin punto y coma") << "Cookie: a=1\r\nServer: x"
                                                   << "a=1";
        QTest::newRow("punto y coma en otra linea") << "Set-Cookie: a=1\r\nX: y; z\r\n"
                                                    << "a=1\r\nX: y";
        QTest::newRow("valor vacio") << "Set-Cookie: ;\r\n"
                                     << ";";
        QTest::newRow("lineas con LF") << "Set-Cookie: a=1; p\nSet-Cookie: b=2; q\n"
                                       << "a=1;b=2";
        QTest::newRow("cabecera vacia al final") << "Set-Cookie:"
                                                 << ";";
    }
    void recoger() {
        QFETCH(QString, respuesta);
        QFETCH(QString, cookies);
        QCOMPARE(recogerCookies(respuesta), cookies);
    }

    // A long answer full of cookie headers is parsed in one pass.
    void respuestaLarga() {
        QString respuesta;
        for (int i = 0; i < 60000; ++i)
            respuesta += QStringLiteral("Set-Cookie: c=1\r\n");
        const QString cookies = recogerCookies(respuesta);
        QCOMPARE(cookies.count(QLatin1Char(';')), 59999);
        QVERIFY(respuesta.isEmpty());
    }

    // Every value runs to the one ";" at the end: the text collected stays within
    // twice the answer instead of growing with its square.
    void respuestaHostil() {
        QString respuesta;
        for (int i = 0; i < 3000; ++i)
            respuesta += QStringLiteral("Set-Cookie: c\r\n");
        respuesta += QLatin1Char(';');
        const qsizetype tamano = respuesta.size();
        const QString cookies = recogerCookies(respuesta);
        QVERIFY(cookies.startsWith(QStringLiteral("c\r\nSet-Cookie: c\r\n")));
        QVERIFY2(cookies.size() <= 2 * tamano, qPrintable(QString::number(cookies.size())));
    }

    void peticion_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QByteArray>("primeraLinea");
        QTest::newRow("directa") << 0 << QByteArray("GET /sms/ HTTP/1.1\r\n");
        QTest::newRow("proxy sin usuario") << 1 << QByteArray("GET http://sms.example/sms/ HTTP/1.1\r\n");
        QTest::newRow("proxy con usuario") << 2
                                           << QByteArray("GET http://sms.example/sms/ HTTP/1.1\r\n"
                                                         "Proxy-Authorization: Basic YW5hOnNlY3JldG8=\r\n");
    }
    void peticion() {
        QFETCH(int, modo);
        QFETCH(QByteArray, primeraLinea);
        BancoPasarela banco;
        banco.servidor.porDefecto =
            ServidorGrabador::respuesta("HTTP/1.1 200 OK\r\nSet-Cookie: SID=abc; path=/\r\n\r\n");
        asignarCampo(configuracion.usuario, QStringLiteral("ana"));
        asignarCampo(configuracion.password, QStringLiteral("secreto"));
        if (modo > 0)
            banco.usarProxy(modo == 2 ? QStringLiteral("ana") : QString(), QStringLiteral("secreto"));
        QCOMPARE(obtenerCookies(banco.intercambio, QStringLiteral("sms.example"), QStringLiteral("/sms/")),
                 QStringLiteral("SID=abc"));
        QCOMPARE(banco.ultimaPeticion(), primeraLinea + "Connection: Close\r\n"
                                                        "Host: sms.example\r\n"
                                                        "User-Agent: Mozilla/4.7 [en] (Linux; U)\r\n"
                                                        "\r\n"
                                                        "\r\n");
        QCOMPARE(banco.salida.lineas,
                 QStringList({QStringLiteral("Recibiendo cookies..."),
                              QStringLiteral("Cookies recibidas. Enviando mensaje...")}));
    }

    void fallos_data() {
        QTest::addColumn<bool>("rechazar");
        QTest::addColumn<QString>("linea");
        QTest::newRow("sin conexion") << true << "No se han podido recibir las cookies";
        QTest::newRow("sin cookie") << false << "No se han recibido las cookies";
    }
    void fallos() {
        QFETCH(bool, rechazar);
        QFETCH(QString, linea);
        BancoPasarela banco;
        banco.servidor.porDefecto = ServidorGrabador::respuesta("HTTP/1.1 200 OK\r\n\r\n");
        if (rechazar)
            banco.intercambio.desviarConexionesDirectas(QStringLiteral("127.0.0.1"), puertoCerrado());
        QCOMPARE(obtenerCookies(banco.intercambio, QStringLiteral("sms.example"), QStringLiteral("/")),
                 QString());
        QCOMPARE(banco.salida.lineas, QStringList({QStringLiteral("Recibiendo cookies..."), linea}));
    }
};

ZARCEL_TEST_MAIN(PruebaCookies)
#include "tst_cookies.moc"
