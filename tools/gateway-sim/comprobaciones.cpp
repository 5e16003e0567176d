#include "comprobaciones.h"

namespace Simulador {

namespace {

QString texto(const QByteArray &bytes) {
    return QString::fromLatin1(bytes);
}

// A proxy may name the default port ("host:80"), which is the same host.
bool esHost(const QByteArray &nombrado, const QByteArray &host) {
    return nombrado == host || nombrado == host + ":80";
}

// Host, absolute URI and proxy credentials: what every request to a gateway must get right.
void comprobarDestino(const PasarelaSimulada &pasarela, const PeticionRecibida &peticion,
                      QStringList &problemas) {
    if (peticion.formaProxy && !esHost(peticion.hostDestino, pasarela.host))
        problemas.append(QStringLiteral("el URI absoluto no nombra el host %1").arg(texto(pasarela.host)));
    if (!esHost(peticion.cabecera("Host"), pasarela.host))
        problemas.append(QStringLiteral("la cabecera Host no es %1").arg(texto(pasarela.host)));
    if (!peticion.formaProxy && peticion.tieneCabecera("Proxy-Authorization"))
        problemas.append(QStringLiteral("una petición directa no debe llevar Proxy-Authorization"));
}

// Letters, digits, "+" and "%HH" with upper-case hexadecimal digits.
bool bienCodificado(const QByteArray &valor) {
    const auto esHex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
    for (qsizetype i = 0; i < valor.size(); ++i) {
        const char c = valor[i];
        if (c == '%') {
            if (i + 2 >= valor.size() || !esHex(valor[i + 1]) || !esHex(valor[i + 2]))
                return false;
            i += 2;
        } else if (!(c == '+' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                     (c >= 'a' && c <= 'z'))) {
            return false;
        }
    }
    return true;
}

void comprobarValor(const CampoEsperado &esperado, const QByteArray &valor, QStringList &problemas) {
    const QString nombre = texto(esperado.nombre);
    switch (esperado.tipo) {
    case TipoCampo::Fijo:
        if (valor != esperado.valor)
            problemas.append(QStringLiteral("el campo %1 no vale \"%2\"").arg(nombre, texto(esperado.valor)));
        break;
    case TipoCampo::Numero:
        if (valor.isEmpty())
            problemas.append(QStringLiteral("el campo %1 está vacío").arg(nombre));
        break;
    case TipoCampo::Texto:
        if (valor.isEmpty())
            problemas.append(QStringLiteral("el campo %1 (el texto del mensaje) está vacío").arg(nombre));
        else if (!bienCodificado(valor))
            problemas.append(QStringLiteral("el campo %1 no está codificado para URL").arg(nombre));
        break;
    case TipoCampo::Correo:
        break;
    }
}

QByteArray nombresEsperados(const PasarelaSimulada &pasarela) {
    QByteArrayList nombres;
    for (const CampoEsperado &campo : pasarela.campos)
        nombres.append(campo.nombre);
    return nombres.join(", ");
}

// The raw "name=value" pieces in order; with the cookie at the end, whatever
// follows the last expected field is the cookie, kept whole.
void comprobarCampos(const PasarelaSimulada &pasarela, const QByteArray &codificado, const QByteArray &cookie,
                     QStringList &problemas) {
    QList<QByteArray> trozos = codificado.split('&');
    const qsizetype cuantos = pasarela.campos.size();
    if (pasarela.cookieEnCuerpo) {
        const QByteArray cola = trozos.size() > cuantos ? trozos.mid(cuantos).join('&') : QByteArray();
        if (cola != cookie)
            problemas.append(
                QStringLiteral("el cuerpo no termina en \"&\" y la cookie de la cabecera Cookie"));
        trozos = trozos.mid(0, cuantos);
    }
    bool nombresBien = trozos.size() == cuantos;
    for (qsizetype i = 0; nombresBien && i < cuantos; ++i) {
        const qsizetype igual = trozos[i].indexOf('=');
        nombresBien = igual >= 0 && trozos[i].left(igual) == pasarela.campos[i].nombre;
    }
    if (!nombresBien) {
        problemas.append(
            QStringLiteral("los campos no son %1, en ese orden").arg(texto(nombresEsperados(pasarela))));
        return;
    }
    for (qsizetype i = 0; i < cuantos; ++i)
        comprobarValor(pasarela.campos[i], trozos[i].mid(trozos[i].indexOf('=') + 1), problemas);
}

void comprobarCookie(const PasarelaSimulada &pasarela, const PeticionRecibida &peticion, bool cookieRepartida,
                     QStringList &problemas) {
    const QByteArray cookie = peticion.cabecera("Cookie");
    if (!pasarela.usaCookies()) {
        if (!cookie.isNull())
            problemas.append(QStringLiteral("esta pasarela no usa cookies y llegó una cabecera Cookie"));
        return;
    }
    if (cookie.isEmpty()) {
        problemas.append(QStringLiteral("falta la cabecera Cookie"));
        return;
    }
    if (peticion.cabecera("Cookie2") != "$Version=\"1\"")
        problemas.append(QStringLiteral("falta la cabecera Cookie2: $Version=\"1\""));
    if (cookieRepartida && !cookie.split(';').contains(pasarela.cookieSesion))
        problemas.append(QStringLiteral("la cabecera Cookie no trae la cookie de sesión %1")
                             .arg(texto(pasarela.cookieSesion)));
    if (!pasarela.cookieFinal.isEmpty() && !cookie.endsWith(pasarela.cookieFinal))
        problemas.append(
            QStringLiteral("la cabecera Cookie no termina en %1").arg(texto(pasarela.cookieFinal)));
}

void comprobarReferer(const PasarelaSimulada &pasarela, const PeticionRecibida &peticion,
                      QStringList &problemas) {
    const QByteArray referer = peticion.cabecera("Referer");
    if (pasarela.refererPrefijo) {
        if (!referer.startsWith(pasarela.referer))
            problemas.append(
                QStringLiteral("la cabecera Referer no empieza por %1").arg(texto(pasarela.referer)));
    } else if (referer != pasarela.referer) {
        problemas.append(QStringLiteral("la cabecera Referer no es %1").arg(texto(pasarela.referer)));
    }
}

} // namespace

QStringList comprobarFormulario(const PasarelaSimulada &pasarela, const PeticionRecibida &peticion,
                                bool cookieRepartida) {
    QStringList problemas;
    const bool esPost = pasarela.metodo == "POST";
    if (peticion.metodo != pasarela.metodo)
        problemas.append(QStringLiteral("el método no es %1").arg(texto(pasarela.metodo)));
    comprobarDestino(pasarela, peticion, problemas);
    comprobarReferer(pasarela, peticion, problemas);
    if (peticion.cabecera("Content-type") != "application/x-www-form-urlencoded")
        problemas.append(QStringLiteral("falta Content-type: application/x-www-form-urlencoded"));
    const bool conLongitud = peticion.tieneCabecera("Content-length");
    if (esPost && !conLongitud)
        problemas.append(QStringLiteral("falta la cabecera Content-length"));
    if (!esPost && (conLongitud || !peticion.cuerpo.isEmpty()))
        problemas.append(QStringLiteral("una petición GET no lleva Content-length ni cuerpo"));
    comprobarCookie(pasarela, peticion, cookieRepartida, problemas);
    comprobarCampos(pasarela, esPost ? peticion.cuerpo : peticion.consulta, peticion.cabecera("Cookie"),
                    problemas);
    return problemas;
}

QStringList comprobarPaginaCookies(const PasarelaSimulada &pasarela, const PeticionRecibida &peticion) {
    QStringList problemas;
    if (peticion.metodo != "GET")
        problemas.append(QStringLiteral("el método no es GET"));
    comprobarDestino(pasarela, peticion, problemas);
    return problemas;
}

} // namespace Simulador
