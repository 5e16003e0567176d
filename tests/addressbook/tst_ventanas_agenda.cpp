#include "app/ventana_prueba.h"

#include "addressbook/dialogos.h"
#include "addressbook/fichero_agenda.h"
#include "addressbook/frm_agenda.h"
#include "addressbook/frm_editar_posicion.h"
#include "addressbook/frm_exportar.h"
#include "addressbook/frm_importar.h"
#include "app/frm_principal.h"
#include "common/caja_log.h"
#include "common/carpeta.h"

#include <QSignalSpy>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {
const QString ninguno = u"Ninguno"_s;
const QString amigos = u"Amigos"_s;
const QDateTime antiguo(QDate(2020, 1, 1), QTime(12, 0));

// The editor over Ana and Beto in Amigos and Cris in Ninguno, opened from a main
// window that lists a recipient.
struct Editor {
    static bool escribirLibro(const EntornoPrueba &entorno) {
        escribirAgenda(entorno, {ninguno, amigos},
                       {{u"Ana"_s, u"600000001"_s, amigos},
                        {u"Beto"_s, u"600000002"_s, amigos},
                        {u"Cris"_s, u"700000003"_s, ninguno, 0, u"44"_s}});
        for (const QString &nombre : {u"groups.lst"_s, u"contacts.lst"_s}) {
            QFile fichero(entorno.ruta(nombre));
            fichero.open(QIODevice::ReadWrite);
            fichero.setFileTime(antiguo, QFileDevice::FileModificationTime);
        }
        return true;
    }
    Editor() {
        principal.cargarAgenda();
        principal.lstEnvio->addItem(u"#Ana"_s);
        agenda.show();
    }
    void escribir(const char *caja, const QString &texto) {
        buscarControl<QLineEdit>(&agenda, QString::fromLatin1(caja))->setText(texto);
    }
    void anadir(const char *boton) {
        QTest::mouseClick(buscarControl<QPushButton>(&agenda, QString::fromLatin1(boton)), Qt::LeftButton);
    }
    void contacto(const QString &nombre, const QString &telefono, const QString &grupo = {}) {
        escribir("txtNombre", nombre);
        escribir("txtTelefono", telefono);
        agenda.cmbGrupos->setEditText(grupo);
        anadir("btnContacto");
    }
    // Runs the popup's Editar or Borrar on the node of key `clave`.
    void orden(QAction *accion, const QString &clave) {
        agenda.treeAgenda->selectionModel()->select(agenda.arbol().buscar(clave),
                                                    QItemSelectionModel::ClearAndSelect);
        accion->trigger();
    }
    bool grabado() const {
        return QFileInfo(entorno.ruta(u"contacts.lst"_s)).lastModified() != antiguo &&
               QFileInfo(entorno.ruta(u"groups.lst"_s)).lastModified() != antiguo;
    }

    EntornoPrueba entorno;
    const bool escrito = escribirLibro(entorno);
    frmPrincipal principal;
    frmAgenda agenda{&principal};
};

void alAbrirDialogo(const std::function<void(frmEditarPosicion *)> &accion) {
    alAbrirseModal([accion](QWidget *ventana) {
        auto *dialogo = qobject_cast<frmEditarPosicion *>(ventana);
        QVERIFY(dialogo);
        accion(dialogo);
    });
}

QStringList clavesGuardadas() {
    ArbolAgenda arbol;
    cargarArbolAgenda(arbol);
    return clavesEnOrden(arbol);
}
} // namespace

