#include "gateways/plantillas.h"

#include "common/campos.h"
#include "config/fichero_configuracion.h"
#include "gateways/codificacion.h"
#include "gateways/cookies.h"
#include "gateways/hosts.h"
#include "gateways/intercambio.h"
#include "gateways/proxy.h"
#include "gateways/salida_envio.h"

#include <functional>

namespace Pasarelas {
namespace {
enum class PasoCookie { ninguno, unaVez, hastaObtener };

struct Formulario {
    QString pasarela;
    QString metodo;
    QString destino;     // target path (and query) without the protocol version
    QString rutaReferer; // also the page that sets the cookies, where the gateway has them
    PasoCookie paso;
    QString textoExito;
};

bool cookieHastaObtener(Intercambio &intercambio, const QString &ruta) {
    Peticion &peticion = intercambio.peticion;
    for (int intento = 0; intento < intentosCookie; ++intento) {
        if (intercambio.salida().cancelado())
            return false;
        peticion.cookie = obtenerCookies(intercambio, peticion.host, ruta);
        if (!recortarEspacios(peticion.cookie).isEmpty())
            return true;
    }
    return false;
}

// The steps every template shares, in order: host, method and target, proxy
// credentials, Referer, cookie step, body (built once the cookie is known), success text.
bool preparar(Intercambio &intercambio, const Formulario &formulario,
              const std::function<QString()> &cuerpo) {
    const HostsPasarela *hosts = hostsDe(formulario.pasarela);
    Peticion &peticion = intercambio.peticion;
    peticion = Peticion{};
    peticion.host = hosts->formulario;
    peticion.metodo = formulario.metodo;
    peticion.ruta = formulario.destino + QStringLiteral(" HTTP/1.0");
    peticion.autorizacionProxy = lineaAutorizacionProxy();
    peticion.referer = QStringLiteral("http://") + hosts->referer + formulario.rutaReferer;
    if (formulario.paso == PasoCookie::unaVez)
        peticion.cookie = obtenerCookies(intercambio, peticion.host, formulario.rutaReferer);
    else if (formulario.paso == PasoCookie::hastaObtener &&
             !cookieHastaObtener(intercambio, formulario.rutaReferer))
        return false;
    peticion.cuerpo = cuerpo();
    peticion.textoExito = formulario.textoExito;
    return true;
}

QString correo() {
    return textoCampo(configuracion.email);
}
} // namespace

bool pasarelaAmena(Intercambio &intercambio, const QString &, const QString &numero, const QString &texto) {
    // "\n" in the success text is a backslash and an n, as the answer page's script writes it.
    return preparar(intercambio,
                    {QStringLiteral("Amena"), QStringLiteral("POST"), QStringLiteral("/freesms/sendsms.html"),
                     QStringLiteral("/freesms/vuoto.html"), PasoCookie::unaVez,
                     QStringLiteral("Operación realizada.\\nSu mensaje ha sido enviado con éxito")},
                    [&] {
                        intercambio.peticion.cookie += QStringLiteral(";WEBSMS_TEST_COOKIE=testcookie");
                        return QStringLiteral("from=&cook=true&numero=") + numero + QStringLiteral("&msg=") +
                               codificarURL(texto) + QStringLiteral("&combocategoria=SALUDOS");
                    });
}

bool pasarelaNavegalia(Intercambio &intercambio, const QString &, const QString &numero,
                       const QString &texto) {
    return preparar(intercambio,
                    {QStringLiteral("Navegalia"), QStringLiteral("POST"), QStringLiteral("/cgi-bin/cgi-nav"),
                     QStringLiteral("/portal/ofiweb/sms/texto.htm"), PasoCookie::ninguno,
                     QStringLiteral("procesando correctamente")},
                    [&] {
                        return QStringLiteral("tNumber=") + numero + QStringLiteral("&nAddress=") + correo() +
                               QStringLiteral("&mBody=") + codificarURL(texto);
                    });
}

bool pasarelaPanoramaActual(Intercambio &intercambio, const QString &, const QString &numero,
                            const QString &texto) {
    return preparar(intercambio,
                    {QStringLiteral("PanoramaActual"), QStringLiteral("POST"), QStringLiteral("/sms/sms.pl"),
                     QStringLiteral("/sms/"), PasoCookie::hastaObtener,
                     QStringLiteral("Tu mensaje ha sido enviado con éxito.")},
                    [&] {
                        return QStringLiteral("NUM=") + numero + QStringLiteral("&resto=120&MSG=") +
                               codificarURL(texto) + QStringLiteral("&Enviar=+++Enviar+++&") +
                               intercambio.peticion.cookie;
                    });
}

bool pasarelaWebServicio(Intercambio &intercambio, const QString &, const QString &numero,
                         const QString &texto) {
    const QString destino = QStringLiteral("/servicios/gsmmoviles/enviarmensaje.phtml?correoenvia=") +
                            correo() + QStringLiteral("&numero=") + numero + QStringLiteral("&mensaje=") +
                            codificarURL(texto);
    // A GET sends no body; the field keeps a bare line break.
    return preparar(intercambio,
                    {QStringLiteral("WebServicio"), QStringLiteral("GET"), destino,
                     QStringLiteral("/sms/index.html"), PasoCookie::ninguno,
                     QStringLiteral("El mensaje se ha enviado")},
                    [] { return QStringLiteral("\r\n"); });
}

bool pasarelaMovistar(Intercambio &intercambio, const QString &, const QString &numero,
                      const QString &texto) {
    return preparar(
        intercambio,
        {QStringLiteral("Movistar"), QStringLiteral("POST"), QStringLiteral("/confirmacion_envio.asp"),
         QStringLiteral("/enviar_mensajes.asp"), PasoCookie::hastaObtener,
         QStringLiteral("ha sido enviado con")},
        [&] {
            return QStringLiteral("nocache=01%2F14%2F01+13%3A56%3A12+PM&confirmacion=1&telefono=") + numero +
                   QStringLiteral("&email=") + correo() + QStringLiteral("&mensaje_texto=") +
                   codificarURL(texto) + QStringLiteral("&caracteres=125");
        });
}

bool pasarelaGsmNet(Intercambio &intercambio, const QString &, const QString &numero, const QString &texto) {
    return preparar(intercambio,
                    {QStringLiteral("GsmNet"), QStringLiteral("POST"), QStringLiteral("/encolatodos.pl"),
                     QStringLiteral("/envios/input.plx"), PasoCookie::ninguno,
                     QStringLiteral("/envios/enviado.htm")},
                    [&] {
                        return QStringLiteral("pref=") + numero.left(3) + QStringLiteral("&tel=") +
                               numero.mid(3) + QStringLiteral("&CharCount=19&mensaje=") +
                               codificarURL(texto) + QStringLiteral("&B1=Enviar+Mensaje");
                    });
}

bool pasarelaSMSYes(Intercambio &intercambio, const QString &prefijo, const QString &numero,
                    const QString &texto) {
    return preparar(
        intercambio,
        {QStringLiteral("SMSYes"), QStringLiteral("POST"), QStringLiteral("/cgi-bin/slanje.exe"),
         QStringLiteral("/send.html"), PasoCookie::ninguno, QStringLiteral("Message has been SENT")},
        [&] {
            return QStringLiteral("network=32&phonenum=") + prefijo + numero + QStringLiteral("&message=") +
                   codificarURL(texto) + QStringLiteral("&char=85&from=.&B1=Send");
        });
}

} // namespace Pasarelas
