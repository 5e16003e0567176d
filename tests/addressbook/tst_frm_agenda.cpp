#include "support/entorno_prueba.h"

#include "addressbook/agenda_prueba.h"
#include "addressbook/arbol_agenda.h"
#include "addressbook/frm_agenda.h"
#include "addressbook/frm_editar_posicion.h"
#include "app/frm_principal.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace {
const QString ninguno = QStringLiteral("Ninguno");
const QString amigos = QStringLiteral("Amigos");
const QDateTime antiguo(QDate(2020, 1, 1), QTime(12, 0));

// The editor over a book of the groups Ninguno and Amigos, Ana and Beto in Amigos
// and Cris in Ninguno, opened from a main window that has a recipient listed.
struct Editor {
    Editor() {
        entorno.escribirFichero(QStringLiteral("groups.lst"), grupoCifrado(ninguno) + grupoCifrado(amigos));
        entorno.escribirFichero(QStringLiteral("contacts.lst"),
                                contactoCifrado(QStringLiteral("Ana"), QStringLiteral("34"),
                                                QStringLiteral("600000001"), amigos) +
                                    contactoCifrado(QStringLiteral("Beto"), QStringLiteral("34"),
                                                    QStringLiteral("600000002"), amigos) +
                                    contactoCifrado(QStringLiteral("Cris"), QStringLiteral("44"),
                                                    QStringLiteral("700000003"), ninguno));
        for (const QString &nombre : {QStringLiteral("groups.lst"), QStringLiteral("contacts.lst")}) {
            QFile fichero(entorno.ruta(nombre));
            fichero.open(QIODevice::ReadWrite);
            fichero.setFileTime(antiguo, QFileDevice::FileModificationTime);
        }
        principal.cargarAgenda();
        principal.lstEnvio->addItem(QStringLiteral("#Ana"));
        agenda = std::make_unique<frmAgenda>(&principal);
        agenda->show();
    }
    template <typename T> T *control(const char *nombre) {
        return buscarControl<T>(agenda.get(), QString::fromUtf8(nombre));
    }
    void escribir(const char *caja, const QString &texto) { control<QLineEdit>(caja)->setText(texto); }
    void pulsar(const char *boton) { QTest::mouseClick(control<QPushButton>(boton), Qt::LeftButton); }
    void seleccionar(const QString &clave) {
        QTreeView *arbol = control<QTreeView>("treeAgenda");
        arbol->selectionModel()->select(agenda->arbol().buscar(clave), QItemSelectionModel::ClearAndSelect);
    }
    void menu(const char *accion) { control<QAction>(accion)->trigger(); }
    void cerrarConEsc() {
        QTest::keyClick(agenda.get(), Qt::Key_Escape);
        QVERIFY(!agenda->isVisible());
    }
    bool grabado() const {
        return QFileInfo(entorno.ruta(QStringLiteral("contacts.lst"))).lastModified() != antiguo &&
               QFileInfo(entorno.ruta(QStringLiteral("groups.lst"))).lastModified() != antiguo;
    }
    QStringList claves() const { return clavesEnOrden(agenda->arbol()); }

    EntornoPrueba entorno;
    frmPrincipal principal;
    std::unique_ptr<frmAgenda> agenda;
};

// Acts on the modal edit dialog as soon as it is shown.
void alAbrirDialogo(const std::function<void(frmEditarPosicion *)> &accion) {
    alAbrirseModal([accion](QWidget *ventana) {
        auto *dialogo = qobject_cast<frmEditarPosicion *>(ventana);
        QVERIFY(dialogo);
        accion(dialogo);
    });
}
} // namespace

