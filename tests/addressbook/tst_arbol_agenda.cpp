#include "support/entorno_prueba.h"

#include "addressbook/agenda_prueba.h"
#include "addressbook/arbol_agenda.h"
#include "addressbook/clave_contacto.h"
#include "addressbook/fichero_agenda.h"

#include <QFileInfo>
#include <QRandomGenerator>

namespace {
const QString ninguno = QStringLiteral("Ninguno");

QModelIndex anadir(ArbolAgenda &arbol, const QString &grupo, const ClaveContacto &contacto) {
    return arbol.anadirContacto(grupo, contacto.clave(), contacto.texto());
}

QByteArray unir(const QList<QByteArray> &registros) {
    QByteArray datos;
    for (const QByteArray &registro : registros)
        datos += registro;
    return datos;
}
} // namespace

class PruebaArbolAgenda : public QObject {
    Q_OBJECT
private slots:
    void claveDeContacto_data() {
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("partes");
        QTest::addColumn<bool>("reves");
        QTest::newRow("normal") << "Ana:34:600000000:0"
                                << "Ana|34|600000000" << false;
        QTest::newRow("reves") << "Ana:34:600000000:1"
                               << "Ana|34|600000000" << true;
        QTest::newRow("flag no cero") << "Ana:34:6:-1"
                                      << "Ana|34|6" << true;
        QTest::newRow("partes vacias") << ":::0"
                                       << "||" << false;
        QTest::newRow("incompleta") << "Ana:34"
                                    << "Ana|34|" << false;
    }
    void claveDeContacto() {
        QFETCH(QString, clave);
        QFETCH(QString, partes);
        QFETCH(bool, reves);
        const ClaveContacto contacto = ClaveContacto::desdeClave(clave);
        QCOMPARE(contacto.nombre + QLatin1Char('|') + contacto.prefijo + QLatin1Char('|') + contacto.telefono,
                 partes);
        QCOMPARE(contacto.envioReves, reves);
    }

    void clavesUnicasYOrdenDeAdicion() {
        ArbolAgenda arbol;
        QVERIFY(arbol.anadirGrupo(ninguno, ninguno).isValid());
        QVERIFY(arbol.anadirGrupo(QStringLiteral("Amigos"), QStringLiteral("Amigos")).isValid());
        const ClaveContacto ana{QStringLiteral("Ana"), QStringLiteral("34"), QStringLiteral("600"), false};
        const ClaveContacto beto{QStringLiteral("Beto"), QStringLiteral("34"), QStringLiteral("601"), false};
        QVERIFY(anadir(arbol, ninguno, ana).isValid());
        const QModelIndex indiceBeto = anadir(arbol, QStringLiteral("Amigos"), beto);
        QVERIFY(indiceBeto.isValid());
        // Keys are unique across groups and contacts; a missing group takes nothing.
        QVERIFY(!anadir(arbol, QStringLiteral("Amigos"), ana).isValid());
        QVERIFY(!arbol.anadirGrupo(QStringLiteral("Amigos"), QStringLiteral("Otro")).isValid());
        QVERIFY(!anadir(arbol, QStringLiteral("Nadie"), {QStringLiteral("Eva"), {}, {}, false}).isValid());
        QVERIFY(!arbol.anadirContacto(ana.clave(), QStringLiteral("x:1:2:0"), QString()).isValid());
        // The same name with another number is another key.
        QVERIFY(anadir(arbol, ninguno,
                       {QStringLiteral("Ana"), QStringLiteral("34"), QStringLiteral("700"), false})
                    .isValid());

        arbol.borrar(indiceBeto);
        QVERIFY(!arbol.existeClave(beto.clave()));
        QVERIFY(anadir(arbol, QStringLiteral("Amigos"), beto).isValid());
        QCOMPARE(clavesEnOrden(arbol), (QStringList{ninguno, QStringLiteral("Amigos"), ana.clave(),
                                                    QStringLiteral("Ana:34:700:0"), beto.clave()}));
        QCOMPARE(arbol.buscar(beto.clave()).parent(), arbol.buscar(QStringLiteral("Amigos")));
        QCOMPARE(arbol.data(arbol.buscar(beto.clave()), ArbolAgenda::RolImagen).toString(),
                 QStringLiteral("Contacto"));

        // A group's text changes, its key stays; blanks are refused.
        const QModelIndex amigos = arbol.buscar(QStringLiteral("Amigos"));
        QVERIFY(!arbol.setData(amigos, QStringLiteral("   ")));
        QVERIFY(arbol.setData(amigos, QStringLiteral(" Colegas")));
        QCOMPARE(arbol.texto(amigos), QStringLiteral(" Colegas"));
        QCOMPARE(arbol.buscar(QStringLiteral("Amigos")), amigos);
        QVERIFY(!(arbol.flags(arbol.buscar(beto.clave())) & Qt::ItemIsEditable));

        arbol.borrar(arbol.primerNodo());
        QCOMPARE(arbol.primerNodo(), arbol.buscar(QStringLiteral("Amigos")));
        QCOMPARE(arbol.numeroNodos(), 2);
        QCOMPARE(arbol.buscar(QStringLiteral("Amigos")).row(), 0);
    }

