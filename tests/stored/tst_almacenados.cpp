#include "support/entorno_prueba.h"

#include "stored/arbol_mensajes.h"
#include "stored/fecha_ole.h"
#include "stored/fichero_mensaje.h"
#include "stored/frm_envio_retardado.h"
#include "stored/frm_grabar_mensaje.h"
#include "stored/registros_mensaje.h"

#include <cmath>

namespace {
const QString amigos = u"&Amigos"_s + QString(19, u' ');

QByteArray destino(const QByteArray &nombre, char tipo) {
    return nombre.leftJustified(25) + tipo;
}
// Little-endian, as the files are.
QByteArray mensaje(const QByteArray &titulo, double fecha, const QByteArray &destinos, qint16 n,
                   const QByteArray &texto) {
    return titulo.leftJustified(25) + QByteArray(reinterpret_cast<const char *>(&fecha), 8) +
           QByteArray(reinterpret_cast<const char *>(&n), 2) + destinos + texto;
}

// The tree as shown: each title, then "kind|text" of its children.
QStringList arbolDe(const frmEnvioRetardado &ventana) {
    QStringList lineas;
    for (int i = 0; i < ventana.treeMensajes->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *raiz = ventana.treeMensajes->topLevelItem(i);
        lineas.append(raiz->text(0));
        for (int j = 0; j < raiz->childCount(); ++j)
            lineas.append(raiz->child(j)->data(0, Qt::UserRole).toString() + u'|' + raiz->child(j)->text(0));
    }
    return lineas;
}

void cargar(frmPrincipal &principal, const QStringList &entradas, const QString &texto) {
    principal.lstEnvio->clear();
    principal.lstEnvio->addItems(entradas);
    principal.ponerTextoMensaje(texto);
}

// Records each send the stored-messages window runs: the message and recipients it loaded.
struct PrincipalQueAnota : frmPrincipal {
    void enviar() override { envios.append(textoMensaje() + u'|' + textosDe(lstEnvio).join(u',')); }
    QStringList envios;
};
} // namespace

