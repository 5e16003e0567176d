#include "support/entorno_prueba.h"

#include "addressbook/clave_contacto.h"
#include "addressbook/fichero_agenda.h"
#include "addressbook/importacion.h"
#include "addressbook/lector_csv.h"
#include "addressbook/numero_internacional.h"
#include "addressbook/orden_nombres.h"
#include "common/filtro_dialogos.h"

using namespace Importacion;

namespace {

QByteArray contacto(const QString &nombre, const QString &telefono, const QString &grupo, qint16 reves = 0) {
    return contactoCifrado(nombre, u"34"_s, telefono, grupo, reves);
}

// Imports into the book on disk (no files: only "Ninguno").
QStringList importar(ArbolAgenda &arbol, Tipo tipo, const QList<Entrada> &entradas) {
    cargarArbolAgenda(arbol);
    return Importador(arbol, tipo, entradas).procesar(entradas.size());
}

// "group/key/text" of every contact, in the order of addition.
QStringList contactosDe(const ArbolAgenda &arbol) {
    QStringList contactos;
    arbol.recorrer([&](const ArbolAgenda::Nodo &nodo) {
        if (nodo.tipo == ArbolAgenda::Tipo::Contacto)
            contactos.append(nodo.padre->clave() + u'/' + nodo.clave() + u'/' + nodo.texto());
    });
    return contactos;
}
} // namespace

class PruebaAgenda : public QObject {
    Q_OBJECT
private slots:
    void claveDeContacto() {
        const char *casos[][2]{{"Ana:34:600000000:0", "Ana|34|600000000|0"},
                               {"Ana:34:600000000:1", "Ana|34|600000000|1"},
                               {"Ana:34:6:-1", "Ana|34|6|1"},
                               {":::0", "|||0"},
                               {"Ana:34", "Ana|34||0"}};
        for (const auto &[clave, partes] : casos) {
            const ClaveContacto c = ClaveContacto::desdeClave(QString::fromUtf8(clave));
            QCOMPARE(QStringList({c.nombre, c.prefijo, c.telefono, QString::number(c.envioReves)}).join(u'|'),
                     QString::fromUtf8(partes));
        }
    }

    // The record layout, in clear: fields cut to their widths, the flag as FF FF,
    // a partial tail dropped.
    void registrosEnClaro() {
        EntornoPrueba entorno;
        entorno.escribirFichero(u"groups.lst"_s, grupoCifrado(ninguno));
        entorno.escribirFichero(u"contacts.lst"_s,
                                contacto(u"Ana"_s, u"600000000"_s, ninguno, -1) + "xxxxxxxxxxxxx");
        ArbolAgenda arbol;
        cargarArbolAgenda(arbol);
        QCOMPARE(contactosDe(arbol), QStringList{u"Ninguno/Ana:34:600000000:1/Ana:+34600000000"_s});
        QVERIFY(
            arbol
                .anadirContacto(ninguno, QString(30, u'n') + u":12345678901:"_s + QString(26, u'9') + u":0"_s)
                .isValid());
        QVERIFY(grabarArbolAgenda(arbol));
        const QByteArray contactos = entorno.leerFichero(u"contacts.lst"_s);
        QCOMPARE(int(contactos.size()), 2 * 87);
        QCOMPARE(contactoClaro(contactos.left(87)), "Ana" + QByteArray(22, ' ') + "34        600000000" +
                                                        QByteArray(16, ' ') + "Ninguno" +
                                                        QByteArray(18, ' ') + "\xFF\xFF");
        QCOMPARE(contactoClaro(contactos.mid(87)), QByteArray(25, 'n') + "1234567890" + QByteArray(25, '9') +
                                                       "Ninguno" + QByteArray(18, ' ') + QByteArray(2, '\0'));
        GrupoAgenda grupo = GrupoAgenda::leer(entorno.leerFichero(u"groups.lst"_s));
        Cifrado::cifrarGrupo(grupo);
        QCOMPARE(grupo.escribir(), "Ninguno" + QByteArray(18, ' '));
    }

