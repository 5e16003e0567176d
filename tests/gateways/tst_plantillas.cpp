#include "banco_pasarela.h"

#include "gateways/catalogo.h"
#include "gateways/codificacion.h"
#include "gateways/plantillas.h"

using namespace Pasarelas;

namespace {
Plantilla plantillaDe(const QString &pasarela) {
    return buscarPasarela(pasarela)->plantilla;
}

// The direct request rewritten as it goes to a proxy: absolute URI, then the credentials.
QByteArray enFormaProxy(QByteArray peticion, const QByteArray &autorizacion) {
    const qsizetype inicioHost = peticion.indexOf("\r\nHost: ") + 8;
    const QByteArray host = peticion.mid(inicioHost, peticion.indexOf("\r\n", inicioHost) - inicioHost);
    peticion.insert(peticion.indexOf(' ') + 1, "http://" + host);
    if (!autorizacion.isEmpty())
        peticion.insert(peticion.indexOf("\r\n") + 2, autorizacion + "\r\n");
    return peticion;
}

// Every CR or LF of a request belongs to a line end.
bool lineasLimpias(const QByteArray &peticion) {
    for (const QByteArray &linea : peticion.split('\n')) {
        if (linea.indexOf('\r') >= 0 && linea.indexOf('\r') != linea.size() - 1)
            return false;
    }
    return peticion.count('\r') == peticion.count('\n');
}
} // namespace

