#include "support/entorno_prueba.h"

#include "app/frm_principal.h"
#include "common/campos.h"
#include "stored/fecha_ole.h"
#include "stored/frm_envio_retardado.h"
#include "stored/frm_grabar_mensaje.h"
#include "stored/registros_mensaje.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimeEdit>
#include <QTimer>
#include <QTreeWidget>

namespace {
const QString amigos = QStringLiteral("&Amigos") + QString(19, QLatin1Char(' '));

void prepararPrincipal(frmPrincipal &principal, const QStringList &entradas, const QString &texto) {
    principal.lstEnvio->clear();
    principal.lstEnvio->addItems(entradas);
    principal.ponerTextoMensaje(texto);
}

// "kind|text" of each child of a title node.
QStringList hijos(const QTreeWidgetItem *raiz) {
    QStringList lista;
    for (int i = 0; i < raiz->childCount(); ++i)
        lista.append(raiz->child(i)->data(0, Qt::UserRole).toString() + QLatin1Char('|') +
                     raiz->child(i)->text(0));
    return lista;
}

QStringList titulos(const frmEnvioRetardado &ventana) {
    QStringList lista;
    for (int i = 0; i < ventana.treeMensajes->topLevelItemCount(); ++i)
        lista.append(ventana.treeMensajes->topLevelItem(i)->text(0));
    return lista;
}

void escribirMensaje(const EntornoPrueba &entorno, const QString &fichero, const QString &titulo,
                     const QStringList &entradas, const QString &texto, double fecha = 0) {
    CabeceraMensaje cabecera;
    cabecera.titulo = campoFijo(titulo, 25);
    cabecera.fecha = fecha;
    QList<DestinoMensaje> destinos;
    for (const QString &entrada : entradas)
        destinos.append(DestinoMensaje::desdeEntrada(entrada));
    entorno.escribirFichero(fichero, escribirFicheroMensaje(cabecera, destinos, aAnsi(texto)));
}

// Runs `orden` and reports the name of the modal window it opened (closing it), or "".
QString ventanaModalDe(const std::function<void()> &orden) {
    QString nombre;
    QTimer::singleShot(0, [&nombre] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            nombre = modal->objectName();
            modal->close();
        }
    });
    orden();
    QCoreApplication::processEvents(); // lets the timer go when nothing opened
    return nombre;
}

// Records each send the window runs: the message and recipients it loaded.
struct Envios {
    explicit Envios(frmPrincipal &principal)
        : anterior(frmEnvioRetardado::fijarComandoEnviar([this, &principal] {
              lista.append(principal.textoMensaje() + QLatin1Char('|') +
                           textosDe(principal.lstEnvio).join(QLatin1Char(',')));
          })) {}
    ~Envios() { frmEnvioRetardado::fijarComandoEnviar(anterior); }
    QStringList lista;
    frmEnvioRetardado::ComandoEnviar anterior;
};
} // namespace