class PruebaVentanasAgenda : public QObject {
    Q_OBJECT
private slots:
    void anadirContactosYGrupos() {
        Editor e;
        const QStringList antes = clavesEnOrden(e.agenda.arbol());
        // clang-format off
        const char *rechazos[][5]{
            {"Ana:B", "", "abc", "No puede utilizar el signo ':' en el nombre"},
            {"   ", "", ":", "Debe escribir un nombre para poder añadirlo"},
            {"Ana", "", "0600000000", "El número de teléfono especificado es incorrecto"},
            {"Ana", "", "600 000 000", "El número de teléfono especificado es incorrecto"},
            {"Ana", "", "+34600000000", "El número de teléfono especificado es incorrecto"},
            {"Ana", "", "", "El número de teléfono especificado es incorrecto"},
            {"Ana", "", "1234567890123456", "El número de teléfono especificado es incorrecto"},
            {"Ana", "3:4", "600000000", "No puede utilizar el signo ':' en el prefijo"},
            {"Ana", "", "600000001", "Ya existe una entrada con ese nombre"},
            {"Eva", "", "5", "El grupo especificado no existe", "Trabajo"}};
        // clang-format on
        for (int i = 0; i < 10; ++i) {
            QStringList r;
            for (const char *texto : rechazos[i])
                r.append(QString::fromUtf8(texto));
            e.escribir("txtPrefijo", r.at(1));
            e.contacto(r.at(0), r.at(2), r.at(4).isNull() ? amigos : r.at(4));
            QCOMPARE(e.entorno.avisos.takeLast(), r.at(3));
            QCOMPARE(e.agenda.txtNombre->text(), r.at(0));
            // Once the fields are valid, a blank prefix is shown as 34.
            QCOMPARE(e.agenda.txtPrefijo->text(), i < 8 ? r.at(1) : u"34"_s);
        }
        QCOMPARE(clavesEnOrden(e.agenda.arbol()), antes);

        // No group chosen: "Ninguno"; a blank prefix becomes 34; the boxes empty.
        e.escribir("txtPrefijo", {});
        e.agenda.chkEnvioReves->setChecked(true);
        e.contacto(u" Dani "_s, u"600000004 "_s);
        QCOMPARE(e.agenda.arbol().texto(e.agenda.arbol().buscar(u"Dani:34:600000004:1"_s).parent()), ninguno);
        for (QLineEdit *caja : {e.agenda.txtNombre, e.agenda.txtTelefono, e.agenda.txtPrefijo})
            QVERIFY(caja->text().isEmpty());
        QVERIFY(!e.agenda.chkEnvioReves->isChecked());
        e.agenda.cmbGrupos->setCurrentIndex(1);
        e.contacto(u"Ana"_s, u"600000009"_s, e.agenda.cmbGrupos->currentText());
        QCOMPARE(e.agenda.arbol().buscar(u"Ana:34:600000009:0"_s).parent(), e.agenda.arbol().buscar(amigos));

        e.anadir("btnGrupo");
        QCOMPARE(e.entorno.avisos.takeLast(), u"Debe escribir un nombre para poder añadirlo"_s);
        e.escribir("txtGrupo", u" Trabajo "_s);
        e.anadir("btnGrupo");
        QVERIFY(e.agenda.txtGrupo->text().isEmpty());
        QCOMPARE(e.agenda.cmbGrupos->itemText(2), u"Trabajo"_s);
        e.escribir("txtGrupo", u"Trabajo"_s);
        e.anadir("btnGrupo");
        QCOMPARE(e.entorno.avisos.takeLast(), u"Ya existe una entrada con ese nombre"_s);
        QCOMPARE(e.agenda.cmbGrupos->count(), 3);
        e.contacto(u"Eva"_s, u"5"_s, u"Trabajo "_s);
        QCOMPARE(e.agenda.arbol().buscar(u"Eva:34:5:0"_s).parent(), e.agenda.arbol().buscar(u"Trabajo"_s));

        // Closing saves; the main window reloads its lists and empties the recipients.
        QTest::keyClick(&e.agenda, Qt::Key_Escape);
        QVERIFY(!e.agenda.isVisible() && e.grabado());
        QCOMPARE(e.principal.lstEnvio->count(), 0);
        QCOMPARE(filas(vista(&e.principal, "lstContactos")),
                 QStringList({u"Ana"_s, u"Ana"_s, u"Beto"_s, u"Cris"_s, u"Dani"_s, u"Eva"_s}));
        QCOMPARE(filas(vista(&e.principal, "lstGrupo")).size(), 3);
    }

