#include "support/entorno_prueba.h"

#include "addressbook/agenda_prueba.h"
#include "addressbook/tabla_contactos.h"
#include "app/destinatarios.h"
#include "app/frm_principal.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>

namespace {

// The main window over an address book of these contacts (name, number, group, flag)
// and groups.
struct Ventana {
    Ventana(const QList<QStringList> &contactos, const QStringList &grupos) {
        QByteArray bytesContactos;
        for (const QStringList &c : contactos)
            bytesContactos += contactoCifrado(c.at(0), QStringLiteral("34"), c.at(1), c.at(2),
                                              c.value(3) == QLatin1String("-1") ? -1 : 0);
        QByteArray bytesGrupos;
        for (const QString &g : grupos)
            bytesGrupos += grupoCifrado(g);
        entorno.escribirFichero(QStringLiteral("contacts.lst"), bytesContactos);
        entorno.escribirFichero(QStringLiteral("groups.lst"), bytesGrupos);
        principal.cargarAgenda();
        principal.show();
    }
    template <typename T> T *control(const char *nombre) {
        return buscarControl<T>(&principal, QString::fromUtf8(nombre));
    }
    void pulsar(const char *boton) { QTest::mouseClick(control<QPushButton>(boton), Qt::LeftButton); }
    void seleccionar(const char *lista, int fila) {
        auto *l = control<QAbstractItemView>(lista);
        l->setCurrentIndex(l->model()->index(fila, 0));
    }
    QPoint centroFila(const char *lista, int fila) {
        auto *l = control<QAbstractItemView>(lista);
        return l->visualRect(l->model()->index(fila, 0)).center();
    }
    // As the platform delivers it: the first click selects, then the double click.
    void dobleClic(const char *lista, int fila) {
        auto *l = control<QAbstractItemView>(lista);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, centroFila(lista, fila));
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, centroFila(lista, fila));
    }
    QStringList envio() { return textosDe(control<QListWidget>("lstEnvio")); }

    EntornoPrueba entorno;
    frmPrincipal principal;
};

const QString ninguno = QStringLiteral("Ninguno");
QString relleno(const QString &nombre) {
    return nombre.leftJustified(25, QLatin1Char(' '));
}
} // namespace

class PruebaListaDestinatarios : public QObject {
    Q_OBJECT
private slots:
    void formatoDeEntradas_data() {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("prefijo");
        QTest::addColumn<QString>("numero");
        QTest::newRow("contacto") << "#Casa" << int(Destinatarios::Tipo::Contacto) << "Casa"
                                  << ""
                                  << "";
        QTest::newRow("grupo relleno") << "&Amigos   " << int(Destinatarios::Tipo::Grupo) << "Amigos"
                                       << ""
                                       << "";
        QTest::newRow("numero") << "@+34:600123456" << int(Destinatarios::Tipo::Numero) << ""
                                << "34"
                                << "600123456";
        QTest::newRow("numero con espacios") << "@+44: 6:7 " << int(Destinatarios::Tipo::Numero) << ""
                                             << "44"
                                             << " 6:7 ";
        QTest::newRow("sin dos puntos") << "@+34" << int(Destinatarios::Tipo::Numero) << ""
                                        << "34"
                                        << "";
        QTest::newRow("vacia") << "" << int(Destinatarios::Tipo::Desconocido) << ""
                               << ""
                               << "";
    }
    void formatoDeEntradas() {
        QFETCH(QString, entrada);
        QFETCH(int, tipo);
        QFETCH(QString, nombre);
        QFETCH(QString, prefijo);
        QFETCH(QString, numero);
        const Destinatarios::Destinatario leido = Destinatarios::leer(entrada);
        QCOMPARE(int(leido.tipo), tipo);
        QCOMPARE(leido.nombre, nombre);
        QCOMPARE(leido.prefijo, prefijo);
        QCOMPARE(leido.numero, numero);
    }

