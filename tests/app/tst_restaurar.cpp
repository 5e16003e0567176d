// Where a user used to trip: the focus after a restore, undo after the length
// limit, a lock that fails for a reason other than a running copy, and a hidden
// start before the desktop's tray exists.
#include "support/entorno_prueba.h"

#include "app/arranque.h"
#include "app/caja_mensaje.h"
#include "app/frm_minimizado.h"
#include "app/frm_principal.h"
#include "app/instancia_unica.h"
#include "common/tiempos.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QRegularExpression>

class PruebaRestaurar : public QObject {
    Q_OBJECT

    static std::unique_ptr<InstanciaUnica> bloqueo(const EntornoPrueba &entorno, const char *nombre) {
        return std::make_unique<InstanciaUnica>(entorno.ruta(QString::fromLatin1(nombre)));
    }

private slots:
    void cleanup() { frmMinimizado::forzarBandeja(std::nullopt); }

    void focoTrasRestaurar_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("arranque oculto: la caja del mensaje") << QString();
        QTest::newRow("el control que lo tenia") << QStringLiteral("txtEnvio");
    }
    void focoTrasRestaurar() {
        QFETCH(QString, control);
        EntornoPrueba entorno;
        frmMinimizado::forzarBandeja(true);
        Programa programa;
        QVERIFY(iniciarPrograma(programa, {QStringLiteral("--hide")}, bloqueo(entorno, "zarcel.lock")));
        frmPrincipal &ventana = *programa.principal;
        QWidget *esperado = ventana.txtMensaje;
        if (!control.isEmpty()) {
            programa.bandeja->restaurar();
            QVERIFY(QTest::qWaitForWindowActive(&ventana));
            esperado = buscarControl<QWidget>(&ventana, control);
            esperado->setFocus();
            ventana.mnuArchivoMinimizar->trigger();
            QVERIFY(!ventana.isVisible());
            QWidget otra; // the user works elsewhere meanwhile
            otra.show();
            QVERIFY(QTest::qWaitForWindowActive(&otra));
        }
        programa.bandeja->restaurar();
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), esperado, 2000);
    }

    // Undo walks back through the edits before a paste that went over the limit,
    // and Qt has nothing to complain about on the way.
    void deshacerTrasElLimite() {
        EntornoPrueba entorno;
        frmPrincipal ventana;
        ventana.show();
        QVERIFY(QTest::qWaitForWindowActive(&ventana));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("out of range")));
        CajaMensaje *caja = ventana.txtMensaje;
        caja->setFocus();
        const QString base(995, QLatin1Char('a'));
        caja->setPlainText(base);
        QTest::keyClicks(caja, QStringLiteral("xy")); // at the start: an edit of its own
        caja->moveCursor(QTextCursor::End);
        QApplication::clipboard()->setText(QStringLiteral("0123456789"));
        QTest::keySequence(caja, QKeySequence::Paste);
        QTest::keyClicks(caja, QStringLiteral("z"));
        QCOMPARE(ventana.textoMensaje(), QStringLiteral("xy") + base + QStringLiteral("012"));
        QTest::keySequence(caja, QKeySequence::Undo);
        QCOMPARE(ventana.textoMensaje(), QStringLiteral("xy") + base);
        QTest::keySequence(caja, QKeySequence::Undo);
        QCOMPARE(ventana.textoMensaje(), base);
    }

    // A lock that cannot even be created (its folder is a file) is no running copy.
    void bloqueoFallidoNoEsOtraCopia() {
        EntornoPrueba entorno;
        frmMinimizado::forzarBandeja(true);
        entorno.escribirFichero(QStringLiteral("fichero"), "x");
        Programa programa;
        QVERIFY(iniciarPrograma(programa, {}, bloqueo(entorno, "fichero/zarcel.lock")));
        QCOMPARE(entorno.avisos.size(), 1);
        QVERIFY(entorno.avisos.constFirst().contains(QStringLiteral("fichero/zarcel.lock")));
        QVERIFY(programa.principal->isVisible());
    }

    // "--hide" with no tray: the window stays hidden while it waits, then shows minimised.
    void ocultoSinBandejaEsperaYMinimiza() {
        EntornoPrueba entorno;
        frmMinimizado::forzarBandeja(false);
        tiempos().bandejaMs = 500;
        Programa programa;
        QVERIFY(iniciarPrograma(programa, {QStringLiteral("--hide")}, bloqueo(entorno, "zarcel.lock")));
        QVERIFY(!programa.principal->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(programa.principal->isVisible() && programa.principal->isMinimized(), 3000);
    }
};

ZARCEL_TEST_MAIN(PruebaRestaurar)
#include "tst_restaurar.moc"