class PruebaPlantillas : public QObject {
    Q_OBJECT
private slots:
    void codificarURL_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("codificado");
        QTest::newRow("puntuacion y acentos") << "Hola, ¿qué tal?"
                                              << "Hola%2C+%BFqu%E9+tal%3F";
        QTest::newRow("salto de linea") << "uno\r\ndos\ntres\rcuatro"
                                        << "unodostrescuatro";
        QTest::newRow("tabulador") << "\t"
                                   << "%09";
        QTest::newRow("marcas que otros dejan pasar") << "a-b_c.d*e~"
                                                      << "a%2Db%5Fc%2Ed%2Ae%7E";
        QTest::newRow("eñe y euro") << "ñ€"
                                    << "%F1%80";
        QTest::newRow("fuera de la pagina") << "日"
                                            << "%3F";
        QTest::newRow("vacio") << ""
                               << "";
    }
    void codificarURL() {
        QFETCH(QString, texto);
        QFETCH(QString, codificado);
        QCOMPARE(Pasarelas::codificarURL(texto), codificado);
    }

    void codificarBase64_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("codificado");
        QTest::newRow("vacio") << ""
                               << "";
        QTest::newRow("resto 1") << "a"
                                 << "YQ==";
        QTest::newRow("resto 2") << "ab"
                                 << "YWI=";
        QTest::newRow("grupo entero") << "abc"
                                      << "YWJj";
        QTest::newRow("credenciales") << "ana:secreto"
                                      << "YW5hOnNlY3JldG8=";
        QTest::newRow("eñe en Windows-1252") << "toño:clave"
                                             << "dG/xbzpjbGF2ZQ==";
    }
    void codificarBase64() {
        QFETCH(QString, texto);
        QFETCH(QString, codificado);
        QCOMPARE(Tipos::codificarBase64(texto), codificado);
    }

    void peticionesEnElCable_data() {
        QTest::addColumn<QString>("pasarela");
        QTest::addColumn<QByteArray>("exito");
        QTest::addColumn<QByteArray>("directa");
        QTest::newRow("Amena")
            << "Amena" << QByteArray("Operaci\xF3n realizada.\\nSu mensaje ha sido enviado con \xE9xito")
            << QByteArray("POST /freesms/sendsms.html HTTP/1.0\r\n"
                          "Referer: http://sms.amena.es/freesms/vuoto.html\r\n"
                          "Connection: Close\r\n"
                          "User-Agent: Mozilla/4.7 [en] (Linux; U)\r\n"
                          "Host: sms.amena.es\r\n"
                          "Cookie: SID=abc;WEBSMS_TEST_COOKIE=testcookie\r\n"
                          "Cookie2: $Version=\"1\"\r\n"
                          "Content-type: application/x-www-form-urlencoded\r\n"
                          "Content-length: 70\r\n"
                          "\r\n"
                          "from=&cook=true&numero=600000001&msg=Hola+mundo&combocategoria=SALUDOS\r\n"
                          "\r\n");
        QTest::newRow("Navegalia") << "Navegalia" << QByteArray("procesando correctamente")
                                   << QByteArray(
                                          "POST /cgi-bin/cgi-nav HTTP/1.0\r\n"
                                          "Referer: http://www.navegalia.com/portal/ofiweb/sms/texto.htm\r\n"
                                          "Connection: Close\r\n"
                                          "User-Agent: Mozilla/4.7 [en] (Linux; U)\r\n"
                                          "Host: sms.navegalia.com\r\n"
                                          "Content-type: application/x-www-form-urlencoded\r\n"
                                          "Content-length: 58\r\n"
                                          "\r\n"
                                          "tNumber=600000001&nAddress=yo@example.com&mBody=Hola+mundo\r\n"
                                          "\r\n");
        QTest::newRow("PanoramaActual")
            << "PanoramaActual" << QByteArray("Tu mensaje ha sido enviado con \xE9xito.")
            << QByteArray("POST /sms/sms.pl HTTP/1.0\r\n"
                          "Referer: http://sms.panoramaactual.com/sms/\r\n"
                          "Connection: Close\r\n"
                          "User-Agent: Mozilla/4.7 [en] (Linux; U)\r\n"
                          "Host: sms.panoramaactual.com\r\n"
                          "Cookie: SID=abc\r\n"
                          "Cookie2: $Version=\"1\"\r\n"
                          "Content-type: application/x-www-form-urlencoded\r\n"
                          "Content-length: 66\r\n"
                          "\r\n"
                          "NUM=600000001&resto=120&MSG=Hola+mundo&Enviar=+++Enviar+++&SID=abc\r\n"
                          "\r\n");
        QTest::newRow("WebServicio")
            << "WebServicio" << QByteArray("El mensaje se ha enviado")
            << QByteArray("GET /servicios/gsmmoviles/enviarmensaje.phtml?correoenvia=yo@example.com"
                          "&numero=600000001&mensaje=Hola+mundo HTTP/1.0\r\n"
                          "Referer: http://webservicio.galeon.com/sms/index.html\r\n"
                          "Connection: Close\r\n"
                          "User-Agent: Mozilla/4.7 [en] (Linux; U)\r\n"
                          "Host: www.webservicio.net\r\n"
                          "Content-type: application/x-www-form-urlencoded\r\n"
                          "\r\n"
                          "\r\n");
        QTest::newRow("Movistar")
            << "Movistar" << QByteArray("ha sido enviado con")
            << QByteArray("POST /confirmacion_envio.asp HTTP/1.0\r\n"
                          "Referer: http://sms.movistar.es/enviar_mensajes.asp\r\n"
                          "Connection: Close\r\n"
                          "User-Agent: Mozilla/4.7 [en] (Linux; U)\r\n"
                          "Host: sms.movistar.es\r\n"
                          "Cookie: SID=abc\r\n"
                          "Cookie2: $Version=\"1\"\r\n"
                          "Content-type: application/x-www-form-urlencoded\r\n"
                          "Content-length: 131\r\n"
                          "\r\n"
                          "nocache=01%2F14%2F01+13%3A56%3A12+PM&confirmacion=1&telefono=600000001"
                          "&email=yo@example.com&mensaje_texto=Hola+mundo&caracteres=125\r\n"
                          "\r\n");
        QTest::newRow("GsmNet")
            << "GsmNet" << QByteArray("/envios/enviado.htm")
            << QByteArray("POST /encolatodos.pl HTTP/1.0\r\n"
                          "Referer: http://www.gsmnet.es/envios/input.plx\r\n"
                          "Connection: Close\r\n"
                          "User-Agent: Mozilla/4.7 [en] (Linux; U)\r\n"
                          "Host: envios.gsmnet.es\r\n"
                          "Content-type: application/x-www-form-urlencoded\r\n"
                          "Content-length: 69\r\n"
                          "\r\n"
                          "pref=600&tel=000001&CharCount=19&mensaje=Hola+mundo&B1=Enviar+Mensaje\r\n"
                          "\r\n");
        QTest::newRow("SMSYes")
            << "SMSYes" << QByteArray("Message has been SENT")
            << QByteArray("POST /cgi-bin/slanje.exe HTTP/1.0\r\n"
                          "Referer: http://www.smsyes.com/send.html\r\n"
                          "Connection: Close\r\n"
                          "User-Agent: Mozilla/4.7 [en] (Linux; U)\r\n"
                          "Host: sms.smsyes.com\r\n"
                          "Content-type: application/x-www-form-urlencoded\r\n"
                          "Content-length: 73\r\n"
                          "\r\n"
                          "network=32&phonenum=34600000001&message=Hola+mundo&char=85&from=.&B1=Send\r\n"
                          "\r\n");
    }
    // Each gateway's request, direct (a proxy user set but unused), through a
    // proxy without user and through one with user, judged on its success text.
    void peticionesEnElCable() {
        QFETCH(QString, pasarela);
        QFETCH(QByteArray, exito);
        QFETCH(QByteArray, directa);
        enum Modo { directo, proxySinUsuario, proxyConUsuario };
        for (Modo modo : {directo, proxySinUsuario, proxyConUsuario}) {
            BancoPasarela banco;
            banco.servidor.porDefecto = ServidorGrabador::respuesta(
                "HTTP/1.0 200 OK\r\nSet-Cookie: SID=abc; path=/\r\n\r\n<p>" + exito);
            QByteArray esperada = directa;
            if (modo == directo) {
                asignarCampo(configuracion.usuario, QStringLiteral("toño"));
            } else {
                banco.usarProxy(modo == proxyConUsuario ? QStringLiteral(" toño ") : QString(),
                                QStringLiteral("clave"));
                esperada = enFormaProxy(
                    directa, modo == proxyConUsuario ? "Proxy-Authorization: Basic dG/xbzpjbGF2ZQ==" : "");
            }
            QVERIFY(plantillaDe(pasarela)(banco.intercambio, QStringLiteral("34"),
                                          QStringLiteral("600000001"), QStringLiteral("Hola mundo")));
            QVERIFY(banco.intercambio.enviarPeticion());
            QCOMPARE(banco.ultimaPeticion(), esperada);
            QCOMPARE(banco.salida.lineas.last(), QStringLiteral("Mensaje enviado correctamente"));
        }
    }

    void cuerposDeLosEjemplos() {
        BancoPasarela banco;
        QVERIFY(pasarelaSMSYes(banco.intercambio, QStringLiteral("44"), QStringLiteral("7700900123"),
                               QStringLiteral("Hi")));
        QCOMPARE(banco.intercambio.peticion.cuerpo,
                 QStringLiteral("network=32&phonenum=447700900123&message=Hi&char=85&from=.&B1=Send"));
        QVERIFY(pasarelaWebServicio(banco.intercambio, QStringLiteral("34"), QStringLiteral("600000001"),
                                    QStringLiteral("¿Sí?\r\nVale")));
        QCOMPARE(banco.intercambio.peticion.ruta,
                 QStringLiteral("/servicios/gsmmoviles/enviarmensaje.phtml?correoenvia=yo@example.com"
                                "&numero=600000001&mensaje=%BFS%ED%3FVale HTTP/1.0"));
        QCOMPARE(banco.intercambio.peticion.cuerpo, QStringLiteral("\r\n"));
        QVERIFY(banco.servidor.peticiones.isEmpty());
    }

    // A failed cookie fetch still leaves Amena its fixed cookie, leading ";" included.
    void amenaSinCookie() {
        BancoPasarela banco;
        banco.servidor.porDefecto = ServidorGrabador::respuesta("HTTP/1.0 200 OK\r\n\r\nnada");
        QVERIFY(pasarelaAmena(banco.intercambio, QStringLiteral("34"), QStringLiteral("600000001"),
                              QStringLiteral("x")));
        QCOMPARE(banco.intercambio.peticion.cookie, QStringLiteral(";WEBSMS_TEST_COOKIE=testcookie"));
        QCOMPARE(banco.salida.lineas, QStringList({QStringLiteral("Recibiendo cookies..."),
                                                   QStringLiteral("No se han recibido las cookies")}));
    }

    // A gateway that never sets its cookie cannot hold a send: the step gives up
    // after a bounded number of tries, or at once when the user cancels.
    void cookieQueNuncaLlega_data() {
        QTest::addColumn<QString>("pasarela");
        QTest::addColumn<int>("cancelarTras");
        QTest::addColumn<int>("conexiones");
        QTest::newRow("PanoramaActual") << "PanoramaActual" << 0 << intentosCookie;
        QTest::newRow("Movistar") << "Movistar" << 0 << intentosCookie;
        QTest::newRow("Movistar cancelado") << "Movistar" << 2 << 2;
    }
    void cookieQueNuncaLlega() {
        QFETCH(QString, pasarela);
        QFETCH(int, cancelarTras);
        QFETCH(int, conexiones);
        BancoPasarela banco;
        banco.servidor.porDefecto = ServidorGrabador::respuesta("HTTP/1.0 200 OK\r\n\r\n");
        int fallos = 0;
        banco.salida.alLogear = [&](const QString &linea) {
            if (linea == QStringLiteral("No se han recibido las cookies") && ++fallos == cancelarTras)
                banco.salida.cancelada = true;
        };
        QVERIFY(!plantillaDe(pasarela)(banco.intercambio, QStringLiteral("34"), QStringLiteral("600000001"),
                                       QStringLiteral("x")));
        QCOMPARE(banco.servidor.peticiones.size(), conexiones);
        QCOMPARE(banco.salida.lineas.count(QStringLiteral("Recibiendo cookies...")), conexiones);
    }

    // Whatever the settings or the server hold, no CR or LF splits a request line.
    void sinSaltosDentroDeLasLineas() {
        BancoPasarela banco;
        banco.servidor.porDefecto =
            ServidorGrabador::respuesta("HTTP/1.0 200 OK\r\nCookie: SID=1\r\nX-Inyectada: 2;\r\n\r\n");
        asignarCampo(configuracion.email, QStringLiteral("yo@x.com\r\nX-Inyectada: 1"));
        QVERIFY(pasarelaWebServicio(banco.intercambio, QStringLiteral("34"), QStringLiteral("600\n000001"),
                                    QStringLiteral("Hola")));
        banco.intercambio.enviarPeticion();
        QVERIFY(banco.ultimaPeticion().startsWith(
            "GET /servicios/gsmmoviles/enviarmensaje.phtml?correoenvia="
            "yo@x.comX-Inyectada: 1&numero=600000001&mensaje=Hola HTTP/1.0\r\n"));
        QVERIFY(lineasLimpias(banco.ultimaPeticion()));

        QVERIFY(pasarelaMovistar(banco.intercambio, QStringLiteral("34"), QStringLiteral("600000001"),
                                 QStringLiteral("Hola")));
        QCOMPARE(banco.intercambio.peticion.cookie, QStringLiteral("SID=1\r\nX-Inyectada: 2"));
        banco.intercambio.enviarPeticion();
        QVERIFY(banco.ultimaPeticion().contains("\r\nCookie: SID=1X-Inyectada: 2\r\nCookie2: "));
        QVERIFY(lineasLimpias(banco.ultimaPeticion().left(banco.ultimaPeticion().indexOf("\r\n\r\n"))));
    }
};

ZARCEL_TEST_MAIN(PruebaPlantillas)
#include "tst_plantillas.moc"
