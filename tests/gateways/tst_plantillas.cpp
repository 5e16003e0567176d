#include "banco_pasarela.h"

#include "gateways/catalogo.h"
#include "gateways/codificacion.h"
#include "gateways/cookies.h"
#include "gateways/plantillas.h"

using namespace Pasarelas;

namespace {
bool preparar(BancoPasarela &banco, const QString &pasarela, const QString &numero = u"600000001"_s) {
    return buscarPasarela(pasarela)->plantilla(banco.intercambio, u"34"_s, numero, u"Hola mundo"_s);
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
} // namespace

class PruebaPlantillas : public QObject {
    Q_OBJECT
private slots:
    void codificarURL() {
        QCOMPARE(Pasarelas::codificarURL(u"Hola, ¿qué tal?"_s), u"Hola%2C+%BFqu%E9+tal%3F"_s);
        QCOMPARE(Pasarelas::codificarURL(u"uno\r\ndos\ntres\rcuatro"_s), u"unodostrescuatro"_s);
        QCOMPARE(Pasarelas::codificarURL(u"\ta-b_c.d*e~ñ€日"_s), u"%09a%2Db%5Fc%2Ed%2Ae%7E%F1%80%3F"_s);
    }

    // Each gateway's request, direct (a proxy user set but unused), through a proxy
    // without user and through one with user, judged a success on the stand-in's answer.
    void peticionesEnElCable() {
        const QByteArray cabecera("Connection: Close\r\nUser-Agent: Mozilla/4.7 [en] (Linux; U)\r\nHost: ");
        const QByteArray tipo("Content-type: application/x-www-form-urlencoded\r\n");
        const std::pair<const char *, QByteArray> casos[]{
            {"Amena", "POST /freesms/sendsms.html HTTP/1.0\r\n"
                      "Referer: http://sms.amena.es/freesms/vuoto.html\r\n" +
                          cabecera +
                          "sms.amena.es\r\n"
                          "Cookie: JSESSIONID=amena0001;idioma=es;WEBSMS_TEST_COOKIE=testcookie\r\n"
                          "Cookie2: $Version=\"1\"\r\n" +
                          tipo +
                          "Content-length: 70\r\n"
                          "\r\n"
                          "from=&cook=true&numero=600000001&msg=Hola+mundo&combocategoria=SALUDOS\r\n"
                          "\r\n"},
            {"Navegalia", "POST /cgi-bin/cgi-nav HTTP/1.0\r\n"
                          "Referer: http://www.navegalia.com/portal/ofiweb/sms/texto.htm\r\n" +
                              cabecera + "sms.navegalia.com\r\n" + tipo +
                              "Content-length: 58\r\n"
                              "\r\n"
                              "tNumber=600000001&nAddress=y\xF6@example.com&mBody=Hola+mundo\r\n"
                              "\r\n"},
            {"PanoramaActual", "POST /sms/sms.pl HTTP/1.0\r\n"
                               "Referer: http://sms.panoramaactual.com/sms/\r\n" +
                                   cabecera +
                                   "sms.panoramaactual.com\r\n"
                                   "Cookie: PANORAMA_SESION=panorama0001;idioma=es\r\n"
                                   "Cookie2: $Version=\"1\"\r\n" +
                                   tipo +
                                   "Content-length: 97\r\n"
                                   "\r\n"
                                   "NUM=600000001&resto=120&MSG=Hola+mundo&Enviar=+++Enviar+++&PANORAMA_"
                                   "SESION=panorama0001;idioma=es\r\n"
                                   "\r\n"},
            {"WebServicio", "GET "
                            "/servicios/gsmmoviles/"
                            "enviarmensaje.phtml?correoenvia=y\xF6@example.com&numero=600000001&mensaje=Hola+"
                            "mundo HTTP/1.0\r\n"
                            "Referer: http://webservicio.galeon.com/sms/index.html\r\n" +
                                cabecera + "www.webservicio.net\r\n" + tipo +
                                "\r\n"
                                "\r\n"},
            {"Movistar", "POST /confirmacion_envio.asp HTTP/1.0\r\n"
                         "Referer: http://sms.movistar.es/enviar_mensajes.asp\r\n" +
                             cabecera +
                             "sms.movistar.es\r\n"
                             "Cookie: ASPSESSIONIDQQGQGRST=MOVISTAR0001;idioma=es\r\n"
                             "Cookie2: $Version=\"1\"\r\n" +
                             tipo +
                             "Content-length: 131\r\n"
                             "\r\n"
                             "nocache=01%2F14%2F01+13%3A56%3A12+PM&confirmacion=1&telefono=600000001&email="
                             "y\xF6@example.com&mensaje_texto=Hola+mundo&caracteres=125\r\n"
                             "\r\n"},
            {"GsmNet", "POST /encolatodos.pl HTTP/1.0\r\n"
                       "Referer: http://www.gsmnet.es/envios/input.plx\r\n" +
                           cabecera + "envios.gsmnet.es\r\n" + tipo +
                           "Content-length: 69\r\n"
                           "\r\n"
                           "pref=600&tel=000001&CharCount=19&mensaje=Hola+mundo&B1=Enviar+Mensaje\r\n"
                           "\r\n"},
            {"SMSYes", "POST /cgi-bin/slanje.exe HTTP/1.0\r\n"
                       "Referer: http://www.smsyes.com/send.html\r\n" +
                           cabecera + "sms.smsyes.com\r\n" + tipo +
                           "Content-length: 73\r\n"
                           "\r\n"
                           "network=32&phonenum=34600000001&message=Hola+mundo&char=85&from=.&B1=Send\r\n"
                           "\r\n"}};
        for (const auto &[pasarela, directa] : casos)
            for (const QString &usuario : {u"directo"_s, QString(), u" toño "_s}) {
                BancoPasarela banco;
                asignarCampo(configuracion.email, u"yö@example.com"_s);
                asignarCampo(configuracion.usuario, u"toño"_s);
                const bool directo = usuario == u"directo"_s;
                if (!directo)
                    banco.usarProxy(usuario, u"clave"_s);
                QVERIFY(preparar(banco, QString::fromLatin1(pasarela)));
                QVERIFY(banco.intercambio.enviarPeticion());
                const QByteArray autorizacion =
                    usuario.isEmpty() ? "" : "Proxy-Authorization: Basic dG/xbzpjbGF2ZQ==";
                QCOMPARE(banco.ultimaPeticion(), directo ? directa : enFormaProxy(directa, autorizacion));
            }
    }

