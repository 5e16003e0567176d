#include "support/entorno_prueba.h"

#include "app/caja_mensaje.h"
#include "app/contador_mensaje.h"
#include "app/frm_principal.h"
#include "common/colores.h"
#include "config/fichero_configuracion.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

class PruebaEditorMensaje : public QObject {
    Q_OBJECT

    static QString caracteres(frmPrincipal &ventana) {
        return buscarControl<QLabel>(&ventana, QStringLiteral("lblCaracteres"))->text();
    }
    static QString partes(frmPrincipal &ventana) {
        return buscarControl<QLabel>(&ventana, QStringLiteral("lblPartes"))->text();
    }
    static void elegirPasarela(frmPrincipal &ventana, const QString &nombre) {
        auto *caja = buscarControl<QComboBox>(&ventana, QStringLiteral("cmbPasarela"));
        caja->setCurrentIndex(caja->findText(nombre));
    }

private slots:
    void contadores_data() {
        QTest::addColumn<QString>("pasarela");
        QTest::addColumn<QString>("firma");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("textoCaracteres");
        QTest::addColumn<QString>("textoPartes");
        const QString c = QStringLiteral("Número de carácteres: %1");
        QTest::newRow("salto de linea") << "Amena"
                                        << ""
                                        << "Hola\nadios" << c.arg(9) << "Partes: 1";
        QTest::newRow("solo saltos") << "Amena"
                                     << ""
                                     << "\n\n\n"
                                     << c.arg(0) << "Partes: 0";
        QTest::newRow("Amena 130") << "Amena"
                                   << "" << QString(130, QLatin1Char('a')) << c.arg(130) << "Partes: 1";
        QTest::newRow("Amena 131") << "Amena"
                                   << "" << QString(131, QLatin1Char('a')) << c.arg(131) << "Partes: 2";
        QTest::newRow("Amena 250") << "Amena"
                                   << "" << QString(250, QLatin1Char('a')) << c.arg(250) << "Partes: 2";
        QTest::newRow("Amena 251") << "Amena"
                                   << "" << QString(251, QLatin1Char('a')) << c.arg(251) << "Partes: 3";
        QTest::newRow("firma 10 y 125")
            << "Amena"
            << "  Juan Perez " << QString(125, QLatin1Char('a')) << c.arg(125) << "Partes: 2";
        QTest::newRow("firma 10 y 120")
            << "Amena"
            << "Juan Perez" << QString(120, QLatin1Char('a')) << c.arg(120) << "Partes: 1";
        QTest::newRow("firma de espacios")
            << "Amena"
            << "          " << QString(130, QLatin1Char('a')) << c.arg(130) << "Partes: 1";
        QTest::newRow("Movistar 150") << "Movistar"
                                      << "" << QString(150, QLatin1Char('a')) << c.arg(150) << "Partes: 1";
    }
    void contadores() {
        QFETCH(QString, pasarela);
        QFETCH(QString, firma);
        QFETCH(QString, texto);
        QFETCH(QString, textoCaracteres);
        QFETCH(QString, textoPartes);
        EntornoPrueba entorno;
        asignarCampo(configuracion.firma, firma);
        frmPrincipal ventana;
        elegirPasarela(ventana, pasarela);
        buscarControl<QPlainTextEdit>(&ventana, QStringLiteral("txtMensaje"))->setPlainText(texto);
        QCOMPARE(caracteres(ventana), textoCaracteres);
        QCOMPARE(partes(ventana), textoPartes);
    }

    void contadoresSiguenAlEscribirYAlCambiarDePasarela() {
        EntornoPrueba entorno;
        frmPrincipal ventana;
        QCOMPARE(caracteres(ventana), QStringLiteral("Número de carácteres: 0"));
        QCOMPARE(partes(ventana), QStringLiteral("Partes: 0"));
        elegirPasarela(ventana, QStringLiteral("Movistar"));
        auto *caja = buscarControl<QPlainTextEdit>(&ventana, QStringLiteral("txtMensaje"));
        QTest::keyClicks(caja, QString(150, QLatin1Char('x')));
        QCOMPARE(partes(ventana), QStringLiteral("Partes: 1"));
        elegirPasarela(ventana, QStringLiteral("Amena"));
        QCOMPARE(partes(ventana), QStringLiteral("Partes: 2"));
        // A name outside the catalogue can only come from the settings.
        QCOMPARE(textoPartes(QStringLiteral("hola"), QStringLiteral("Desconocida"), QString()),
                 QStringLiteral("Partes: ??"));
        QCOMPARE(textoPartes(QString(), QStringLiteral("Desconocida"), QString()),
                 QStringLiteral("Partes: 0"));
    }

