// Where a user used to trip: undo after the length limit, and a lock that fails for
// a reason other than a running copy. The tray and the focus after a restore
// are checked on a real X server by tests/smoke/bandeja.sh.
#include "support/entorno_prueba.h"

#include "app/caja_mensaje.h"
#include "app/frm_principal.h"
#include "app/instancia_unica.h"

#include <QClipboard>
#include <QRegularExpression>

class PruebaTropiezos : public QObject {
    Q_OBJECT
private slots:
    // Undo walks back through the edits before a paste that went over the limit,
    // and Qt has nothing to complain about on the way.
    void deshacerTrasElLimite() {
        EntornoPrueba entorno;
        frmPrincipal ventana;
        QTest::failOnWarning(QRegularExpression(QStringLiteral("out of range")));
        CajaMensaje *caja = ventana.txtMensaje;
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
        entorno.escribirFichero(QStringLiteral("fichero"), "x");
        InstanciaUnica instancia(entorno.ruta(QStringLiteral("fichero/zarcel.lock")));
        QVERIFY(instancia.adquirir());
        QVERIFY(instancia.fallo().contains(QStringLiteral("fichero/zarcel.lock")));
    }
};

ZARCEL_TEST_MAIN(PruebaTropiezos)
#include "tst_tropiezos.moc"