    // A load and a save give back the same bytes, records that have no place in
    // the tree kept in their places.
    void idaYVueltaIdentica() {
        EntornoPrueba entorno;
        const QByteArray grupos = grupoCifrado(ninguno) + grupoCifrado(u"Amigos"_s) +
                                  grupoCifrado(u"Amigos"_s) + grupoCifrado(u"Señores: Pérez"_s);
        const QByteArray contactos =
            contacto(u"Ana"_s, u"600000000"_s, u"Amigos"_s) + contacto(u"Luis"_s, u"7"_s, u"Perdidos"_s) +
            contacto(u"Ana"_s, u"600000000"_s, ninguno) + contacto(u"Eva:Mar"_s, u"1"_s, ninguno) +
            contactoCifrado(u"Pío"_s, u"3:4"_s, u"2"_s, ninguno) +
            contactoCifrado(u"Pep"_s, u"351"_s, u"900"_s, u"Señores: Pérez"_s, -1) +
            contacto(u"Zoe"_s, u"6"_s, ninguno);
        entorno.escribirFichero(u"groups.lst"_s, grupos);
        entorno.escribirFichero(u"contacts.lst"_s, contactos);
        ArbolAgenda arbol;
        cargarArbolAgenda(arbol);
        QCOMPARE(clavesEnOrden(arbol),
                 QStringList({ninguno, u"Amigos"_s, u"Señores: Pérez"_s, u"Ana:34:600000000:0"_s,
                              u"Pep:351:900:1"_s, u"Zoe:34:6:0"_s}));
        QCOMPARE(arbol.numeroApartados(), 5);
        QVERIFY(grabarArbolAgenda(arbol));
        QCOMPARE(entorno.leerFichero(u"groups.lst"_s), grupos);
        QCOMPARE(entorno.leerFichero(u"contacts.lst"_s), contactos);

        // A renamed group takes its contacts' group field along; a deleted one its contacts.
        QVERIFY(arbol.renombrarGrupo(arbol.buscar(u"Señores: Pérez"_s), u" Colegas "_s));
        arbol.borrar(arbol.buscar(u"Amigos"_s));
        QVERIFY(grabarArbolAgenda(arbol));
        QCOMPARE(entorno.leerFichero(u"groups.lst"_s),
                 grupoCifrado(ninguno) + grupoCifrado(u"Amigos"_s) + grupoCifrado(u" Colegas "_s));
        QCOMPARE(entorno.leerFichero(u"contacts.lst"_s).left(4 * 87), contactos.mid(87, 4 * 87));
        QCOMPARE(entorno.leerFichero(u"contacts.lst"_s).mid(4 * 87),
                 contactoCifrado(u"Pep"_s, u"351"_s, u"900"_s, u"Colegas"_s, -1) +
                     contacto(u"Zoe"_s, u"6"_s, ninguno));

        // A book longer than one read of the file comes back whole.
        QByteArray largo;
        for (int i = 0; i < 1200; ++i)
            largo += contacto(QString::number(i), u"6"_s, ninguno);
        entorno.escribirFichero(u"contacts.lst"_s, largo);
        ArbolAgenda grande;
        cargarArbolAgenda(grande);
        QCOMPARE(grande.numeroApartados(), 0);
        QVERIFY(grabarArbolAgenda(grande));
        QCOMPARE(entorno.leerFichero(u"contacts.lst"_s), largo);
    }

    // Rounded half to even, as the old program counted records.
    void cuentaAgenda1() {
        const int casos[][2]{{0, 0}, {16, 0}, {17, 0}, {18, 1}, {34, 1}, {51, 2}, {85, 2}, {86, 3}};
        for (const auto &[longitud, registros] : casos)
            QCOMPARE(int(leerAgenda1(QByteArray(longitud, 'x')).size()), registros);
    }

    void agenda1() {
        EntornoPrueba entorno;
        QByteArray datos =
            registroAgenda1(u"Ana"_s, u"600000000"_s) + registroAgenda1(u"Luis"_s, u"0612345"_s) +
            registroAgenda1(u"   "_s, u"611111111"_s) + registroAgenda1(u"A:na"_s, u"622222222"_s) +
            registroAgenda1(u" María"_s, u" 633 "_s) + registroAgenda1(u"Pepe"_s, u"644444444"_s);
        datos.chop(14); // the last record, cut after 20 of its 34 bytes, still counts
        // No whole group record: "Ninguno" alone.
        entorno.escribirFichero(u"groups.lst"_s, grupoCifrado(u"Amigos"_s).left(24));
        ArbolAgenda arbol;
        QCOMPARE(importar(arbol, Tipo::Agenda1, leerAgenda1(datos)),
                 QStringList({u"Se ha importado la entrada: Ana"_s,
                              u"El número de teléfono especificado es incorrecto: 0612345"_s,
                              u"No puede utilizar el signo ':' en el nombre: A:na"_s,
                              u"Se ha importado la entrada: María"_s,
                              u"La entrada está incompleta en el fichero: Pepe"_s}));
        QCOMPARE(contactosDe(arbol), QStringList({u"Ninguno/Ana:34:600000000:0/Ana:+34600000000"_s,
                                                  u"Ninguno/María:34:633:0/María:+34633"_s}));
        QCOMPARE(entorno.ficheros(u"*.lst"_s),
                 QStringList({u"contacts.lst"_s, u"groups.lst"_s})); // made by the load
    }