    void cargarAgendaOrdenaSinMayusculas() {
        Ventana v({{QStringLiteral("beto"), QStringLiteral("600000002"), ninguno, QStringLiteral("-1")},
                   {QStringLiteral("  Ana "), QStringLiteral("600000001"), QStringLiteral("Amigos")},
                   {QStringLiteral("Álvaro"), QStringLiteral("12345678901"), ninguno, QStringLiteral("1")},
                   {QStringLiteral("carlos"), QStringLiteral("0600"), ninguno},
                   {QStringLiteral("Beto"), QStringLiteral("2147483647"), ninguno}},
                  {QStringLiteral("trabajo"), QStringLiteral("Amigos"), ninguno});
        QCOMPARE(textosDe(v.control<QAbstractItemView>("lstContactos")),
                 (QStringList{QStringLiteral("Álvaro"), QStringLiteral("Ana"), QStringLiteral("beto"),
                              QStringLiteral("Beto"), QStringLiteral("carlos")}));
        QCOMPARE(textosDe(v.control<QAbstractItemView>("lstGrupo")),
                 (QStringList{relleno(QStringLiteral("Amigos")), relleno(ninguno),
                              relleno(QStringLiteral("trabajo"))}));
        QCOMPARE(tablaContactos.size(), 5);
        QCOMPARE(tablaContactos.at(1).nombre, QStringLiteral("Ana"));
        QCOMPARE(tablaContactos.at(1).grupo, QStringLiteral("Amigos"));
        QCOMPARE(tablaContactos.at(0).envioReves, true);
        QCOMPARE(tablaContactos.at(2).envioReves, false); // only -1 is true

        // The tooltip shows the number of the row under the pointer, never a number
        // that differs from the stored one.
        auto *lista = v.control<QAbstractItemView>("lstContactos");
        const QStringList esperados{QStringLiteral("12345678901"), QStringLiteral("600000001"),
                                    QStringLiteral("600000002"), QStringLiteral("2147483647"),
                                    QStringLiteral("0600")};
        for (int fila = 0; fila < esperados.size(); ++fila) {
            QMouseEvent movimiento(QEvent::MouseMove, v.centroFila("lstContactos", fila),
                                   lista->viewport()->mapToGlobal(v.centroFila("lstContactos", fila)),
                                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(lista->viewport(), &movimiento);
            QCOMPARE(lista->toolTip(), esperados.at(fila));
        }
        QCOMPARE(lista->model()->index(3, 0).data(Qt::UserRole).toInt(), 2147483647);
        QVERIFY(!lista->model()->index(0, 0).data(Qt::UserRole).isValid());

        // A contact file without a whole record empties the table.
        v.entorno.escribirFichero(QStringLiteral("contacts.lst"), QByteArray());
        v.principal.cargarAgenda();
        QVERIFY(tablaContactos.isEmpty());
        QCOMPARE(lista->model()->rowCount(), 0);
        QCOMPARE(v.control<QAbstractItemView>("lstGrupo")->model()->rowCount(), 3);
    }

    void numeroTecleado() {
        Ventana v({}, {});
        auto *prefijo = v.control<QLineEdit>("txtPrefijo");
        auto *numero = v.control<QLineEdit>("txtEnvio");
        QSignalSpy intro(numero, &QLineEdit::returnPressed);

        numero->setText(QStringLiteral("600123456"));
        v.pulsar("btnAñadirEsporadico");
        QCOMPARE(v.envio(), QStringList{QStringLiteral("@+34:600123456")});
        QVERIFY(numero->text().isEmpty());

        // Typing the default prefix gives the same entry: refused, both boxes keep their text.
        prefijo->setText(QStringLiteral("34"));
        numero->setText(QStringLiteral("600123456"));
        QTest::keyClick(numero, Qt::Key_Return);
        QCOMPARE(v.entorno.avisos, QStringList{QStringLiteral("El telefono a añadir ya está en la lista")});
        QCOMPARE(prefijo->text(), QStringLiteral("34"));
        QCOMPARE(numero->text(), QStringLiteral("600123456"));

        prefijo->setText(QStringLiteral("44"));
        QTest::keyClick(numero, Qt::Key_Enter);
        numero->setText(QStringLiteral(" 600123456 "));
        prefijo->setText(QStringLiteral("   "));
        v.pulsar("btnAñadirEsporadico");
        QCOMPARE(v.envio(), (QStringList{QStringLiteral("@+34:600123456"), QStringLiteral("@+44:600123456"),
                                         QStringLiteral("@+34: 600123456 ")}));
        QCOMPARE(intro.count(), 0); // Enter is consumed

        for (const QString &malo :
             {QStringLiteral("0600123456"), QStringLiteral("600 123"), QStringLiteral("+34600"), QString()}) {
            numero->setText(malo);
            v.pulsar("btnAñadirEsporadico");
            QCOMPARE(v.entorno.avisos.last(),
                     QStringLiteral("El número de teléfono contiene caracteres incorrectos"));
        }
        QCOMPARE(v.envio().size(), 3);
    }

    void contactosYGrupos() {
        Ventana v({{QStringLiteral("ana"), QStringLiteral("1"), ninguno},
                   {QStringLiteral("Beto"), QStringLiteral("2"), ninguno},
                   {QStringLiteral("ana"), QStringLiteral("3"), ninguno},
                   {QStringLiteral("Carlos"), QStringLiteral("4"), ninguno}},
                  {QStringLiteral("Amigos"), ninguno});
        v.pulsar("btnAñadirAgenda");
        v.pulsar("btnAñadirGrupo");
        QCOMPARE(v.entorno.avisos, QStringList(2, QStringLiteral("No hay nada seleccionado para añadir")));
        v.entorno.avisos.clear();

        v.seleccionar("lstContactos", 3); // Carlos
        v.pulsar("btnAñadirAgenda");
        v.dobleClic("lstContactos", 0); // ana
        v.dobleClic("lstContactos", 1); // the other ana
        QCOMPARE(v.entorno.avisos, QStringList{QStringLiteral("El contacto a añadir ya está en la lista")});
        v.pulsar("btnAñadirTodaAgenda");
        QCOMPARE(v.envio(),
                 (QStringList{QStringLiteral("#Carlos"), QStringLiteral("#ana"), QStringLiteral("#Beto")}));
        QCOMPARE(v.entorno.avisos.size(), 1);

        v.dobleClic("lstGrupo", 0);
        v.seleccionar("lstGrupo", 0);
        v.pulsar("btnAñadirGrupo");
        QCOMPARE(v.entorno.avisos.last(), QStringLiteral("El grupo a añadir ya está en la lista"));
        v.pulsar("btnAñadirTodosGrupos");
        QCOMPARE(v.envio().mid(3), (QStringList{QLatin1Char('&') + relleno(QStringLiteral("Amigos")),
                                                QLatin1Char('&') + relleno(ninguno)}));
    }

    void borrarDeLaLista() {
        Ventana v({{QStringLiteral("Ana"), QStringLiteral("1"), ninguno},
                   {QStringLiteral("Beto"), QStringLiteral("2"), ninguno},
                   {QStringLiteral("Cris"), QStringLiteral("3"), ninguno}},
                  {ninguno});
        v.pulsar("btnAñadirTodaAgenda");
        auto *envio = v.control<QListWidget>("lstEnvio");
        auto *menu = v.control<QMenu>("mnuPopUpLista");

        v.dobleClic("lstEnvio", 1);
        QCOMPARE(v.envio(), (QStringList{QStringLiteral("#Ana"), QStringLiteral("#Cris")}));
        QVERIFY(envio->selectedItems().isEmpty());
        QTest::mouseDClick(envio->viewport(), Qt::LeftButton, {}, QPoint(5, envio->viewport()->height() - 3));
        QCOMPARE(v.envio().size(), 2);

        // The popup opens on the right button's release only.
        QTest::mousePress(envio->viewport(), Qt::RightButton, {}, v.centroFila("lstEnvio", 0));
        QVERIFY(!menu->isVisible());
        QTest::mouseRelease(envio->viewport(), Qt::RightButton, {}, v.centroFila("lstEnvio", 0));
        QTRY_VERIFY(menu->isVisible());
        menu->hide();

        // The right button selected the row under the pointer.
        v.control<QAction>("mnuPopUpBorrar")->trigger();
        QCOMPARE(v.envio(), QStringList{QStringLiteral("#Cris")});
        v.control<QAction>("mnuPopUpBorrar")->trigger();
        QCOMPARE(v.entorno.avisos,
                 QStringList{QStringLiteral("No hay ningun elemento seleccionado para borrar")});
        v.control<QAction>("mnuPopupBorrarTodos")->trigger();
        QCOMPARE(envio->count(), 0);
        QCOMPARE(v.entorno.avisos.size(), 1);
    }
};

ZARCEL_TEST_MAIN(PruebaListaDestinatarios)
#include "tst_lista_destinatarios.moc"
