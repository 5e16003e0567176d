// Where a user used to trip: undo after the length limit, a lock that fails for a
// reason other than a running copy, a settings file others could read, and an
// autostart entry a desktop would misread. The tray and the focus after a restore
// are checked on a real X server by tests/smoke/bandeja.sh.
#include "support/entorno_prueba.h"

#include "app/caja_mensaje.h"
#include "app/frm_principal.h"
#include "app/instancia_unica.h"
#include "config/fichero_configuracion.h"
#include "config/registro.h"

#include <QClipboard>
#include <QRegularExpression>

#include <sys/stat.h>

namespace {
int modo(const QString &ruta) {
    struct stat datos {};
    return ::stat(QFile::encodeName(ruta).constData(), &datos) == 0 ? int(datos.st_mode & 07777) : -1;
}

// A desktop's reading of an Exec value: the string escapes first, then the quoting
// rules and "%%". Anything the format forbids gives no arguments.
QStringList argumentosExec(const QString &valor) {
    const QMap<QChar, QChar> escapes{
        {u's', u' '}, {u'\\', u'\\'}, {u'n', u'\n'}, {u't', u'\t'}, {u'r', u'\r'}};
    QString exec;
    for (qsizetype i = 0; i < valor.size(); ++i) {
        if (valor.at(i) != u'\\')
            exec += valor.at(i);
        else if (++i < valor.size() && escapes.contains(valor.at(i)))
            exec += escapes.value(valor.at(i));
        else
            return {};
    }
    QStringList argumentos{QString()};
    bool citado = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        const QChar siguiente = i + 1 < exec.size() ? exec.at(i + 1) : QChar();
        if (c == u'"')
            citado = !citado;
        else if ((citado && c == u'\\' && QStringLiteral("\"`$\\").contains(siguiente)) ||
                 (c == u'%' && siguiente == u'%'))
            argumentos.last() += exec.at(++i);
        else if (!citado && c == u' ')
            argumentos.append(QString());
        else if (c == u'%' || (citado ? c == u'\\' : QStringLiteral("\t\n'\\><~|&;$*?#()`").contains(c)))
            return {};
        else
            argumentos.last() += c;
    }
    return citado ? QStringList() : argumentos;
}
} // namespace

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

    void configuracionSoloParaElDueno() {
        EntornoPrueba entorno;
        const QString ruta = entorno.ruta(QStringLiteral("zarcel.cfg"));
        QVERIFY(escribirConfiguracionPorDefecto());
        QCOMPARE(modo(ruta), 0600);
        // A save replaces the file: the new one must not take the old one's wider mode.
        QVERIFY(::chmod(QFile::encodeName(ruta).constData(), 0644) == 0);
        QVERIFY(grabarConfiguracion(Configuracion::porDefecto()));
        QCOMPARE(modo(ruta), 0600);
    }

    void lineaExecDeArranque_data() {
        QTest::addColumn<QString>("programa");
        QTest::newRow("espacio, %, barra invertida, comillas")
            << QStringLiteral("/Mis programas/100% \"SMS\"/c:\\zarcel $HOME `id`/zarcel");
    }
    void lineaExecDeArranque() {
        QFETCH(QString, programa);
        EntornoPrueba entorno;
        registro::ponerArranque(programa);
        const QStringList exec =
            QString::fromUtf8(entorno.leerFichero(QStringLiteral("autostart/zarcel.desktop")))
                .split(QLatin1Char('\n'))
                .filter(QRegularExpression(QStringLiteral("^Exec=")));
        QCOMPARE(exec.size(), 1);
        QCOMPARE(argumentosExec(exec.constFirst().mid(5)), (QStringList{programa, QStringLiteral("--hide")}));
    }
};

ZARCEL_TEST_MAIN(PruebaTropiezos)
#include "tst_tropiezos.moc"
