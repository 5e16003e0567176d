#include "respuestas.h"

#include "common/campos.h"

namespace Simulador {

namespace {

QByteArray frase(int estado) {
    switch (estado) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 407:
        return "Proxy Authentication Required";
    case 413:
        return "Payload Too Large";
    case 431:
        return "Request Header Fields Too Large";
    case 503:
        return "Service Unavailable";
    default:
        return "Error";
    }
}

} // namespace

QByteArray respuestaHttp(int estado, const QByteArray &cabecerasExtra, const QString &titulo,
                         const QString &cuerpoHtml) {
    const QByteArray pagina = aAnsi(QStringLiteral("<html><head><title>%1</title></head>\r\n<body>\r\n%2\r\n"
                                                   "</body></html>\r\n")
                                        .arg(titulo.toHtmlEscaped(), cuerpoHtml));
    return "HTTP/1.0 " + QByteArray::number(estado) + ' ' + frase(estado) +
           "\r\n"
           "Server: gateway-sim\r\n"
           "Content-Type: text/html; charset=windows-1252\r\n"
           "Content-Length: " +
           QByteArray::number(pagina.size()) +
           "\r\n"
           "Connection: close\r\n" +
           cabecerasExtra + "\r\n" + pagina;
}

QByteArray respuestaExito(const PasarelaSimulada &pasarela) {
    return respuestaHttp(200, {}, pasarela.nombre, pasarela.htmlExito.arg(pasarela.textoExito));
}

QByteArray respuestaError(int estado, const QString &titulo, const QStringList &problemas,
                          const QByteArray &cabecerasExtra) {
    QString lista;
    for (const QString &problema : problemas)
        lista += QStringLiteral("<li>%1</li>\r\n").arg(problema.toHtmlEscaped());
    return respuestaHttp(estado, cabecerasExtra, titulo,
                         QStringLiteral("<h1>%1</h1>\r\n<ul>\r\n%2</ul>").arg(titulo.toHtmlEscaped(), lista));
}

QByteArray respuestaPaginaCookies(const PasarelaSimulada &pasarela, bool conCookies) {
    const QByteArray cookies = conCookies
                                   ? "Set-Cookie: " + pasarela.cookieSesion +
                                         "; path=/\r\n"
                                         "Set-Cookie: idioma=es; expires=Fri, 31-Dec-2038 23:59:59 GMT; "
                                         "path=/\r\n"
                                   : QByteArray();
    return respuestaHttp(
        200, cookies, pasarela.nombre,
        QStringLiteral("<p>Escriba su mensaje en el formulario de %1.</p>").arg(pasarela.nombre));
}

} // namespace Simulador
