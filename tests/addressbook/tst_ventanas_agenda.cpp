#include "support/entorno_prueba.h"

#include "addressbook/fichero_agenda.h"
#include "addressbook/frm_agenda.h"
#include "addressbook/frm_editar_posicion.h"
#include "addressbook/frm_exportar.h"
#include "addressbook/frm_importar.h"
#include "common/caja_log.h"
#include "common/carpeta.h"
#include "common/dialogos.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

namespace {
const QString amigos = u"Amigos"_s;
const QString repetida = u"Ya existe una entrada con ese nombre"_s;

// The editor over Ana and Beto in Amigos and Cris in Ninguno, opened from a main
// window that lists a recipient. The files end in a partial record, which only a save drops.
struct Editor : Escritorio {
    Editor()
        : Escritorio({ninguno, amigos}, {{u"Ana"_s, u"600000001"_s, amigos},
                                         {u"Beto"_s, u"600000002"_s, amigos},
                                         {u"Cris"_s, u"700000003"_s, ninguno, 0, u"44"_s}}) {
        principal.lstEnvio->addItem(u"#Ana"_s);
        agenda.show();
    }
    void contacto(const QString &nombre, const QString &telefono, const QString &grupo = {}) {
        agenda.txtNombre->setText(nombre);
        agenda.txtTelefono->setText(telefono);
        agenda.cmbGrupos->setEditText(grupo);
        QTest::mouseClick(agenda.btnContacto, Qt::LeftButton);
    }
    void grupo(const QString &nombre) {
        agenda.txtGrupo->setText(nombre);
        QTest::mouseClick(agenda.btnGrupo, Qt::LeftButton);
    }
    // Runs a popup order on the node of key `clave`.
    void orden(QAction *accion, const QString &clave) {
        agenda.treeAgenda->selectionModel()->select(agenda.arbol().buscar(clave),
                                                    QItemSelectionModel::ClearAndSelect);
        accion->trigger();
    }
    QString grupoDe(const QString &clave) {
        return agenda.arbol().texto(agenda.arbol().buscar(clave).parent());
    }
    bool grabado() const {
        return entorno.leerFichero(u"contacts.lst"_s).size() % 87 == 0 &&
               entorno.leerFichero(u"groups.lst"_s).size() % 25 == 0;
    }

    const bool conCola = [this] {
        for (const QString &nombre : {u"groups.lst"_s, u"contacts.lst"_s})
            entorno.escribirFichero(nombre, entorno.leerFichero(nombre) + "x");
        return true;
    }();
    frmAgenda agenda{principal, &principal};
    QAbstractItemModelTester probador{&agenda.arbol(),
                                      QAbstractItemModelTester::FailureReportingMode::QtTest};
};

QStringList clavesGuardadas() {
    ArbolAgenda arbol;
    cargarArbolAgenda(arbol);
    return clavesEnOrden(arbol);
}

// "group/key" of every node of the book on disk, in the order of addition.
QStringList agendaGuardada() {
    ArbolAgenda arbol;
    cargarArbolAgenda(arbol);
    QStringList nodos;
    arbol.recorrer([&](const ArbolAgenda::Nodo &n) {
        nodos.append((n.padre ? n.padre->clave() : u""_s) + u'/' + n.clave());
    });
    return nodos;
}

// Imports `fichero` with an order of the menu; the log once the import has finished.
QString importarDesde(QAction *accion, const QString &fichero) {
    Dialogos::siguienteFichero(fichero);
    QString log;
    alAbrirse<frmImportar>([&log](frmImportar *ventana) {
        ESPERAR(ventana->btnCerrar->isEnabled(), "la importación no terminó");
        log = ventana->txtLog->texto();
        QTest::mouseClick(ventana->btnCerrar, Qt::LeftButton);
    });
    accion->trigger();
    return log;
}

frmImportar *importarTexto(frmImportar &ventana, const QString &fichero) {
    ventana.tipoImportacion = Importacion::Tipo::Texto;
    ventana.ficheroImportar = fichero;
    ventana.show();
    return &ventana;
}
} // namespace

