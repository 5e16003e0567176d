#include "support/entorno_prueba.h"

#include "app/argumentos.h"
#include "app/arranque.h"
#include "app/caja_mensaje.h"
#include "app/frm_minimizado.h"
#include "app/instancia_unica.h"
#include "app/terminacion.h"
#include "app/traduccion.h"
#include "common/carpeta.h"
#include "common/tiempos.h"
#include "config/registro.h"

namespace {
const QString otraInstancia = u"Ya hay una instancia de la aplicación ejecutandose"_s;

bool iniciar(Programa &programa, const EntornoPrueba &entorno, const QStringList &argumentos = {}) {
    return iniciarPrograma(programa, argumentos,
                           std::make_unique<InstanciaUnica>(entorno.ruta(u"zarcel.lock"_s)));
}
} // namespace

class PruebaArranque : public QObject {
    Q_OBJECT
private slots:
    void init() { frmMinimizado::forzarBandeja(true); }
    void cleanup() { frmMinimizado::forzarBandeja(std::nullopt); }

    void primerArranque() {
        const QList<std::pair<QStringList, bool>> casos{
            {{u"--hide"_s}, true},          {{}, false},
            {{u"--HIDE"_s}, false},         {{u"-hide"_s}, false},
            {{u"--hide"_s, u"x"_s}, false}, {{u"--hide "_s}, false}};
        for (const auto &[argumentos, oculto] : casos)
            QVERIFY2(arrancarOculto(argumentos) == oculto, qPrintable(argumentos.join(u' ')));

        EntornoPrueba entorno;
        Programa programa;
        QVERIFY(iniciar(programa, entorno, {u"--hide"_s}) && !programa.principal->isVisible());
        QVERIFY(programa.bandeja->icono->isVisible() && registro::hayArranque() && entorno.avisos.isEmpty());
        // The rendered icons are linked in: a dense panel gets the large picture, not a blank.
        QCOMPARE(programa.bandeja->icono->icon().pixmap(64).size(), QSize(64, 64));
        QCOMPARE(programa.bandeja->icono->toolTip() + u'|' + programa.principal->windowTitle(),
                 u"Zarcel v.3.0.2|Zarcel v.3.0.2"_s);
        QCOMPARE(QFileInfo(entorno.ruta(u"zarcel.cfg"_s)).size(), 567);
        QCOMPARE(programa.principal->cmbPasarela->currentText(), u"Movistar"_s);
    }

    // A folder nothing can be written to is said once, and is no first start that turns autostart on.
    void carpetaSinEscritura() {
        EntornoPrueba entorno;
        entorno.escribirFichero(u"fichero"_s, "x");
        fijarRutaAplicacion(entorno.ruta(u"fichero/programa"_s));
        Programa programa;
        QVERIFY(iniciar(programa, entorno) && !registro::hayArranque());
        QCOMPARE(entorno.avisos.size(), 1);
        QVERIFY(entorno.avisos.first().startsWith(u"No se puede escribir en la carpeta del programa"_s));
    }

    void segundaInstanciaRechazada() {
        EntornoPrueba entorno;
        InstanciaUnica primera(entorno.ruta(u"zarcel.lock"_s));
        QVERIFY(primera.adquirir());
        Programa programa;
        QVERIFY(!iniciar(programa, entorno));
        QCOMPARE(entorno.avisos, QStringList{otraInstancia});
        // Refused before anything was read, written or shown.
        QVERIFY(!programa.principal && !programa.bandeja && !registro::hayArranque() &&
                !QFile::exists(entorno.ruta(u"zarcel.cfg"_s)));
        // With its owner text lost, the lock counts while its holder lives, not after.
        QVERIFY(QFile::resize(entorno.ruta(u"zarcel.lock"_s), 0));
        QVERIFY(!InstanciaUnica(entorno.ruta(u"zarcel.lock"_s)).adquirir());
        primera.liberar();
        entorno.escribirFichero(u"zarcel.lock"_s, {});
        QVERIFY(iniciar(programa, entorno) && programa.principal->isVisible());
        // A lock that cannot even be created (its folder is a file) is no running copy.
        entorno.escribirFichero(u"fichero"_s, "x");
        InstanciaUnica sinCarpeta(entorno.ruta(u"fichero/zarcel.lock"_s));
        QVERIFY(sinCarpeta.adquirir() && sinCarpeta.fallo().contains(u"fichero/zarcel.lock"_s));
    }