    void ficherosVaciosDanNinguno_data() {
        QTest::addColumn<int>("bytesGrupos");
        QTest::newRow("sin ficheros") << -1;
        QTest::newRow("vacio") << 0;
        QTest::newRow("24 bytes") << 24;
    }
    void ficherosVaciosDanNinguno() {
        QFETCH(int, bytesGrupos);
        EntornoPrueba entorno;
        if (bytesGrupos >= 0)
            entorno.escribirFichero(QStringLiteral("groups.lst"),
                                    grupoCifrado(QStringLiteral("Amigos")).left(bytesGrupos));
        ArbolAgenda arbol;
        cargarArbolAgenda(arbol);
        QCOMPARE(clavesEnOrden(arbol), QStringList{ninguno});
        QCOMPARE(arbol.texto(arbol.primerNodo()), ninguno);
        QVERIFY(QFileInfo::exists(entorno.ruta(QStringLiteral("contacts.lst"))));
        QVERIFY(QFileInfo::exists(entorno.ruta(QStringLiteral("groups.lst"))));
    }

    void colaParcialIgnorada() {
        EntornoPrueba entorno;
        entorno.escribirFichero(QStringLiteral("groups.lst"), grupoCifrado(ninguno));
        entorno.escribirFichero(QStringLiteral("contacts.lst"),
                                contactoCifrado(QStringLiteral("Ana"), QStringLiteral("34"),
                                                QStringLiteral("600000000"), ninguno, -1) +
                                    QByteArray(13, 'x'));
        ArbolAgenda arbol;
        cargarArbolAgenda(arbol);
        QCOMPARE(clavesEnOrden(arbol), (QStringList{ninguno, QStringLiteral("Ana:34:600000000:1")}));
        QCOMPARE(arbol.texto(arbol.buscar(QStringLiteral("Ana:34:600000000:1"))),
                 QStringLiteral("Ana:+34600000000"));
        QCOMPARE(arbol.numeroApartados(), 0);
        QVERIFY(grabarArbolAgenda(arbol));
        // The reverse flag goes back as FF FF; the partial tail is gone.
        QCOMPARE(entorno.leerFichero(QStringLiteral("contacts.lst")).toHex(),
                 contactoCifrado(QStringLiteral("Ana"), QStringLiteral("34"), QStringLiteral("600000000"),
                                 ninguno, -1)
                     .toHex());
    }

    void grabarAnaEnNinguno() {
        EntornoPrueba entorno;
        ArbolAgenda arbol;
        cargarArbolAgenda(arbol);
        QVERIFY(anadir(arbol, ninguno,
                       {QStringLiteral("Ana"), QStringLiteral("34"), QStringLiteral("600000000"), false})
                    .isValid());
        QVERIFY(grabarArbolAgenda(arbol));
        GrupoAgenda grupo = GrupoAgenda::leer(entorno.leerFichero(QStringLiteral("groups.lst")));
        QCOMPARE(entorno.leerFichero(QStringLiteral("groups.lst")).size(), 25);
        Cifrado::cifrarGrupo(grupo);
        QCOMPARE(grupo.nombre, QByteArray("Ninguno                  "));
        const QByteArray contactos = entorno.leerFichero(QStringLiteral("contacts.lst"));
        QCOMPARE(contactos.size(), 87);
        QCOMPARE(contactoClaro(contactos), QByteArray("Ana                      "
                                                      "34        "
                                                      "600000000                "
                                                      "Ninguno                  ") +
                                               QByteArray(2, '\0'));
    }

