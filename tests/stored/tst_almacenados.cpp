#include "support/entorno_prueba.h"

#include "app/frm_principal.h"
#include "common/campos.h"
#include "stored/arbol_mensajes.h"
#include "stored/fecha_ole.h"
#include "stored/fichero_mensaje.h"
#include "stored/frm_envio_retardado.h"
#include "stored/frm_grabar_mensaje.h"
#include "stored/registros_mensaje.h"

#include <QtWidgets>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
const QString amigos = u"&Amigos"_s + QString(19, u' ');

QByteArray relleno(const QByteArray &texto) {
    return texto + QByteArray(25 - texto.size(), ' ');
}
QByteArray dobleLE(double valor) {
    QByteArray bytes(8, '\0');
    memcpy(bytes.data(), &valor, 8);
    return bytes;
}
QByteArray cuenta(qint16 n) {
    return QByteArray(1, char(n & 0xFF)) + char((n >> 8) & 0xFF);
}
QByteArray destino(const QByteArray &nombre, char tipo) {
    return relleno(nombre) + tipo;
}

void escribirMensaje(const EntornoPrueba &entorno, const char *fichero, const QString &titulo,
                     const QStringList &entradas, const QString &texto, double fecha = 0) {
    QByteArray datos = relleno(aAnsi(titulo)) + dobleLE(fecha) + cuenta(qint16(entradas.size()));
    for (const QString &entrada : entradas)
        datos += DestinoMensaje::desdeEntrada(entrada).escribir();
    entorno.escribirFichero(QString::fromLatin1(fichero), datos + aAnsi(texto));
}

QStringList titulos(const frmEnvioRetardado &ventana) {
    QStringList lista;
    for (int i = 0; i < ventana.treeMensajes->topLevelItemCount(); ++i)
        lista.append(ventana.treeMensajes->topLevelItem(i)->text(0));
    return lista;
}

// "kind|text" of each child of a title node.
QStringList hijos(const QTreeWidgetItem *raiz) {
    QStringList lista;
    for (int i = 0; i < raiz->childCount(); ++i)
        lista.append(raiz->child(i)->data(0, Qt::UserRole).toString() + u'|' + raiz->child(i)->text(0));
    return lista;
}

void cargar(frmPrincipal &principal, const QStringList &entradas, const QString &texto) {
    principal.lstEnvio->clear();
    principal.lstEnvio->addItems(entradas);
    principal.ponerTextoMensaje(texto);
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
              QStringList entradas;
              for (int i = 0; i < principal.lstEnvio->count(); ++i)
                  entradas.append(principal.lstEnvio->item(i)->text());
              lista.append(principal.textoMensaje() + u'|' + entradas.join(u','));
          })) {}
    ~Envios() { frmEnvioRetardado::fijarComandoEnviar(anterior); }
    QStringList lista;
    frmEnvioRetardado::ComandoEnviar anterior;
};
} // namespace

class PruebaAlmacenados : public QObject {
    Q_OBJECT
private slots:
    void ficheroByteExacto() {
        EntornoPrueba entorno;
        QVERIFY(grabarMensaje(u"  Cumple"_s, 0, {u"@+34:600123456"_s, u"#Casa"_s, amigos}, {}));
        QVERIFY(grabarMensaje(u"Un titulo de mas de veinticinco letras"_s, 46361.75,
                              {u"#Un nombre muy largo que no cabe"_s}, u"x"_s));
        const QStringList escritos = entorno.ficheros(u"*.zrc"_s);
        QCOMPARE(escritos.size(), 2);
        QByteArray datos[2] = {entorno.leerFichero(escritos.at(0)), entorno.leerFichero(escritos.at(1))};
        if (datos[0].startsWith("Un"))
            std::swap(datos[0], datos[1]);
        QCOMPARE(datos[0], relleno("  Cumple") + QByteArray(8, '\0') + cuenta(3) +
                               destino("+34:600123456", 1) + destino("Casa", 2) +
                               destino("Amigos" + QByteArray(19, ' '), 3));
        QCOMPARE(datos[1], "Un titulo de mas de veint" + QByteArray::fromHex("0000000038a3e640") + cuenta(1) +
                               destino("Un nombre muy largo que n", 2) + "x");
    }

