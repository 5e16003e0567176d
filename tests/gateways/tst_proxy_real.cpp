#include "banco_pasarela.h"
#include "envio_simulado.h"

#include "gateways/catalogo.h"
#include "gateways/despacho.h"
#include "simulador_pasarelas.h"

#include <QProcess>
#include <QStandardPaths>

#include <memory>

using namespace Pasarelas;

namespace {

const QString usuarioProxy = QStringLiteral("ana");
const QString claveProxy = QStringLiteral("secreto");

// A real tinyproxy on loopback, asking for basic authentication and handing
// every request on to the gateway stand-in as its upstream proxy (the gateway
// hosts don't resolve here, so it must not try to reach them itself).
class Tinyproxy {
public:
    // Its configuration file goes in the test's folder.
    Tinyproxy(quint16 puertoSimulador, const EntornoPrueba &entorno) : entorno(entorno) {
        const QString programa = QStandardPaths::findExecutable(
            QStringLiteral("tinyproxy"), {QStringLiteral("/usr/bin"), QStringLiteral("/usr/sbin")});
        if (programa.isEmpty()) {
            fallo = QStringLiteral("tinyproxy no está instalado");
            return;
        }
        proceso.setProcessChannelMode(QProcess::MergedChannels);
        // The free port can be taken between our probe and tinyproxy's bind: try again then.
        for (int intento = 0; intento < 3 && !listo; ++intento)
            listo = arrancar(programa, puertoSimulador);
    }
    ~Tinyproxy() {
        proceso.kill();
        proceso.waitForFinished(5000);
    }

    bool listo = false;
    quint16 puerto = 0;
    QString fallo;

    QString registro() { return fallo + QString::fromLocal8Bit(proceso.readAll()); }

private:
    bool arrancar(const QString &programa, quint16 puertoSimulador) {
        puerto = puertoCerrado();
        const QString conf = QStringLiteral("Listen 127.0.0.1\nPort %1\nTimeout 30\nMaxClients 20\n"
                                            "BasicAuth %2 %3\nUpstream http 127.0.0.1:%4\nLogLevel Info\n")
                                 .arg(puerto)
                                 .arg(usuarioProxy, claveProxy)
                                 .arg(puertoSimulador);
        const QString nombre = QStringLiteral("tinyproxy.conf");
        entorno.escribirFichero(nombre, conf.toUtf8());
        proceso.start(programa, {QStringLiteral("-d"), QStringLiteral("-c"), entorno.ruta(nombre)});
        if (!proceso.waitForStarted(5000))
            return false;
        return esperarEscucha();
    }

    // Listening once a connection is accepted; gone if the process ended.
    bool esperarEscucha() {
        for (int intento = 0; intento < 100; ++intento) {
            if (proceso.state() != QProcess::Running)
                return false;
            QTcpSocket sonda;
            sonda.connectToHost(QHostAddress::LocalHost, puerto);
            if (sonda.waitForConnected(200))
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    const EntornoPrueba &entorno;
    QProcess proceso;
};

// The stand-in without credentials of its own (tinyproxy consumes them), with
// tinyproxy in front of it as the configured proxy.
struct BancoProxyReal : BancoPasarela {
    Simulador::SimuladorPasarelas simulador;
    std::unique_ptr<Tinyproxy> proxy;

    bool preparar() {
        if (!simulador.iniciar())
            return false;
        proxy = std::make_unique<Tinyproxy>(simulador.puerto(), entorno);
        if (!proxy->listo)
            return false;
        usarProxy(usuarioProxy, claveProxy);
        asignarCampo(configuracion.puerto, QString::number(proxy->puerto));
        return true;
    }
    QString diagnostico() { return proxy ? proxy->registro() : simulador.error(); }
};

} // namespace

class PruebaProxyReal : public QObject {
    Q_OBJECT
private slots:
    void credencialesCorrectas_data() {
        QTest::addColumn<QString>("pasarela");
        for (const QString &pasarela : pasarelasDisponibles())
            QTest::newRow(qPrintable(pasarela)) << pasarela;
    }
    // Cookie step and form, each through the proxy, reach the stand-in intact.
    void credencialesCorrectas() {
        QFETCH(QString, pasarela);
        BancoProxyReal banco;
        QVERIFY2(banco.preparar(), qPrintable(banco.diagnostico()));
        comprobarEnvioAceptado(banco.intercambio, banco.salida, banco.simulador, pasarela);
        // Nothing went around the proxy to the direct-connection server.
        QVERIFY(banco.servidor.peticiones.isEmpty());
    }

    void credencialesErroneas_data() {
        QTest::addColumn<QString>("pasarela");
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("clave");
        QTest::newRow("clave errada") << "GsmNet" << usuarioProxy << "otra";
        QTest::newRow("sin usuario") << "GsmNet"
                                     << ""
                                     << "";
        QTest::newRow("clave errada, paso de cookies") << "Movistar" << usuarioProxy << "otra";
    }
    // Refused by the proxy every time: nothing reaches the stand-in and the send gives up.
    void credencialesErroneas() {
        QFETCH(QString, pasarela);
        QFETCH(QString, usuario);
        QFETCH(QString, clave);
        BancoProxyReal banco;
        QVERIFY2(banco.preparar(), qPrintable(banco.diagnostico()));
        asignarCampo(configuracion.usuario, usuario);
        asignarCampo(configuracion.password, clave);
        enviarMensaje(banco.intercambio, pasarela, QStringLiteral("34"), QStringLiteral("600000001"),
                      QStringLiteral("Hola"), false);
        QCOMPARE(banco.simulador.conexionesAceptadas(), 0);
        QCOMPARE(banco.salida.lineas.last(), QStringLiteral("El mensaje no ha podido ser enviado"));
        QVERIFY(!banco.salida.lineas.contains(QStringLiteral("Mensaje enviado correctamente")));
    }
};

ZARCEL_TEST_MAIN(PruebaProxyReal)
#include "tst_proxy_real.moc"
