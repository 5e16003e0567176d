#include "support/entorno_prueba.h"

#include "addressbook/destinatarios.h"
#include "addressbook/tabla_contactos.h"
#include "app/caja_mensaje.h"
#include "app/contador_mensaje.h"
#include "app/estilo.h"
#include "common/colores.h"

#include <QAbstractItemModelTester>

class PruebaPrincipal : public QObject {
    Q_OBJECT
private slots:
    void partes() {
        // gateway, signature, letters, parts
        const std::tuple<const char *, const char *, int, const char *> casos[]{
            {"Amena", "", 130, "1"},
            {"Amena", "", 131, "2"},
            {"Amena", "", 250, "2"},
            {"Amena", "", 251, "3"},
            {"Amena", "  Juan Perez ", 125, "2"},
            {"Amena", "Juan Perez", 120, "1"},
            {"Amena", "          ", 130, "1"},
            {"Movistar", "", 150, "1"},
            {"Desconocida", "", 0, "0"},
            {"Desconocida", "", 1, "??"}};
        for (const auto &[pasarela, firma, letras, partes] : casos)
            QCOMPARE(
                textoPartes(QString(letras, u'a'), QString::fromLatin1(pasarela), QString::fromLatin1(firma)),
                u"Partes: "_s + QString::fromLatin1(partes));
    }