    void fechasOle_data() {
        QTest::addColumn<QDate>("fecha");
        QTest::addColumn<QTime>("hora");
        QTest::addColumn<double>("valor");
        // clang-format off
        QTest::newRow("origen a las seis")   << QDate(1899, 12, 30) << QTime(6, 0)         << 0.25;
        QTest::newRow("dia anterior, seis")  << QDate(1899, 12, 29) << QTime(6, 0)         << -1.25;
        QTest::newRow("dia anterior, 0 h")   << QDate(1899, 12, 29) << QTime(0, 0)         << -1.0;
        QTest::newRow("1 de enero de 1900")  << QDate(1900, 1, 1)   << QTime(0, 0)         << 2.0;
        QTest::newRow("tarde de 2026")       << QDate(2026, 12, 5)  << QTime(14, 30)       << 46361.604166666664;
        QTest::newRow("primera, mediodia")   << QDate(100, 1, 1)    << QTime(12, 0)        << -657434.5;
        QTest::newRow("ultimo segundo")      << QDate(9999, 12, 31) << QTime(23, 59, 59)   << 2958465.999988426;
        QTest::newRow("1752 por la tarde")   << QDate(1752, 9, 14)  << QTime(18, 0)        << -53797.75;
        // clang-format on
    }
    void fechasOle() {
        QFETCH(QDate, fecha);
        QFETCH(QTime, hora);
        QFETCH(double, valor);
        QCOMPARE(aFechaOle(fecha, hora), valor);
        QCOMPARE(desdeFechaOle(valor), QDateTime(fecha, hora, Qt::UTC));
    }

    void fechasNoValidasYTexto() {
        for (double valor : {double(NAN), double(INFINITY), -1e300, 1e300, 2958466.0, -657435.0}) {
            QVERIFY2(!desdeFechaOle(valor).isValid(), qPrintable(QString::number(valor)));
            QVERIFY(textoFechaEnvio(valor).isEmpty());
        }
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
        QVERIFY(numeros.isEmpty());
        // However many exist, a new name is new; nothing is created by asking.
        const QRegularExpression forma(u"^[0-9A-F]{4,12}\\.zrc$"_s);
        for (int i = 0; i < 300; ++i) {
            const QFileInfo ruta(nuevoFicheroMensaje());
            QVERIFY(!ruta.exists() && ruta.absolutePath() == entorno.carpeta());
            QVERIFY2(forma.match(ruta.fileName()).hasMatch(), qPrintable(ruta.fileName()));
            entorno.escribirFichero(ruta.fileName(), {});
        }
        QCOMPARE(entorno.ficheros(u"*.zrc"_s).size(), 301);
    }

    void discoLlenoNoDejaNada() {
        EntornoPrueba entorno;
        {
            DiscoLleno disco(40);
            QVERIFY(!grabarMensaje(u"Cita"_s, 0, {u"#Ana"_s, u"#Luis"_s}, u"hola"_s));
        }
        QCOMPARE(entorno.avisos.size(), 1);
        QVERIFY(entorno.avisos.first().startsWith(u"No se ha podido grabar el mensaje"_s));
        QCOMPARE(QDir(entorno.carpeta()).entryList(QDir::Files), QStringList());
    }

