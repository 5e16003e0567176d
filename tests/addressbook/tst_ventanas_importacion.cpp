#include "support/entorno_prueba.h"

#include "addressbook/agenda_prueba.h"
#include "addressbook/arbol_agenda.h"
#include "addressbook/dialogos.h"
#include "addressbook/exportacion_prueba.h"
#include "addressbook/fichero_agenda.h"
#include "addressbook/frm_exportar.h"
#include "addressbook/frm_importar.h"
#include "app/frm_principal.h"
#include "common/caja_log.h"
#include "common/campos.h"
#include "common/carpeta.h"
#include "config/cifrado.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {
const QString ninguno = QStringLiteral("Ninguno");

QStringList clavesGuardadas() {
    ArbolAgenda arbol;
    cargarArbolAgenda(arbol);
    return clavesEnOrden(arbol);
}

QByteArray paresDeTexto(int pares) {
    QByteArray datos;
    for (int i = 0; i < pares; ++i)
        datos += "Contacto " + QByteArray::number(i) + "\r\n" + QByteArray::number(600000000 + i) + "\r\n";
    return datos;
}

// Shows the window without a modal loop and waits until its import has run.
void importarHastaElFinal(frmImportar &ventana, qint16 tipo, const QString &fichero) {
    QSignalSpy terminada(&ventana, &frmImportar::importacionTerminada);
    ventana.tipoImportacion = tipo;
    ventana.ficheroImportar = fichero;
    ventana.show();
    QVERIFY(terminada.wait());
}
} // namespace