    void texto() {
        const char *dos = "Se ha importado la entrada: Ana|Se ha importado la entrada: Luis";
        const std::pair<QByteArray, const char *> casos[]{
            {"Ana\r\n600000000\r\nLuis\r\n611111111\r\n", dos},
            {"Ana\n600000000\nLuis\n611111111\n", dos},
            {"Ana\r600000000\rLuis\r611111111\r", dos},
            {"Ana\r\n600000000\r\nLuis\r\n611111111", dos},
            {"Ana\r\n600000000\r\nLuis\r\n", "Se ha importado la entrada: Ana"},
            {"A:na\r\n600000000\r\nLuis\r\n611111111\r\n",
             "No puede utilizar el signo ':' en el nombre: A:na|Se ha importado la entrada: Luis"},
            {"\r\nAna\r\n600000000\r\nLuis\r\n611111111\r\n", "El número de telefono Luis no es válido"},
            {"Ana\r\n+34600\r\nLuis\r\n 0611 \r\n",
             "El número de telefono +34600 no es válido|El número de telefono  0611  no es válido"},
            {" Mar\xED"
             "a \r\n 600 \r\n",
             "Se ha importado la entrada:  María "}};
        for (const auto &[datos, log] : casos) {
            EntornoPrueba entorno;
            ArbolAgenda arbol;
            const QStringList lineas = importar(arbol, Tipo::Texto, leerTexto(datos));
            QCOMPARE(lineas.join(u'|'), QString::fromUtf8(log));
            QCOMPARE(contactosDe(arbol).size(), lineas.filter(u"Se ha importado"_s).size());
        }
    }

    void agenda2() {
        EntornoPrueba entorno;
        entorno.escribirFichero(u"groups.lst"_s, grupoCifrado(ninguno) + grupoCifrado(u"Familia"_s));
        const QByteArray grupos =
            campoFijo(u"Amigos"_s, 25) + campoFijo(ninguno, 25) + campoFijo(u" Familia"_s, 25) + "resto";
        const QByteArray contactos =
            registroContacto2(u"Ana"_s, u"600000000"_s, u"Amigos"_s) +
            registroContacto2(u"Luis"_s, u"611111111"_s, u"Trabajo"_s) +
            registroContacto2(u"Pepe"_s, u"06 x"_s, ninguno) + registroContacto2(u"A:na"_s, u"6"_s, ninguno) +
            registroContacto2(u"Eva"_s, u"644444444"_s, u"Familia"_s) + QByteArray(58, 'z');
        ArbolAgenda arbol;
        QCOMPARE(importar(arbol, Tipo::Agenda2, leerAgenda2(contactos, grupos)),
                 QStringList({u"Ya existe una entrada con el nombre Familia"_s,
                              u"Se ha importado la entrada: Ana                      "_s,
                              u"No existe el grupo 'Trabajo' para la entrada: Luis"_s,
                              u"Se ha importado la entrada: Pepe                     "_s,
                              u"No puede utilizar el signo ':' en el nombre: A:na"_s,
                              u"Se ha importado la entrada: Eva                      "_s}));
        QCOMPARE(arbol.clavesGrupos(), QStringList({ninguno, u"Familia"_s, u"Amigos"_s}));
        QCOMPARE(contactosDe(arbol), QStringList({u"Amigos/Ana:34:600000000:0/Ana:+34600000000"_s,
                                                  u"Ninguno/Pepe:34:06 x:0/Pepe:+3406 x"_s,
                                                  u"Familia/Eva:34:644444444:0/Eva:+34644444444"_s}));
    }