    // What can be read is kept; the title node is there whenever the file opened.
    void ficherosRotos_data() {
        QTest::addColumn<QByteArray>("datos");
        QTest::addColumn<QString>("arbol");
        const QByteArray cabecera = relleno(" Roto ") + QByteArray(8, '\0');
        // clang-format off
        QTest::newRow("vacio")              << QByteArray()                                                     << "";
        QTest::newRow("cabecera a medias")  << "  Medio titu"_ba                                                << "Medio titu";
        QTest::newRow("sin cuenta")         << cabecera + '\x01'                                                << "Roto";
        QTest::newRow("fecha no valida")    << relleno("Roto") + dobleLE(NAN) + cuenta(0) + "texto"             << "Roto";
        QTest::newRow("cuenta negativa")    << cabecera + cuenta(-5) + "hola"                                   << "Roto|Mensaje: hola";
        QTest::newRow("cuenta enorme")      << cabecera + cuenta(32767) + destino("600", 1) + "xx"              << "Roto|600";
        QTest::newRow("registro cortado")   << cabecera + cuenta(2) + destino("Ana", 2) + "Luis"                << "Roto|Ana";
        QTest::newRow("tipo desconocido")   << cabecera + cuenta(2) + destino("Raro", 7) + destino("Amigos", 3) + "hola" << "Roto|Amigos|Mensaje: hola";
        QTest::newRow("con fecha")          << relleno("F") + dobleLE(2.5) + cuenta(0)                          << u"F|Fecha envio: "_s + textoFechaEnvio(2.5) + u"|Mensaje: "_s;
        // clang-format on
    }
    void ficherosRotos() {
        QFETCH(QByteArray, datos);
        QFETCH(QString, arbol);
        const MensajeArbol mensaje = leerMensajeArbol(datos, u"/x/a.zrc"_s);
        QStringList leido{mensaje.titulo};
        for (const NodoMensaje &nodo : mensaje.hijos)
            leido.append(nodo.texto);
        QCOMPARE(leido.join(u'|'), arbol);
        QCOMPARE(mensaje.ruta, u"/x/a.zrc"_s);
    }

    void titulosRepetidos() {
        EntornoPrueba entorno;
        escribirMensaje(entorno, "1.zrc", u"Cita"_s, {}, {});
        escribirMensaje(entorno, "2.zrc", u"  Cita  "_s, {}, {});
        escribirMensaje(entorno, "3.zrc", u"cita"_s, {}, {});
        escribirMensaje(entorno, "4.zrc", u"Cita"_s, {}, {});
        entorno.escribirFichero(u"otro.txt"_s, "Nada");
        ArbolMensajes arbol;
        arbol.cargarMensajes();
        // Titles are compared exactly: a different case is a different message.
        QCOMPARE(arbol.mensajes().size(), 2);
        QCOMPARE(arbol.mensajes().at(0).ruta, entorno.ruta(u"1.zrc"_s));
        QCOMPARE(arbol.mensajes().at(1).titulo, u"cita"_s);
        QCOMPARE(entorno.avisos, QStringList(2, u"Existen varios mensajes almacenados con el mismo titulo.\n"
                                                u"Solo se mostrará uno de ellos"_s));
    }

