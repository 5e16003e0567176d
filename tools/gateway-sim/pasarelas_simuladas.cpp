#include "pasarelas_simuladas.h"

#include "gateways/hosts.h"

namespace Simulador {

namespace {

QByteArray hostFormulario(const QString &nombre) {
    return Pasarelas::hostsDe(nombre)->formulario.toLatin1();
}

QByteArray urlReferer(const QString &nombre, const char *ruta) {
    return "http://" + Pasarelas::hostsDe(nombre)->referer.toLatin1() + ruta;
}

CampoEsperado fijo(const char *nombre, const char *valor) {
    return {QByteArray(nombre), TipoCampo::Fijo, QByteArray(valor)};
}
CampoEsperado numero(const char *nombre) {
    return {QByteArray(nombre), TipoCampo::Numero, {}};
}
CampoEsperado texto(const char *nombre) {
    return {QByteArray(nombre), TipoCampo::Texto, {}};
}
CampoEsperado correo(const char *nombre) {
    return {QByteArray(nombre), TipoCampo::Correo, {}};
}

const QString parrafo = QStringLiteral("<p>%1</p>");

QList<PasarelaSimulada> construirTabla() {
    const QString amena = QStringLiteral("Amena");
    const QString navegalia = QStringLiteral("Navegalia");
    const QString panorama = QStringLiteral("PanoramaActual");
    const QString webServicio = QStringLiteral("WebServicio");
    const QString movistar = QStringLiteral("Movistar");
    const QString gsmNet = QStringLiteral("GsmNet");
    const QString smsYes = QStringLiteral("SMSYes");
    return {
        {amena,
         hostFormulario(amena),
         "POST",
         "/freesms/sendsms.html",
         urlReferer(amena, "/freesms/vuoto.html"),
         false,
         "/freesms/vuoto.html",
         "JSESSIONID=amena0001",
         ";WEBSMS_TEST_COOKIE=testcookie",
         {fijo("from", ""), fijo("cook", "true"), numero("numero"), texto("msg"),
          fijo("combocategoria", "SALUDOS")},
         false,
         // A backslash and an "n": the page's script holds the escape, not a line break.
         QStringLiteral("Operación realizada.\\nSu mensaje ha sido enviado con éxito"),
         QStringLiteral("<script>alert(\"%1\");</script>")},
        {navegalia,
         hostFormulario(navegalia),
         "POST",
         "/cgi-bin/cgi-nav",
         urlReferer(navegalia, "/portal/ofiweb/sms/texto.htm"),
         false,
         {},
         {},
         {},
         {numero("tNumber"), correo("nAddress"), texto("mBody")},
         false,
         QStringLiteral("procesando correctamente"),
         QStringLiteral("<p>Su mensaje se está %1.</p>")},
        {panorama,
         hostFormulario(panorama),
         "POST",
         "/sms/sms.pl",
         urlReferer(panorama, "/sms/"),
         false,
         "/sms/",
         "PANORAMA_SESION=panorama0001",
         {},
         {numero("NUM"), fijo("resto", "120"), texto("MSG"), fijo("Enviar", "+++Enviar+++")},
         true,
         QStringLiteral("Tu mensaje ha sido enviado con éxito."),
         parrafo},
        {webServicio,
         hostFormulario(webServicio),
         "GET",
         "/servicios/gsmmoviles/enviarmensaje.phtml",
         urlReferer(webServicio, "/"),
         true,
         {},
         {},
         {},
         {correo("correoenvia"), numero("numero"), texto("mensaje")},
         false,
         QStringLiteral("El mensaje se ha enviado"),
         parrafo},
        {movistar,
         hostFormulario(movistar),
         "POST",
         "/confirmacion_envio.asp",
         urlReferer(movistar, "/enviar_mensajes.asp"),
         false,
         "/enviar_mensajes.asp",
         "ASPSESSIONIDQQGQGRST=MOVISTAR0001",
         {},
         {fijo("nocache", "01%2F14%2F01+13%3A56%3A12+PM"), fijo("confirmacion", "1"), numero("telefono"),
          correo("email"), texto("mensaje_texto"), fijo("caracteres", "125")},
         false,
         QStringLiteral("ha sido enviado con"),
         QStringLiteral("<p>Su mensaje %1 éxito.</p>")},
        {gsmNet,
         hostFormulario(gsmNet),
         "POST",
         "/encolatodos.pl",
         urlReferer(gsmNet, "/envios/input.plx"),
         false,
         {},
         {},
         {},
         {numero("pref"), numero("tel"), fijo("CharCount", "19"), texto("mensaje"),
          fijo("B1", "Enviar+Mensaje")},
         false,
         QStringLiteral("/envios/enviado.htm"),
         QStringLiteral("<meta http-equiv=\"refresh\" content=\"0; url=%1\">")},
        {smsYes,
         hostFormulario(smsYes),
         "POST",
         "/cgi-bin/slanje.exe",
         urlReferer(smsYes, "/send.html"),
         false,
         {},
         {},
         {},
         {fijo("network", "32"), numero("phonenum"), texto("message"), fijo("char", "85"), fijo("from", "."),
          fijo("B1", "Send")},
         false,
         QStringLiteral("Message has been SENT"),
         parrafo},
    };
}

} // namespace

const QList<PasarelaSimulada> &pasarelasSimuladas() {
    static const QList<PasarelaSimulada> tabla = construirTabla();
    return tabla;
}

const PasarelaSimulada *pasarelaDeRuta(const QByteArray &ruta, bool *esPaginaCookies) {
    for (const PasarelaSimulada &pasarela : pasarelasSimuladas()) {
        if (ruta == pasarela.rutaFormulario || (pasarela.usaCookies() && ruta == pasarela.rutaCookies)) {
            *esPaginaCookies = ruta != pasarela.rutaFormulario;
            return &pasarela;
        }
    }
    *esPaginaCookies = false;
    return nullptr;
}

} // namespace Simulador
