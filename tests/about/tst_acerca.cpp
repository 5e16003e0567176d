#include "support/entorno_prueba.h"

#include "about/etiqueta_pulsable.h"
#include "about/frm_about.h"
#include "about/frm_ayuda.h"
#include "about/frm_carajo.h"
#include "app/frm_principal.h"
#include "common/campos.h"

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

class PruebaAcerca : public QObject {
    Q_OBJECT
private slots:
    void escapeCierraDesdeCualquierControl_data() {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("foco");
        QTest::newRow("About, enlace") << "frmAbout"
                                       << "linkPagina(0)";
        QTest::newRow("About, enlace de pasarela") << "frmAbout"
                                                   << "linkPagina(13)";
        QTest::newRow("About, OK") << "frmAbout"
                                   << "btnOK";
        QTest::newRow("Ayuda, texto") << "frmAyuda"
                                      << "txtAyuda";
        QTest::newRow("Ayuda, Cerrar") << "frmAyuda"
                                       << "btnCerrar";
        QTest::newRow("Saludos, texto") << "frmCarajo"
                                        << "txtCarajo";
    }
    void escapeCierraDesdeCualquierControl() {
        QFETCH(QString, ventana);
        QFETCH(QString, foco);
        EntornoPrueba entorno;
        std::unique_ptr<QDialog> dialogo;
        if (ventana == QLatin1String("frmAbout"))
            dialogo = std::make_unique<frmAbout>();
        else if (ventana == QLatin1String("frmAyuda"))
            dialogo = std::make_unique<frmAyuda>();
        else
            dialogo = std::make_unique<frmCarajo>();
        dialogo->show();
        QVERIFY(QTest::qWaitForWindowActive(dialogo.get()));
        QWidget *enfocado = buscarControl<QWidget>(dialogo.get(), foco);
        enfocado->setFocus();
        QCOMPARE(QApplication::focusWidget(), enfocado);
        QTest::keyClick(enfocado, Qt::Key_Escape);
        QVERIFY(!dialogo->isVisible());
        QVERIFY(entorno.direccionesAbiertas.isEmpty());
    }

    void secuenciaOculta_data() {
        QTest::addColumn<QString>("clics"); // A: author line, Z: title
        QTest::addColumn<bool>("saludos");
        QTest::newRow("la secuencia") << "AAAZZ" << true;
        QTest::newRow("sin clics") << "" << false;
        QTest::newRow("falta un clic en el titulo") << "AAAZ" << false;
        QTest::newRow("el titulo antes que el autor no cuenta") << "ZZAAA" << false;
        QTest::newRow("el autor da la vuelta a 0") << "AAAAZZ" << false;
        QTest::newRow("el titulo da la vuelta a 0") << "AAAZZZ" << false;
        QTest::newRow("tras una vuelta completa") << "AAAAAAAAZZ" << false;
        QTest::newRow("dos vueltas del autor") << "AAAAAAAZZ" << true;
    }
    void secuenciaOculta() {
        QFETCH(QString, clics);
        QFETCH(bool, saludos);
        EntornoPrueba entorno;
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        for (QChar clic : clics)
            QTest::mouseClick(clic == QLatin1Char('A') ? about.lblAutor : about.lblZarcel, Qt::LeftButton);

        bool abierta = false;
        if (saludos) {
            alAbrirseModal([&abierta](QWidget *ventana) {
                QCOMPARE(ventana->windowTitle(), QStringLiteral("Some greetings..."));
                abierta = qobject_cast<frmCarajo *>(ventana) != nullptr;
                QTest::mouseClick(buscarControl<QPushButton>(ventana, QStringLiteral("btnCerrar")),
                                  Qt::LeftButton);
            });
        }
        QTest::mouseClick(about.btnOK, Qt::LeftButton);
        QCOMPARE(abierta, saludos);
        QCOMPARE(about.isVisible(), saludos);
        if (saludos) {
            QCOMPARE(about.contadorAutor(), qint16(0));
            QCOMPARE(about.contadorZarcel(), qint16(0));
            QTest::mouseClick(about.btnOK, Qt::LeftButton); // back to a plain OK
            QVERIFY(!about.isVisible());
        }
    }