    // A load and a save give back the same bytes, records that have no place in
    // the tree included, in their places.
    void idaYVueltaIdentica() {
        EntornoPrueba entorno;
        const QByteArray grupos = unir({grupoCifrado(ninguno), grupoCifrado(QStringLiteral("Amigos")),
                                        grupoCifrado(QStringLiteral("Amigos")), // repeated key
                                        grupoCifrado(QStringLiteral("Señores: Pérez"))});
        const QByteArray contactos = unir({
            contactoCifrado(QStringLiteral("Ana"), QStringLiteral("34"), QStringLiteral("600000000"),
                            QStringLiteral("Amigos")),
            contactoCifrado(QStringLiteral("Luis"), QStringLiteral("44"), QStringLiteral("700000000"),
                            QStringLiteral("Perdidos")), // no such group
            contactoCifrado(QStringLiteral("Ana"), QStringLiteral("34"), QStringLiteral("600000000"),
                            ninguno), // repeated key
            contactoCifrado(QStringLiteral("Eva:Mar"), QStringLiteral("34"), QStringLiteral("1"), ninguno),
            contactoCifrado(QStringLiteral("Pío"), QStringLiteral("3:4"), QStringLiteral("2"), ninguno),
            contactoCifrado(QStringLiteral("Pep"), QStringLiteral("351"), QStringLiteral("900"),
                            QStringLiteral("Señores: Pérez"), -1),
            contactoCifrado(QStringLiteral("Zoe"), QStringLiteral("34"), QStringLiteral("6"), ninguno),
        });
        entorno.escribirFichero(QStringLiteral("groups.lst"), grupos);
        entorno.escribirFichero(QStringLiteral("contacts.lst"), contactos);

        ArbolAgenda arbol;
        cargarArbolAgenda(arbol);
        QCOMPARE(clavesEnOrden(arbol),
                 (QStringList{ninguno, QStringLiteral("Amigos"), QStringLiteral("Señores: Pérez"),
                              QStringLiteral("Ana:34:600000000:0"), QStringLiteral("Pep:351:900:1"),
                              QStringLiteral("Zoe:34:6:0")}));
        QCOMPARE(arbol.numeroApartados(), 5);
        QVERIFY(grabarArbolAgenda(arbol));
        QCOMPARE(entorno.leerFichero(QStringLiteral("groups.lst")), grupos);
        QCOMPARE(entorno.leerFichero(QStringLiteral("contacts.lst")), contactos);
    }

    void grupoRenombradoYGrupoBorrado() {
        EntornoPrueba entorno;
        entorno.escribirFichero(QStringLiteral("groups.lst"),
                                unir({grupoCifrado(ninguno), grupoCifrado(QStringLiteral("Amigos")),
                                      grupoCifrado(QStringLiteral("Trabajo"))}));
        const QByteArray ana = contactoCifrado(QStringLiteral("Ana"), QStringLiteral("34"),
                                               QStringLiteral("6"), QStringLiteral("Amigos"));
        const QByteArray beto = contactoCifrado(QStringLiteral("Beto"), QStringLiteral("34"),
                                                QStringLiteral("7"), QStringLiteral("Trabajo"));
        const QByteArray cris = contactoCifrado(QStringLiteral("Cris"), QStringLiteral("34"),
                                                QStringLiteral("8"), QStringLiteral("Amigos"));
        entorno.escribirFichero(QStringLiteral("contacts.lst"), unir({ana, beto, cris}));

        ArbolAgenda arbol;
        cargarArbolAgenda(arbol);
        QVERIFY(arbol.renombrarGrupo(arbol.buscar(QStringLiteral("Amigos")), QStringLiteral(" Colegas ")));
        arbol.borrar(arbol.buscar(QStringLiteral("Trabajo")));
        QVERIFY(grabarArbolAgenda(arbol));

        QCOMPARE(entorno.leerFichero(QStringLiteral("groups.lst")),
                 grupoCifrado(ninguno) + grupoCifrado(QStringLiteral(" Colegas ")));
        QCOMPARE(entorno.leerFichero(QStringLiteral("contacts.lst")),
                 contactoCifrado(QStringLiteral("Ana"), QStringLiteral("34"), QStringLiteral("6"),
                                 QStringLiteral("Colegas")) +
                     contactoCifrado(QStringLiteral("Cris"), QStringLiteral("34"), QStringLiteral("8"),
                                     QStringLiteral("Colegas")));
    }

