#include "support/entorno_prueba.h"

#include "app/caja_mensaje.h"
#include "common/carpeta.h"
#include "common/colores.h"
#include "common/dialogos.h"
#include "config/frm_opciones.h"
#include "config/muestra_color.h"
#include "config/registro.h"

namespace {
Configuracion configuracionGrabada(const EntornoPrueba &entorno) {
    return configuracionDesdeBytes(entorno.leerFichero(u"zarcel.cfg"_s));
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

void pulsarPestana(QWidget *ventana, int indice) {
    auto *pestanas = buscarControl<QTabBar>(ventana, u"tabSeleccion"_s);
    QTest::mouseClick(pestanas, Qt::LeftButton, {}, pestanas->tabRect(indice).center());
}

void dobleClic(QWidget *ventana, int muestra) {
    QTest::mouseDClick(buscarControl<MuestraColor>(ventana, u"pctPicture(%1)"_s.arg(muestra)),
                       Qt::LeftButton);
}

// A check box takes clicks on its box and caption only, not on the whole row.
void pulsar(QCheckBox *casilla) {
    QTest::mouseClick(casilla, Qt::LeftButton, {}, QPoint(6, casilla->height() / 2));
}
} // namespace

class PruebaOpciones : public QObject {
    Q_OBJECT
private slots:
    // The proxy and its port are needed only when the proxy is used; a refused OK saves nothing.
    void proxySoloSiSeUsa() {
        const QString sinProxy = u"Debe especificar un proxy a utilizar"_s;
        // use the proxy, proxy, port, warning (none: saved and closed)
        const std::tuple<bool, QString, QString, QString> casos[]{
            {true, {}, u"8080"_s, sinProxy},
            {true, {}, {}, sinProxy},
            {true, u"proxy.local"_s, {}, u"Debe especificar el puerto a utilizar"_s},
            {true, u" "_s, u" "_s, {}},
            {true, u"proxy.local"_s, u"abc"_s, {}},
            {false, {}, {}, {}}};
        for (const auto &[usarProxy, proxy, puerto, mensaje] : casos) {
            EntornoPrueba entorno;
            QVERIFY(grabarConfiguracion(Configuracion::porDefecto()));
            const QByteArray antes = entorno.leerFichero(u"zarcel.cfg"_s);
            frmOpciones ventana;
            abrir(ventana);
            pulsarPestana(&ventana, 2);
            if (usarProxy)
                pulsar(ventana.chkProxy);
            QCOMPARE(ventana.txtProxy->isEnabled(), usarProxy);
            escribir(&ventana, "txtProxy", proxy);
            escribir(&ventana, "txtPuerto", puerto);
            QTest::mouseClick(ventana.btnOK, Qt::LeftButton);
            QCOMPARE(entorno.avisos, mensaje.isEmpty() ? QStringList() : QStringList{mensaje});
            QCOMPARE(ventana.isVisible(), !mensaje.isEmpty());
            const Configuracion grabada = configuracionGrabada(entorno);
            if (!mensaje.isEmpty())
                QCOMPARE(entorno.leerFichero(u"zarcel.cfg"_s), antes);
            else
                QVERIFY(grabada.usarProxy == aFlag(usarProxy) &&
                        grabada.proxy + grabada.puerto == campoFijo(proxy, 50) + campoFijo(puerto, 5));
        }
    }

