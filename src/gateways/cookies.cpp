#include "gateways/cookies.h"

#include "gateways/intercambio.h"
#include "gateways/proxy.h"
#include "gateways/salida_envio.h"

namespace Pasarelas {
namespace {
// Searches only move forward, so the ";" found last is reused while it lies
// ahead: a long answer full of headers is parsed in linear time.
class PuntoYComa {
public:
    explicit PuntoYComa(const QString &texto) : texto(texto) {}
    qsizetype desde(qsizetype posicion) {
        if (!buscado || (encontrado >= 0 && encontrado < posicion))
            encontrado = texto.indexOf(QLatin1Char(';'), posicion);
        buscado = true;
        return encontrado;
    }

private:
    const QString &texto;
    qsizetype encontrado = -1;
    bool buscado = false;
};

qsizetype finDeLinea(const QString &texto, qsizetype desde) {
    for (qsizetype i = desde; i < texto.size(); ++i) {
        if (texto.at(i) == QLatin1Char('\r') || texto.at(i) == QLatin1Char('\n'))
            return i;
    }
    return texto.size();
}

// Just past the line break that ends the line holding `desde`.
qsizetype siguienteLinea(const QString &texto, qsizetype desde) {
    qsizetype salto = texto.indexOf(QLatin1String("\r\n"), desde);
    if (salto >= 0)
        return salto + 2;
    salto = texto.indexOf(QLatin1Char('\n'), desde);
    return salto >= 0 ? salto + 1 : texto.size();
}
} // namespace

QString recogerCookies(QString &respuesta) {
    const QLatin1String fijaCookie("SET-COOKIE:");
    const QLatin1String cookie("Cookie:");
    PuntoYComa puntoYComa(respuesta);
    QString cookies;
    qsizetype base = 0; // everything before it counts as dropped

    qsizetype posicion = respuesta.indexOf(fijaCookie, 0, Qt::CaseInsensitive);
    if (posicion >= 0) {
        for (; posicion >= 0; posicion = respuesta.indexOf(fijaCookie, base, Qt::CaseInsensitive)) {
            const qsizetype inicio = posicion + 12; // past the colon and one blank
            const qsizetype fin = puntoYComa.desde(inicio);
            cookies += respuesta.mid(inicio, (fin >= 0 ? fin : finDeLinea(respuesta, inicio)) - inicio);
            cookies += QLatin1Char(';');
            base = siguienteLinea(respuesta, inicio);
            // Values running to a far ";" overlap, so a hostile answer of many headers
            // could add up to its length squared; no real set of cookies outgrows the answer.
            if (cookies.size() > respuesta.size())
                break;
        }
    } else if ((posicion = respuesta.indexOf(cookie)) >= 0) {
        for (; posicion >= 0; posicion = respuesta.indexOf(cookie, base)) {
            const qsizetype inicio = posicion + 8;
            const qsizetype fin = puntoYComa.desde(inicio);
            base = fin >= 0 ? fin : finDeLinea(respuesta, inicio);
            cookies += respuesta.mid(inicio, base - inicio);
            cookies += QLatin1Char(';');
        }
    }
    if (cookies.size() > 1)
        cookies.chop(1);
    respuesta.remove(0, base);
    return cookies;
}

QString obtenerCookies(Intercambio &intercambio, const QString &host, const QString &ruta) {
    SalidaEnvio &salida = intercambio.salida();
    salida.logea(QStringLiteral("Recibiendo cookies..."));
    if (!intercambio.conectar(host)) {
        salida.logea(QStringLiteral("No se han podido recibir las cookies"));
        return QString();
    }
    intercambio.enviarLineaPeticion(QStringLiteral("GET"), host, ruta + QStringLiteral(" HTTP/1.1"),
                                    lineaAutorizacionProxy());
    intercambio.enviarLinea(QStringLiteral("Connection: Close"));
    intercambio.enviarLinea(QStringLiteral("Host: ") + host);
    intercambio.enviarLinea(lineaAgenteUsuario());
    intercambio.enviarTexto(QStringLiteral("\r\n"));
    intercambio.enviarTexto(QStringLiteral("\r\n"));
    intercambio.esperarRespuesta();

    const QString cookies = recogerCookies(intercambio.respuesta);
    salida.logea(cookies.isEmpty() ? QStringLiteral("No se han recibido las cookies")
                                   : QStringLiteral("Cookies recibidas. Enviando mensaje..."));
    return cookies;
}

} // namespace Pasarelas