class PruebaAlmacenados : public QObject {
    Q_OBJECT
private slots:
    void fechasOle() {
        const std::tuple<QDate, QTime, double> casos[]{{{1899, 12, 30}, {6, 0}, 0.25},
                                                       {{1899, 12, 29}, {6, 0}, -1.25},
                                                       {{1899, 12, 29}, {0, 0}, -1.0},
                                                       {{1900, 1, 1}, {0, 0}, 2.0},
                                                       {{2026, 12, 5}, {14, 30}, 46361.604166666664},
                                                       {{100, 1, 1}, {12, 0}, -657434.5},
                                                       {{9999, 12, 31}, {23, 59, 59}, 2958465.999988426},
                                                       {{1752, 9, 14}, {18, 0}, -53797.75}};
        for (const auto &[fecha, hora, valor] : casos) {
            QCOMPARE(aFechaOle(fecha, hora), valor);
            QCOMPARE(desdeFechaOle(valor), QDateTime(fecha, hora, Qt::UTC));
        }
        for (double valor : {double(NAN), double(INFINITY), -1e300, 1e300, 2958466.0, -657435.0})
            QVERIFY2(!desdeFechaOle(valor).isValid() && textoFechaEnvio(valor).isEmpty(),
                     qPrintable(QString::number(valor)));
        // A fraction that rounds up to the next midnight moves to the next day.
        QCOMPARE(desdeFechaOle(0.9999999999), QDateTime(QDate(1899, 12, 31), QTime(0, 0), Qt::UTC));
        QCOMPARE(desdeFechaOle(-1.9999999999), QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC));
        // Four-digit years, no time at midnight, no zone.
        const QString medianoche = textoFechaEnvio(-1.0);
        const QString seisHoras = textoFechaEnvio(-1.25);
        QVERIFY2(medianoche.contains(u"1899"_s) && !medianoche.contains(u':'), qPrintable(medianoche));
        QVERIFY2(seisHoras.startsWith(medianoche + u' ') && seisHoras.contains(u"6:00:00"_s),
                 qPrintable(seisHoras));
        QVERIFY2(!seisHoras.contains(u"UTC"_s) && seisHoras == seisHoras.trimmed(), qPrintable(seisHoras));
    }

    void nombresDeFichero() {
        EntornoPrueba entorno;
        // Pieces are r x 255 + 1 in single precision rounded half to even: 0.5 gives 128.5, hence
        // 128 = "80"; 0.1 gives 26.5, hence 26 = "1A"; the largest r below 1 gives 256 = "100".
        QList<float> numeros{0.0f, 0.0f, 0.0f, 0.0f, 0.5f, 0.0f, 0.99999994f, 0.1f};
        entorno.escribirFichero(u"1111.zrc"_s, {});
        QCOMPARE(nuevoFicheroMensaje([&numeros] { return numeros.takeFirst(); }),
                 entorno.ruta(u"8011001A.zrc"_s));
    }

    // What can be read is kept; the title node is there whenever the file opened.
    void ficherosRotos() {
        const QByteArray cabecera = mensaje(" Roto ", 0, {}, 0, {}).chopped(2);
        const std::pair<QByteArray, QString> casos[]{
            {{}, u""_s},
            {"  Medio titu", u"Medio titu"_s},
            {cabecera + '\x01', u"Roto"_s},
            {mensaje("Roto", NAN, {}, 0, "texto"), u"Roto"_s},
            {mensaje(" Roto ", 0, {}, -5, "hola"), u"Roto|Mensaje: hola"_s},
            {mensaje(" Roto ", 0, destino("600", 1), 32767, "xx"), u"Roto|600"_s},
            {mensaje(" Roto ", 0, destino("Ana", 2), 2, "Luis"), u"Roto|Ana"_s},
            {mensaje("Mudo", 0, destino("Ana", 2), 1, {}), u"Mudo|Ana|Mensaje: "_s},
            {mensaje(" Roto ", 0, destino("Raro", 7) + destino("Amigos", 3), 2, "hola"),
             u"Roto|Amigos|Mensaje: hola"_s},
            {mensaje("F", 2.5, {}, 0, {}), u"F|Fecha envio: "_s + textoFechaEnvio(2.5) + u"|Mensaje: "_s}};
        for (const auto &[datos, arbol] : casos) {
            const MensajeArbol leido = leerMensajeArbol(datos, u"/x/a.zrc"_s);
            QStringList textos{leido.titulo};
            for (const NodoMensaje &nodo : leido.hijos)
                textos.append(nodo.texto);
            QCOMPARE(textos.join(u'|'), arbol);
        }
    }

    void titulosRepetidos() {
        EntornoPrueba entorno;
        for (const char *titulo : {"Cita", "  Cita  ", "cita", "Cita"})
            entorno.escribirFichero(u"%1.zrc"_s.arg(entorno.ficheros(u"*.zrc"_s).size()),
                                    mensaje(titulo, 0, {}, 0, {}));
        entorno.escribirFichero(u"otro.txt"_s, "Nada");
        ArbolMensajes arbol;
        arbol.cargarMensajes();
        // Titles are compared exactly: a different case is a different message.
        QCOMPARE(arbol.mensajes().size(), 2);
        QCOMPARE(arbol.mensajes().at(0).ruta + arbol.mensajes().at(1).titulo,
                 entorno.ruta(u"0.zrc"_s) + u"cita"_s);
        const QString aviso =
            u"Existen varios mensajes almacenados con el mismo titulo.\nSolo se mostrará uno de ellos"_s;
        QCOMPARE(entorno.avisos, QStringList(2, aviso));
    }

    // Store from the main window, list it, and load it back with Editar.
    void almacenarYEditar() {
        EntornoPrueba entorno;
        frmPrincipal principal;
        const QList<std::tuple<QString, QStringList, QString>> casos{
            {u"   "_s, {u"#Ana"_s}, u"Debe escribir algo en el mensaje para poder grabarlo"_s},
            {u"hola"_s,
             {},
             u"Debe tener algún destinatario en la lista de envio para poder grabar el mensaje"_s},
            {u"\r\n"_s, {u"#Ana"_s}, u"frmGrabarMensaje|Grabar mensaje"_s}}; // a line break is something
        for (const auto &[texto, entradas, resultado] : casos) {
            cargar(principal, entradas, texto);
            const QString abierta = ventanaModalDe([&] { principal.btnAlmacenar->click(); });
            QCOMPARE(abierta + entorno.avisos.join(u'|'), resultado);
            entorno.avisos.clear();
        }
        const QString texto = u"Hola,\r\n¿vienes mañana?\r\n"_s;
        cargar(principal, {amigos, u"#Casa de un nombre muy largo"_s, u"@+34:600123456"_s}, texto);
        for (bool grabar : {true, false}) {
            alAbrirse<frmGrabarMensaje>([&entorno, grabar](frmGrabarMensaje *dialogo) {
                QVERIFY(!dialogo->chkFecha->isChecked() && !dialogo->dtFecha->isEnabled() &&
                        !dialogo->dtHora->isEnabled());
                dialogo->chkFecha->click();
                QVERIFY(dialogo->dtFecha->isEnabled() && dialogo->dtHora->isEnabled());
                dialogo->txtTitulo->setText(u"   "_s);
                (grabar ? dialogo->btnGrabar : dialogo->btnCancelar)->click();
                QCOMPARE(dialogo->isVisible(), grabar);
                QCOMPARE(entorno.avisos.size(), 1);
                if (!grabar)
                    return;
                dialogo->txtTitulo->setText(
                    u"  Recordatorio de mas de veinticinco"_s); // blanks kept, cut to 25
                dialogo->dtFecha->setDate(QDate(1899, 12, 29));
                dialogo->dtHora->setTime(QTime(6, 0));
                dialogo->btnGrabar->click();
            });
            principal.btnAlmacenar->click();
        }
        QCOMPARE(entorno.avisos, QStringList{u"Debe especificar un título para grabar el mensaje"_s});
        QCOMPARE(entorno.ficheros(u"*.zrc"_s).size(), 1);
        const QByteArray destinos = destino("Amigos" + QByteArray(19, ' '), 3) +
                                    destino("Casa de un nombre muy lar", 2) + destino("+34:600123456", 1);
        QCOMPARE(entorno.leerFichero(entorno.ficheros(u"*.zrc"_s).first()),
                 mensaje("  Recordatorio de mas de ", -1.25, destinos, 3,
                         "Hola,\r\n\xBFvienes ma\xF1"
                         "ana?\r\n"));
        QCOMPARE(principal.lstEnvio->count(), 3); // storing leaves the main window as it was
        cargar(principal, {u"#Otro"_s}, u"otro texto"_s);

        alAbrirse<frmEnvioRetardado>([&](frmEnvioRetardado *ventana) {
            QCOMPARE(
                arbolDe(*ventana),
                QStringList({u"Recordatorio de mas de"_s, u"Hora|Fecha envio: "_s + textoFechaEnvio(-1.25),
                             u"Grupo|Amigos"_s, u"Contacto|Casa de un nombre muy lar"_s,
                             u"Telefono|+34:600123456"_s, u"Mensaje|Mensaje: "_s + texto}));
            QCOMPARE(ventana->treeMensajes->topLevelItem(0)->data(0, Qt::UserRole).toString(), u"Titulo"_s);
            ventana->treeMensajes->setCurrentItem(
                ventana->treeMensajes->topLevelItem(0)->child(4)); // a child selects its message
            ventana->btnEditar->click();
            QVERIFY(!ventana->isVisible());
        });
        principal.btnEnviarAtrasados->click();
        QCOMPARE(principal.textoMensaje(), texto);
        QCOMPARE(textosDe(principal.lstEnvio),
                 QStringList({u"&Amigos"_s, u"#Casa de un nombre muy lar"_s, u"@+34:600123456"_s}));
        QCOMPARE(entorno.ficheros(u"*.zrc"_s).size(), 1);
    }

    void enviarYBorrar() {
        EntornoPrueba entorno;
        PrincipalQueAnota principal;
        entorno.escribirFichero(u"1.zrc"_s,
                                mensaje("Primero", 0, destino("Ana", 2) + destino("Luis", 2), 2, "uno"));
        entorno.escribirFichero(
            u"2.zrc"_s, mensaje("Segundo", 0, destino("Amigos", 3) + destino("+44:700", 1), 2, "dos"));
        entorno.escribirFichero(u"3.zrc"_s, mensaje("Tercero", 40000.5, destino("Luis", 2), 1, "tres"));
        frmEnvioRetardado ventana(principal);
        ventana.show();
        auto *arbol = ventana.treeMensajes;
        arbol->setCurrentItem(arbol->topLevelItem(1)->child(1));
        ventana.btnEnviar->click();
        QVERIFY(ventana.isVisible());
        QVERIFY(principal.textoMensaje().isEmpty() &&
                principal.lstEnvio->count() == 0); // emptied after sending
        ventana.btnEnviarTodos->click();
        QCOMPARE(principal.envios, QStringList({u"dos|&Amigos,@+44:700"_s, u"uno|#Ana,#Luis"_s,
                                                u"dos|&Amigos,@+44:700"_s, u"tres|#Luis"_s}));

        // A recipient leaves the tree only; the text node stays; the title node takes the file.
        QTreeWidgetItem *primero = arbol->topLevelItem(0);
        arbol->setCurrentItem(primero->child(2));
        ventana.btnBorrar->click();
        QCOMPARE(entorno.avisos.takeLast(), u"No se puede borrar el texto del mensaje a enviar"_s);
        arbol->setCurrentItem(primero->child(0));
        ventana.mnuPopUpBorrar->trigger();
        QCOMPARE(arbolDe(frmEnvioRetardado(principal)).size(), 12); // the file keeps it
        arbol->setCurrentItem(primero);
        ventana.mnuPopUpEnviar->trigger();
        QCOMPARE(principal.envios.last(), u"uno|#Luis"_s);
        ventana.btnBorrar->click();
        QCOMPARE(entorno.ficheros(u"*.zrc"_s), QStringList({u"2.zrc"_s, u"3.zrc"_s}));
        QVERIFY(QFile::remove(entorno.ruta(u"2.zrc"_s))); // one removed meanwhile just leaves the tree
        arbol->setCurrentItem(arbol->topLevelItem(0));
        ventana.btnBorrar->click();
        QCOMPARE(arbolDe(ventana).first(), u"Tercero"_s);

        arbol->clearSelection();
        ventana.btnBorrar->click();
        ventana.mnuPopUpEditar->trigger();
        QCOMPARE(entorno.avisos, QStringList(2, u"No hay ningún mensaje seleccionado"_s));
        QContextMenuEvent clicDerecho(QContextMenuEvent::Mouse, QPoint(5, 5),
                                      arbol->viewport()->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(arbol->viewport(), &clicDerecho);
        ESPERAR(ventana.mnuPopUp->isVisible(), "el botón derecho no abrió el menú");
        ventana.mnuPopUp->hide();

        // Borrar todos asks first; it removes files not shown too and succeeds with none left.
        entorno.escribirFichero(u"4.zrc"_s, mensaje("Tercero", 0, {}, 0, {}));
        entorno.avisos.clear();
        entorno.respuestas << false << true << true;
        for (int vez = 0; vez < 3; ++vez) {
            ventana.btnBorrarTodos->click();
            QCOMPARE(entorno.ficheros(u"*.zrc"_s).size() + arbol->topLevelItemCount(), vez ? 0 : 3);
        }
        QCOMPARE(entorno.avisos, QStringList(3, u"Seguro que quieres borrar todos los mensajes?"_s));
        entorno.avisos.clear();
        for (QPushButton *boton :
             {ventana.btnBorrar, ventana.btnEditar, ventana.btnEnviar, ventana.btnEnviarTodos})
            boton->click();
        const QString sinMensaje = u"No hay ningún mensaje para "_s;
        QCOMPARE(entorno.avisos,
                 QStringList({sinMensaje + u"borrar"_s, sinMensaje + u"editar"_s, sinMensaje + u"enviar"_s}));
        QCOMPARE(principal.envios.size(), 5);
    }
};

ZARCEL_TEST_MAIN(PruebaAlmacenados)
#include "tst_almacenados.moc"