    // The stored settings fill the window; what the user changes, colours included,
    // survives the window being activated again and is saved by OK into a fresh record.
    void cargaCambiaYGraba() {
        EntornoPrueba entorno;
        Configuracion guardada = Configuracion::porDefecto();
        asignarCampo(guardada.servidorNacionales, u"  GsmNet"_s);
        asignarCampo(guardada.servidorInternacional, u"Totalise"_s); // not in its list: kept
        guardada.usarProxy = guardada.usarLog = -1;
        asignarCampo(guardada.proxy, u" proxy.local "_s);
        asignarCampo(guardada.puerto, u"3128"_s);
        asignarCampo(guardada.skin, u"azul"_s);
        guardada.colorFondoPantalla = 0x00112233;
        QVERIFY(grabarConfiguracion(guardada));

        frmOpciones ventana;
        abrir(ventana);
        QCOMPARE(ventana.txtProxy->text(), u"proxy.local"_s);
        pulsarPestana(&ventana, 2);
        QVERIFY(ventana.chkProxy->isChecked() && ventana.txtPassword->isEnabled());
        QVERIFY(ventana.chkLogea->isChecked());

        pulsarPestana(&ventana, 3);
        Dialogos::siguienteColor(0x00345678);
        dobleClic(&ventana, 1);
        Dialogos::siguienteColor(std::nullopt);
        dobleClic(&ventana, 2);
        pulsarPestana(&ventana, 0);
        escribir(&ventana, "txtFirma", u" Luis "_s);
        escribir(&ventana, "txtEmail", QString(70, u'e'));
        ventana.txtPassword->setText(u"señal"_s);
        QWidget encima;
        encima.show();
        QVERIFY(QTest::qWaitForWindowActive(&encima));
        encima.close();
        ventana.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ventana));
        QCOMPARE(ventana.txtFirma->text(), u" Luis "_s);
        QTest::mouseClick(ventana.btnOK, Qt::LeftButton);
        QVERIFY2(!ventana.isVisible(), qPrintable(entorno.avisos.join(u'\n')));
        const Configuracion grabada = configuracionGrabada(entorno);
        QCOMPARE(grabada.skin + grabada.reservado1, QByteArray(125, '\0')); // a fresh record
        QCOMPARE(grabada.servidorNacionales, campoFijo(QByteArray("GsmNet"), 20));
        QCOMPARE(grabada.servidorAirtel, campoFijo(QByteArray("Navegalia"), 20));
        QCOMPARE(grabada.servidorInternacional, campoFijo(QByteArray("Totalise"), 20));
        QCOMPARE(grabada.firma, campoFijo(QByteArray(" Luis "), 25)); // as typed, not stripped
        QCOMPARE(grabada.email, QByteArray(60, 'e'));
        QCOMPARE(grabada.password, campoFijo(u"señal"_s, 25));
        QCOMPARE(grabada.usarLog, qint16(-1));
        QCOMPARE(grabada.arrancar, qint16(0));
        QCOMPARE(grabada.colorTextoCampos, quint32(0x00345678));
        QCOMPARE(grabada.colorTextoPrincipal, quint32(0));
        QCOMPARE(grabada.colorFondoPantalla, quint32(0x00112233));
    }

    // The autostart box acts at once, and OK saves its state; a stale entry is rewritten.
    void arranqueAlInstante() {
        EntornoPrueba entorno;
        QVERIFY(grabarConfiguracion(Configuracion::porDefecto()));
        const QString comando = rutaEjecutable() + u" --hide"_s;
        registro::ponerArranque(u"/otra/carpeta/zarcel"_s);
        frmOpciones ventana;
        abrir(ventana);
        QVERIFY(ventana.chkArrancar->isChecked());
        QCOMPARE(registro::comandoArranque(), comando);
        pulsar(ventana.chkArrancar);
        QVERIFY(!registro::hayArranque());
        pulsar(ventana.chkArrancar);
        QCOMPARE(registro::comandoArranque(), comando);
        QTest::mouseClick(ventana.btnOK, Qt::LeftButton);
        QCOMPARE(configuracionGrabada(entorno).arrancar, qint16(-1));
    }

    // Only the Opciones button applies the new colours to the main window at once.
    void coloresPorBotonYNoPorMenu() {
        for (const bool porBoton : {true, false}) {
            EntornoPrueba entorno;
            frmPrincipal principal;
            principal.cargarConfiguracion();
            principal.ponerTextoMensaje(QString(125, u'a')); // Amena: one part until a signature
            QCOMPARE(principal.txtMensaje->palette().color(QPalette::Base), QColor(Qt::white));
            Dialogos::siguienteColor(0x00204080);
            alAbrirseModal([](QWidget *ventana) {
                escribir(ventana, "txtFirma", u"0123456789"_s);
                pulsarPestana(ventana, 3);
                dobleClic(ventana, 0);
                QTest::mouseClick(buscarControl<QPushButton>(ventana, u"btnOK"_s), Qt::LeftButton);
            });
            if (porBoton)
                QTest::mouseClick(principal.btnOpciones, Qt::LeftButton);
            else
                principal.mnuOpciones->trigger();
            QCOMPARE(configuracionGrabada(entorno).colorFondoCampos, quint32(0x00204080));
            QCOMPARE(principal.txtMensaje->palette().color(QPalette::Base),
                     porBoton ? colorDesdeRegistro(0x00204080) : QColor(Qt::white));
            QCOMPARE(configuracion.colorFondoCampos, porBoton ? quint32(0x00204080) : quint32(0x00FFFFFF));
            // The new signature counts from the next gateway choice on, not when the window closes.
            QCOMPARE(principal.lblPartes->text(), u"Partes: 1"_s);
            emit principal.cmbPasarela->activated(principal.cmbPasarela->currentIndex());
            QCOMPARE(principal.lblPartes->text(), porBoton ? u"Partes: 2"_s : u"Partes: 1"_s);
        }
    }
};

ZARCEL_TEST_MAIN(PruebaOpciones)
#include "tst_opciones.moc"