class PruebaVentanasAgenda : public QObject {
    Q_OBJECT
private slots:
    void anadirContactosYGrupos() {
        Editor e;
        // name, prefix, number, warning, group (Amigos when none)
        const char *rechazos[][5]{
            {"Ana:B", "", "abc", "No puede utilizar el signo ':' en el nombre"},
            {"   ", "", ":", "Debe escribir un nombre para poder añadirlo"},
            {"Ana", "", "0600000000", "El número de teléfono especificado es incorrecto"},
            {"Ana", "", "1234567890123456", "El número de teléfono especificado es incorrecto"},
            {"Ana", "3:4", "600000000", "No puede utilizar el signo ':' en el prefijo"},
            {"Ana", "", "600000001", "Ya existe una entrada con ese nombre"},
            {"Eva", "", "5", "El grupo especificado no existe", "Trabajo"}};
        for (int i = 0; i < 7; ++i) {
            const auto &[nombre, prefijo, telefono, aviso, grupo] = rechazos[i];
            e.agenda.txtPrefijo->setText(QString::fromUtf8(prefijo));
            e.contacto(QString::fromUtf8(nombre), QString::fromUtf8(telefono),
                       grupo ? QString::fromUtf8(grupo) : amigos);
            QCOMPARE(e.entorno.avisos.takeLast(), QString::fromUtf8(aviso));
            // The boxes keep their text; once the fields are valid a blank prefix shows as 34.
            QCOMPARE(e.agenda.txtNombre->text() + u'|' + e.agenda.txtPrefijo->text(),
                     QString::fromUtf8(nombre) + u'|' + (i < 5 ? QString::fromUtf8(prefijo) : u"34"_s));
        }

        // No group chosen is "Ninguno"; a blank prefix is 34; the boxes empty.
        e.agenda.txtPrefijo->clear();
        e.agenda.chkEnvioReves->setChecked(true);
        e.contacto(u" Dani "_s, u"600000004 "_s);
        QCOMPARE(e.grupoDe(u"Dani:34:600000004:1"_s), ninguno);
        QCOMPARE(e.agenda.txtNombre->text() + e.agenda.txtTelefono->text() + e.agenda.txtPrefijo->text(),
                 QString());
        QVERIFY(!e.agenda.chkEnvioReves->isChecked());
        e.agenda.cmbGrupos->setCurrentIndex(1);
        e.contacto(u"Ana"_s, u"600000009"_s, e.agenda.cmbGrupos->currentText());
        QCOMPARE(e.grupoDe(u"Ana:34:600000009:0"_s), amigos);

        e.grupo({});
        QCOMPARE(e.entorno.avisos.takeLast(), u"Debe escribir un nombre para poder añadirlo"_s);
        e.grupo(u" Trabajo "_s);
        QVERIFY(e.agenda.txtGrupo->text().isEmpty());
        e.grupo(u"Trabajo"_s);
        QCOMPARE(e.entorno.avisos.takeLast(), repetida);
        QCOMPARE(e.agenda.cmbGrupos->count(), 3);
        e.contacto(u"Eva"_s, u"5"_s, u"Trabajo "_s);
        QCOMPARE(e.grupoDe(u"Eva:34:5:0"_s), u"Trabajo"_s);

        // Closing saves; the main window reloads its lists and empties the recipients.
        QTest::keyClick(&e.agenda, Qt::Key_Escape);
        QVERIFY(!e.agenda.isVisible() && e.grabado());
        QCOMPARE(e.principal.lstEnvio->count(), 0);
        QCOMPARE(textosDe(vista(&e.principal, "lstContactos")),
                 QStringList({u"Ana"_s, u"Ana"_s, u"Beto"_s, u"Cris"_s, u"Dani"_s, u"Eva"_s}));
        QCOMPARE(textosDe(vista(&e.principal, "lstGrupo")).size(), 3);
    }

