#include "support/entorno_prueba.h"

#include "addressbook/dialogos.h"
#include "app/caja_mensaje.h"
#include "app/frm_principal.h"
#include "common/campos.h"
#include "common/carpeta.h"
#include "common/colores.h"
#include "config/fichero_configuracion.h"
#include "config/frm_opciones.h"
#include "config/muestra_color.h"
#include "config/registro.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

namespace {

void grabarFicheroConfiguracion(const Configuracion &registro) {
    QVERIFY(grabarConfiguracion(registro));
}

Configuracion configuracionGrabada(const EntornoPrueba &entorno) {
    return configuracionDesdeBytes(entorno.leerFichero(QStringLiteral("zarcel.cfg")));
}

void abrir(frmOpciones &ventana) {
    ventana.show();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
}

void escribir(QWidget *ventana, const char *nombre, const QString &texto) {
    auto *caja = buscarControl<QLineEdit>(ventana, QString::fromUtf8(nombre));
    caja->clear();
    QTest::keyClicks(caja, texto);
}

void dobleClic(QWidget *ventana, const QString &nombre) {
    QTest::mouseDClick(buscarControl<MuestraColor>(ventana, nombre), Qt::LeftButton);
}

void pulsarPestana(QWidget *ventana, int indice) {
    auto *pestanas = buscarControl<QTabBar>(ventana, QStringLiteral("tabSeleccion"));
    QTest::mouseClick(pestanas, Qt::LeftButton, {}, pestanas->tabRect(indice).center());
}

// A check box takes clicks on its box and caption only, not on the whole row.
void pulsar(QCheckBox *casilla) {
    QTest::mouseClick(casilla, Qt::LeftButton, {}, QPoint(6, casilla->height() / 2));
}

QString comandoEsperado() {
    return rutaEjecutable() + QStringLiteral(" --hide");
}

} // namespace

class PruebaOpciones : public QObject {
    Q_OBJECT
private slots:
    void okCompruebaElProxySoloSiSeUsa_data() {
        QTest::addColumn<bool>("usarProxy");
        QTest::addColumn<QString>("proxy");
        QTest::addColumn<QString>("puerto");
        QTest::addColumn<QString>("mensaje"); // empty: saved and closed
        const QString sinProxy = QStringLiteral("Debe especificar un proxy a utilizar");
        const QString sinPuerto = QStringLiteral("Debe especificar el puerto a utilizar");
        QTest::newRow("proxy vacio") << true << ""
                                     << "8080" << sinProxy;
        QTest::newRow("ambos vacios: primero el proxy") << true << ""
                                                        << "" << sinProxy;
        QTest::newRow("puerto vacio") << true << "proxy.local"
                                      << "" << sinPuerto;
        QTest::newRow("un blanco cuenta como texto") << true << " "
                                                     << " "
                                                     << "";
        QTest::newRow("puerto no numerico aceptado") << true << "proxy.local"
                                                     << "abc"
                                                     << "";
        QTest::newRow("sin proxy se aceptan vacios") << false << ""
                                                     << ""
                                                     << "";
    }
    void okCompruebaElProxySoloSiSeUsa() {
        QFETCH(bool, usarProxy);
        QFETCH(QString, proxy);
        QFETCH(QString, puerto);
        QFETCH(QString, mensaje);
        EntornoPrueba entorno;
        grabarFicheroConfiguracion(Configuracion::porDefecto());
        const QByteArray antes = entorno.leerFichero(QStringLiteral("zarcel.cfg"));

        frmOpciones ventana;
        abrir(ventana);
        ventana.seleccionarPagina(3);
        if (usarProxy)
            pulsar(ventana.chkProxy);
        QCOMPARE(ventana.chkProxy->isChecked(), usarProxy);
        QCOMPARE(ventana.txtProxy->isEnabled(), usarProxy);
        escribir(&ventana, "txtProxy", proxy);
        escribir(&ventana, "txtPuerto", puerto);
        QTest::mouseClick(ventana.btnOK, Qt::LeftButton);

        if (mensaje.isEmpty()) {
            QVERIFY(entorno.avisos.isEmpty());
            QVERIFY(!ventana.isVisible());
            QCOMPARE(ventana.result(), int(QDialog::Accepted));
            const Configuracion grabada = configuracionGrabada(entorno);
            QCOMPARE(grabada.usarProxy, aFlag(usarProxy));
            QCOMPARE(grabada.proxy, campoFijo(proxy, 50));
            QCOMPARE(grabada.puerto, campoFijo(puerto, 5));
        } else {
            QCOMPARE(entorno.avisos, QStringList{mensaje});
            QVERIFY(ventana.isVisible());
            QCOMPARE(entorno.leerFichero(QStringLiteral("zarcel.cfg")), antes);
        }
    }