    void limiteDeMilCaracteres() {
        EntornoPrueba entorno;
        frmPrincipal ventana;
        ventana.show();
        auto *caja = buscarControl<CajaMensaje>(&ventana, QStringLiteral("txtMensaje"));
        caja->setFocus();
        caja->setPlainText(QString(998, QLatin1Char('a')));
        caja->moveCursor(QTextCursor::End);
        QTest::keyClick(caja, Qt::Key_Return); // a break takes the last two
        QCOMPARE(ventana.textoMensaje().size(), 1000);
        QTest::keyClicks(caja, QStringLiteral("b"));
        QCOMPARE(ventana.textoMensaje(), QString(998, QLatin1Char('a')) + QStringLiteral("\r\n"));

        caja->setPlainText(QString(999, QLatin1Char('a')));
        caja->moveCursor(QTextCursor::End);
        QTest::keyClick(caja, Qt::Key_Return); // no room for a break
        QCOMPARE(ventana.textoMensaje(), QString(999, QLatin1Char('a')));

        // A paste keeps what fits, from its start.
        caja->setPlainText(QString(990, QLatin1Char('a')));
        caja->moveCursor(QTextCursor::End);
        caja->insertPlainText(QStringLiteral("0123\n456789"));
        QCOMPARE(ventana.textoMensaje(), QString(990, QLatin1Char('a')) + QStringLiteral("0123\r\n4567"));
    }

    void mensajeConSaltosCRLF() {
        EntornoPrueba entorno;
        frmPrincipal ventana;
        ventana.ponerTextoMensaje(QStringLiteral("uno\r\ndos\r\n"));
        QCOMPARE(ventana.txtMensaje->toPlainText(), QStringLiteral("uno\ndos\n"));
        QCOMPARE(ventana.textoMensaje(), QStringLiteral("uno\r\ndos\r\n"));
    }

    void nuevoMensajeVaciaTextoYDestinatarios() {
        EntornoPrueba entorno;
        frmPrincipal ventana;
        ventana.show();
        ventana.ponerTextoMensaje(QStringLiteral("hola"));
        ventana.lstEnvio->addItem(QStringLiteral("@+34:600000000"));
        ventana.btnEnviar->setFocus();
        ventana.mnuMensajesNuevo->trigger();
        QCOMPARE(ventana.textoMensaje(), QString());
        QCOMPARE(ventana.lstEnvio->count(), 0);
        QCOMPARE(caracteres(ventana), QStringLiteral("Número de carácteres: 0"));
        QVERIFY(QTest::qWaitFor([&] { return ventana.txtMensaje->hasFocus(); }, 1000));
    }

    void atajosDesdeLaCajaDeTexto() {
        EntornoPrueba entorno;
        frmPrincipal ventana;
        ventana.show();
        QVERIFY(QTest::qWaitForWindowActive(&ventana));
        ventana.txtMensaje->setFocus();
        ventana.ponerTextoMensaje(QStringLiteral("hola"));
        // Ctrl+A would select all in a text box; here it is Mensajes > Almacenados.
        QSignalSpy almacenados(ventana.mnuMensajesAlmacenados, &QAction::triggered);
        QString abierta; // the stored-messages window opens modally and is closed again
        alAbrirseModal([&abierta](QWidget *modal) { abierta = modal->objectName(); });
        QTest::keyClick(ventana.txtMensaje, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(almacenados.count(), 1);
        QCOMPARE(abierta, QStringLiteral("frmEnvioRetardado"));
        ventana.activateWindow(); // offscreen, activation does not come back by itself
        QVERIFY(QTest::qWaitForWindowActive(&ventana));
        QVERIFY(!ventana.txtMensaje->textCursor().hasSelection());
        ventana.txtEnvio->setFocus();
        QTest::keyClick(ventana.txtEnvio, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(ventana.textoMensaje(), QString());
    }

    void pasarelaYColoresDeLaConfiguracion() {
        EntornoPrueba entorno;
        Configuracion propia = Configuracion::porDefecto();
        asignarCampo(propia.servidorNacionales, QStringLiteral(" GsmNet "));
        propia.colorTextoPrincipal = 0x0000FF; // red
        propia.colorTextoCampos = 0x00FF00;    // green
        propia.colorFondoCampos = 0xFF0000;    // blue
        propia.colorFondoPantalla = 0x00FFFF;  // yellow
        QVERIFY(grabarConfiguracion(propia));
        frmPrincipal ventana;
        ventana.cargarConfiguracion();
        ventana.preseleccionarPasarela();
        QCOMPARE(ventana.cmbPasarela->currentText(), QStringLiteral("GsmNet"));
        QCOMPARE(ventana.lblPartes->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(ventana.lstEnvio->palette().color(QPalette::Text), QColor(Qt::green));
        QCOMPARE(ventana.txtMensaje->palette().color(QPalette::Base), QColor(Qt::blue));
        QCOMPARE(ventana.Frame2->palette().color(QPalette::Window), QColor(Qt::yellow));
        QCOMPARE(ventana.btnAnadirGrupo->palette().color(QPalette::Button), QColor(Qt::yellow));
        QCOMPARE(colorARegistro(QColor(Qt::yellow)), quint32(0x00FFFF));

        // A name the box does not offer leaves the box on one of its own entries.
        asignarCampo(propia.servidorNacionales, QStringLiteral("Lycos"));
        QVERIFY(grabarConfiguracion(propia));
        ventana.cargarConfiguracion();
        ventana.preseleccionarPasarela();
        QCOMPARE(ventana.cmbPasarela->currentText(), QStringLiteral("GsmNet"));
    }
};

ZARCEL_TEST_MAIN(PruebaEditorMensaje)
#include "tst_editor_mensaje.moc"
