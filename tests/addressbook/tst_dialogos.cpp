#include "support/entorno_prueba.h"

#include "addressbook/dialogos.h"
#include "addressbook/filtro_dialogos.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

class PruebaDialogos : public QObject {
    Q_OBJECT
private slots:
    void filtroPlataforma_data() {
        QTest::addColumn<QString>("filtro");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("todos los ficheros") << "Fichero de texto|*.*"
                                            << "Fichero de texto (*)";
        QTest::newRow("nombre fijo") << "Agenda version 1.x|zarcel.lst"
                                     << "Agenda version 1.x (zarcel.lst)";
        QTest::newRow("con la barra final") << "Fichero de texto|*.txt|"
                                            << "Fichero de texto (*.txt)";
        QTest::newRow("dos pares") << "Texto|*.txt|Todos|*.*"
                                   << "Texto (*.txt);;Todos (*)";
        QTest::newRow("varios patrones") << "Texto|*.txt;*.csv"
                                         << "Texto (*.txt *.csv)";
        QTest::newRow("descripcion sin patron") << "Texto|*.txt|Huerfana"
                                                << "Texto (*.txt)";
        QTest::newRow("vacio") << ""
                               << "";
    }
    void filtroPlataforma() {
        QFETCH(QString, filtro);
        QFETCH(QString, esperado);
        QCOMPARE(Dialogos::filtroPlataforma(filtro), esperado);
    }

    // The hooks the window tests rely on: answers in order, then "cancel".
    void respuestasPreparadas() {
        EntornoPrueba entorno;
        QWidget propietario;
        Dialogos::siguienteFichero(QStringLiteral("/tmp/uno.txt"));
        Dialogos::siguienteFichero(QString());
        QCOMPARE(Dialogos::abrirFichero(&propietario, QStringLiteral("Texto|*.*"), QStringLiteral("Abrir..."),
                                        entorno.carpeta()),
                 QStringLiteral("/tmp/uno.txt"));
        const Dialogos::Peticion peticion = Dialogos::ultimaPeticion();
        QCOMPARE(peticion.tipo, Dialogos::Peticion::Abrir);
        QCOMPARE(peticion.propietario, &propietario);
        QCOMPARE(peticion.filtro, QStringLiteral("Texto|*.*"));
        QCOMPARE(peticion.titulo, QStringLiteral("Abrir..."));
        QCOMPARE(peticion.carpetaInicial, entorno.carpeta());
        QCOMPARE(Dialogos::guardarFichero(&propietario, QString(), QString(), QString()), QString());
        QCOMPARE(Dialogos::ultimaPeticion().tipo, Dialogos::Peticion::Guardar);

        Dialogos::siguienteColor(0x00010203);
        Dialogos::siguienteColor(std::nullopt);
        QCOMPARE(Dialogos::elegirColor(&propietario, 0x00FFFFFF), quint32(0x00010203));
        QCOMPARE(Dialogos::elegirColor(&propietario, 0x00FFFFFF), quint32(0x00FFFFFF));
        // Nothing queued: answered at once as a cancel, never blocking.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("sin respuesta preparada")));
        QCOMPARE(Dialogos::elegirColor(&propietario, 0x00C0C0C0), quint32(0x00C0C0C0));
    }

    void dialogoDeColorReal_data() {
        QTest::addColumn<bool>("aceptar");
        QTest::newRow("aceptado") << true;
        QTest::newRow("cancelado") << false;
    }
    void dialogoDeColorReal() {
        QFETCH(bool, aceptar);
        EntornoPrueba entorno;
        Dialogos::modoPrueba(false);
        QColorDialog::setCustomColor(3, QColor(Qt::red)); // left by an earlier dialog
        QWidget propietario;
        alAbrirseModal([aceptar](QWidget *ventana) {
            auto *dialogo = qobject_cast<QColorDialog *>(ventana);
            QVERIFY(dialogo);
            QCOMPARE(dialogo->currentColor(), QColor(Qt::black)); // not the caller's colour
            for (int i = 0; i < QColorDialog::customCount(); ++i)
                QCOMPARE(QColorDialog::customColor(i), QColor(Qt::black));
            dialogo->setCurrentColor(QColor(0x10, 0x20, 0x30));
            aceptar ? dialogo->accept() : dialogo->reject();
        });
        const quint32 elegido = Dialogos::elegirColor(&propietario, 0x00ABCDEF);
        QCOMPARE(elegido, aceptar ? quint32(0x00302010) : quint32(0x00ABCDEF));
        QCOMPARE(QColorDialog::customColor(3), QColor(Qt::black));
        Dialogos::modoPrueba(true);
    }

    void dialogoDeFicheroReal_data() {
        QTest::addColumn<bool>("guardar");
        QTest::newRow("abrir") << false;
        QTest::newRow("guardar") << true;
    }
    void dialogoDeFicheroReal() {
        QFETCH(bool, guardar);
        EntornoPrueba entorno;
        entorno.escribirFichero(QStringLiteral("LEEME"), "x");
        Dialogos::modoPrueba(false);
        const QString elegido = entorno.ruta(QStringLiteral("LEEME"));
        alAbrirseModal([guardar, elegido](QWidget *ventana) {
            auto *dialogo = qobject_cast<QFileDialog *>(ventana);
            QVERIFY(dialogo);
            QCOMPARE(dialogo->windowTitle(), QStringLiteral("Fichero a importar..."));
            QCOMPARE(dialogo->nameFilters(), QStringList{QStringLiteral("Fichero de texto (*)")});
            QCOMPARE(dialogo->acceptMode(), guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
            QCOMPARE(dialogo->fileMode(), guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
            QVERIFY(!dialogo->testOption(QFileDialog::DontConfirmOverwrite));
            auto *nombre = dialogo->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(nombre);
            QTest::keyClicks(nombre, QStringLiteral("LEEME"));
            QTRY_COMPARE(dialogo->selectedFiles(), QStringList{elegido});
            // Accepting through the dialog's own check (overwrite question and all)
            // would block; what it returns is what the caller gets.
            static_cast<QDialog *>(dialogo)->done(QDialog::Accepted);
        });
        auto elegir = guardar ? &Dialogos::guardarFichero : &Dialogos::abrirFichero;
        QCOMPARE(elegir(nullptr, QStringLiteral("Fichero de texto|*.*"),
                        QStringLiteral("Fichero a importar..."), entorno.carpeta()),
                 QDir::toNativeSeparators(elegido));
        Dialogos::modoPrueba(true);
    }
};

ZARCEL_TEST_MAIN(PruebaDialogos)
#include "tst_dialogos.moc"