class PruebaVentanasImportacion : public QObject {
    Q_OBJECT
private slots:
    void importarDesdeElMenu_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("filtro");
        QTest::addColumn<QString>("elegido");
        QTest::addColumn<QString>("fichero");
        QTest::addColumn<QString>("log");
        QTest::newRow("version 1.x") << 1 << "Agenda a importar..."
                                     << "Agenda version 1.x|zarcel.lst"
                                     << "viejo/zarcel.lst"
                                     << "viejo/zarcel.lst"
                                     << "Se ha importado la entrada: Ana\r\n";
        QTest::newRow("texto") << 2 << "Fichero a importar..."
                               << "Fichero de texto|*.*"
                               << "viejo/lista.txt"
                               << "viejo/lista.txt"
                               << "Se ha importado la entrada: Ana\r\n";
        QTest::newRow("version 2.x, la carpeta")
            << 3 << "Agenda a importar..."
            << "Agenda version 2.x|contactos.lst"
            << "viejo/contactos.lst"
            << "viejo"
            << "Se ha importado la entrada: Ana                      \r\n";
    }
    void importarDesdeElMenu() {
        QFETCH(int, tipo);
        QFETCH(QString, titulo);
        QFETCH(QString, filtro);
        QFETCH(QString, elegido);
        QFETCH(QString, fichero);
        QFETCH(QString, log);
        EntornoPrueba entorno;
        QDir(entorno.carpeta()).mkdir(QStringLiteral("viejo"));
        entorno.escribirFichero(QStringLiteral("viejo/zarcel.lst"),
                                registroAgenda1(QStringLiteral("Ana"), QStringLiteral("600000000")));
        entorno.escribirFichero(QStringLiteral("viejo/lista.txt"), "Ana\r\n600000000\r\n");
        entorno.escribirFichero(
            QStringLiteral("viejo/contactos.lst"),
            registroContacto2(QStringLiteral("Ana"), QStringLiteral("600000000"), ninguno));
        frmPrincipal principal;
        principal.cargarAgenda();
        QAction *accion[] = {principal.mnuAgendaImportarZarcel, principal.mnuAgendaImportarFicheroTexto,
                             principal.mnuAgendaImportarZarcel2};

        Dialogos::siguienteFichero(QDir::toNativeSeparators(entorno.ruta(elegido)));
        bool visto = false;
        alAbrirseModal([&](QWidget *modal) {
            auto *ventana = qobject_cast<frmImportar *>(modal);
            QVERIFY(ventana);
            QCOMPARE(ventana->windowTitle(), QStringLiteral("Importar agenda..."));
            QCOMPARE(ventana->tipoImportacion, tipo);
            QCOMPARE(ventana->ficheroImportar, QDir::toNativeSeparators(entorno.ruta(fichero)));
            QTRY_COMPARE(ventana->txtLog->texto(), log);
            QTRY_VERIFY(ventana->btnCerrar->isEnabled());
            QTest::mouseClick(ventana->btnCerrar, Qt::LeftButton);
            visto = true;
        });
        accion[tipo - 1]->trigger();
        QVERIFY(visto);

        const Dialogos::Peticion peticion = Dialogos::ultimaPeticion();
        QCOMPARE(peticion.tipo, Dialogos::Peticion::Abrir);
        QCOMPARE(peticion.propietario, &principal);
        QCOMPARE(peticion.titulo, titulo);
        QCOMPARE(peticion.filtro, filtro);
        QCOMPARE(peticion.carpetaInicial, rutaAplicacion());
        QCOMPARE(clavesGuardadas(), QStringList({ninguno, QStringLiteral("Ana:34:600000000:0")}));
        QCOMPARE(textosDe(principal.lstContactos), QStringList({QStringLiteral("Ana")}));
    }

    void dialogoCanceladoNoAbreNada_data() {
        QTest::addColumn<QString>("respuesta");
        QTest::newRow("cancelado") << QString();
        QTest::newRow("solo blancos") << QStringLiteral("   ");
    }
    void dialogoCanceladoNoAbreNada() {
        QFETCH(QString, respuesta);
        EntornoPrueba entorno;
        frmPrincipal principal;
        Dialogos::siguienteFichero(respuesta);
        // With a window opened, trigger() would not come back until it closed.
        principal.mnuAgendaImportarFicheroTexto->trigger();
        QCOMPARE(Dialogos::ultimaPeticion().tipo, Dialogos::Peticion::Abrir);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!QFile::exists(entorno.ruta(QStringLiteral("contacts.lst"))));
    }

    void cerrarDeCualquierModoGraba_data() {
        QTest::addColumn<int>("modo");
        QTest::newRow("boton Cerrar") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("cuadro de cierre") << 2;
    }
    void cerrarDeCualquierModoGraba() {
        QFETCH(int, modo);
        EntornoPrueba entorno;
        entorno.escribirFichero(QStringLiteral("lista.txt"), "Ana\r\n600000000\r\n");
        frmImportar ventana;
        importarHastaElFinal(ventana, 2, entorno.ruta(QStringLiteral("lista.txt")));
        QVERIFY(entorno.leerFichero(QStringLiteral("contacts.lst")).isEmpty()); // nothing before closing
        if (modo == 0)
            QTest::mouseClick(ventana.btnCerrar, Qt::LeftButton);
        else if (modo == 1)
            QTest::keyClick(&ventana, Qt::Key_Escape);
        else
            ventana.close();
        QVERIFY(!ventana.isVisible());
        QCOMPARE(clavesGuardadas(), QStringList({ninguno, QStringLiteral("Ana:34:600000000:0")}));
    }

    // A long import leaves the event loop running between pieces; closing in the
    // middle stops it and saves exactly what the log reports as imported.
    void largaSigueVivaYSePuedeCerrar() {
        EntornoPrueba entorno;
        entorno.escribirFichero(QStringLiteral("lista.txt"), paresDeTexto(40000));
        frmImportar ventana;
        ventana.tipoImportacion = 2;
        ventana.ficheroImportar = entorno.ruta(QStringLiteral("lista.txt"));
        ventana.show();
        QTRY_VERIFY(ventana.importando());
        QVERIFY(!ventana.btnCerrar->isEnabled());
        bool atendidoDuranteLaImportacion = false;
        QTimer::singleShot(0, &ventana, [&] { atendidoDuranteLaImportacion = ventana.importando(); });
        QTRY_VERIFY(atendidoDuranteLaImportacion);

        QTest::keyClick(&ventana, Qt::Key_Escape);
        QVERIFY(!ventana.importando());
        const qsizetype importadas =
            ventana.txtLog->texto().count(QStringLiteral("Se ha importado la entrada: "));
        QVERIFY(importadas > 0 && importadas < 40000);
        QCOMPARE(clavesGuardadas().size(), importadas + 1);
    }

    void unaVezPorApertura() {
        EntornoPrueba entorno;
        entorno.escribirFichero(QStringLiteral("lista.txt"), "Ana\r\n600000000\r\n");
        frmImportar ventana;
        QSignalSpy terminada(&ventana, &frmImportar::importacionTerminada);
        importarHastaElFinal(ventana, 2, entorno.ruta(QStringLiteral("lista.txt")));
        const QString primera = QStringLiteral("Se ha importado la entrada: Ana\r\n");
        QCOMPARE(ventana.txtLog->texto(), primera);

        // A message box closing over the window activates it again: nothing restarts.
        QVERIFY(QTest::qWaitForWindowActive(&ventana));
        alAbrirseModal([](QWidget *) {});
        QMessageBox(QMessageBox::Warning, QString(), QStringLiteral("aviso"), QMessageBox::Ok, &ventana)
            .exec();
        bool despues = false;
        QTimer::singleShot(0, &ventana, [&] { despues = true; });
        QTRY_VERIFY(despues);
        QCOMPARE(terminada.count(), 1);
        QCOMPARE(ventana.txtLog->texto(), primera);

        // Opening it again is a new import: the same file now gives only duplicates.
        ventana.close();
        QSignalSpy otra(&ventana, &frmImportar::importacionTerminada);
        ventana.show();
        QVERIFY(otra.wait());
        QCOMPARE(ventana.txtLog->texto(),
                 primera + QStringLiteral("Ya existe una entrada con el nombre Ana\r\n"));
    }

    void exportarDesdeElMenu() {
        EntornoPrueba entorno;
        escribirAgendaDeDosGrupos(entorno);
        entorno.escribirFichero(QStringLiteral("salida.txt"), QByteArray(500, 'x')); // replaced whole
        frmPrincipal principal;
        Dialogos::siguienteFichero(entorno.ruta(QStringLiteral("salida.txt")));
        QWidget *exportadora = nullptr;
        alAbrirseModal([&](QWidget *modal) {
            auto *ventana = qobject_cast<frmExportar *>(modal);
            QVERIFY(ventana);
            exportadora = ventana;
            QCOMPARE(ventana->windowTitle(), QStringLiteral("Exportar agenda..."));
            QTRY_VERIFY(ventana->btnCerrar->isEnabled());
            QCOMPARE(ventana->txtLog->texto(), QStringLiteral("Se ha exportado la entrada: Ana\r\n"
                                                              "Se ha exportado la entrada: Mar\u00EDa\r\n"
                                                              "Se ha exportado la entrada: Luis\r\n"));
        });
        principal.mnuAgendaExportarFicheroTexto->trigger();
        QVERIFY(exportadora);

        QCOMPARE(entorno.leerFichero(QStringLiteral("salida.txt")), exportacionDeDosGrupos());
        const Dialogos::Peticion peticion = Dialogos::ultimaPeticion();
        QCOMPARE(peticion.tipo, Dialogos::Peticion::Guardar);
        QCOMPARE(peticion.propietario, exportadora);
        QCOMPARE(peticion.titulo, QStringLiteral("Fichero a exportar..."));
        QCOMPARE(peticion.filtro, QStringLiteral("Fichero de texto|*.txt"));
        QCOMPARE(peticion.carpetaInicial, rutaAplicacion());
    }

    void exportarCancelado() {
        EntornoPrueba entorno;
        frmExportar ventana;
        ventana.tipoExportacion = 1;
        QSignalSpy terminada(&ventana, &frmExportar::exportacionTerminada);
        Dialogos::siguienteFichero(QString());
        ventana.show();
        QVERIFY(terminada.wait());
        QCOMPARE(ventana.txtLog->texto(), QStringLiteral("No se exportara ninguna entrada"));
        QVERIFY(ventana.btnCerrar->isEnabled());
        QVERIFY(QDir(entorno.carpeta()).entryList({QStringLiteral("*.txt")}).isEmpty());
    }
};

ZARCEL_TEST_MAIN(PruebaVentanasImportacion)
#include "tst_ventanas_importacion.moc"
