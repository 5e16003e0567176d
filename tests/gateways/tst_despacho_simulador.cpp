#include "banco_pasarela.h"
#include "envio_simulado.h"

#include "gateways/catalogo.h"
#include "gateways/despacho.h"
#include "simulador_pasarelas.h"

using namespace Pasarelas;

namespace {
// The stand-in as the configured proxy, asking for the credentials the settings hold.
struct BancoSimulador : BancoPasarela {
    Simulador::SimuladorPasarelas simulador;
    BancoSimulador() {
        simulador.opciones.credencialesProxy = QStringLiteral("ana:secreto");
        simulador.iniciar();
        usarProxy(QStringLiteral("ana"), QStringLiteral("secreto"));
        asignarCampo(configuracion.puerto, QString::number(simulador.puerto()));
    }
};
} // namespace

class PruebaDespachoSimulador : public QObject {
    Q_OBJECT
private slots:
    void cadaPasarela_data() {
        QTest::addColumn<QString>("pasarela");
        for (const QString &pasarela : pasarelasDisponibles())
            QTest::newRow(qPrintable(pasarela)) << pasarela;
    }
    // Every template's request passes the stand-in's field checks and is judged a success.
    void cadaPasarela() {
        QFETCH(QString, pasarela);
        BancoSimulador banco;
        comprobarEnvioAceptado(banco.intercambio, banco.salida, banco.simulador, pasarela);
    }

    void amenaEnDosPartes() {
        BancoSimulador banco;
        enviarMensaje(banco.intercambio, QStringLiteral("Amena"), QStringLiteral("34"),
                      QStringLiteral("600000001"), QString(131, QLatin1Char('a')), false);
        const auto formularios = banco.simulador.formulariosRecibidos();
        QCOMPARE(formularios.size(), 2);
        QCOMPARE(formularios[0].campo(QStringLiteral("msg")),
                 QStringLiteral("(1/2)") + QString(125, QLatin1Char('a')));
        QCOMPARE(formularios[1].campo(QStringLiteral("msg")), QStringLiteral("(2/2)aaaaaa"));
    }

    void fallosDelSimulador_data() {
        QTest::addColumn<QString>("pasarela");
        QTest::addColumn<int>("fallarPrimeros");
        QTest::addColumn<bool>("sinCookies");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<int>("formularios");
        QTest::addColumn<QString>("ultimaLinea");
        const QString exito = QStringLiteral("Mensaje enviado correctamente");
        const QString abandono = QStringLiteral("El mensaje no ha podido ser enviado");
        QTest::newRow("exito al tercero") << "Navegalia" << 2 << false << "secreto" << 3 << exito;
        QTest::newRow("seis fallos") << "SMSYes" << 6 << false << "secreto" << 6 << abandono;
        QTest::newRow("clave del proxy errada") << "GsmNet" << 0 << false << "otra" << 6 << abandono;
        QTest::newRow("Movistar sin cookie") << "Movistar" << 0 << true << "secreto" << 0 << abandono;
    }
    void fallosDelSimulador() {
        QFETCH(QString, pasarela);
        QFETCH(int, fallarPrimeros);
        QFETCH(bool, sinCookies);
        QFETCH(QString, clave);
        QFETCH(int, formularios);
        QFETCH(QString, ultimaLinea);
        BancoSimulador banco;
        banco.simulador.opciones.fallarPrimeros = fallarPrimeros;
        banco.simulador.opciones.sinCookies = sinCookies;
        asignarCampo(configuracion.password, clave);
        enviarMensaje(banco.intercambio, pasarela, QStringLiteral("34"), QStringLiteral("600000001"),
                      QStringLiteral("Hola"), false);
        QCOMPARE(banco.simulador.formulariosRecibidos().size(), formularios);
        QCOMPARE(banco.salida.lineas.last(), ultimaLinea);
        if (sinCookies)
            QCOMPARE(banco.simulador.peticiones().size(), intentosCookie);
    }
};

ZARCEL_TEST_MAIN(PruebaDespachoSimulador)
#include "tst_despacho_simulador.moc"