    void fuentesYSinNinguno() {
        EntornoPrueba entorno;
        const Fuente ausente = leerFuente(Tipo::Texto, entorno.ruta(u"no-existe.txt"_s));
        QVERIFY(ausente.entradas.isEmpty() &&
                ausente.error.startsWith(u"No se ha podido leer el fichero "_s));

        entorno.escribirFichero(u"groups.lst"_s, grupoCifrado(u"Amigos"_s));
        ArbolAgenda arbol;
        QCOMPARE(importar(arbol, Tipo::Texto, leerTexto("Ana\r\n600000000\r\n")),
                 QStringList{u"No existe el grupo 'Ninguno' para la entrada: Ana"_s});
        QVERIFY(contactosDe(arbol).isEmpty());
    }
    void numerosInternacionales() {
        const char *casos[][2]{{"+44 (0)20 7946 0958", "44|2079460958"},
                               {"0044 7700-900.123", "44|7700900123"},
                               {"+7 (495) 123-45-67", "7|4951234567"},
                               {"+352 621 123 456", "352|621123456"},
                               {"+1 555 0100", "1|5550100"},
                               {"[600] 000 000", "34|600000000"},
                               {"+34", ""},
                               {"+034 600", ""},
                               {"06 00", ""},
                               {"+44 77 abc", ""}};
        for (const auto &[numero, esperado] : casos) {
            const NumeroImportado n = normalizarNumero(QString::fromUtf8(numero));
            QCOMPARE(n.valido ? n.prefijo + u'|' + n.telefono : QString(), QString::fromUtf8(esperado));
        }
    }

    // Quotes and breaks of any kind; the header's commonest separator wins.
    void filasYCabecerasCsv() {
        const QList<QStringList> filas = filasCsv(u"a;\"b;\"\"c\"\"\r\nd\";x,y\r\re;\"f"_s, u';');
        QCOMPARE(filas,
                 QList<QStringList>({{u"a"_s, u"b;\"c\"\r\nd"_s, u"x,y"_s}, {u""_s}, {u"e"_s, u"f"_s}}));
        EntornoPrueba entorno;
        entorno.escribirFichero(u"tab.csv"_s, "Mobile Phone\tName\tx,y\tz\r\n600000000\tAna\ta,b\tc\r\n");
        entorno.escribirFichero(u"sin.csv"_s, "Name,E-mail\r\nAna,a@b\r\n");
        entorno.escribirFichero(u"sin.vcf"_s, "Ana\r\n600000000\r\n");
        ArbolAgenda arbol;
        QCOMPARE(importar(arbol, Tipo::Csv, leerFuente(Tipo::Csv, entorno.ruta(u"tab.csv"_s)).entradas),
                 QStringList{u"Se ha importado la entrada: Ana"_s});
        QCOMPARE(leerFuente(Tipo::Csv, entorno.ruta(u"sin.csv"_s)).error,
                 u"El fichero no tiene columnas de nombre y de teléfono reconocibles: no se importa nada"_s);
        QCOMPARE(leerFuente(Tipo::VCard, entorno.ruta(u"sin.vcf"_s)).error,
                 u"El fichero no contiene ninguna tarjeta vCard: no se importa nada"_s);
    }

    void filtroPlataforma() {
        const char *casos[][2]{{"Fichero de texto|*.*", "Fichero de texto (*)"},
                               {"Agenda version 1.x|zarcel.lst", "Agenda version 1.x (zarcel.lst)"},
                               {"Fichero de texto|*.txt|", "Fichero de texto (*.txt)"},
                               {"Texto|*.txt|Todos|*.*", "Texto (*.txt);;Todos (*)"},
                               {"Texto|*.txt;*.csv", "Texto (*.txt *.csv)"},
                               {"Texto|*.txt|Huerfana", "Texto (*.txt)"},
                               {"", ""}};
        for (const auto &[filtro, esperado] : casos)
            QCOMPARE(Dialogos::filtroPlataforma(QString::fromUtf8(filtro)), QString::fromUtf8(esperado));
    }
    void tablaDeOrdenEspanola() {
        // The lists trust their quick order's table for Spanish: this ICU must rank as it does.
        for (auto territorio : {QLocale::Spain, QLocale::Mexico, QLocale::Argentina, QLocale::UnitedStates}) {
            QCollator collator(QLocale(QLocale::Spanish, territorio));
            collator.setCaseSensitivity(Qt::CaseInsensitive);
            QVERIFY(tablaDelIdioma(collator));
        }
    }
};

ZARCEL_TEST_MAIN(PruebaAgenda)
#include "tst_agenda.moc"