    void valoresLargosCortados() {
        EntornoPrueba entorno;
        ArbolAgenda arbol;
        cargarArbolAgenda(arbol);
        const QString largo = QString(30, QLatin1Char('n'));
        QVERIFY(anadir(arbol, ninguno,
                       {largo, QStringLiteral("12345678901"), QString(26, QLatin1Char('9')), false})
                    .isValid());
        QVERIFY(grabarArbolAgenda(arbol));
        QCOMPARE(contactoClaro(entorno.leerFichero(QStringLiteral("contacts.lst"))),
                 QByteArray(25, 'n') + "1234567890" + QByteArray(25, '9') + "Ninguno                  " +
                     QByteArray(2, '\0'));
    }

    // Any bytes load; every whole record survives a load and a save.
    void bytesAlAzar() {
        EntornoPrueba entorno;
        QRandomGenerator azar(20261205);
        for (int vuelta = 0; vuelta < 20; ++vuelta) {
            QByteArray grupos(azar.bounded(0, 25 * 40), Qt::Uninitialized);
            QByteArray contactos(azar.bounded(0, 87 * 40), Qt::Uninitialized);
            for (char &byte : grupos)
                byte = char(azar.bounded(256));
            for (char &byte : contactos)
                byte = char(azar.bounded(256));
            entorno.escribirFichero(QStringLiteral("groups.lst"), grupos);
            entorno.escribirFichero(QStringLiteral("contacts.lst"), contactos);
            ArbolAgenda arbol;
            cargarArbolAgenda(arbol);
            QVERIFY(grabarArbolAgenda(arbol));
            const qsizetype nGrupos = grupos.size() / 25;
            QCOMPARE(entorno.leerFichero(QStringLiteral("groups.lst")).size(),
                     qMax<qsizetype>(nGrupos, 1) * 25);
            QCOMPARE(entorno.leerFichero(QStringLiteral("contacts.lst")).size(), contactos.size() / 87 * 87);
        }
    }

    // A failed write leaves the previous files whole.
    void discoLleno() {
        EntornoPrueba entorno;
        const QByteArray grupos = grupoCifrado(ninguno);
        const QByteArray contactos =
            contactoCifrado(QStringLiteral("Ana"), QStringLiteral("34"), QStringLiteral("6"), ninguno);
        entorno.escribirFichero(QStringLiteral("groups.lst"), grupos);
        entorno.escribirFichero(QStringLiteral("contacts.lst"), contactos);
        ArbolAgenda arbol;
        cargarArbolAgenda(arbol);
        for (int i = 0; i < 5; ++i)
            anadir(arbol, ninguno,
                   {QStringLiteral("Otro"), QStringLiteral("34"), QString::number(i + 1), false});
        {
            DiscoLleno lleno(200);
            QVERIFY(!grabarArbolAgenda(arbol));
        }
        QCOMPARE(entorno.leerFichero(QStringLiteral("contacts.lst")), contactos);
        QCOMPARE(entorno.leerFichero(QStringLiteral("groups.lst")), grupos);
    }
};

ZARCEL_TEST_MAIN(PruebaArbolAgenda)
#include "tst_arbol_agenda.moc"