    void editarBorrarYRenombrar() {
        Editor e;
        // A key taken by another contact keeps the dialog open; a new number moves the
        // contact to the end of the chosen group.
        alAbrirDialogo([&e](frmEditarPosicion *d) {
            QCOMPARE(QStringList({d->txtNombre->text(), d->txtPrefijo->text(), d->txtTelefono->text(),
                                  d->cmbGrupos->currentText()}),
                     QStringList({u"Ana"_s, u"34"_s, u"600000001"_s, amigos}));
            d->txtTelefono->setText(u"600000002"_s);
            d->txtNombre->setText(u"Beto"_s);
            QTest::mouseClick(d->btnOK, Qt::LeftButton);
            QVERIFY(d->isVisible());
            QCOMPARE(e.entorno.avisos, QStringList{u"Ya existe una entrada con ese nombre"_s});
            d->txtNombre->setText(u"Ana"_s);
            d->txtPrefijo->setText({});
            d->cmbGrupos->setEditText({});
            d->chkEnvioReves->setChecked(true);
            QTest::mouseClick(d->btnOK, Qt::LeftButton);
            QVERIFY(!d->isVisible());
        });
        e.orden(e.agenda.mnuPopUpEditar, u"Ana:34:600000001:0"_s);
        QCOMPARE(e.agenda.arbol().buscar(u"Ana:34:600000002:1"_s).row(), 1);

        e.orden(e.agenda.mnuPopUpBorrar, ninguno); // the first node stays
        e.escribir("txtGrupo", u"Trabajo"_s);
        e.anadir("btnGrupo");
        e.contacto(u"Dani"_s, u"9"_s, u"Trabajo"_s);
        // Renaming in place: blanks are refused and the label stays.
        for (const QString &nuevo : {u"   "_s, u"Colegas"_s}) {
            e.orden(e.agenda.mnuPopUpEditar, u"Trabajo"_s);
            QPointer<QLineEdit> editor = e.agenda.treeAgenda->viewport()->findChild<QLineEdit *>();
            QVERIFY2(editor, "no se abrió el editor del nombre del grupo");
            editor->setText(nuevo);
            QTest::keyClick(editor, Qt::Key_Return);
            ESPERAR(editor.isNull(), "el editor del nombre del grupo no se cerró");
        }
        QCOMPARE(e.entorno.avisos.last(), u"El valor de este campo no puede ser nulo"_s);
        e.orden(e.agenda.mnuPopUpBorrar, amigos);
        QCOMPARE(e.agenda.cmbGrupos->count(), 2);
        QVERIFY(e.agenda.cmbGrupos->findText(amigos) < 0);

        // The popup opens on the right button's release over a tree with a selection.
        e.agenda.treeAgenda->selectionModel()->select(e.agenda.arbol().buscar(ninguno),
                                                      QItemSelectionModel::Select);
        const QPoint vacio(5, e.agenda.treeAgenda->viewport()->height() - 3);
        QTest::mouseRelease(e.agenda.treeAgenda->viewport(), Qt::LeftButton, {}, vacio);
        QVERIFY(!e.agenda.mnuPopUp->isVisible());
        QTest::mouseRelease(e.agenda.treeAgenda->viewport(), Qt::RightButton, {}, vacio);
        ESPERAR(e.agenda.mnuPopUp->isVisible(), "el botón derecho no abrió el menú");
        e.agenda.mnuPopUp->hide();

        QTest::keyClick(&e.agenda, Qt::Key_Escape);
        QCOMPARE(e.entorno.leerFichero(u"groups.lst"_s), grupoCifrado(ninguno) + grupoCifrado(u"Colegas"_s));
        QCOMPARE(e.entorno.leerFichero(u"contacts.lst"_s),
                 contactoCifrado(u"Cris"_s, u"44"_s, u"700000003"_s, ninguno) +
                     contactoCifrado(u"Ana"_s, u"34"_s, u"600000002"_s, ninguno, -1) +
                     contactoCifrado(u"Dani"_s, u"34"_s, u"9"_s, u"Colegas"_s));
    }

    // Only an order, even a cancelled edit or a refused addition, makes the editor
    // save and empty the recipients.
    void cerrarSinOrdenesNoGraba() {
        for (int orden = 0; orden < 3; ++orden) {
            Editor e;
            if (orden == 1) {
                alAbrirDialogo([](frmEditarPosicion *d) { QTest::keyClick(d, Qt::Key_Escape); });
                e.orden(e.agenda.mnuPopUpEditar, u"Cris:44:700000003:0"_s);
            } else if (orden == 2) {
                e.anadir("btnContacto");
            }
            QVERIFY(e.agenda.close());
            QCOMPARE(e.grabado(), orden > 0);
            QCOMPARE(e.principal.lstEnvio->count(), orden > 0 ? 0 : 1);
        }
    }