    void cargaYGrabaUnRegistroNuevo() {
        EntornoPrueba entorno;
        Configuracion guardada = Configuracion::porDefecto();
        asignarCampo(guardada.servidorNacionales, QStringLiteral("  GsmNet"));
        asignarCampo(guardada.servidorAirtel, QStringLiteral("Terra"));
        asignarCampo(guardada.servidorAmena, QStringLiteral("MiNick"));
        // A name its list does not offer is carried back as stored.
        asignarCampo(guardada.servidorInternacional, QStringLiteral("Totalise"));
        guardada.usarProxy = -1;
        asignarCampo(guardada.proxy, QStringLiteral(" proxy.local "));
        asignarCampo(guardada.puerto, QStringLiteral("3128"));
        asignarCampo(guardada.firma, QStringLiteral("Ana"));
        guardada.usarLog = -1;
        asignarCampo(guardada.skin, QStringLiteral("azul"));
        guardada.colorFondoPantalla = 0x00112233;
        grabarFicheroConfiguracion(guardada);

        frmOpciones ventana;
        abrir(ventana);
        QCOMPARE(ventana.cmbServidor[0]->currentText(), QStringLiteral("GsmNet"));
        QCOMPARE(ventana.cmbServidor[3]->currentText(), QStringLiteral("Totalise"));
        QVERIFY(!ventana.cmbServidor[1]->isVisibleTo(&ventana));
        QCOMPARE(ventana.txtProxy->text(), QStringLiteral("proxy.local"));
        // Ticked by the load: the proxy boxes and their labels follow.
        QVERIFY(ventana.chkProxy->isChecked());
        ventana.seleccionarPagina(3);
        QVERIFY(ventana.txtPassword->isEnabled() && ventana.lblPassword->isEnabled());
        ventana.seleccionarPagina(1);
        QVERIFY(ventana.chkLogea->isChecked());
        QCOMPARE(ventana.pctPicture[3]->color(), quint32(0x00112233));
        QCOMPARE(ventana.pctPicture[3]->palette().color(QPalette::Window), QColor(0x33, 0x22, 0x11));

        escribir(&ventana, "txtFirma", QStringLiteral(" Luis "));
        escribir(&ventana, "txtEmail", QString(70, QLatin1Char('e')));
        ventana.txtPassword->setText(QStringLiteral("señal"));
        QTest::mouseClick(ventana.btnOK, Qt::LeftButton);
        QVERIFY(!ventana.isVisible());

        const QByteArray bytes = entorno.leerFichero(QStringLiteral("zarcel.cfg"));
        QCOMPARE(bytes.size(), Configuracion::tamano);
        const Configuracion grabada = configuracionDesdeBytes(bytes);
        for (const QByteArray &sinUso :
             {grabada.reservado1, grabada.reservado2, grabada.skin, grabada.reservado3, grabada.reservado4})
            QCOMPARE(sinUso, QByteArray(sinUso.size(), '\0'));
        QCOMPARE(grabada.servidorNacionales, campoFijo(QByteArray("GsmNet"), 20));
        QCOMPARE(grabada.servidorAirtel, campoFijo(QByteArray("Terra"), 20));
        QCOMPARE(grabada.servidorAmena, campoFijo(QByteArray("MiNick"), 20));
        QCOMPARE(grabada.servidorInternacional, campoFijo(QByteArray("Totalise"), 20));
        QCOMPARE(grabada.firma, campoFijo(QByteArray(" Luis "), 25)); // as typed, not stripped
        QCOMPARE(grabada.email, QByteArray(60, 'e'));
        QCOMPARE(grabada.password, campoFijo(QByteArray("se\xF1"
                                                        "al"),
                                             25));
        QCOMPARE(grabada.usarLog, qint16(-1));
        QCOMPARE(grabada.arrancar, qint16(0));
        QCOMPARE(grabada.colorFondoPantalla, quint32(0x00112233));
        QCOMPARE(grabada.colorFondoCampos, guardada.colorFondoCampos);
    }

