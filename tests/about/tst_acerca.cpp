#include "support/entorno_prueba.h"

#include "about/etiqueta_pulsable.h"
#include "about/frm_about.h"
#include "about/frm_ayuda.h"
#include "about/frm_carajo.h"

class PruebaAcerca : public QObject {
    Q_OBJECT
private slots:
    // The help menu opens each window; Esc closes it from any of its controls.
    void abrirYCerrarConEsc() {
        const char *casos[][3]{
            {"mnuAyudaAbout", "frmAbout", "linkPagina(0)"}, {"mnuAyudaAbout", "frmAbout", "linkPagina(13)"},
            {"mnuAyudaAbout", "frmAbout", "btnOK"},         {"mnuAyudaContenido", "frmAyuda", "txtAyuda"},
            {"mnuAyudaContenido", "frmAyuda", "btnCerrar"}, {nullptr, "frmCarajo", "txtCarajo"}};
        EntornoPrueba entorno;
        frmPrincipal principal;
        for (const auto &[menu, nombre, foco] : casos) {
            QString abierta;
            alAbrirseModal([&, foco = foco](QWidget *modal) {
                abierta = modal->objectName();
                QVERIFY(QTest::qWaitForWindowActive(modal, 3000));
                QWidget *enfocado = buscarControl<QWidget>(modal, QString::fromLatin1(foco));
                enfocado->setFocus();
                QCOMPARE(QApplication::focusWidget(), enfocado);
                QTest::keyClick(enfocado, Qt::Key_Escape);
                QVERIFY(!modal->isVisible());
            });
            if (menu)
                buscarControl<QAction>(&principal, QString::fromLatin1(menu))->trigger();
            else
                frmCarajo().exec();
            QCOMPARE(abierta, QString::fromLatin1(nombre));
        }
        QVERIFY(entorno.direccionesAbiertas.isEmpty());
    }

    // A: a click on the author line, Z: on the title; then OK opens the greetings or closes.
    void secuenciaOculta() {
        EntornoPrueba entorno;
        for (const char *clics :
             {"AAAZZ", "", "AAAZ", "ZZAAA", "AAAAZZ", "AAAZZZ", "AAAAAAAAZZ", "AAAAAAAZZ"}) {
            const bool saludos = qstrcmp(clics, "AAAZZ") == 0 || qstrcmp(clics, "AAAAAAAZZ") == 0;
            frmAbout about;
            about.show();
            QVERIFY(QTest::qWaitForWindowActive(&about, 3000));
            for (const char *clic = clics; *clic; ++clic)
                QTest::mouseClick(*clic == 'A' ? about.lblAutor : about.lblZarcel, Qt::LeftButton);
            const QString abierta =
                ventanaModalDe([&about] { QTest::mouseClick(about.btnOK, Qt::LeftButton); });
            QCOMPARE(abierta, saludos ? u"frmCarajo|Some greetings..."_s : QString());
            QVERIFY2(about.isVisible() == saludos, clics);
            QTest::mouseClick(about.btnOK, Qt::LeftButton); // the counters started again: a plain OK
            QVERIFY(!about.isVisible());
        }
    }

    void enlacesYTexto() {
        EntornoPrueba entorno;
        frmAbout about;
        about.show();
        QCOMPARE(about.lblZarcel->text(), u"Zarcel v.3.0.2"_s);
        const QStringList lineas = frmAbout::textoAviso().split(u"\r\n"_s);
        QCOMPARE(lineas.size(), 10); // nine lines, each ended by CR LF
        QCOMPARE(lineas.at(1), about.lblAutor->text());
        // The notice's empty closing lines leave no gap between the picture and the links.
        QVERIFY(about.Label1->y() < about.pctMoviles->geometry().bottom() + about.fontMetrics().height());
        auto *movistar = buscarControl<EtiquetaPulsable>(&about, u"linkPagina(13)"_s);
        QCOMPARE(movistar->text(), u"Movistar"_s);
        QTest::mouseClick(movistar, Qt::LeftButton);
        auto *inicio = buscarControl<EtiquetaPulsable>(&about, u"linkPagina(0)"_s);
        inicio->setFocus();
        QTest::keyClick(inicio, Qt::Key_Space);
        // Totalise shows an address but holds none: nothing opens.
        QTest::mouseClick(buscarControl<EtiquetaPulsable>(&about, u"linkPagina(6)"_s), Qt::LeftButton);
        QCOMPARE(entorno.direccionesAbiertas, QStringList({movistar->direccion(), inicio->text()}));
        QVERIFY(movistar->direccion().startsWith(u"http"_s) && about.isVisible());
    }

    void ficheroDeAyuda() {
        EntornoPrueba entorno;
        QCOMPARE(frmAyuda().txtAyuda->toPlainText(), u"Fichero de ayuda no disponible"_s);
        entorno.escribirFichero(u"help.txt"_s, "Ayuda\r\nEspa\xF1ol \x80\r\n");
        frmAyuda ayuda;
        QCOMPARE(ayuda.txtAyuda->toPlainText(), u"Ayuda\nEspañol €\n"_s);
        QVERIFY(ayuda.txtAyuda->isReadOnly());

        // The file that ships beside the program: Windows-1252 text with CR LF.
        QFile fichero(QStringLiteral(ZARCEL_AYUDA));
        QVERIFY(fichero.open(QIODevice::ReadOnly));
        const QByteArray datos = fichero.readAll();
        QVERIFY(datos.size() > 2000 && datos.endsWith("\r\n"));
        QVERIFY(datos.count('\n') == datos.count("\r\n") && datos.count('\r') == datos.count("\r\n"));
        QVERIFY2(!QString::fromUtf8(datos).contains(u"ñ"_s), "help.txt está en UTF-8");
        QVERIFY(desdeAnsi(datos).contains(u"Opciones"_s));
    }
};

ZARCEL_TEST_MAIN(PruebaAcerca)
#include "tst_acerca.moc"
