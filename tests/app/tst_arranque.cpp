#include "support/entorno_prueba.h"

#include "app/argumentos.h"
#include "app/arranque.h"
#include "app/frm_minimizado.h"
#include "app/frm_principal.h"
#include "app/instancia_unica.h"
#include "app/terminacion.h"
#include "config/registro.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTimer>

class PruebaArranque : public QObject {
    Q_OBJECT

    static std::unique_ptr<InstanciaUnica> bloqueoDePrueba(const EntornoPrueba &entorno) {
        return std::make_unique<InstanciaUnica>(entorno.ruta(QStringLiteral("zarcel.lock")));
    }

private slots:
    void init() { frmMinimizado::forzarBandeja(true); }
    void cleanup() { frmMinimizado::forzarBandeja(std::nullopt); }

    void soloHideExactoOculta_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<bool>("oculto");
        QTest::newRow("--hide") << QStringList{QStringLiteral("--hide")} << true;
        QTest::newRow("sin argumentos") << QStringList{} << false;
        QTest::newRow("mayusculas") << QStringList{QStringLiteral("--HIDE")} << false;
        QTest::newRow("un guion") << QStringList{QStringLiteral("-hide")} << false;
        QTest::newRow("otro argumento")
            << QStringList{QStringLiteral("--hide"), QStringLiteral("x")} << false;
        QTest::newRow("espacio final") << QStringList{QStringLiteral("--hide ")} << false;
    }
    void soloHideExactoOculta() {
        QFETCH(QStringList, argumentos);
        QFETCH(bool, oculto);
        QCOMPARE(arrancarOculto(argumentos), oculto);

        EntornoPrueba entorno;
        Programa programa;
        QVERIFY(iniciarPrograma(programa, argumentos, bloqueoDePrueba(entorno)));
        QCOMPARE(programa.principal->isVisible(), !oculto);
        // The tray icon is up whether the window shows or not.
        QVERIFY(programa.bandeja->icono->isVisible());
        QCOMPARE(programa.bandeja->icono->toolTip(), QStringLiteral("Zarcel v.3.0.2"));
        // The rendered icons are linked in: a dense panel gets the large picture, not a blank.
        QCOMPARE(programa.bandeja->icono->icon().pixmap(256).size(), QSize(256, 256));
    }

    void primerArranqueEscribeLaConfiguracion() {
        EntornoPrueba entorno;
        Programa programa;
        QVERIFY(iniciarPrograma(programa, {}, bloqueoDePrueba(entorno)));
        QCOMPARE(programa.principal->windowTitle(), QStringLiteral("Zarcel v.3.0.2"));
        QCOMPARE(QFileInfo(entorno.ruta(QStringLiteral("zarcel.cfg"))).size(), 567);
        QVERIFY(registro::hayArranque());
        QCOMPARE(programa.principal->cmbPasarela->currentText(), QStringLiteral("Movistar"));
        QVERIFY(entorno.avisos.isEmpty());
    }

    void segundaInstanciaRechazada() {
        EntornoPrueba entorno;
        InstanciaUnica primera(entorno.ruta(QStringLiteral("zarcel.lock")));
        QVERIFY(primera.adquirir());
        Programa programa;
        QVERIFY(!iniciarPrograma(programa, {}, bloqueoDePrueba(entorno)));
        QCOMPARE(entorno.avisos,
                 QStringList{QStringLiteral("Ya hay una instancia de la aplicación ejecutandose")});
        // Refused before anything was read, written or shown.
        QVERIFY(!programa.principal && !programa.bandeja);
        QVERIFY(!QFile::exists(entorno.ruta(QStringLiteral("zarcel.cfg"))));
        QVERIFY(!registro::hayArranque());
        primera.liberar();
        QVERIFY(iniciarPrograma(programa, {}, bloqueoDePrueba(entorno)));
    }

    void segundaInstanciaMientrasViveElPrograma() {
        EntornoPrueba entorno;
        // The real program, copied to a folder of its own so its files stay there.
        const QString copia = entorno.ruta(QStringLiteral("zarcel"));
        QVERIFY(QFile::copy(QStringLiteral(ZARCEL_PROGRAMA), copia));
        QProcess primera;
        QProcessEnvironment entornoProceso = QProcessEnvironment::systemEnvironment();
        entornoProceso.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        entornoProceso.insert(QStringLiteral("XDG_CONFIG_HOME"), entorno.carpeta());
        primera.setProcessEnvironment(entornoProceso);
        primera.start(copia, {QStringLiteral("--hide")});
        QVERIFY(primera.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(entorno.ruta(QStringLiteral("zarcel.cfg"))).size() == 567, 20000);

        Programa programa;
        QVERIFY(!iniciarPrograma(programa, {}, std::make_unique<InstanciaUnica>()));
        QCOMPARE(entorno.avisos,
                 QStringList{QStringLiteral("Ya hay una instancia de la aplicación ejecutandose")});
        QCOMPARE(primera.state(), QProcess::Running); // the first copy is left alone
        primera.kill();
        primera.waitForFinished();
        // A copy that died leaves a stale lock, which the next start takes over.
        QVERIFY(iniciarPrograma(programa, {}, std::make_unique<InstanciaUnica>()));
    }

    void cerrarLaVentanaSoloLaOculta() {
        EntornoPrueba entorno;
        Programa programa;
        QVERIFY(iniciarPrograma(programa, {}, bloqueoDePrueba(entorno)));
        frmPrincipal &ventana = *programa.principal;
        ventana.ponerTextoMensaje(QStringLiteral("sigo aqui"));
        ventana.close();
        QVERIFY(!ventana.isVisible());
        // The tray's left button brings it back with its contents; pressing again does nothing.
        programa.bandeja->eventoBandeja(frmMinimizado::botonIzquierdo);
        QVERIFY(ventana.isVisible());
        QCOMPARE(ventana.textoMensaje(), QStringLiteral("sigo aqui"));

        // Without a tray the window is minimised instead, so the program never
        // runs with no window and no icon.
        frmMinimizado::forzarBandeja(false);
        ventana.close();
        QVERIFY(ventana.isVisible());
        QVERIFY(ventana.isMinimized());
    }

    void eventosDeLaBandeja_data() {
        QTest::addColumn<int>("numero");
        QTest::addColumn<bool>("oculta");
        QTest::addColumn<bool>("visibleDespues");
        QTest::addColumn<bool>("menu");
        QTest::newRow("513 oculta") << 513 << true << true << false;
        QTest::newRow("513 visible") << 513 << false << true << false;
        QTest::newRow("516 oculta") << 516 << true << false << true;
        QTest::newRow("516 visible") << 516 << false << true << true;
        QTest::newRow("515 doble clic") << 515 << true << false << false;
        QTest::newRow("514 soltar") << 514 << true << false << false;
        QTest::newRow("512 movimiento") << 512 << true << false << false;
    }
    void eventosDeLaBandeja() {
        QFETCH(int, numero);
        QFETCH(bool, oculta);
        QFETCH(bool, visibleDespues);
        QFETCH(bool, menu);
        EntornoPrueba entorno;
        Programa programa;
        QVERIFY(iniciarPrograma(programa, oculta ? QStringList{QStringLiteral("--hide")} : QStringList{},
                                bloqueoDePrueba(entorno)));
        programa.bandeja->eventoBandeja(numero);
        QCOMPARE(programa.principal->isVisible(), visibleDespues);
        QCOMPARE(programa.bandeja->mnuPrincipal->isVisible(), menu);
        programa.bandeja->mnuPrincipal->hide();
    }

    void cerrarProgramaConUnDialogoAbierto() {
        EntornoPrueba entorno;
        int codigo = -1;
        Terminacion::fijar([&codigo](int c) { codigo = c; });
        Programa programa;
        QVERIFY(iniciarPrograma(programa, {QStringLiteral("--hide")}, bloqueoDePrueba(entorno)));
        QDialog dialogo(programa.principal.get());
        dialogo.setWindowTitle(QStringLiteral("Agenda"));
        QTimer::singleShot(0, programa.bandeja.get(),
                           [&] { programa.bandeja->mnuPrincipalCerrar->trigger(); });
        dialogo.exec(); // returns because shutdown closed it
        QCOMPARE(codigo, 0);
        QVERIFY(!dialogo.isVisible());
        QVERIFY(!programa.principal->isVisible());
        QVERIFY(!programa.bandeja->icono->isVisible());
        Terminacion::fijar({});
    }
};

ZARCEL_TEST_MAIN(PruebaArranque)
#include "tst_arranque.moc"