    void colorElegidoHastaOKYCancelado() {
        EntornoPrueba entorno;
        grabarFicheroConfiguracion(Configuracion::porDefecto());
        frmOpciones ventana;
        abrir(ventana);
        ventana.seleccionarPagina(4);

        Dialogos::siguienteColor(0x00345678);
        dobleClic(&ventana, QStringLiteral("pctPicture(1)"));
        QCOMPARE(Dialogos::ultimaPeticion().tipo, Dialogos::Peticion::Color);
        QCOMPARE(Dialogos::ultimaPeticion().propietario, &ventana);
        QCOMPARE(ventana.pctPicture[1]->color(), quint32(0x00345678));
        Dialogos::siguienteColor(std::nullopt);
        dobleClic(&ventana, QStringLiteral("pctPicture(2)"));
        QCOMPARE(ventana.pctPicture[2]->color(), quint32(0));

        // The window becomes active again as a dialog closes over it: what the
        // user chose stays, even though the file still holds the old values.
        ventana.seleccionarPagina(1);
        escribir(&ventana, "txtNumero", QStringLiteral("600111222"));
        QWidget encima;
        encima.show();
        encima.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&encima));
        encima.close();
        ventana.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ventana));
        QCOMPARE(ventana.pctPicture[1]->color(), quint32(0x00345678));
        QCOMPARE(ventana.txtNumero->text(), QStringLiteral("600111222"));
        QCOMPARE(configuracionGrabada(entorno).colorTextoCampos, quint32(0));

        QTest::mouseClick(ventana.btnOK, Qt::LeftButton);
        const Configuracion grabada = configuracionGrabada(entorno);
        QCOMPARE(grabada.colorTextoCampos, quint32(0x00345678));
        QCOMPARE(grabada.colorTextoPrincipal, quint32(0));
        QCOMPARE(grabada.numero, campoFijo(QByteArray("600111222"), 25));
    }

    void arranqueAlInstante() {
        EntornoPrueba entorno;
        grabarFicheroConfiguracion(Configuracion::porDefecto());
        {
            frmOpciones ventana;
            abrir(ventana);
            QVERIFY(!ventana.chkArrancar->isChecked());
            pulsar(ventana.chkArrancar);
            QCOMPARE(registro::comandoArranque(), comandoEsperado());
            pulsar(ventana.chkArrancar);
            QVERIFY(!registro::hayArranque());
            ventana.chkArrancar->setChecked(true); // from code: the same as a click
            QCOMPARE(registro::comandoArranque(), comandoEsperado());
            ventana.reject(); // closing without OK undoes nothing
        }
        QCOMPARE(registro::comandoArranque(), comandoEsperado());

        // An entry left by a copy elsewhere is ticked and rewritten with this path.
        registro::ponerArranque(QStringLiteral("/otra/carpeta/zarcel"));
        frmOpciones ventana;
        abrir(ventana);
        QVERIFY(ventana.chkArrancar->isChecked());
        QCOMPARE(registro::comandoArranque(), comandoEsperado());
        pulsar(ventana.chkArrancar);
        QTest::mouseClick(ventana.btnOK, Qt::LeftButton);
        QVERIFY(!registro::hayArranque());
        QCOMPARE(configuracionGrabada(entorno).arrancar, qint16(0));
    }

    void pestanaMostradaNoCambiaNada() {
        EntornoPrueba entorno;
        frmOpciones ventana;
        abrir(ventana);
        auto soloVisible = [&](int pagina) {
            for (int i = 1; i <= 4; ++i) {
                QFrame *marco = buscarControl<QFrame>(&ventana, QStringLiteral("Frame(%1)").arg(i));
                QCOMPARE(marco->isVisible(), i == pagina);
                QCOMPARE(marco->isEnabled(), i == pagina);
            }
            QCOMPARE(ventana.paginaActual(), pagina);
        };
        soloVisible(1);
        pulsarPestana(&ventana, 0);
        ventana.seleccionarPagina(1);
        soloVisible(1);
        pulsarPestana(&ventana, 2);
        soloVisible(3);
        pulsarPestana(&ventana, 2);
        ventana.seleccionarPagina(3);
        soloVisible(3);
        QCOMPARE(buscarControl<QFrame>(&ventana, QStringLiteral("Frame(3)"))->pos(),
                 buscarControl<QFrame>(&ventana, QStringLiteral("Frame(1)"))->pos());
    }

    void grabacionFallidaDejaLaVentanaAbierta() {
        EntornoPrueba entorno;
        grabarFicheroConfiguracion(Configuracion::porDefecto());
        const QByteArray antes = entorno.leerFichero(QStringLiteral("zarcel.cfg"));
        frmOpciones ventana;
        abrir(ventana);
        escribir(&ventana, "txtFirma", QStringLiteral("nueva"));
        {
            DiscoLleno disco(100);
            QTest::mouseClick(ventana.btnOK, Qt::LeftButton);
        }
        QCOMPARE(entorno.avisos.size(), 1);
        QVERIFY(entorno.avisos.constFirst().startsWith(
            QStringLiteral("No se ha podido grabar la configuración")));
        QVERIFY(ventana.isVisible());
        QCOMPARE(entorno.leerFichero(QStringLiteral("zarcel.cfg")), antes);
    }

    void coloresPorBotonYNoPorMenu_data() {
        QTest::addColumn<bool>("porBoton");
        QTest::newRow("boton Opciones") << true;
        QTest::newRow("menu Archivo > Opciones") << false;
    }
    void coloresPorBotonYNoPorMenu() {
        QFETCH(bool, porBoton);
        EntornoPrueba entorno;
        frmPrincipal principal;
        principal.cargarConfiguracion();
        const QColor blanco = principal.txtMensaje->palette().color(QPalette::Base);
        QCOMPARE(blanco, QColor(Qt::white));

        Dialogos::siguienteColor(0x00204080);
        alAbrirseModal([](QWidget *ventana) {
            QVERIFY(qobject_cast<frmOpciones *>(ventana));
            pulsarPestana(ventana, 3);
            dobleClic(ventana, QStringLiteral("pctPicture(0)"));
            QTest::mouseClick(buscarControl<QPushButton>(ventana, QStringLiteral("btnOK")), Qt::LeftButton);
        });
        if (porBoton)
            QTest::mouseClick(principal.btnOpciones, Qt::LeftButton);
        else
            principal.mnuOpciones->trigger();

        QCOMPARE(configuracionGrabada(entorno).colorFondoCampos, quint32(0x00204080));
        QCOMPARE(principal.txtMensaje->palette().color(QPalette::Base),
                 porBoton ? colorDesdeRegistro(0x00204080) : blanco);
        QCOMPARE(configuracion.colorFondoCampos, porBoton ? quint32(0x00204080) : quint32(0x00FFFFFF));
    }
};

ZARCEL_TEST_MAIN(PruebaOpciones)
#include "tst_opciones.moc"