class PruebaVentanasAlmacenados : public QObject {
    Q_OBJECT
private slots:
    void comprobacionesDeAlmacenar_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("entradas");
        QTest::addColumn<QString>("aviso");
        QTest::addColumn<QString>("ventana");
        QTest::newRow("mensaje solo espacios")
            << QStringLiteral("   ") << QStringList{QStringLiteral("#Ana")}
            << QStringLiteral("Debe escribir algo en el mensaje para poder grabarlo") << QString();
        QTest::newRow("sin destinatarios")
            << QStringLiteral("hola") << QStringList()
            << QStringLiteral(
                   "Debe tener algún destinatario en la lista de envio para poder grabar el mensaje")
            << QString();
        QTest::newRow("un salto de linea no es vacio")
            << QStringLiteral("\r\n") << QStringList{QStringLiteral("#Ana")} << QString()
            << QStringLiteral("frmGrabarMensaje");
    }
    void comprobacionesDeAlmacenar() {
        QFETCH(QString, texto);
        QFETCH(QStringList, entradas);
        QFETCH(QString, aviso);
        QFETCH(QString, ventana);
        EntornoPrueba entorno;
        frmPrincipal principal;
        prepararPrincipal(principal, entradas, texto);
        QCOMPARE(ventanaModalDe([&] { principal.btnAlmacenar->click(); }), ventana);
        QCOMPARE(entorno.avisos, aviso.isEmpty() ? QStringList() : QStringList{aviso});
        QCOMPARE(entorno.ficheros(QStringLiteral("*.zrc")), QStringList());
        QCOMPARE(ventanaModalDe([&] { principal.btnEnviarAtrasados->click(); }),
                 QStringLiteral("frmEnvioRetardado"));
    }

    void dialogoDeGrabar() {
        EntornoPrueba entorno;
        frmPrincipal principal;
        prepararPrincipal(principal, {QStringLiteral("#Ana")}, QStringLiteral("hola"));
        frmGrabarMensaje dialogo;
        dialogo.show();
        QCOMPARE(dialogo.windowTitle(), QStringLiteral("Grabar mensaje"));
        QVERIFY(!dialogo.chkFecha->isChecked());
        QVERIFY(!dialogo.dtFecha->isEnabled() && !dialogo.dtHora->isEnabled());
        dialogo.chkFecha->click();
        QVERIFY(dialogo.dtFecha->isEnabled() && dialogo.dtHora->isEnabled());

        dialogo.txtTitulo->setText(QStringLiteral("   "));
        dialogo.btnGrabar->click();
        QCOMPARE(entorno.avisos,
                 QStringList{QStringLiteral("Debe especificar un título para grabar el mensaje")});
        QVERIFY(dialogo.isVisible());
        QCOMPARE(entorno.ficheros(QStringLiteral("*.zrc")), QStringList());

        // The earliest-looking dates go in as negative OLE values; the title keeps its blanks.
        dialogo.txtTitulo->setText(QStringLiteral("  Cita"));
        dialogo.dtFecha->setDate(QDate(1899, 12, 29));
        dialogo.dtHora->setTime(QTime(6, 0));
        QVERIFY(dialogo.dtFecha->date() == QDate(1899, 12, 29));
        dialogo.btnGrabar->click();
        QVERIFY(!dialogo.isVisible());
        QCOMPARE(entorno.ficheros(QStringLiteral("*.zrc")).size(), 1);
        const QByteArray datos = entorno.leerFichero(entorno.ficheros(QStringLiteral("*.zrc")).first());
        QCOMPARE(datos.left(33),
                 QByteArray("  Cita                   ") + QByteArray::fromHex("000000000000f4bf"));
        QCOMPARE(textosDe(principal.lstEnvio), QStringList{QStringLiteral("#Ana")});

        frmGrabarMensaje cancelado;
        cancelado.show();
        cancelado.txtTitulo->setText(QStringLiteral("Otro"));
        cancelado.btnCancelar->click();
        QCOMPARE(entorno.ficheros(QStringLiteral("*.zrc")).size(), 1);
    }

    void idaYVueltaPorUnMensajeAlmacenado() {
        EntornoPrueba entorno;
        frmPrincipal principal;
        const QString texto = QStringLiteral("Hola,\r\n¿vienes mañana?\r\n");
        prepararPrincipal(principal, {amigos, QStringLiteral("#Casa"), QStringLiteral("@+34:600123456")},
                          texto);
        frmGrabarMensaje dialogo;
        dialogo.txtTitulo->setText(QStringLiteral("  Recordatorio"));
        dialogo.btnGrabar->click();
        QVERIFY(dialogo.result() == QDialog::Accepted);
        QCOMPARE(textosDe(principal.lstEnvio).size(), 3); // storing leaves the main window as it was
        prepararPrincipal(principal, {QStringLiteral("#Otro")}, QStringLiteral("otro texto"));

        frmEnvioRetardado ventana;
        ventana.show();
        QCOMPARE(ventana.windowTitle(), QStringLiteral("Mensajes almacenados"));
        QCOMPARE(titulos(ventana), QStringList{QStringLiteral("Recordatorio")});
        QTreeWidgetItem *raiz = ventana.treeMensajes->topLevelItem(0);
        QCOMPARE(raiz->data(0, Qt::UserRole).toString(), QStringLiteral("Titulo"));
        QCOMPARE(hijos(raiz), QStringList({QStringLiteral("Grupo|Amigos"), QStringLiteral("Contacto|Casa"),
                                           QStringLiteral("Telefono|+34:600123456"),
                                           QStringLiteral("Mensaje|Mensaje: ") + texto}));

        ventana.treeMensajes->setCurrentItem(raiz->child(3)); // a child selects its message
        ventana.btnEditar->click();
        QCOMPARE(textosDe(principal.lstEnvio),
                 QStringList(
                     {QStringLiteral("&Amigos"), QStringLiteral("#Casa"), QStringLiteral("@+34:600123456")}));
        QCOMPARE(principal.textoMensaje(), texto);
        QVERIFY(!ventana.isVisible());
        QCOMPARE(entorno.ficheros(QStringLiteral("*.zrc")).size(), 1);
        QVERIFY(entorno.avisos.isEmpty());
    }

    void borrarUnDestinatarioSoloEnElArbol() {
        EntornoPrueba entorno;
        frmPrincipal principal;
        escribirMensaje(entorno, QStringLiteral("1.zrc"), QStringLiteral("Cena"),
                        {QStringLiteral("#Ana"), QStringLiteral("#Luis")}, QStringLiteral("a las 9"));
        escribirMensaje(entorno, QStringLiteral("2.zrc"), QStringLiteral("Otro"), {}, QString());
        {
            frmEnvioRetardado ventana;
            QTreeWidgetItem *raiz = ventana.treeMensajes->topLevelItem(0);
            ventana.treeMensajes->setCurrentItem(raiz->child(2));
            ventana.btnBorrar->click();
            QCOMPARE(entorno.avisos,
                     QStringList{QStringLiteral("No se puede borrar el texto del mensaje a enviar")});
            ventana.treeMensajes->setCurrentItem(raiz->child(0));
            ventana.btnBorrar->click();
            QCOMPARE(raiz->childCount(), 2);
            ventana.btnEditar->click();
            QCOMPARE(textosDe(principal.lstEnvio), QStringList{QStringLiteral("#Luis")});
            QCOMPARE(principal.textoMensaje(), QStringLiteral("a las 9"));
        }
        frmEnvioRetardado otraVez;
        QCOMPARE(hijos(otraVez.treeMensajes->topLevelItem(0)).size(), 3);

        // Deleting the title node deletes the file; one removed meanwhile just leaves the tree.
        otraVez.treeMensajes->setCurrentItem(otraVez.treeMensajes->topLevelItem(0));
        otraVez.btnBorrar->click();
        QCOMPARE(entorno.ficheros(QStringLiteral("*.zrc")), QStringList{QStringLiteral("2.zrc")});
        QVERIFY(QFile::remove(entorno.ruta(QStringLiteral("2.zrc"))));
        otraVez.treeMensajes->setCurrentItem(otraVez.treeMensajes->topLevelItem(0));
        otraVez.btnBorrar->click();
        QCOMPARE(otraVez.treeMensajes->topLevelItemCount(), 0);
        QCOMPARE(entorno.avisos.size(), 1);
    }

    void enviarYEnviarTodos() {
        EntornoPrueba entorno;
        frmPrincipal principal;
        Envios envios(principal);
        escribirMensaje(entorno, QStringLiteral("1.zrc"), QStringLiteral("Primero"), {QStringLiteral("#Ana")},
                        QStringLiteral("uno"));
        escribirMensaje(entorno, QStringLiteral("2.zrc"), QStringLiteral("Segundo"),
                        {amigos, QStringLiteral("@+44:700")}, QStringLiteral("dos"));
        escribirMensaje(entorno, QStringLiteral("3.zrc"), QStringLiteral("Tercero"),
                        {QStringLiteral("#Luis")}, QStringLiteral("tres"), 40000.5);
        frmEnvioRetardado ventana;
        ventana.show();
        ventana.treeMensajes->setCurrentItem(ventana.treeMensajes->topLevelItem(1)->child(1));
        ventana.btnEnviar->click();
        QCOMPARE(envios.lista, QStringList{QStringLiteral("dos|&Amigos,@+44:700")});
        QVERIFY(ventana.isVisible());
        QCOMPARE(textosDe(principal.lstEnvio), QStringList());
        QCOMPARE(principal.textoMensaje(), QString());

        envios.lista.clear();
        ventana.btnEnviarTodos->click();
        QCOMPARE(envios.lista,
                 QStringList({QStringLiteral("uno|#Ana"), QStringLiteral("dos|&Amigos,@+44:700"),
                              QStringLiteral("tres|#Luis")}));
        QCOMPARE(entorno.ficheros(QStringLiteral("*.zrc")).size(), 3);
        QVERIFY(entorno.avisos.isEmpty());
    }

    void borrarTodosYArbolVacio() {
        EntornoPrueba entorno;
        frmPrincipal principal;
        Envios envios(principal);
        escribirMensaje(entorno, QStringLiteral("1.zrc"), QStringLiteral("Igual"), {QStringLiteral("#Ana")},
                        QStringLiteral("a"));
        escribirMensaje(entorno, QStringLiteral("2.zrc"), QStringLiteral("Igual"), {QStringLiteral("#Ana")},
                        QStringLiteral("b"));
        frmEnvioRetardado ventana;
        QCOMPARE(titulos(ventana), QStringList{QStringLiteral("Igual")});
        entorno.avisos.clear();

        entorno.respuestas.enqueue(false);
        ventana.btnBorrarTodos->click();
        QCOMPARE(entorno.avisos,
                 QStringList{QStringLiteral("Seguro que quieres borrar todos los mensajes?")});
        QCOMPARE(entorno.ficheros(QStringLiteral("*.zrc")).size(), 2);
        QCOMPARE(ventana.treeMensajes->topLevelItemCount(), 1);

        entorno.respuestas.enqueue(true);
        ventana.btnBorrarTodos->click();
        QCOMPARE(entorno.ficheros(QStringLiteral("*.zrc")), QStringList()); // the hidden duplicate goes too
        QCOMPARE(ventana.treeMensajes->topLevelItemCount(), 0);

        entorno.respuestas.enqueue(true); // with no file left it still succeeds
        ventana.btnBorrarTodos->click();
        QCOMPARE(entorno.avisos.size(), 3);

        entorno.avisos.clear();
        ventana.btnBorrar->click();
        ventana.btnEditar->click();
        ventana.btnEnviar->click();
        ventana.btnEnviarTodos->click();
        QCOMPARE(entorno.avisos, QStringList({QStringLiteral("No hay ningún mensaje para borrar"),
                                              QStringLiteral("No hay ningún mensaje para editar"),
                                              QStringLiteral("No hay ningún mensaje para enviar")}));
        QVERIFY(envios.lista.isEmpty());
    }

    void sinSeleccionYMenuEmergente() {
        EntornoPrueba entorno;
        frmPrincipal principal;
        escribirMensaje(entorno, QStringLiteral("1.zrc"), QStringLiteral("Uno"), {QStringLiteral("#Ana")},
                        QStringLiteral("a"));
        frmEnvioRetardado ventana;
        ventana.show();
        ventana.treeMensajes->clearSelection();
        ventana.btnBorrar->click();
        ventana.btnEditar->click();
        QCOMPARE(entorno.avisos, QStringList(2, QStringLiteral("No hay ningún mensaje seleccionado")));
        QCOMPARE(entorno.ficheros(QStringLiteral("*.zrc")).size(), 1);
        QVERIFY(ventana.isVisible());

        QWidget *vista = ventana.treeMensajes->viewport();
        QContextMenuEvent clicDerecho(QContextMenuEvent::Mouse, QPoint(5, 5),
                                      vista->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(vista, &clicDerecho);
        QTRY_VERIFY(ventana.mnuPopUp->isVisible());
        ventana.mnuPopUp->hide();
        ventana.treeMensajes->setCurrentItem(ventana.treeMensajes->topLevelItem(0));
        ventana.mnuPopUpEditar->trigger();
        QCOMPARE(textosDe(principal.lstEnvio), QStringList{QStringLiteral("#Ana")});
        ventana.mnuPopUpBorrar->trigger();
        QCOMPARE(entorno.ficheros(QStringLiteral("*.zrc")), QStringList());
    }

    void ficherosDanados() {
        EntornoPrueba entorno;
        frmPrincipal principal;
        Envios envios(principal);
        const QByteArray cabecera = QByteArray("Corto") + QByteArray(20, ' ') + QByteArray(8, '\0');
        entorno.escribirFichero(QStringLiteral("a.zrc"), QByteArray("Medio"));
        entorno.escribirFichero(QStringLiteral("b.zrc"), QByteArray("Negativo") + QByteArray(17, ' ') +
                                                             QByteArray(8, '\0') + "\xFF\xFF" + "texto");
        entorno.escribirFichero(QStringLiteral("c.zrc"),
                                QByteArray("Enorme") + QByteArray(19, ' ') + QByteArray(8, '\0') +
                                    "\xFF\x7F" + QByteArray("Ana") + QByteArray(22, ' ') + '\x02');
        QRandomGenerator azar(7);
        for (int i = 0; i < 20; ++i) {
            QByteArray basura(int(azar.bounded(1, 200)), Qt::Uninitialized);
            for (char &byte : basura)
                byte = char(azar.bounded(256));
            entorno.escribirFichero(QStringLiteral("z%1.zrc").arg(i), basura);
        }
        // What can be read shows; the rest of each file is left out.
        frmEnvioRetardado ventana;
        ventana.show();
        QCOMPARE(titulos(ventana).mid(0, 3), QStringList({QStringLiteral("Medio"), QStringLiteral("Negativo"),
                                                          QStringLiteral("Enorme")}));
        ventana.btnEnviarTodos->click();
        QCOMPARE(envios.lista.size(), ventana.treeMensajes->topLevelItemCount());
        QCOMPARE(envios.lista.mid(0, 3),
                 QStringList({QStringLiteral("|"), QStringLiteral("texto|"), QStringLiteral("|#Ana")}));
    }
};

ZARCEL_TEST_MAIN(PruebaVentanasAlmacenados)
#include "tst_ventanas_almacenados.moc"