    void recogerCookies() {
        // answer -> cookies
        const char *casos[][2]{{"HTTP/1.1 200 OK\r\nSet-Cookie: SID=abc; path=/\r\nSet-Cookie: lang=es; "
                                "expires=Thu, 01 Jan 2030 00:00:00 GMT\r\n\r\n<html>",
                                "SID=abc;lang=es"},
                               {"HTTP/1.1 200 OK\r\nset-cookie: x=1; path=/\r\n\r\n", "x=1"},
                               {"Set-Cookie:x=1;\r\n", "=1"},
                               {"HTTP/1.1 200 OK\r\nServer: x\r\n\r\n<html>;</html>", ""},
                               {"HTTP/1.1 200 OK\r\nX-Cookie: a=1; b\r\n\r\n", "a=1"},
                               {"HTTP/1.1 200 OK\r\nX-cookie: a=1; b\r\n\r\n", ""},
                               {"Cookie: a=1; x\r\nCookie: b=2;\r\n", "a=1;b=2"},
                               {"Set-Cookie: SID=abc\r\nServer: x\r\n\r\n", "SID=abc"},
                               {"HTTP/1.1 200 OK\r\nSet-Cookie: SID=abc", "SID=abc"},
                               {"Cookie: a=1\r\nServer: x", "a=1"},
                               {"Set-Cookie: a=1\r\nX: y; z\r\n", "a=1\r\nX: y"},
                               {"Set-Cookie: ;\r\n", ";"},
                               {"Set-Cookie: a=1; p\nSet-Cookie: b=2; q\n", "a=1;b=2"},
                               {"Set-Cookie:", ";"}};
        for (const auto &[respuesta, cookies] : casos) {
            QString texto = QString::fromLatin1(respuesta);
            QCOMPARE(Pasarelas::recogerCookies(texto), QString::fromLatin1(cookies));
        }
    }

    // The cookie page's request through a proxy, and what is logged.
    void paginaDeCookies() {
        BancoPasarela banco;
        banco.usarProxy(u"ana"_s, u"secreto"_s);
        QCOMPARE(obtenerCookies(banco.intercambio, u"sms.movistar.es"_s, u"/enviar_mensajes.asp"_s),
                 u"ASPSESSIONIDQQGQGRST=MOVISTAR0001;idioma=es"_s);
        QCOMPARE(banco.ultimaPeticion(),
                 "GET http://sms.movistar.es/enviar_mensajes.asp HTTP/1.1\r\nProxy-Authorization: "
                 "Basic YW5hOnNlY3JldG8=\r\nConnection: Close\r\nHost: sms.movistar.es\r\n"
                 "User-Agent: Mozilla/4.7 [en] (Linux; U)\r\n\r\n\r\n");
        QCOMPARE(banco.salida.lineas,
                 QStringList({u"Recibiendo cookies..."_s, u"Cookies recibidas. Enviando mensaje..."_s}));
        banco.intercambio.desviarConexionesDirectas(u"127.0.0.1"_s, puertoCerrado());
        configuracion.usarProxy = 0;
        QCOMPARE(obtenerCookies(banco.intercambio, u"sms.example"_s, u"/"_s), QString());
        QCOMPARE(banco.salida.lineas.last(), u"No se han podido recibir las cookies"_s);
    }

    // A gateway that never sets its cookie gives up after a bounded number of tries,
    // or at once when the user cancels; Amena goes on with its fixed cookie alone.
    void cookieQueNuncaLlega() {
        // gateway, cancel after this many requests (0: never), connections made
        const std::tuple<QString, int, int> casos[]{
            {u"PanoramaActual"_s, 0, 5}, {u"Movistar"_s, 0, 5}, {u"Movistar"_s, 2, 2}, {u"Amena"_s, 0, 1}};
        for (const auto &[pasarela, cancelarTras, conexiones] : casos) {
            BancoPasarela banco;
            banco.simulador.opciones.sinCookies = true;
            banco.salida.alLogear = [&, cancelarTras = cancelarTras](const QString &) {
                banco.salida.cancelada =
                    cancelarTras > 0 && banco.simulador.peticiones().size() == cancelarTras;
            };
            QCOMPARE(preparar(banco, pasarela), pasarela == u"Amena"_s);
            QCOMPARE(banco.simulador.peticiones().size(), conexiones);
            QCOMPARE(banco.salida.lineas.last(), u"No se han recibido las cookies"_s);
            if (pasarela == u"Amena"_s)
                QCOMPARE(banco.intercambio.peticion.cookie, u";WEBSMS_TEST_COOKIE=testcookie"_s);
        }
    }
};

ZARCEL_TEST_MAIN(PruebaPlantillas)
#include "tst_plantillas.moc"
