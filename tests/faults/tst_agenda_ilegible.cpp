// An address book file that exists but cannot be read is never replaced: neither
// the editor nor an import may save a book that lacks its records.
#include "fallos.h"
#include "support/entorno_prueba.h"

#include "addressbook/agenda_prueba.h"
#include "addressbook/fichero_agenda.h"
#include "addressbook/frm_agenda.h"
#include "addressbook/frm_importar.h"
#include "app/frm_principal.h"
#include "common/caja_log.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

class PruebaAgendaIlegible : public QObject {
    Q_OBJECT
private slots:
    void agendaIlegibleNoSeReemplaza_data() {
        QTest::addColumn<bool>("importar");
        QTest::newRow("editor") << false;
        QTest::newRow("importacion") << true;
    }
    void agendaIlegibleNoSeReemplaza() {
        QFETCH(bool, importar);
        EntornoPrueba entorno;
        frmPrincipal principal;
        // The sanitizers need descriptors of their own the first time they meet a type:
        // each window is used once before its reads fail.
        frmAgenda(&principal).hide();
        entorno.escribirFichero(QStringLiteral("groups.lst"), grupoCifrado(QStringLiteral("Amigos")));
        entorno.escribirFichero(QStringLiteral("contacts.lst"),
                                contactoCifrado(QStringLiteral("Ana"), QStringLiteral("34"),
                                                QStringLiteral("600000001"), QStringLiteral("Amigos")));
        const QByteArray grupos = entorno.leerFichero(QStringLiteral("groups.lst"));
        const QByteArray contactos = entorno.leerFichero(QStringLiteral("contacts.lst"));
        QString dicho; // what the user was told
        // With no descriptor left while the book is read, every read fails as on an I/O error.
        if (importar) {
            // An import of a missing file: nothing to add, the book is saved as it was read.
            const auto importarNada = [&](const std::function<bool(const std::function<bool()> &)> &leer) {
                frmImportar ventana(&principal);
                ventana.tipoImportacion = 2;
                ventana.ficheroImportar = entorno.ruta(QStringLiteral("nada.txt"));
                QSignalSpy terminada(&ventana, &frmImportar::importacionTerminada);
                ventana.show(); // the book is read on the next turn of the event loop
                const bool leida =
                    leer([&] { return QTest::qWaitFor([&] { return !terminada.isEmpty(); }, 5000); });
                ventana.reject();
                return leida ? ventana.txtLog->texto() : QString();
            };
            importarNada([](const std::function<bool()> &esperar) { return esperar(); });
            dicho = importarNada(Fallos::sinDescriptores);
        } else {
            std::unique_ptr<frmAgenda> editor;
            Fallos::sinDescriptores([&] {
                editor = std::make_unique<frmAgenda>(&principal);
                return true;
            });
            editor->show();
            editor->txtGrupo->setText(QStringLiteral("Nuevos"));
            QTest::mouseClick(editor->btnGrupo, Qt::LeftButton);
            editor->reject(); // asked whether to close without saving, the user says No
            QVERIFY(editor->isVisible());
            entorno.respuestas.enqueue(true);
            editor->reject();
            QVERIFY(!editor->isVisible());
            dicho = entorno.avisos.join(QLatin1Char('\n'));
        }
        QVERIFY2(dicho.contains(QStringLiteral("contacts.lst")) &&
                     dicho.contains(QStringLiteral("groups.lst")),
                 qPrintable(dicho));
        QCOMPARE(entorno.leerFichero(QStringLiteral("groups.lst")), grupos);
        QCOMPARE(entorno.leerFichero(QStringLiteral("contacts.lst")), contactos);
    }
};

ZARCEL_TEST_MAIN(PruebaAgendaIlegible)
#include "tst_agenda_ilegible.moc"
