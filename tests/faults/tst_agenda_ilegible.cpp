// An address book file that exists but cannot be read is never replaced: neither
// the editor nor an import may save a book that lacks its records.
#include "fallos.h"
#include "support/entorno_prueba.h"

#include "addressbook/agenda_prueba.h"
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
        // The sanitizers need descriptors of their own the first time they meet a
        // type: each window is used once before its reads fail.
        frmAgenda(&principal).hide();
        const QByteArray grupos = grupoCifrado(QStringLiteral("Amigos"));
        const QByteArray contactos = contactoCifrado(QStringLiteral("Ana"), QStringLiteral("34"),
                                                     QStringLiteral("600000001"), QStringLiteral("Amigos"));
        entorno.escribirFichero(QStringLiteral("groups.lst"), grupos);
        entorno.escribirFichero(QStringLiteral("contacts.lst"), contactos);
        // With no descriptor left while the book is read, every read fails as on an I/O error.
        using Lectura = std::function<bool(const std::function<bool()> &)>;
        QString dicho; // what the user was told
        if (importar) {
            // An import of no file: nothing to add, the book is saved as it was read.
            const auto importarNada = [&](const Lectura &leer) {
                frmImportar ventana(&principal);
                ventana.tipoImportacion = 2;
                QSignalSpy terminada(&ventana, &frmImportar::importacionTerminada);
                ventana.show(); // the book is read on the next turn of the event loop
                leer([&] { return QTest::qWaitFor([&] { return !terminada.isEmpty(); }, 5000); });
                ventana.reject();
                return ventana.txtLog->texto();
            };
            importarNada([](const std::function<bool()> &esperar) { return esperar(); });
            dicho = importarNada(Fallos::sinDescriptores);
        } else {
            std::unique_ptr<frmAgenda> editor;
            Fallos::sinDescriptores([&] {
                editor = std::make_unique<frmAgenda>(&principal);
                return true;
            });
            editor->txtGrupo->setText(QStringLiteral("Nuevos"));
            QTest::mouseClick(editor->btnGrupo, Qt::LeftButton);
            entorno.respuestas.enqueue(true); // close without saving
            editor->reject();
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
