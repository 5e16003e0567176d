#include "gateways/despacho.h"

#include "common/avisos.h"
#include "common/campos.h"
#include "common/saltos.h"
#include "common/tiempos.h"
#include "config/fichero_configuracion.h"
#include "gateways/catalogo.h"
#include "gateways/intercambio.h"
#include "gateways/log_envios.h"
#include "gateways/salida_envio.h"

#include <QElapsedTimer>

namespace Pasarelas {

EstadoDespacho despacho;

namespace {
qsizetype sinEspaciosFinales(const QString &texto) {
    qsizetype fin = texto.size();
    while (fin > 0 && texto.at(fin - 1) == QLatin1Char(' '))
        --fin;
    return fin;
}

// Up to six attempts at the prepared request, each retry reintentoMs after the
// previous attempt started; the pause ends early on a cancel.
void intentarParte(Intercambio &intercambio) {
    SalidaEnvio &salida = intercambio.salida();
    despacho.enviado = false;
    for (int reintentos = 0; !salida.cancelado() && !despacho.enviado; ++reintentos) {
        QElapsedTimer inicio;
        inicio.start();
        despacho.enviado = intercambio.enviarPeticion();
        if (despacho.enviado)
            break;
        if (reintentos == reintentosMaximos) {
            salida.logea(QStringLiteral("El mensaje no ha podido ser enviado"));
            break;
        }
        salida.logea(QStringLiteral("Reintentando enviar el mensaje..."));
        if (!salida.cancelado())
            intercambio.pausar(int(tiempos().reintentoMs - inicio.elapsed()));
    }
}
} // namespace

void partirMensaje(const QString &texto, int longitudParte, int numPartes, bool ordenInverso) {
    if (despacho.partes.size() < numPartes)
        despacho.partes.resize(numPartes);
    QString resto = texto;
    int ranura = ordenInverso ? numPartes : 1;
    for (int k = 1; !recortarEspacios(resto).isEmpty() && ranura >= 1 && ranura <= numPartes; ++k) {
        despacho.partes[ranura - 1] =
            QStringLiteral("(%1/%2)").arg(k).arg(numPartes) + resto.left(longitudParte);
        resto.remove(0, longitudParte);
        ranura += ordenInverso ? -1 : 1;
    }
}

void enviarMensaje(Intercambio &intercambio, const QString &pasarela, const QString &prefijo,
                   const QString &numero, const QString &mensaje, bool ordenInverso) {
    SalidaEnvio &salida = intercambio.salida();
    const QString nombre = recortarEspacios(pasarela);
    const EntradaCatalogo *entrada = buscarPasarela(nombre);
    if (prefijo != QLatin1String("34") && !(entrada && entrada->internacional)) {
        Avisos::aviso(QStringLiteral("Esta pasarela no permite el envio a moviles de fuera de España"));
        return;
    }
    if (!entrada || !entrada->plantilla) {
        salida.logea(QStringLiteral("La pasarela \"%1\" no está disponible: el mensaje "
                                    "no se ha enviado")
                         .arg(nombre));
        return;
    }
    despacho.limitePasarela = entrada->limite;

    const QString firma = textoCampo(configuracion.firma);
    const QString texto = firma + mensaje;
    const qsizetype caracteres = contarCaracteres(mensaje) + firma.size();
    const QString destino = QStringLiteral("Enviando mensaje a +") + prefijo + QLatin1Char(':') + numero +
                            QStringLiteral(" a traves de ") + nombre;
    int numPartes = 1;
    if (caracteres <= despacho.limitePasarela) {
        salida.logea(destino);
        despacho.partes[0] = texto;
    } else {
        const int longitudParte = despacho.limitePasarela - 5;
        numPartes = int((sinEspaciosFinales(texto) + longitudParte - 1) / longitudParte);
        salida.logea(destino + QStringLiteral(" en %1 partes").arg(numPartes));
        partirMensaje(texto, longitudParte, numPartes, ordenInverso);
    }
    if (configuracion.usarLog)
        logging::escribirLog(prefijo, numero, mensaje, nombre);

    for (int k = 1; k <= numPartes; ++k) {
        if (entrada->plantilla(intercambio, prefijo, numero, despacho.partes[k - 1]))
            intentarParte(intercambio);
        else if (!salida.cancelado())
            salida.logea(QStringLiteral("El mensaje no ha podido ser enviado"));
        if (salida.cancelado())
            return;
    }
}

} // namespace Pasarelas