    // Input beyond the length limit is refused before it enters: undo walks back through
    // the edits before it, and Qt has nothing to complain about on the way.
    void deshacerTrasElLimite() {
        EntornoPrueba entorno;
        frmPrincipal ventana;
        QTest::failOnWarning(QRegularExpression(u"out of range"_s));
        CajaMensaje *caja = ventana.txtMensaje;
        const QString base(995, u'a');
        caja->setPlainText(base);
        QTest::keyClicks(caja, u"xy"_s); // at the start: an edit of its own
        caja->moveCursor(QTextCursor::End);
        QApplication::clipboard()->setText(u"0123456789"_s);
        QTest::keySequence(caja, QKeySequence::Paste);
        QTest::keyClicks(caja, u"z"_s);
        QCOMPARE(ventana.textoMensaje(), u"xy"_s + base + u"012"_s);
        QTest::keySequence(caja, QKeySequence::Undo);
        QCOMPARE(ventana.textoMensaje(), u"xy"_s + base);
        QTest::keySequence(caja, QKeySequence::Undo);
        QCOMPARE(ventana.textoMensaje(), base);
    }

    void segundaInstanciaMientrasViveElPrograma() {
        EntornoPrueba entorno;
        // The real program, copied to a folder of its own so its files stay there.
        const QString copia = entorno.ruta(u"zarcel"_s);
        QVERIFY(QFile::copy(QStringLiteral(ZARCEL_PROGRAMA), copia));
        QProcess primera;
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        variables.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        variables.insert(u"XDG_CONFIG_HOME"_s, entorno.carpeta());
        primera.setProcessEnvironment(variables);
        primera.start(copia, {u"--hide"_s});
        QVERIFY2(primera.waitForStarted(5000), "el programa no arrancó");
        // A sanitised start on a busy machine takes a few seconds.
        QTRY_VERIFY2_WITH_TIMEOUT(QFileInfo(entorno.ruta(u"zarcel.cfg"_s)).size() == 567,
                                  "el programa no escribió su configuración", 10000);
        Programa programa;
        QVERIFY(!iniciarPrograma(programa, {}, std::make_unique<InstanciaUnica>()));
        QCOMPARE(entorno.avisos, QStringList{otraInstancia});
        QCOMPARE(primera.state(), QProcess::Running); // the first copy is left alone
        primera.kill();
        QVERIFY(primera.waitForFinished(5000));
        // A copy that died leaves a stale lock, which the next start takes over.
        QVERIFY(iniciarPrograma(programa, {}, std::make_unique<InstanciaUnica>()));
    }

    // Closing the window only hides it; the tray's left button brings it back as it was,
    // the right one opens the menu, other events do nothing.
    void bandejaYCierre() {
        EntornoPrueba entorno;
        Programa programa;
        QVERIFY(iniciar(programa, entorno));
        frmPrincipal &ventana = *programa.principal;
        ventana.ponerTextoMensaje(u"sigo aqui"_s);
        ventana.close();
        const int casos[][3]{{512, 0, 0}, {514, 0, 0}, {515, 0, 0}, {516, 0, 1},
                             {513, 1, 0}, {516, 1, 1}, {513, 1, 0}};
        for (const auto &[evento, visible, menu] : casos) {
            programa.bandeja->eventoBandeja(evento);
            QVERIFY2(ventana.isVisible() == bool(visible) &&
                         programa.bandeja->mnuPrincipal->isVisible() == bool(menu),
                     qPrintable(QString::number(evento)));
            programa.bandeja->mnuPrincipal->hide();
        }
        QCOMPARE(ventana.textoMensaje(), u"sigo aqui"_s);
        // Without a tray the window is minimised instead: never no window and no icon.
        frmMinimizado::forzarBandeja(false);
        ventana.close();
        QVERIFY(ventana.isVisible() && ventana.isMinimized());
        // A hidden start that never finds a tray shows the window: a taskbar may not exist either.
        ventana.hide();
        tiempos().bandejaMs = 50;
        programa.bandeja->ocultarEnBandeja();
        QTRY_VERIFY(ventana.isVisible() && !ventana.isMinimized());

        // Closing the program from the tray closes an open dialog too.
        int codigo = -1;
        Terminacion::fijar([&codigo](int c) { codigo = c; });
        QDialog dialogo(&ventana);
        QTimer::singleShot(0, programa.bandeja.get(),
                           [&] { programa.bandeja->mnuPrincipalCerrar->trigger(); });
        QTimer::singleShot(3000, &dialogo, &QDialog::reject); // a shutdown that missed it fails below
        dialogo.exec();
        Terminacion::fijar({});
        QCOMPARE(codigo, 0);
        QVERIFY(!dialogo.isVisible() && !ventana.isVisible() && !programa.bandeja->icono->isVisible());
    }

    // Qt's own buttons and dialogs speak Spanish whatever the system's language.
    void traduccionDeQt() {
        QVERIFY(instalarTraduccionQt());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Sí"_s);
    }
};

ZARCEL_TEST_MAIN(PruebaArranque)
#include "tst_arranque.moc"