    void escribirElMensaje() {
        EntornoPrueba entorno;
        frmPrincipal ventana;
        ventana.show();
        QVERIFY(QTest::qWaitForWindowActive(&ventana, 3000));
        auto *caja = buscarControl<CajaMensaje>(&ventana, u"txtMensaje"_s);
        auto *pasarela = buscarControl<QComboBox>(&ventana, u"cmbPasarela"_s);
        pasarela->setCurrentIndex(pasarela->findText(u"Movistar"_s));
        caja->setFocus();
        QTest::keyClicks(caja, QString(149, u'x'));
        QTest::keyClick(caja, Qt::Key_Return); // a break is no character
        const QLabel *caracteres = buscarControl<QLabel>(&ventana, u"lblCaracteres"_s);
        QCOMPARE(caracteres->text(), u"Número de carácteres: 149"_s);
        QCOMPARE(ventana.lblPartes->text(), u"Partes: 1"_s);
        pasarela->setCurrentIndex(pasarela->findText(u"Amena"_s));
        QCOMPARE(ventana.lblPartes->text(), u"Partes: 2"_s);
        QCOMPARE(ventana.textoMensaje(), QString(149, u'x') + u"\r\n"_s);

        // A thousand characters at most, a break counting two.
        for (const int letras : {998, 999}) {
            caja->setPlainText(QString(letras, u'a'));
            caja->moveCursor(QTextCursor::End);
            QTest::keyClick(caja, Qt::Key_Return);
            QCOMPARE(ventana.textoMensaje(), QString(letras, u'a') + (letras < 999 ? u"\r\n"_s : QString()));
        }
        caja->setPlainText(QString(990, u'a'));
        caja->moveCursor(QTextCursor::End);
        caja->insertPlainText(u"0123\n456789"_s); // text put in by code is cut afterwards
        QCOMPARE(ventana.textoMensaje(), QString(990, u'a') + u"0123\r\n4567"_s);

        // Ctrl+A is Mensajes > Almacenados here, not select-all; Ctrl+N a new message.
        QString abierta;
        alAbrirseModal([&abierta](QWidget *modal) { abierta = modal->objectName(); });
        QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(abierta, u"frmEnvioRetardado"_s);
        ventana.activateWindow(); // offscreen, activation does not come back by itself
        QVERIFY(QTest::qWaitForWindowActive(&ventana, 3000) && !caja->textCursor().hasSelection());
        ventana.lstEnvio->addItem(u"@+34:600000000"_s);
        ventana.txtEnvio->setFocus();
        QTest::keyClick(ventana.txtEnvio, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(ventana.textoMensaje(), QString());
        QCOMPARE(ventana.lstEnvio->count(), 0);
        QCOMPARE(ventana.lblCaracteres->text(), u"Número de carácteres: 0"_s);
        ESPERAR(caja->hasFocus(), "el mensaje nuevo no puso el foco en el texto");
    }

    void pasarelaYColoresDeLaConfiguracion() {
        EntornoPrueba entorno;
        Configuracion propia = Configuracion::porDefecto();
        asignarCampo(propia.servidorNacionales, u" GsmNet "_s);
        propia.colorTextoPrincipal = 0x0000FF; // red
        propia.colorTextoCampos = 0x00FF00;    // green
        propia.colorFondoCampos = 0xFF0000;    // blue
        propia.colorFondoPantalla = 0x00FFFF;  // yellow
        QVERIFY(grabarConfiguracion(propia));
        frmPrincipal ventana;
        ventana.cargarConfiguracion();
        ventana.preseleccionarPasarela();
        QCOMPARE(ventana.cmbPasarela->currentText(), u"GsmNet"_s);
        QCOMPARE(QList<QColor>({ventana.lblPartes->palette().color(QPalette::WindowText),
                                ventana.lstEnvio->palette().color(QPalette::Text),
                                ventana.txtMensaje->palette().color(QPalette::Base),
                                ventana.Frame2->palette().color(QPalette::Window),
                                ventana.btnAnadirGrupo->palette().color(QPalette::Button)}),
                 QList<QColor>({Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::yellow}));
        // A name the box does not offer leaves the box on one of its own entries.
        asignarCampo(propia.servidorNacionales, u"Lycos"_s);
        QVERIFY(grabarConfiguracion(propia));
        ventana.cargarConfiguracion();
        ventana.preseleccionarPasarela();
        QCOMPARE(ventana.cmbPasarela->currentText(), u"GsmNet"_s);
    }

    void leerEntradas() {
        // entry -> kind|name|prefix|number
        const char *casos[][2]{{"#Casa", "0|Casa||"},
                               {"&Amigos   ", "1|Amigos||"},
                               {"@+34:600123456", "2||34|600123456"},
                               {"@+44: 6:7 ", "2||44| 6:7 "},
                               {"@+34", "2||34|"},
                               {"", "3|||"}};
        for (const auto &caso : casos) {
            const Destinatarios::Destinatario d = Destinatarios::leer(QString::fromUtf8(caso[0]));
            QCOMPARE(QStringList({QString::number(int(d.tipo)), d.nombre, d.prefijo, d.numero}).join(u'|'),
                     QString::fromUtf8(caso[1]));
        }
    }

    // The lists come from the book sorted without case, a tooltip on each contact; then
    // recipients are picked from them and typed, and taken off again.
    void listasYDestinatarios() {
        Escritorio escritorio({u"trabajo"_s, u"Amigos"_s, ninguno},
                              {{u"Beto"_s, u"600000002"_s, ninguno, -1},
                               {u"  Ana "_s, u"600000001"_s, u"Amigos"_s},
                               {u"Álvaro"_s, u"12345678901"_s, ninguno, 1},
                               {u"carlos"_s, u"0600"_s, ninguno},
                               {u"beto"_s, u"2147483647"_s, ninguno},
                               {u"Ana"_s, u"3"_s, ninguno}});
        auto &[entorno, v] = escritorio;
        v.show();
        QAbstractItemView *contactos = vista(&v, "lstContactos");
        QAbstractItemView *grupos = vista(&v, "lstGrupo");
        QAbstractItemView *envio = vista(&v, "lstEnvio");
        QAbstractItemModelTester probador(contactos->model(),
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
        // What was loaded stays when the file changes in place under the running program.
        entorno.escribirFichero(u"contacts.lst"_s, {});
        QCOMPARE(textosDe(contactos),
                 QStringList({u"Álvaro"_s, u"Ana"_s, u"Ana"_s, u"Beto"_s, u"beto"_s, u"carlos"_s}));
        QCOMPARE(textosDe(grupos), QStringList({u"Amigos"_s.leftJustified(25), ninguno.leftJustified(25),
                                                u"trabajo"_s.leftJustified(25)}));
        // Only -1 is true.
        QVERIFY(tablaContactos.at(1).grupo == u"Amigos"_s && tablaContactos.at(0).envioReves &&
                !tablaContactos.at(2).envioReves);
        // The row under the pointer shows its number as an integer: the second Ana, as the
        // file has them, and carlos's "0600" without its zero.
        const auto ayuda = [contactos](int fila) {
            const QPoint centro = contactos->visualRect(contactos->model()->index(fila, 0)).center();
            QMouseEvent movimiento(QEvent::MouseMove, centro, contactos->viewport()->mapToGlobal(centro),
                                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(contactos->viewport(), &movimiento);
            return contactos->toolTip();
        };
        QCOMPARE(ayuda(2) + u'|' + ayuda(5), u"3|600"_s);

        QTest::mouseClick(v.btnAnadirAgenda, Qt::LeftButton);
        QTest::mouseClick(v.btnAnadirGrupo, Qt::LeftButton);
        QCOMPARE(entorno.avisos, QStringList(2, u"No hay nada seleccionado para añadir"_s));
        contactos->setCurrentIndex(contactos->model()->index(5, 0)); // carlos
        QTest::mouseClick(v.btnAnadirAgenda, Qt::LeftButton);
        dobleClic(contactos, 1); // Ana
        dobleClic(contactos, 2); // the other Ana
        QCOMPARE(entorno.avisos.last(), u"El contacto a añadir ya está en la lista"_s);
        QTest::mouseClick(v.btnAnadirTodaAgenda, Qt::LeftButton);
        dobleClic(grupos, 0);
        grupos->setCurrentIndex(grupos->model()->index(0, 0));
        QTest::mouseClick(v.btnAnadirGrupo, Qt::LeftButton);
        QCOMPARE(entorno.avisos.last(), u"El grupo a añadir ya está en la lista"_s);
        QTest::mouseClick(v.btnAnadirTodosGrupos, Qt::LeftButton);
        QCOMPARE(entorno.avisos.size(), 4);

        // Typed numbers: a blank prefix is 34; the same entry again is refused and the boxes keep their text.
        v.txtEnvio->setText(u"600123456"_s);
        QTest::mouseClick(v.btnAnadirEsporadico, Qt::LeftButton);
        QVERIFY(v.txtEnvio->text().isEmpty());
        v.txtPrefijo->setText(u"34"_s);
        v.txtEnvio->setText(u"600123456"_s);
        QTest::keyClick(v.txtEnvio, Qt::Key_Return);
        QCOMPARE(entorno.avisos.takeLast(), u"El telefono a añadir ya está en la lista"_s);
        QCOMPARE(v.txtPrefijo->text() + v.txtEnvio->text(), u"34600123456"_s);
        v.txtPrefijo->setText(u"44"_s);
        QTest::keyClick(v.txtEnvio, Qt::Key_Enter);
        v.txtEnvio->setText(u" 600123456 "_s);
        v.txtPrefijo->setText(u"   "_s);
        QTest::mouseClick(v.btnAnadirEsporadico, Qt::LeftButton);
        v.txtEnvio->setText(u"0600123456"_s);
        QTest::mouseClick(v.btnAnadirEsporadico, Qt::LeftButton);
        QCOMPARE(entorno.avisos.takeLast(), u"El número de teléfono contiene caracteres incorrectos"_s);
        QCOMPARE(textosDe(envio),
                 QStringList({u"#carlos"_s, u"#Ana"_s, u"#Álvaro"_s, u"#Beto"_s, u"#beto"_s,
                              u"&Amigos"_s.leftJustified(26), u"&Ninguno"_s.leftJustified(26),
                              u"&trabajo"_s.leftJustified(26), u"@+34:600123456"_s, u"@+44:600123456"_s,
                              u"@+34: 600123456 "_s}));

        // Double click and the popup's orders take entries off the list.
        dobleClic(envio, 1);
        QCOMPARE(textosDe(envio).mid(0, 2), QStringList({u"#carlos"_s, u"#Álvaro"_s}));
        QVERIFY(!envio->selectionModel()->hasSelection());
        const QPoint primera = envio->visualRect(envio->model()->index(0, 0)).center();
        QTest::mousePress(envio->viewport(), Qt::RightButton, {}, primera);
        QVERIFY(!v.mnuPopUpLista->isVisible());
        QTest::mouseRelease(envio->viewport(), Qt::RightButton, {}, primera);
        ESPERAR(v.mnuPopUpLista->isVisible(), "el botón derecho no abrió el menú");
        v.mnuPopUpLista->hide();
        v.mnuPopUpBorrar->trigger(); // the row under the pointer
        QCOMPARE(textosDe(envio).first(), u"#Álvaro"_s);
        v.mnuPopUpBorrar->trigger();
        QCOMPARE(entorno.avisos.takeLast(), u"No hay ningun elemento seleccionado para borrar"_s);
        v.mnuPopupBorrarTodos->trigger();
        QVERIFY(textosDe(envio).isEmpty());
        QCOMPARE(entorno.avisos.size(), 4);
        // The keys act on the row the keyboard is on, selected or not; Return presses a button.
        const auto ponerEn = [](QAbstractItemView *lista, int fila) {
            lista->selectionModel()->setCurrentIndex(lista->model()->index(fila, 0),
                                                     QItemSelectionModel::NoUpdate);
        };
        ponerEn(contactos, 3);
        QTest::keyClick(contactos, Qt::Key_Return);
        ponerEn(grupos, 2);
        QTest::keyClick(grupos, Qt::Key_Enter);
        QTest::keyClick(v.btnAnadirTodosGrupos, Qt::Key_Return);
        ponerEn(envio, 1);
        QTest::keyClick(envio, Qt::Key_Delete);
        QCOMPARE(textosDe(envio),
                 QStringList({u"#Beto"_s, u"&Amigos"_s.leftJustified(26), u"&Ninguno"_s.leftJustified(26)}));
        // A contact file without a whole record empties the table.
        entorno.escribirFichero(u"contacts.lst"_s, {});
        v.cargarAgenda();
        QVERIFY(tablaContactos.isEmpty() && textosDe(contactos).isEmpty());
        QCOMPARE(textosDe(grupos).size(), 3);
    }

    void estiloDibujaLosMarcosComoFusion() {
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"Fusion"_s)), propio(estiloPrograma());
        for (const auto &caso : {std::pair{u"Mensaje"_s, false}, {QString(), false}, {QString(), true}}) {
            const auto dibujo = [&](QStyle *estilo) {
                QGroupBox caja(caso.first);
                caja.setCheckable(caso.second);
                caja.setStyle(estilo);
                caja.resize(200, 120);
                return caja.grab().toImage();
            };
            QCOMPARE(dibujo(propio.get()), dibujo(fusion.get()));
        }
    }
};

ZARCEL_TEST_MAIN(PruebaPrincipal)
#include "tst_principal.moc"
