#include "banco_pasarela.h"

#include "gateways/catalogo.h"

using namespace Pasarelas;

namespace {
// A real tinyproxy on loopback asking for basic authentication, handing every
// request on to the gateway stand-in as its upstream proxy (the gateway hosts
// don't resolve here, so it must not try to reach them itself).
struct BancoProxyReal : BancoPasarela {
    QProcess proxy;
    quint16 puertoProxy = 0;

    // The free port may be taken between our probe and tinyproxy's bind: try again then.
    bool preparar() {
        const QString programa =
            QStandardPaths::findExecutable(u"tinyproxy"_s, {u"/usr/bin"_s, u"/usr/sbin"_s});
        if (programa.isEmpty() || simulador.puerto() == 0)
            return false;
        proxy.setProcessChannelMode(QProcess::MergedChannels);
        for (int intento = 0; intento < 3; ++intento) {
            puertoProxy = puertoCerrado();
            entorno.escribirFichero(
                u"tinyproxy.conf"_s,
                QStringLiteral("Listen 127.0.0.1\nPort %1\nTimeout 30\nMaxClients 20\nBasicAuth ana "
                               "secreto\nUpstream http 127.0.0.1:%2\nLogLevel Info\n")
                    .arg(puertoProxy)
                    .arg(simulador.puerto())
                    .toUtf8());
            proxy.start(programa, {u"-d"_s, u"-c"_s, entorno.ruta(u"tinyproxy.conf"_s)});
            if (proxy.waitForStarted(5000) && escuchando()) {
                usarProxy(u"ana"_s, u"secreto"_s, puertoProxy);
                return true;
            }
        }
        return false;
    }
    // Listening once a connection is accepted, within five seconds; gone if the process ended.
    bool escuchando() {
        return QTest::qWaitFor(
                   [&] {
                       QTcpSocket sonda;
                       sonda.connectToHost(QHostAddress::LocalHost, puertoProxy);
                       return proxy.state() != QProcess::Running || sonda.waitForConnected(200);
                   },
                   5000) &&
               proxy.state() == QProcess::Running;
    }
    QString diagnostico() { return simulador.error() + QString::fromLocal8Bit(proxy.readAll()); }
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
        banco.comprobarEnvioAceptado(pasarela);
        for (const Simulador::PeticionRecibida &peticion : banco.simulador.peticiones())
            QVERIFY2(peticion.formaProxy, "a request went around the proxy");
    }

    // Refused by the proxy every time, the cookie step too: nothing reaches the stand-in
    // and the send gives up.
    void credencialesErroneas() {
        for (const QString &pasarela : {u"GsmNet"_s, u"Movistar"_s}) {
            BancoProxyReal banco;
            QVERIFY2(banco.preparar(), qPrintable(banco.diagnostico()));
            asignarCampo(configuracion.password, u"otra"_s);
            banco.enviar(pasarela, u"Hola"_s);
            QCOMPARE(banco.simulador.conexionesAceptadas(), 0);
            QCOMPARE(banco.salida.lineas.last(), u"El mensaje no ha podido ser enviado"_s);
        }
    }
};

ZARCEL_TEST_MAIN(PruebaProxyReal)
#include "tst_proxy_real.moc"