    void editarBorrarYRenombrar() {
        Editor e;
        // A key taken by another contact keeps the dialog open; a new number moves the
        // contact to the end of the chosen group.
        alAbrirse<frmEditarPosicion>([&e](frmEditarPosicion *d) {
            QCOMPARE(QStringList({d->txtNombre->text(), d->txtPrefijo->text(), d->txtTelefono->text(),
                                  d->cmbGrupos->currentText()}),
                     QStringList({u"Ana"_s, u"34"_s, u"600000001"_s, amigos}));
            d->txtTelefono->setText(u"600000002"_s);
            d->txtNombre->setText(u"Beto"_s);
            QTest::mouseClick(d->btnOK, Qt::LeftButton);
            QVERIFY(d->isVisible());
            QCOMPARE(e.entorno.avisos, QStringList{repetida});
            d->txtNombre->setText(u"Ana"_s);
            d->txtPrefijo->clear();
            d->cmbGrupos->setEditText({});
            d->chkEnvioReves->setChecked(true);
            QTest::mouseClick(d->btnOK, Qt::LeftButton);
            QVERIFY(!d->isVisible());
        });
        e.orden(e.agenda.mnuPopUpEditar, u"Ana:34:600000001:0"_s);
        QCOMPARE(e.agenda.arbol().buscar(u"Ana:34:600000002:1"_s).row(), 1);

        e.orden(e.agenda.mnuPopUpBorrar, ninguno); // the first node stays
        e.grupo(u"Trabajo"_s);
        e.contacto(u"Dani"_s, u"9"_s, u"Trabajo"_s);
        // A new group alone is no duplicate of the contact itself.
        alAbrirse<frmEditarPosicion>([](frmEditarPosicion *d) {
            d->cmbGrupos->setEditText(u"Trabajo"_s);
            QTest::mouseClick(d->btnOK, Qt::LeftButton);
        });
        e.orden(e.agenda.mnuPopUpEditar, u"Cris:44:700000003:0"_s);
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
                 contactoCifrado(u"Ana"_s, u"34"_s, u"600000002"_s, ninguno, -1) +
                     contactoCifrado(u"Dani"_s, u"34"_s, u"9"_s, u"Colegas"_s) +
                     contactoCifrado(u"Cris"_s, u"44"_s, u"700000003"_s, u"Colegas"_s));
    }

    // Only an order, even a cancelled edit or a refused addition, makes the editor
    // save and empty the recipients.
    void cerrarSinOrdenesNoGraba() {
        for (int orden = 0; orden < 3; ++orden) {
            Editor e;
            if (orden == 0) { // the menu opens another editor over the same book
                alAbrirseModal([](QWidget *ventana) { QCOMPARE(ventana->windowTitle(), u"Agenda"_s); });
                e.principal.mnuAgendaEditar->trigger();
            }
            if (orden == 1) {
                alAbrirse<frmEditarPosicion>(
                    [](frmEditarPosicion *d) { QTest::keyClick(d, Qt::Key_Escape); });
                e.orden(e.agenda.mnuPopUpEditar, u"Cris:44:700000003:0"_s);
            }
            if (orden == 2)
                e.contacto({}, {});
            QVERIFY(e.agenda.close());
            QCOMPARE(e.grabado(), orden > 0);
            QCOMPARE(e.principal.lstEnvio->count(), orden > 0 ? 0 : 1);
        }
    }

    // Each import of the menu asks for its file and imports it whole; closing saves.
    void importarDesdeElMenu() {
        EntornoPrueba entorno;
        QDir(entorno.carpeta()).mkdir(u"v"_s);
        entorno.escribirFichero(u"v/zarcel.lst"_s, registroAgenda1(u"Ana"_s, u"600000000"_s));
        entorno.escribirFichero(u"v/lista.txt"_s, "Eva\r\n600000002\r\n");
        entorno.escribirFichero(u"v/CONTACTOS.LST"_s, registroContacto2(u"Pep"_s, u"600000003"_s, ninguno));
        frmPrincipal principal;
        const std::tuple<QAction *, const char *, const char *, const char *, const char *> casos[]{
            {principal.mnuAgendaImportarZarcel, "Agenda a importar...|Agenda version 1.x|zarcel.lst",
             "v/zarcel.lst", "v/zarcel.lst", "Ana"},
            {principal.mnuAgendaImportarFicheroTexto, "Fichero a importar...|Fichero de texto|*.*",
             "v/lista.txt", "v/lista.txt", "Eva"},
            {principal.mnuAgendaImportarZarcel2, "Agenda a importar...|Agenda version 2.x|contactos.lst",
             "v/CONTACTOS.LST", "v", "Pep                      "}};
        for (const auto &[accion, peticion, elegido, fichero, nombre] : casos) {
            Dialogos::siguienteFichero(QDir::toNativeSeparators(entorno.ruta(QString::fromLatin1(elegido))));
            QString importado;
            alAbrirse<frmImportar>([&, fichero = fichero](frmImportar *ventana) {
                QCOMPARE(ventana->ficheroImportar,
                         QDir::toNativeSeparators(entorno.ruta(QString::fromLatin1(fichero))));
                ESPERAR(ventana->btnCerrar->isEnabled(), "la importación no terminó");
                importado = ventana->txtLog->texto();
                QTest::mouseClick(ventana->btnCerrar, Qt::LeftButton);
            });
            accion->trigger();
            QCOMPARE(importado, u"Se ha importado la entrada: "_s + QString::fromLatin1(nombre) + u"\r\n"_s);
            const Dialogos::Peticion pedida = Dialogos::ultimaPeticion();
            QCOMPARE(pedida.titulo + u'|' + pedida.filtro, QString::fromLatin1(peticion));
            QVERIFY(pedida.tipo == Dialogos::Peticion::Abrir && pedida.propietario == &principal);
            QCOMPARE(pedida.carpetaInicial, rutaAplicacion());
            // A cancelled or blank choice opens nothing.
            for (const QString &respuesta : {QString(), u"   "_s}) {
                Dialogos::siguienteFichero(respuesta);
                QCOMPARE(ventanaModalDe([&accion = accion] { accion->trigger(); }), QString());
            }
        }
        QCOMPARE(clavesGuardadas(), QStringList({ninguno, u"Ana:34:600000000:0"_s, u"Eva:34:600000002:0"_s,
                                                 u"Pep:34:600000003:0"_s}));
        QCOMPARE(textosDe(vista(&principal, "lstContactos")), QStringList({u"Ana"_s, u"Eva"_s, u"Pep"_s}));
    }

    // Each opening imports once, and closing by any means saves, never before; a long
    // import stays live and stops where it was closed, saving what its log reports.
    void cerrarLaImportacion() {
        EntornoPrueba entorno;
        entorno.escribirFichero(u"lista.txt"_s, "Ana\r\n600000000\r\n");
        frmImportar una;
        QSignalSpy terminada(&una, &frmImportar::importacionTerminada);
        for (int modo = 0; modo < 3; ++modo) {
            importarTexto(una, entorno.ruta(u"lista.txt"_s));
            QVERIFY2(terminada.wait(3000), "la importación no terminó");
            QCOMPARE(clavesGuardadas().size(), modo ? 2 : 1);
            if (modo == 0)
                QTest::mouseClick(una.btnCerrar, Qt::LeftButton);
            else
                modo == 1 ? QTest::keyClick(&una, Qt::Key_Escape) : void(una.close());
            QVERIFY(!una.isVisible());
            QCOMPARE(clavesGuardadas(), QStringList({ninguno, u"Ana:34:600000000:0"_s}));
        }
        QCOMPARE(terminada.count(), 3);
        QCOMPARE(una.txtLog->texto(), u"Se ha importado la entrada: Ana\r\n"_s +
                                          u"Ya existe una entrada con el nombre Ana\r\n"_s.repeated(2));

        QByteArray pares;
        for (int i = 0; i < 40000; ++i)
            pares += "C" + QByteArray::number(i) + "\r\n" + QByteArray::number(600000000 + i) + "\r\n";
        entorno.escribirFichero(u"larga.txt"_s, pares);
        frmImportar ventana;
        importarTexto(ventana, entorno.ruta(u"larga.txt"_s));
        ESPERAR(ventana.importando(), "la importación no empezó");
        QVERIFY(!ventana.btnCerrar->isEnabled());
        bool atendido = false;
        QTimer::singleShot(0, &ventana, [&] { atendido = ventana.importando(); });
        ESPERAR(atendido, "la ventana no atendió eventos mientras importaba");
        QTest::keyClick(&ventana, Qt::Key_Escape);
        QVERIFY(!ventana.importando());
        const qsizetype importadas = ventana.txtLog->texto().count(u"Se ha importado la entrada: "_s);
        QVERIFY(importadas > 0 && importadas < 40000);
        QCOMPARE(clavesGuardadas().size(), importadas + 2);
    }

    // What phones, webmail and desktop address books export, through the menu into the
    // book on disk: each number under its own name, the groups made as they come.
    void importarVCardYCsv() {
        Escritorio escritorio;
        QString log;
        for (const char *fichero :
             {"nokia-2.1.vcf", "telefono-3.0.vcf", "escritorio-4.0.vcf", "webmail.csv", "escritorio.csv"}) {
            const QString nombre = QString::fromLatin1(fichero);
            QAction *accion = nombre.endsWith(u".csv"_s) ? escritorio.principal.mnuAgendaImportarCsv
                                                         : escritorio.principal.mnuAgendaImportarVCard;
            log += importarDesde(accion, QFINDTESTDATA(u"contactos/"_s + nombre));
        }
        const QStringList esperada{u"/Ninguno"_s,
                                   u"/Familia"_s,
                                   u"/Trabajo, clientes"_s,
                                   u"/Amigos"_s,
                                   u"/Vecinos"_s,
                                   u"/Clientes"_s,
                                   u"Ninguno/José Muñoz:34:600111222:0"_s,
                                   u"Ninguno/José Muñoz (casa):34:915551234:0"_s,
                                   u"Ninguno/María Peña de la Fuente y:34:699000111:0"_s,
                                   u"Ninguno/María Peña de l (trabajo):44:2079460958:0"_s,
                                   u"Familia/Ana García:34:600000001:0"_s,
                                   u"Familia/Ana García (casa):34:912345678:0"_s,
                                   u"Familia/Ana García (trabajo):44:7700900123:0"_s,
                                   u"Familia/Ana García (otro):33:123456789:0"_s,
                                   u"Trabajo, clientes/Dr. Luis Pérez:34:612345678:0"_s,
                                   u"Amigos/Zoë Ñúñez:34:600000004:0"_s,
                                   u"Amigos/Zoë Ñúñez (trabajo):1:5555550100:0"_s,
                                   u"Ninguno/??? (Bruce):86:13800138000:0"_s,
                                   u"Vecinos/Pepe \"el Rubio\" Martín:34:612000111:0"_s,
                                   u"Vecinos/Pepe \"el Rubio\" Martí (2):34:613000222:0"_s,
                                   u"Vecinos/Pepe \"el Rubio\" (trabajo):351:210000000:0"_s,
                                   u"Clientes/José Núñez:34:600000010:0"_s,
                                   u"Ninguno/Íñigo:34:910000011:0"_s};
        QCOMPARE(agendaGuardada(), esperada);
        for (const QString &linea : {u"María Peña de la Fuente y (nombre recortado a 25 caracteres)\r\n"_s,
                                     u"??? (Bruce) (caracteres del nombre cambiados por '?')\r\n"_s,
                                     u"El número de telefono (0) 612 no es válido\r\n"_s,
                                     u"La entrada no tiene número de teléfono: Empresa Sin Teléfono\r\n"_s,
                                     u"Ya existe una entrada con el nombre Ana García\r\n"_s})
            QVERIFY2(log.contains(linea), qPrintable(linea));
        QCOMPARE(log.count(u"Se ha importado la entrada: "_s), 17);
        QCOMPARE(vista(&escritorio.principal, "lstGrupo")->model()->rowCount(), 6);
    }

    // A book exported to vCard comes back the same when imported into an empty book.
    void vcardIdaYVuelta() {
        const QString amigos = u"Amigos, y más"_s, euros(25, u'€'); // a CATEGORIES line to fold
        Escritorio escritorio({ninguno, amigos, euros}, {{u"Ana, \\ Luisa"_s, u"6"_s, amigos},
                                                         {u"María"_s, u"700000003"_s, ninguno, 0, u"44"_s},
                                                         {u"Pío"_s, u"210000000"_s, euros, 0, u"351"_s},
                                                         {u"Luis"_s, u"612"_s, amigos}});
        auto &[entorno, principal] = escritorio;
        const QByteArray grupos = entorno.leerFichero(u"groups.lst"_s);
        const QByteArray contactos = entorno.leerFichero(u"contacts.lst"_s);
        Dialogos::siguienteFichero(entorno.ruta(u"agenda.vcf"_s));
        alAbrirse<frmExportar>([](frmExportar *ventana) {
            ESPERAR(ventana->btnCerrar->isEnabled(), "la exportación no terminó");
            QCOMPARE(ventana->txtLog->texto().count(u"Se ha exportado la entrada: "_s), 4);
            ventana->close();
        });
        principal.mnuAgendaExportarVCard->trigger();
        QCOMPARE(Dialogos::ultimaPeticion().filtro, u"Fichero vCard|*.vcf"_s);
        escribirAgenda(entorno, {}, {});
        importarDesde(principal.mnuAgendaImportarVCard, entorno.ruta(u"agenda.vcf"_s));
        QCOMPARE(entorno.leerFichero(u"groups.lst"_s), grupos);
        QCOMPARE(entorno.leerFichero(u"contacts.lst"_s), contactos);
    }

    void exportarDesdeElMenu() {
        // Exported in the file's order, not by group.
        Escritorio escritorio({ninguno, amigos}, {{u"Ana"_s, u"6"_s, amigos},
                                                  {u"María"_s, u"7"_s, ninguno, -1, u"44"_s},
                                                  {u"Luis"_s, u"8"_s, amigos}});
        auto &[entorno, principal] = escritorio;
        entorno.escribirFichero(u"salida.txt"_s, QByteArray(500, 'x')); // replaced whole
        frmExportar *exportadora = nullptr;
        for (const QString &respuesta : {entorno.ruta(u"salida.txt"_s), QString()}) {
            Dialogos::siguienteFichero(respuesta);
            QString log;
            alAbrirse<frmExportar>([&](frmExportar *ventana) {
                exportadora = ventana;
                ESPERAR(exportadora->btnCerrar->isEnabled(), "la exportación no terminó");
                log = exportadora->txtLog->texto();
            });
            principal.mnuAgendaExportarFicheroTexto->trigger();
            QCOMPARE(log,
                     respuesta.isEmpty()
                         ? u"No se exportara ninguna entrada"_s
                         : u"Se ha exportado la entrada: Ana\r\nSe ha exportado la entrada: María\r\n"_s +
                               u"Se ha exportado la entrada: Luis\r\n"_s);
        }
        QCOMPARE(entorno.leerFichero(u"salida.txt"_s), "Ana\r\n+346\r\nMar\xED"
                                                       "a\r\n+447\r\nLuis\r\n+348\r\n"_ba);
        const Dialogos::Peticion peticion = Dialogos::ultimaPeticion();
        QVERIFY(peticion.tipo == Dialogos::Peticion::Guardar && peticion.propietario == exportadora);
        QCOMPARE(peticion.titulo + u'|' + peticion.filtro, u"Fichero a exportar...|Fichero de texto|*.txt"_s);
        QCOMPARE(peticion.carpetaInicial, rutaAplicacion());
    }

    // The real colour dialog, which the hooks stand in for elsewhere.
    void dialogoDeColorReal() {
        EntornoPrueba entorno;
        Dialogos::modoPrueba(false);
        for (bool aceptar : {true, false}) {
            QColorDialog::setCustomColor(3, QColor(Qt::red)); // left by an earlier dialog
            alAbrirse<QColorDialog>([aceptar](QColorDialog *dialogo) {
                QCOMPARE(dialogo->currentColor(), QColor(Qt::black)); // not the caller's colour
                QCOMPARE(QColorDialog::customColor(3), QColor(Qt::black));
                dialogo->setCurrentColor(QColor(0x10, 0x20, 0x30));
                aceptar ? dialogo->accept() : dialogo->reject();
            });
            QCOMPARE(Dialogos::elegirColor(nullptr, 0x00ABCDEF), aceptar ? 0x00302010u : 0x00ABCDEFu);
        }
        Dialogos::modoPrueba(true);
    }
};

ZARCEL_TEST_MAIN(PruebaVentanasAgenda)
#include "tst_ventanas_agenda.moc"