    // Store from the main window, list it, and load it back with Editar.
    void almacenarYEditar() {
        EntornoPrueba entorno;
        frmPrincipal principal;
        // clang-format off
        const QList<std::tuple<QString, QStringList, QString>> casos{
            {u"   "_s, {u"#Ana"_s}, u"Debe escribir algo en el mensaje para poder grabarlo"_s},
            {u"hola"_s, {}, u"Debe tener algún destinatario en la lista de envio para poder grabar el mensaje"_s},
            {u"\r\n"_s, {u"#Ana"_s}, {}}}; // a line break is something
        // clang-format on
        for (const auto &[texto, entradas, aviso] : casos) {
            cargar(principal, entradas, texto);
            QCOMPARE(ventanaModalDe([&] { principal.btnAlmacenar->click(); }),
                     aviso.isEmpty() ? u"frmGrabarMensaje"_s : QString());
            QCOMPARE(entorno.avisos, aviso.isEmpty() ? QStringList() : QStringList{aviso});
            entorno.avisos.clear();
        }
        const QString texto = u"Hola,\r\n¿vienes mañana?\r\n"_s;
        cargar(principal, {amigos, u"#Casa"_s, u"@+34:600123456"_s}, texto);
        alAbrirseModal([&entorno](QWidget *modal) {
            auto *dialogo = qobject_cast<frmGrabarMensaje *>(modal);
            QVERIFY(dialogo);
            QVERIFY(!dialogo->chkFecha->isChecked() && !dialogo->dtFecha->isEnabled() &&
                    !dialogo->dtHora->isEnabled());
            dialogo->chkFecha->click();
            QVERIFY(dialogo->dtFecha->isEnabled() && dialogo->dtHora->isEnabled());
            dialogo->txtTitulo->setText(u"   "_s);
            dialogo->btnGrabar->click();
            QCOMPARE(entorno.avisos, QStringList{u"Debe especificar un título para grabar el mensaje"_s});
            QVERIFY(dialogo->isVisible());
            dialogo->txtTitulo->setText(u"  Recordatorio"_s); // the title keeps its blanks
            dialogo->dtFecha->setDate(QDate(1899, 12, 29));
            dialogo->dtHora->setTime(QTime(6, 0));
            dialogo->btnGrabar->click();
            QVERIFY(!dialogo->isVisible());
        });
        principal.btnAlmacenar->click();
        QCOMPARE(entorno.ficheros(u"*.zrc"_s).size(), 1);
        QCOMPARE(entorno.leerFichero(entorno.ficheros(u"*.zrc"_s).first()),
                 relleno("  Recordatorio") + QByteArray::fromHex("000000000000f4bf") + cuenta(3) +
                     destino("Amigos" + QByteArray(19, ' '), 3) + destino("Casa", 2) +
                     destino("+34:600123456", 1) +
                     "Hola,\r\n\xBFvienes ma\xF1"
                     "ana?\r\n");
        QCOMPARE(principal.lstEnvio->count(), 3); // storing leaves the main window as it was
        alAbrirseModal([](QWidget *modal) {
            buscarControl<QLineEdit>(modal, u"txtTitulo"_s)->setText(u"Otro"_s);
            buscarControl<QPushButton>(modal, u"btnCancelar"_s)->click();
        });
        principal.btnAlmacenar->click();
        QCOMPARE(entorno.ficheros(u"*.zrc"_s).size(), 1);
        cargar(principal, {u"#Otro"_s}, u"otro texto"_s);

        alAbrirseModal([&](QWidget *modal) {
            auto *ventana = qobject_cast<frmEnvioRetardado *>(modal);
            QVERIFY(ventana);
            QCOMPARE(titulos(*ventana), QStringList{u"Recordatorio"_s});
            QTreeWidgetItem *raiz = ventana->treeMensajes->topLevelItem(0);
            QCOMPARE(raiz->data(0, Qt::UserRole).toString(), u"Titulo"_s);
            QCOMPARE(hijos(raiz), QStringList({u"Hora|Fecha envio: "_s + textoFechaEnvio(-1.25),
                                               u"Grupo|Amigos"_s, u"Contacto|Casa"_s,
                                               u"Telefono|+34:600123456"_s, u"Mensaje|Mensaje: "_s + texto}));
            ventana->treeMensajes->setCurrentItem(raiz->child(4)); // a child selects its message
            ventana->btnEditar->click();
            QVERIFY(!ventana->isVisible());
        });
        principal.btnEnviarAtrasados->click();
        QCOMPARE(principal.textoMensaje(), texto);
        QStringList cargadas;
        for (int i = 0; i < principal.lstEnvio->count(); ++i)
            cargadas.append(principal.lstEnvio->item(i)->text());
        QCOMPARE(cargadas, QStringList({u"&Amigos"_s, u"#Casa"_s, u"@+34:600123456"_s}));
        QCOMPARE(entorno.ficheros(u"*.zrc"_s).size(), 1);
        QCOMPARE(entorno.avisos.size(), 1);
    }