    void enlacesYTexto() {
        EntornoPrueba entorno;
        frmAbout about;
        about.show();
        QCOMPARE(about.lblZarcel->text(), QStringLiteral("Zarcel v.3.0.2"));
        const QStringList lineas = frmAbout::textoAviso().split(QStringLiteral("\r\n"));
        QCOMPARE(lineas.size(), 10); // nine lines, each ended by CR LF
        QCOMPARE(lineas.at(1), about.lblAutor->text());
        QVERIFY(!lineas.at(0).isEmpty());

        auto *movistar = buscarControl<EtiquetaPulsable>(&about, QStringLiteral("linkPagina(13)"));
        QCOMPARE(movistar->text(), QStringLiteral("Movistar"));
        QTest::mouseClick(movistar, Qt::LeftButton);
        auto *inicio = buscarControl<EtiquetaPulsable>(&about, QStringLiteral("linkPagina(0)"));
        inicio->setFocus();
        QTest::keyClick(inicio, Qt::Key_Space);
        QCOMPARE(entorno.direccionesAbiertas, (QStringList{movistar->direccion(), inicio->text()}));
        QVERIFY(movistar->direccion().startsWith(QStringLiteral("http")));
        // Totalise shows an address but holds none: nothing opens.
        QTest::mouseClick(buscarControl<EtiquetaPulsable>(&about, QStringLiteral("linkPagina(6)")),
                          Qt::LeftButton);
        QCOMPARE(entorno.direccionesAbiertas.size(), 2);
        QVERIFY(about.isVisible());
    }

    void ficheroDeAyuda_data() {
        QTest::addColumn<bool>("existe");
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QString>("mostrado");
        QTest::newRow("no existe") << false << QByteArray() << "Fichero de ayuda no disponible";
        QTest::newRow("vacio") << true << QByteArray() << "";
        QTest::newRow("windows-1252 con CR LF")
            << true << QByteArray("Ayuda\r\nEspa\xF1ol \x80\r\n") << QStringLiteral("Ayuda\nEspañol €\n");
    }
    void ficheroDeAyuda() {
        QFETCH(bool, existe);
        QFETCH(QByteArray, contenido);
        QFETCH(QString, mostrado);
        EntornoPrueba entorno;
        if (existe)
            entorno.escribirFichero(QStringLiteral("help.txt"), contenido);
        frmAyuda ayuda;
        QCOMPARE(ayuda.txtAyuda->toPlainText(), mostrado);
        QVERIFY(ayuda.txtAyuda->isReadOnly());
    }

    // The help file that ships beside the program: Windows-1252 text with CR LF.
    void ayudaDelPrograma() {
        QFile fichero(QStringLiteral(ZARCEL_AYUDA));
        QVERIFY(fichero.open(QIODevice::ReadOnly));
        const QByteArray datos = fichero.readAll();
        QVERIFY(datos.size() > 2000);
        QCOMPARE(datos.count("\n"), datos.count("\r\n"));
        QCOMPARE(datos.count("\r"), datos.count("\r\n"));
        QVERIFY(datos.endsWith("\r\n"));
        QVERIFY2(!QString::fromUtf8(datos).contains(QStringLiteral("ñ")), "help.txt está en UTF-8");
        QVERIFY(desdeAnsi(datos).contains(QStringLiteral("Opciones")));
    }

    void menuAyudaAbreSusVentanas_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("ventana");
        QTest::newRow("Contenido") << "mnuAyudaContenido"
                                   << "frmAyuda";
        QTest::newRow("About") << "mnuAyudaAbout"
                               << "frmAbout";
    }
    void menuAyudaAbreSusVentanas() {
        QFETCH(QString, menu);
        QFETCH(QString, ventana);
        EntornoPrueba entorno;
        frmPrincipal principal;
        QString abierta;
        alAbrirseModal([&abierta](QWidget *modal) {
            abierta = modal->objectName();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        buscarControl<QAction>(&principal, menu)->trigger();
        QCOMPARE(abierta, ventana);
    }
};

ZARCEL_TEST_MAIN(PruebaAcerca)
#include "tst_acerca.moc"