class PruebaFrmAgenda : public QObject {
    Q_OBJECT
private slots:
    void validarContacto_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("prefijo");
        QTest::addColumn<QString>("telefono");
        QTest::addColumn<QString>("aviso");
        const QString dosPuntos = QStringLiteral("No puede utilizar el signo ':' en el nombre");
        const QString sinNombre = QStringLiteral("Debe escribir un nombre para poder añadirlo");
        const QString numeroMalo = QStringLiteral("El número de teléfono especificado es incorrecto");
        QTest::newRow("dos puntos antes que el numero") << "Ana:B"
                                                        << ""
                                                        << "abc" << dosPuntos;
        QTest::newRow("blancos antes que dos puntos") << "   "
                                                      << ""
                                                      << ":" << sinNombre;
        QTest::newRow("cero inicial") << "Ana"
                                      << ""
                                      << "0600000000" << numeroMalo;
        QTest::newRow("espacios dentro") << "Ana"
                                         << ""
                                         << "600 000 000" << numeroMalo;
        QTest::newRow("con prefijo") << "Ana"
                                     << ""
                                     << "+34600000000" << numeroMalo;
        QTest::newRow("vacio") << "Ana"
                               << ""
                               << "" << numeroMalo;
        QTest::newRow("dieciseis cifras") << "Ana"
                                          << ""
                                          << "1234567890123456" << numeroMalo;
        QTest::newRow("prefijo con dos puntos") << "Ana"
                                                << "3:4"
                                                << "600000000"
                                                << "No puede utilizar el signo ':' en el prefijo";
    }
    void validarContacto() {
        QFETCH(QString, nombre);
        QFETCH(QString, prefijo);
        QFETCH(QString, telefono);
        QFETCH(QString, aviso);
        Editor e;
        e.escribir("txtNombre", nombre);
        e.escribir("txtPrefijo", prefijo);
        e.escribir("txtTelefono", telefono);
        const QStringList antes = e.claves();
        e.pulsar("btnContacto");
        QCOMPARE(e.entorno.avisos, QStringList{aviso});
        QCOMPARE(e.claves(), antes);
        QCOMPARE(e.control<QLineEdit>("txtNombre")->text(), nombre);
        QCOMPARE(e.control<QLineEdit>("txtPrefijo")->text(), prefijo);
        // Even a refused addition makes the window save on closing.
        e.cerrarConEsc();
        QVERIFY(e.grabado());
    }

    void anadirContactosYGrupos() {
        Editor e;
        auto *grupos = e.control<QComboBox>("cmbGrupos");
        QCOMPARE(grupos->currentText(), QString());
        QCOMPARE(grupos->count(), 2);

        // No group chosen: "Ninguno"; a blank prefix becomes 34; the boxes empty.
        e.escribir("txtNombre", QStringLiteral(" Dani "));
        e.escribir("txtTelefono", QStringLiteral("600000004 "));
        e.control<QCheckBox>("chkEnvioReves")->setChecked(true);
        e.pulsar("btnContacto");
        const QModelIndex dani = e.agenda->arbol().buscar(QStringLiteral("Dani:34:600000004:1"));
        QVERIFY(dani.isValid());
        QCOMPARE(e.agenda->arbol().texto(dani.parent()), ninguno);
        QCOMPARE(e.agenda->arbol().texto(dani), QStringLiteral("Dani:+34600000004"));
        for (const char *caja : {"txtNombre", "txtTelefono", "txtPrefijo"})
            QVERIFY(e.control<QLineEdit>(caja)->text().isEmpty());
        QVERIFY(!e.control<QCheckBox>("chkEnvioReves")->isChecked());

        // The same key again is refused and the boxes keep their text; another number is accepted.
        e.escribir("txtNombre", QStringLiteral("Ana"));
        e.escribir("txtTelefono", QStringLiteral("600000001"));
        grupos->setCurrentIndex(1);
        e.pulsar("btnContacto");
        QCOMPARE(e.entorno.avisos, QStringList{QStringLiteral("Ya existe una entrada con ese nombre")});
        QCOMPARE(e.control<QLineEdit>("txtPrefijo")->text(), QStringLiteral("34"));
        e.escribir("txtTelefono", QStringLiteral("600000009"));
        e.pulsar("btnContacto");
        QCOMPARE(e.agenda->arbol().buscar(QStringLiteral("Ana:34:600000009:0")).parent(),
                 e.agenda->arbol().buscar(amigos));
        QCOMPARE(grupos->currentText(), amigos);

        // A typed group name counts when such a group exists; otherwise the contact is refused.
        e.escribir("txtNombre", QStringLiteral("Eva"));
        e.escribir("txtTelefono", QStringLiteral("5"));
        grupos->setEditText(QStringLiteral("Trabajo"));
        e.pulsar("btnContacto");
        QCOMPARE(e.entorno.avisos.last(), QStringLiteral("El grupo especificado no existe"));
        QCOMPARE(e.control<QLineEdit>("txtNombre")->text(), QStringLiteral("Eva"));

        e.pulsar("btnGrupo");
        QCOMPARE(e.entorno.avisos.last(), QStringLiteral("Debe escribir un nombre para poder añadirlo"));
        e.escribir("txtGrupo", QStringLiteral(" Trabajo "));
        e.pulsar("btnGrupo");
        QVERIFY(e.control<QLineEdit>("txtGrupo")->text().isEmpty());
        QCOMPARE(grupos->itemText(2), QStringLiteral("Trabajo"));
        e.escribir("txtGrupo", QStringLiteral("Trabajo"));
        e.pulsar("btnGrupo");
        QCOMPARE(e.entorno.avisos.last(), QStringLiteral("Ya existe una entrada con ese nombre"));
        QCOMPARE(grupos->count(), 3);
        QCOMPARE(e.control<QLineEdit>("txtGrupo")->text(), QStringLiteral("Trabajo"));

        grupos->setEditText(QStringLiteral("Trabajo "));
        e.pulsar("btnContacto");
        QCOMPARE(e.agenda->arbol().buscar(QStringLiteral("Eva:34:5:0")).parent(),
                 e.agenda->arbol().buscar(QStringLiteral("Trabajo")));

        // Closing saves, and the main window reloads its lists and empties the recipients.
        e.cerrarConEsc();
        QVERIFY(e.grabado());
        QCOMPARE(e.principal.lstEnvio->count(), 0);
        QCOMPARE(e.principal.lstContactos->model()->rowCount(), 6);
        QCOMPARE(e.principal.lstGrupo->model()->rowCount(), 3);
    }

    void cerrarSinOrdenesNoTocaNada() {
        Editor e;
        const QByteArray contactos = e.entorno.leerFichero(QStringLiteral("contacts.lst"));
        const QByteArray grupos = e.entorno.leerFichero(QStringLiteral("groups.lst"));
        QVERIFY(e.agenda->close());
        QVERIFY(!e.grabado());
        QCOMPARE(QFileInfo(e.entorno.ruta(QStringLiteral("contacts.lst"))).lastModified(), antiguo);
        QCOMPARE(e.entorno.leerFichero(QStringLiteral("contacts.lst")), contactos);
        QCOMPARE(e.entorno.leerFichero(QStringLiteral("groups.lst")), grupos);
        QCOMPARE(e.principal.lstEnvio->count(), 1);
    }

    void editarContacto() {
        Editor e;
        // Cancelling changes nothing in the tree, yet the window saves on closing.
        e.seleccionar(QStringLiteral("Ana:34:600000001:0"));
        alAbrirDialogo([](frmEditarPosicion *d) {
            QCOMPARE(d->txtNombre->text(), QStringLiteral("Ana"));
            QCOMPARE(d->txtPrefijo->text(), QStringLiteral("34"));
            QCOMPARE(d->txtTelefono->text(), QStringLiteral("600000001"));
            QCOMPARE(d->cmbGrupos->currentText(), amigos);
            QCOMPARE(d->cmbGrupos->count(), 2);
            QTest::mouseClick(d->btnCancelar, Qt::LeftButton);
        });
        e.menu("mnuPopUpEditar");
        const QStringList antes = e.claves();

        // A key taken by another contact keeps the dialog open and the contact as it was.
        e.seleccionar(QStringLiteral("Ana:34:600000001:0"));
        alAbrirDialogo([&e](frmEditarPosicion *d) {
            d->txtTelefono->setText(QStringLiteral("600000002"));
            d->txtNombre->setText(QStringLiteral("Beto"));
            QTest::mouseClick(d->btnOK, Qt::LeftButton);
            QVERIFY(d->isVisible());
            QCOMPARE(e.entorno.avisos, QStringList{QStringLiteral("Ya existe una entrada con ese nombre")});
            // A new number moves the contact to the end of the chosen group.
            d->txtNombre->setText(QStringLiteral("Ana"));
            d->txtPrefijo->setText(QString());
            d->cmbGrupos->setEditText(QString());
            d->chkEnvioReves->setChecked(true);
            QTest::mouseClick(d->btnOK, Qt::LeftButton);
            QVERIFY(!d->isVisible());
        });
        e.menu("mnuPopUpEditar");
        QCOMPARE(e.claves().size(), antes.size());
        QCOMPARE(e.claves().last(), QStringLiteral("Ana:34:600000002:1"));
        QCOMPARE(e.agenda->arbol().texto(e.agenda->arbol().buscar(e.claves().last()).parent()), ninguno);
        QCOMPARE(e.agenda->arbol().buscar(e.claves().last()).row(), 1);

        e.cerrarConEsc();
        QCOMPARE(e.entorno.leerFichero(QStringLiteral("contacts.lst")),
                 contactoCifrado(QStringLiteral("Beto"), QStringLiteral("34"), QStringLiteral("600000002"),
                                 amigos) +
                     contactoCifrado(QStringLiteral("Cris"), QStringLiteral("44"),
                                     QStringLiteral("700000003"), ninguno) +
                     contactoCifrado(QStringLiteral("Ana"), QStringLiteral("34"), QStringLiteral("600000002"),
                                     ninguno, -1));
    }

    void editarCancelarGraba() {
        Editor e;
        e.seleccionar(QStringLiteral("Cris:44:700000003:0"));
        alAbrirDialogo([](frmEditarPosicion *d) { QTest::keyClick(d, Qt::Key_Escape); });
        e.menu("mnuPopUpEditar");
        QVERIFY(e.agenda->close());
        QVERIFY(e.grabado());
        QCOMPARE(e.principal.lstEnvio->count(), 0);
    }

    void borrarYRenombrarGrupos() {
        Editor e;
        auto *arbol = e.control<QTreeView>("treeAgenda");
        auto *grupos = e.control<QComboBox>("cmbGrupos");
        // The first node stays.
        e.seleccionar(ninguno);
        e.menu("mnuPopUpBorrar");
        QVERIFY(e.agenda->arbol().existeClave(ninguno));

        e.escribir("txtGrupo", QStringLiteral("Trabajo"));
        e.pulsar("btnGrupo");
        e.escribir("txtNombre", QStringLiteral("Dani"));
        e.escribir("txtTelefono", QStringLiteral("9"));
        grupos->setEditText(QStringLiteral("Trabajo"));
        e.pulsar("btnContacto");

        // Renaming in place: blanks are refused and the label stays.
        for (const QString &nuevo : {QStringLiteral("   "), QStringLiteral("Colegas")}) {
            e.seleccionar(QStringLiteral("Trabajo"));
            e.menu("mnuPopUpEditar");
            QPointer<QLineEdit> editor = arbol->viewport()->findChild<QLineEdit *>();
            QVERIFY(editor);
            editor->setText(nuevo);
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_VERIFY(editor.isNull());
        }
        QCOMPARE(e.entorno.avisos, QStringList{QStringLiteral("El valor de este campo no puede ser nulo")});
        QCOMPARE(e.agenda->arbol().texto(e.agenda->arbol().buscar(QStringLiteral("Trabajo"))),
                 QStringLiteral("Colegas"));

        e.seleccionar(amigos);
        e.menu("mnuPopUpBorrar");
        QCOMPARE(grupos->count(), 2);
        QVERIFY(grupos->findText(amigos) < 0);
        e.cerrarConEsc();
        QCOMPARE(e.entorno.leerFichero(QStringLiteral("groups.lst")),
                 grupoCifrado(ninguno) + grupoCifrado(QStringLiteral("Colegas")));
        QCOMPARE(e.entorno.leerFichero(QStringLiteral("contacts.lst")),
                 contactoCifrado(QStringLiteral("Cris"), QStringLiteral("44"), QStringLiteral("700000003"),
                                 ninguno) +
                     contactoCifrado(QStringLiteral("Dani"), QStringLiteral("34"), QStringLiteral("9"),
                                     QStringLiteral("Colegas")));
    }

    void menuContextual() {
        Editor e;
        auto *arbol = e.control<QTreeView>("treeAgenda");
        auto *menu = e.control<QMenu>("mnuPopUp");
        const QPoint vacio(5, arbol->viewport()->height() - 3);
        QTest::mouseRelease(arbol->viewport(), Qt::RightButton, {}, vacio);
        QVERIFY(!menu->isVisible());
        e.seleccionar(amigos);
        QTest::mouseRelease(arbol->viewport(), Qt::LeftButton, {}, vacio);
        QVERIFY(!menu->isVisible());
        QTest::mouseRelease(arbol->viewport(), Qt::RightButton, {}, vacio);
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
    }

    void abiertoDesdeElMenu() {
        EntornoPrueba entorno;
        frmPrincipal principal;
        alAbrirseModal([](QWidget *ventana) {
            QVERIFY(qobject_cast<frmAgenda *>(ventana));
            QCOMPARE(ventana->windowTitle(), QStringLiteral("Agenda"));
        });
        buscarControl<QAction>(&principal, QStringLiteral("mnuAgendaEditar"))->trigger();
        // An empty book: both files created, nothing written on closing.
        QCOMPARE(entorno.leerFichero(QStringLiteral("groups.lst")), QByteArray());
        QVERIFY(QFileInfo::exists(entorno.ruta(QStringLiteral("contacts.lst"))));
    }
};

ZARCEL_TEST_MAIN(PruebaFrmAgenda)
#include "tst_frm_agenda.moc"