    void enviarYBorrar() {
        EntornoPrueba entorno;
        frmPrincipal principal;
        Envios envios(principal);
        escribirMensaje(entorno, "1.zrc", u"Primero"_s, {u"#Ana"_s, u"#Luis"_s}, u"uno"_s);
        escribirMensaje(entorno, "2.zrc", u"Segundo"_s, {amigos, u"@+44:700"_s}, u"dos"_s);
        escribirMensaje(entorno, "3.zrc", u"Tercero"_s, {u"#Luis"_s}, u"tres"_s, 40000.5);
        frmEnvioRetardado ventana;
        ventana.show();
        auto *arbol = ventana.treeMensajes;
        arbol->setCurrentItem(arbol->topLevelItem(1)->child(1));
        ventana.btnEnviar->click();
        QCOMPARE(envios.lista, QStringList{u"dos|&Amigos,@+44:700"_s});
        QVERIFY(ventana.isVisible());
        QVERIFY(principal.textoMensaje().isEmpty() &&
                principal.lstEnvio->count() == 0); // emptied after sending
        ventana.btnEnviarTodos->click();
        QCOMPARE(envios.lista.mid(1),
                 QStringList({u"uno|#Ana,#Luis"_s, u"dos|&Amigos,@+44:700"_s, u"tres|#Luis"_s}));

        // A recipient leaves the tree only; the text node stays; the title node takes the file.
        QTreeWidgetItem *primero = arbol->topLevelItem(0);
        arbol->setCurrentItem(primero->child(2));
        ventana.btnBorrar->click();
        QCOMPARE(entorno.avisos.takeLast(), u"No se puede borrar el texto del mensaje a enviar"_s);
        arbol->setCurrentItem(primero->child(0));
        ventana.mnuPopUpBorrar->trigger();
        QCOMPARE(hijos(frmEnvioRetardado().treeMensajes->topLevelItem(0)).size(), 3); // the file keeps it
        arbol->setCurrentItem(primero);
        ventana.mnuPopUpEnviar->trigger();
        QCOMPARE(envios.lista.last(), u"uno|#Luis"_s);
        arbol->setCurrentItem(primero);
        ventana.btnBorrar->click();
        QCOMPARE(entorno.ficheros(u"*.zrc"_s), QStringList({u"2.zrc"_s, u"3.zrc"_s}));
        QVERIFY(QFile::remove(entorno.ruta(u"2.zrc"_s))); // one removed meanwhile just leaves the tree
        arbol->setCurrentItem(arbol->topLevelItem(0));
        ventana.btnBorrar->click();
        QCOMPARE(titulos(ventana), QStringList{u"Tercero"_s});

        arbol->clearSelection();
        ventana.btnBorrar->click();
        ventana.btnEditar->click();
        QCOMPARE(entorno.avisos, QStringList(2, u"No hay ningún mensaje seleccionado"_s));
        QContextMenuEvent clicDerecho(QContextMenuEvent::Mouse, QPoint(5, 5),
                                      arbol->viewport()->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(arbol->viewport(), &clicDerecho);
        QTRY_VERIFY2_WITH_TIMEOUT(ventana.mnuPopUp->isVisible(), "el botón derecho no abrió el menú", 3000);
        ventana.mnuPopUp->hide();

        // Borrar todos asks first; it removes hidden duplicates too and succeeds with none left.
        escribirMensaje(entorno, "4.zrc", u"Tercero"_s, {}, {});
        entorno.avisos.clear();
        entorno.respuestas << false << true << true;
        for (int vez = 0; vez < 3; ++vez) {
            ventana.btnBorrarTodos->click();
            QCOMPARE(entorno.ficheros(u"*.zrc"_s).size(), vez ? 0 : 2);
            QCOMPARE(arbol->topLevelItemCount(), vez ? 0 : 1);
        }
        QCOMPARE(entorno.avisos, QStringList(3, u"Seguro que quieres borrar todos los mensajes?"_s));
        entorno.avisos.clear();
        for (QPushButton *boton :
             {ventana.btnBorrar, ventana.btnEditar, ventana.btnEnviar, ventana.btnEnviarTodos})
            boton->click();
        QCOMPARE(entorno.avisos,
                 QStringList({u"No hay ningún mensaje para borrar"_s, u"No hay ningún mensaje para editar"_s,
                              u"No hay ningún mensaje para enviar"_s}));
        QCOMPARE(envios.lista.size(), 5);
    }

    void ficherosDanados() {
        EntornoPrueba entorno;
        frmPrincipal principal;
        Envios envios(principal);
        const QByteArray cabecera = QByteArray(8, '\0');
        entorno.escribirFichero(u"a.zrc"_s, "Medio");
        entorno.escribirFichero(u"b.zrc"_s, relleno("Negativo") + cabecera + "\xFF\xFFtexto");
        entorno.escribirFichero(u"c.zrc"_s, relleno("Enorme") + cabecera + "\xFF\x7F" + destino("Ana", 2));
        frmEnvioRetardado ventana;
        QCOMPARE(titulos(ventana), QStringList({u"Medio"_s, u"Negativo"_s, u"Enorme"_s}));
        ventana.btnEnviarTodos->click();
        QCOMPARE(envios.lista, QStringList({u"|"_s, u"texto|"_s, u"|#Ana"_s}));
    }
};

ZARCEL_TEST_MAIN(PruebaAlmacenados)
#include "tst_almacenados.moc"