    void importarDesdeElMenu_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("filtro");
        QTest::addColumn<QString>("elegido");
        QTest::addColumn<QString>("fichero");
        QTest::addColumn<QString>("log");
        // clang-format off
        QTest::newRow("1.x")   << 1 << "Agenda a importar..."  << "Agenda version 1.x|zarcel.lst"    << "v/zarcel.lst"    << "v/zarcel.lst" << "Ana";
        QTest::newRow("texto") << 2 << "Fichero a importar..." << "Fichero de texto|*.*"             << "v/lista.txt"     << "v/lista.txt"  << "Ana";
        QTest::newRow("2.x")   << 3 << "Agenda a importar..."  << "Agenda version 2.x|contactos.lst" << "v/contactos.lst" << "v"            << "Ana                      ";
        // clang-format on
    }
    void importarDesdeElMenu() {
        QFETCH(int, tipo);
        QFETCH(QString, titulo);
        QFETCH(QString, filtro);
        QFETCH(QString, elegido);
        QFETCH(QString, fichero);
        QFETCH(QString, log);
        EntornoPrueba entorno;
        QDir(entorno.carpeta()).mkdir(u"v"_s);
        entorno.escribirFichero(u"v/zarcel.lst"_s, registroAgenda1(u"Ana"_s, u"600000000"_s));
        entorno.escribirFichero(u"v/lista.txt"_s, "Ana\r\n600000000\r\n");
        entorno.escribirFichero(u"v/contactos.lst"_s, registroContacto2(u"Ana"_s, u"600000000"_s, ninguno));
        frmPrincipal principal;
        QAction *accion[] = {principal.mnuAgendaImportarZarcel, principal.mnuAgendaImportarFicheroTexto,
                             principal.mnuAgendaImportarZarcel2};
        Dialogos::siguienteFichero(QDir::toNativeSeparators(entorno.ruta(elegido)));
        bool visto = false;
        alAbrirseModal([&](QWidget *modal) {
            auto *ventana = qobject_cast<frmImportar *>(modal);
            QVERIFY(ventana);
            QCOMPARE(ventana->tipoImportacion, tipo);
            QCOMPARE(ventana->ficheroImportar, QDir::toNativeSeparators(entorno.ruta(fichero)));
            ESPERAR(ventana->btnCerrar->isEnabled(), "la importación no terminó");
            QCOMPARE(ventana->txtLog->texto(), u"Se ha importado la entrada: "_s + log + u"\r\n"_s);
            QTest::mouseClick(ventana->btnCerrar, Qt::LeftButton);
            visto = true;
        });
        accion[tipo - 1]->trigger();
        QVERIFY(visto);
        const Dialogos::Peticion peticion = Dialogos::ultimaPeticion();
        QCOMPARE(peticion.tipo, Dialogos::Peticion::Abrir);
        QCOMPARE(peticion.propietario, &principal);
        QCOMPARE(peticion.titulo + u'|' + peticion.filtro, titulo + u'|' + filtro);
        QCOMPARE(peticion.carpetaInicial, rutaAplicacion());
        QCOMPARE(clavesGuardadas(), QStringList({ninguno, u"Ana:34:600000000:0"_s}));
        QCOMPARE(filas(vista(&principal, "lstContactos")), QStringList{u"Ana"_s});

        // A cancelled or blank choice opens nothing.
        for (const QString &respuesta : {QString(), u"   "_s}) {
            Dialogos::siguienteFichero(respuesta);
            accion[tipo - 1]->trigger(); // with a window opened, it would not come back
            QVERIFY(!QApplication::activeModalWidget());
        }
    }

    // Closing by any means saves, never before; a long import stays live and stops
    // where it was closed, saving what its log reports.
    void cerrarLaImportacion() {
        for (int modo = 0; modo < 3; ++modo) {
            EntornoPrueba entorno;
            entorno.escribirFichero(u"lista.txt"_s, "Ana\r\n600000000\r\n");
            frmImportar ventana;
            QSignalSpy terminada(&ventana, &frmImportar::importacionTerminada);
            ventana.tipoImportacion = 2;
            ventana.ficheroImportar = entorno.ruta(u"lista.txt"_s);
            ventana.show();
            QVERIFY2(terminada.wait(3000), "la importación no terminó");
            QVERIFY(entorno.leerFichero(u"contacts.lst"_s).isEmpty());
            if (modo == 0)
                QTest::mouseClick(ventana.btnCerrar, Qt::LeftButton);
            else if (modo == 1)
                QTest::keyClick(&ventana, Qt::Key_Escape);
            else
                ventana.close();
            QVERIFY(!ventana.isVisible());
            QCOMPARE(clavesGuardadas(), QStringList({ninguno, u"Ana:34:600000000:0"_s}));
        }

        EntornoPrueba entorno;
        QByteArray pares;
        for (int i = 0; i < 40000; ++i)
            pares += "C" + QByteArray::number(i) + "\r\n" + QByteArray::number(600000000 + i) + "\r\n";
        entorno.escribirFichero(u"lista.txt"_s, pares);
        frmImportar ventana;
        ventana.tipoImportacion = 2;
        ventana.ficheroImportar = entorno.ruta(u"lista.txt"_s);
        ventana.show();
        ESPERAR(ventana.importando(), "la importación no empezó");
        QVERIFY(!ventana.btnCerrar->isEnabled());
        bool atendido = false;
        QTimer::singleShot(0, &ventana, [&] { atendido = ventana.importando(); });
        ESPERAR(atendido, "la ventana no atendió eventos mientras importaba");
        QTest::keyClick(&ventana, Qt::Key_Escape);
        QVERIFY(!ventana.importando());
        const qsizetype importadas = ventana.txtLog->texto().count(u"Se ha importado la entrada: "_s);
        QVERIFY(importadas > 0 && importadas < 40000);
        QCOMPARE(clavesGuardadas().size(), importadas + 1);
    }

    void unaImportacionPorApertura() {
        EntornoPrueba entorno;
        entorno.escribirFichero(u"lista.txt"_s, "Ana\r\n600000000\r\n");
        frmImportar ventana;
        QSignalSpy terminada(&ventana, &frmImportar::importacionTerminada);
        ventana.tipoImportacion = 2;
        ventana.ficheroImportar = entorno.ruta(u"lista.txt"_s);
        ventana.show();
        QVERIFY2(terminada.wait(3000), "la importación no terminó");
        // A message box closing over the window activates it again: nothing restarts.
        QVERIFY(QTest::qWaitForWindowActive(&ventana, 3000));
        alAbrirseModal([](QWidget *) {});
        QMessageBox(QMessageBox::Warning, {}, u"aviso"_s, QMessageBox::Ok, &ventana).exec();
        bool despues = false;
        QTimer::singleShot(0, &ventana, [&] { despues = true; });
        ESPERAR(despues, "el bucle de eventos no siguió");
        QCOMPARE(terminada.count(), 1);
        // Opening it again is a new import: the same file now gives only duplicates.
        ventana.close();
        ventana.show();
        QVERIFY2(terminada.wait(3000), "la segunda importación no terminó");
        QCOMPARE(ventana.txtLog->texto(),
                 u"Se ha importado la entrada: Ana\r\nYa existe una entrada con el nombre Ana\r\n"_s);
    }

    void exportarDesdeElMenu() {
        EntornoPrueba entorno;
        escribirAgenda(entorno, {ninguno}, {{u"Ana"_s, u"6"_s, ninguno}, {u"María"_s, u"7"_s, ninguno}});
        entorno.escribirFichero(u"salida.txt"_s, QByteArray(500, 'x')); // replaced whole
        frmPrincipal principal;
        Dialogos::siguienteFichero(entorno.ruta(u"salida.txt"_s));
        QWidget *exportadora = nullptr;
        alAbrirseModal([&](QWidget *modal) {
            auto *ventana = qobject_cast<frmExportar *>(modal);
            QVERIFY(ventana);
            exportadora = ventana;
            ESPERAR(ventana->btnCerrar->isEnabled(), "la exportación no terminó");
            QCOMPARE(ventana->txtLog->texto(),
                     u"Se ha exportado la entrada: Ana\r\nSe ha exportado la entrada: María\r\n"_s);
        });
        principal.mnuAgendaExportarFicheroTexto->trigger();
        QVERIFY(exportadora);
        QCOMPARE(entorno.leerFichero(u"salida.txt"_s), "Ana\r\n+346\r\nMar\xED"
                                                       "a\r\n+347\r\n"_ba);
        const Dialogos::Peticion peticion = Dialogos::ultimaPeticion();
        QCOMPARE(peticion.tipo, Dialogos::Peticion::Guardar);
        QCOMPARE(peticion.propietario, exportadora);
        QCOMPARE(peticion.titulo + u'|' + peticion.filtro, u"Fichero a exportar...|Fichero de texto|*.txt"_s);
        QCOMPARE(peticion.carpetaInicial, rutaAplicacion());

        frmExportar cancelada;
        cancelada.tipoExportacion = 1;
        QSignalSpy terminada(&cancelada, &frmExportar::exportacionTerminada);
        Dialogos::siguienteFichero({});
        cancelada.show();
        QVERIFY2(terminada.wait(3000), "la exportación cancelada no terminó");
        QCOMPARE(cancelada.txtLog->texto(), u"No se exportara ninguna entrada"_s);
        QVERIFY(cancelada.btnCerrar->isEnabled());
    }

    // The real dialogs, as the hooks stand in for them elsewhere.
    void dialogosReales() {
        EntornoPrueba entorno;
        entorno.escribirFichero(u"LEEME"_s, "x");
        Dialogos::modoPrueba(false);
        for (bool aceptar : {true, false}) {
            QColorDialog::setCustomColor(3, QColor(Qt::red)); // left by an earlier dialog
            alAbrirseModal([aceptar](QWidget *ventana) {
                auto *dialogo = qobject_cast<QColorDialog *>(ventana);
                QVERIFY(dialogo);
                QCOMPARE(dialogo->currentColor(), QColor(Qt::black)); // not the caller's colour
                QCOMPARE(QColorDialog::customColor(3), QColor(Qt::black));
                dialogo->setCurrentColor(QColor(0x10, 0x20, 0x30));
                aceptar ? dialogo->accept() : dialogo->reject();
            });
            QCOMPARE(Dialogos::elegirColor(nullptr, 0x00ABCDEF), aceptar ? 0x00302010u : 0x00ABCDEFu);
        }
        for (bool guardar : {false, true}) {
            alAbrirseModal([guardar, &entorno](QWidget *ventana) {
                auto *dialogo = qobject_cast<QFileDialog *>(ventana);
                QVERIFY(dialogo);
                QCOMPARE(dialogo->windowTitle(), u"Fichero a importar..."_s);
                QCOMPARE(dialogo->nameFilters(), QStringList{u"Fichero de texto (*)"_s});
                QCOMPARE(dialogo->acceptMode(), guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
                QCOMPARE(dialogo->fileMode(), guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
                QVERIFY(!dialogo->testOption(QFileDialog::DontConfirmOverwrite));
                QTest::keyClicks(buscarControl<QLineEdit>(dialogo, u"fileNameEdit"_s), u"LEEME"_s);
                ESPERAR(dialogo->selectedFiles() == QStringList{entorno.ruta(u"LEEME"_s)},
                        "no se eligió LEEME");
                // Accepting through the dialog's own check would block on the overwrite question.
                static_cast<QDialog *>(dialogo)->done(QDialog::Accepted);
            });
            auto elegir = guardar ? &Dialogos::guardarFichero : &Dialogos::abrirFichero;
            QCOMPARE(
                elegir(nullptr, u"Fichero de texto|*.*"_s, u"Fichero a importar..."_s, entorno.carpeta()),
                QDir::toNativeSeparators(entorno.ruta(u"LEEME"_s)));
        }
        Dialogos::modoPrueba(true);
    }

    void abiertoDesdeElMenu() {
        EntornoPrueba entorno;
        frmPrincipal principal;
        QString abierta;
        alAbrirseModal([&abierta](QWidget *ventana) { abierta = ventana->windowTitle(); });
        buscarControl<QAction>(&principal, u"mnuAgendaEditar"_s)->trigger();
        QCOMPARE(abierta, u"Agenda"_s);
        // An empty book: both files created, nothing written on closing.
        QCOMPARE(entorno.ficheros(u"*.lst"_s), QStringList({u"contacts.lst"_s, u"groups.lst"_s}));
        QCOMPARE(entorno.leerFichero(u"groups.lst"_s), QByteArray());
    }
};

ZARCEL_TEST_MAIN(PruebaVentanasAgenda)
#include "tst_ventanas_agenda.moc"
