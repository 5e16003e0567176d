// The request builder with hostile settings, address-book fields and server
// answers: every byte the program writes reaches a local server that checks that
// no request line or header line carries a CR or LF of its own (a field that
// smuggled one in would split its line and add a header), that the body is as
// long as announced, and that the verdict matches the answer served.
#include "apoyo_fuzz.h"

#include "common/campos.h"
#include "config/fichero_configuracion.h"
#include "gateways/intercambio.h"
#include "gateways/plantillas.h"
#include "gateways/salida_envio.h"

#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

using namespace Pasarelas;

class SalidaMuda : public SalidaEnvio {
public:
    void logea(const QString &) override {}
    bool cancelado() const override { return false; }
    void mostrarRespuesta(const QString &) override {}
};

// The header names of a request, in the order the program writes them.
QString esquemaCabecera(const QList<QByteArray> &lineas) {
    QString esquema;
    for (qsizetype i = 1; i < lineas.size(); ++i) {
        const qsizetype dosPuntos = lineas[i].indexOf(": ");
        EXIGIR(dosPuntos > 0);
        esquema += QString::fromLatin1(lineas[i].left(dosPuntos)) + QLatin1Char('|');
    }
    return esquema;
}

// The lines of a request head, cut at each CR LF.
QList<QByteArray> lineasCabecera(const QByteArray &cabecera) {
    QList<QByteArray> lineas;
    qsizetype inicio = 0;
    for (qsizetype fin; (fin = cabecera.indexOf("\r\n", inicio)) >= 0; inicio = fin + 2)
        lineas.append(cabecera.mid(inicio, fin - inicio));
    lineas.append(cabecera.mid(inicio));
    return lineas;
}

// Checks one request; returns false while more bytes are due.
bool revisarPeticion(const QByteArray &datos, bool &esCookie) {
    const qsizetype finCabecera = datos.indexOf("\r\n\r\n");
    if (finCabecera < 0)
        return false;
    const QList<QByteArray> lineas = lineasCabecera(datos.left(finCabecera));
    for (const QByteArray &linea : lineas)
        EXIGIR(!linea.contains('\r') && !linea.contains('\n'));
    const QByteArray &peticion = lineas.first();
    esCookie = peticion.startsWith("GET ") && peticion.endsWith(" HTTP/1.1");
    static const QRegularExpression cookie(
        QStringLiteral("^(Proxy-Authorization\\|)?Connection\\|Host\\|User-Agent\\|$"));
    static const QRegularExpression formulario(
        QStringLiteral("^(Proxy-Authorization\\|)?Referer\\|Connection\\|User-Agent\\|Host\\|"
                       "(Cookie\\|Cookie2\\|)?Content-type\\|(Content-length\\|)?$"));
    const QString esquema = esquemaCabecera(lineas);
    qsizetype total = finCabecera + 6; // a GET ends in one more line end
    if (esCookie) {
        EXIGIR(cookie.match(esquema).hasMatch());
    } else {
        EXIGIR(formulario.match(esquema).hasMatch());
        const bool post = peticion.startsWith("POST ");
        EXIGIR((post || peticion.startsWith("GET ")) && peticion.endsWith(" HTTP/1.0"));
        EXIGIR(post == esquema.endsWith(QLatin1String("Content-length|")));
        if (post) { // the counted body and two line ends
            bool numero = false;
            const qsizetype cuerpo =
                lineas.last().mid(qsizetype(sizeof "Content-length: ") - 1).toLongLong(&numero);
            EXIGIR(numero && cuerpo >= 0);
            total = finCabecera + 4 + cuerpo + 4;
        }
    }
    if (datos.size() < total)
        return false;
    EXIGIR(datos.size() == total && datos.endsWith("\r\n\r\n"));
    return true;
}

// Serves the answers of one input: `cookies` to every cookie page, `final` to the form.
class Servidor {
public:
    Servidor() {
        EXIGIR(servidor.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&servidor, &QTcpServer::newConnection, [this] { atender(); });
    }
    quint16 puerto() const { return servidor.serverPort(); }

    QByteArray cookies;
    QByteArray final;
    QObject *conexiones = nullptr; // owner of this input's connections

private:
    void atender() {
        while (QTcpSocket *conexion = servidor.nextPendingConnection()) {
            conexion->setParent(conexiones);
            auto recibido = std::make_shared<QByteArray>();
            auto atendida = std::make_shared<bool>(false);
            QObject::connect(conexion, &QTcpSocket::readyRead, conexion, [=, this] {
                recibido->append(conexion->readAll());
                bool esCookie = false;
                if (*atendida || !revisarPeticion(*recibido, esCookie))
                    return;
                *atendida = true;
                conexion->write(esCookie ? cookies : final);
                conexion->disconnectFromHost();
            });
            // The program writes the whole request before it waits: a connection it
            // closes with less than that sent a broken request.
            QObject::connect(conexion, &QTcpSocket::disconnected, conexion, [=] { EXIGIR(*atendida); });
        }
    }

    QTcpServer servidor;
};

const Plantilla plantillas[] = {pasarelaAmena,       pasarelaNavegalia, pasarelaPanoramaActual,
                                pasarelaWebServicio, pasarelaMovistar,  pasarelaGsmNet,
                                pasarelaSMSYes};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano) {
    static Servidor servidor;
    static QTcpSocket socket;
    static SalidaMuda salida;
    static Intercambio intercambio(socket, salida);
    intercambio.desviarConexionesDirectas(QStringLiteral("127.0.0.1"), servidor.puerto());

    // control, user, password, e-mail, prefix, number, text, cookie page, form answer
    const QList<QByteArray> valores = trocearEntrada(datos, tamano, 9);
    const QByteArray control = valores[0] + QByteArray(2, '\0');
    configuracion = Configuracion::porDefecto();
    configuracion.usarProxy = aFlag(control[1] & 1);
    asignarCampo(configuracion.proxy, QStringLiteral("127.0.0.1"));
    asignarCampo(configuracion.puerto, QString::number(servidor.puerto()));
    configuracion.usuario = campoFijo(valores[1], 25);
    configuracion.password = campoFijo(valores[2], 25);
    configuracion.email = campoFijo(valores[3], 60);
    servidor.cookies = valores[7];
    servidor.final = valores[8];

    QObject conexiones;
    servidor.conexiones = &conexiones;
    const Plantilla plantilla = plantillas[quint8(control[0]) % std::size(plantillas)];
    if (plantilla(intercambio, desdeAnsi(valores[4]), desdeAnsi(valores[5]),
                  desdeAnsi(valores[6].left(2000)))) {
        const bool aceptado = intercambio.enviarPeticion();
        EXIGIR(aceptado == desdeAnsi(valores[8]).contains(intercambio.peticion.textoExito));
    }
    servidor.conexiones = nullptr;
    return 0;
}
