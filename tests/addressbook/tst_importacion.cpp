#include "support/entorno_prueba.h"

#include "addressbook/agenda_prueba.h"
#include "addressbook/arbol_agenda.h"
#include "addressbook/exportacion.h"
#include "addressbook/exportacion_prueba.h"
#include "addressbook/fichero_agenda.h"
#include "addressbook/importacion.h"
#include "common/campos.h"
#include "config/cifrado.h"

#include <QRandomGenerator>

using namespace Importacion;

namespace {
const QString ninguno = QStringLiteral("Ninguno");

QStringList aplicar(ArbolAgenda &arbol, Tipo tipo, const QList<Entrada> &entradas) {
    Importador importador(arbol, tipo, entradas);
    QStringList log = importador.procesar(entradas.size());
    Q_ASSERT(importador.terminado());
    return log;
}

// The tree of an address book on disk (empty files: only "Ninguno").
QStringList importarEnAgenda(Tipo tipo, const QList<Entrada> &entradas, ArbolAgenda &arbol) {
    cargarArbolAgenda(arbol);
    return aplicar(arbol, tipo, entradas);
}

QStringList contactosDe(const ArbolAgenda &arbol) {
    QStringList contactos;
    arbol.recorrer([&](const ArbolAgenda::Nodo &nodo) {
        if (nodo.tipo == ArbolAgenda::Tipo::Contacto)
            contactos.append(nodo.padre->clave + QLatin1Char('/') + nodo.clave + QLatin1Char('/') +
                             nodo.texto);
    });
    return contactos;
}

int importadas(const QStringList &log) {
    return int(log.filter(QRegularExpression(QStringLiteral("^Se ha importado la entrada: "))).size());
}

QByteArray azar(quint32 semilla, qsizetype n) {
    QRandomGenerator generador(semilla);
    QByteArray bytes(n, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(generador.bounded(256));
    return bytes;
}
} // namespace

class PruebaImportacion : public QObject {
    Q_OBJECT
private slots:
    void cuentaAgenda1_data() {
        QTest::addColumn<int>("longitud");
        QTest::addColumn<int>("registros");
        QTest::newRow("vacio") << 0 << 0;
        QTest::newRow("menos de medio") << 16 << 0;
        QTest::newRow("medio hacia el par 0") << 17 << 0;
        QTest::newRow("mas de medio") << 18 << 1;
        QTest::newRow("exacto") << 34 << 1;
        QTest::newRow("uno y medio hacia el par 2") << 51 << 2;
        QTest::newRow("dos y medio hacia el par 2") << 85 << 2;
        QTest::newRow("dos y algo mas de medio") << 86 << 3;
    }
    void cuentaAgenda1() {
        QFETCH(int, longitud);
        QFETCH(int, registros);
        QCOMPARE(registrosRedondeados(longitud, 34), registros);
        QCOMPARE(leerAgenda1(QByteArray(longitud, 'x')).size(), registros);
    }

    void agenda1() {
        EntornoPrueba entorno;
        QByteArray datos = registroAgenda1(QStringLiteral("Ana"), QStringLiteral("600000000")) +
                           registroAgenda1(QStringLiteral("Luis"), QStringLiteral("0612345")) +
                           registroAgenda1(QStringLiteral("   "), QStringLiteral("611111111")) +
                           registroAgenda1(QStringLiteral("A:na"), QStringLiteral("622222222")) +
                           registroAgenda1(QStringLiteral(" Mar\u00EDa"), QStringLiteral(" 633 ")) +
                           registroAgenda1(QStringLiteral("Pepe"), QStringLiteral("644444444"));
        // The last record cut after 20 of its 34 bytes still counts (rounded up).
        datos.chop(14);
        ArbolAgenda arbol;
        const QStringList log = importarEnAgenda(Tipo::Agenda1, leerAgenda1(datos), arbol);
        QCOMPARE(log, QStringList({
                          QStringLiteral("Se ha importado la entrada: Ana"),
                          QStringLiteral("El número de teléfono especificado es incorrecto: 0612345"),
                          QStringLiteral("No puede utilizar el signo ':' en el nombre: A:na"),
                          QStringLiteral("Se ha importado la entrada: Mar\u00EDa"),
                          QStringLiteral("La entrada está incompleta en el fichero: Pepe"),
                      }));
        QCOMPARE(contactosDe(arbol),
                 QStringList({QStringLiteral("Ninguno/Ana:34:600000000:0/Ana:+34600000000"),
                              QStringLiteral("Ninguno/Mar\u00EDa:34:633:0/Mar\u00EDa:+34633")}));
    }

    void texto_data() {
        QTest::addColumn<QByteArray>("datos");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<int>("contactos");
        const QStringList dos{QStringLiteral("Se ha importado la entrada: Ana"),
                              QStringLiteral("Se ha importado la entrada: Luis")};
        QTest::newRow("CR LF") << QByteArray("Ana\r\n600000000\r\nLuis\r\n611111111\r\n") << dos << 2;
        QTest::newRow("LF") << QByteArray("Ana\n600000000\nLuis\n611111111\n") << dos << 2;
        QTest::newRow("CR") << QByteArray("Ana\r600000000\rLuis\r611111111\r") << dos << 2;
        QTest::newRow("sin salto final") << QByteArray("Ana\r\n600000000\r\nLuis\r\n611111111") << dos << 2;
        QTest::newRow("nombre final sin numero")
            << QByteArray("Ana\r\n600000000\r\nLuis\r\n") << dos.mid(0, 1) << 1;
        QTest::newRow("dos puntos: la tercera con la cuarta")
            << QByteArray("A:na\r\n600000000\r\nLuis\r\n611111111\r\n")
            << QStringList({QStringLiteral("No puede utilizar el signo ':' en el nombre: A:na"), dos.at(1)})
            << 1;
        QTest::newRow("linea en blanco conserva su sitio")
            << QByteArray("\r\nAna\r\n600000000\r\nLuis\r\n611111111\r\n")
            << QStringList({QStringLiteral("El número de telefono Luis no es válido")}) << 0;
        QTest::newRow("numeros no validos")
            << QByteArray("Ana\r\n+34600\r\nLuis\r\n 0611 \r\nEva\r\n6 22\r\n")
            << QStringList({QStringLiteral("El número de telefono +34600 no es válido"),
                            QStringLiteral("El número de telefono  0611  no es válido"),
                            QStringLiteral("El número de telefono 6 22 no es válido")})
            << 0;
        QTest::newRow("nombre tal como se lee, Windows-1252")
            << QByteArray(" Mar\xED"
                          "a \r\n 600 \r\n")
            << QStringList({QStringLiteral("Se ha importado la entrada:  Mar\u00EDa ")}) << 1;
    }
    void texto() {
        QFETCH(QByteArray, datos);
        QFETCH(QStringList, log);
        QFETCH(int, contactos);
        EntornoPrueba entorno;
        ArbolAgenda arbol;
        QCOMPARE(importarEnAgenda(Tipo::Texto, leerTexto(datos), arbol), log);
        QCOMPARE(contactosDe(arbol).size(), contactos);
    }

    void textoDosVecesSoloDaDuplicados() {
        EntornoPrueba entorno;
        const QList<Entrada> entradas = leerTexto("Ana\r\n600000000\r\nLuis\r\n611111111\r\n");
        ArbolAgenda arbol;
        QCOMPARE(importadas(importarEnAgenda(Tipo::Texto, entradas, arbol)), 2);
        QCOMPARE(aplicar(arbol, Tipo::Texto, entradas),
                 QStringList({QStringLiteral("Ya existe una entrada con el nombre Ana"),
                              QStringLiteral("Ya existe una entrada con el nombre Luis")}));
        QCOMPARE(contactosDe(arbol),
                 QStringList({QStringLiteral("Ninguno/Ana:34:600000000:0/Ana:+34600000000"),
                              QStringLiteral("Ninguno/Luis:34:611111111:0/Luis:+34611111111")}));
    }

    void sinGrupoNingunoSeAnota() {
        EntornoPrueba entorno;
        entorno.escribirFichero(QStringLiteral("groups.lst"), grupoCifrado(QStringLiteral("Amigos")));
        ArbolAgenda arbol;
        QCOMPARE(importarEnAgenda(Tipo::Texto, leerTexto("Ana\r\n600000000\r\n"), arbol),
                 QStringList({QStringLiteral("No existe el grupo 'Ninguno' para la entrada: Ana")}));
        QVERIFY(contactosDe(arbol).isEmpty());
    }

    void agenda2() {
        EntornoPrueba entorno;
        entorno.escribirFichero(QStringLiteral("groups.lst"),
                                grupoCifrado(ninguno) + grupoCifrado(QStringLiteral("Familia")));
        const QByteArray grupos = campoFijo(QStringLiteral("Amigos"), 25) + campoFijo(ninguno, 25) +
                                  campoFijo(QStringLiteral(" Familia"), 25) + QByteArray("resto");
        const QByteArray contactos =
            registroContacto2(QStringLiteral("Ana"), QStringLiteral("600000000"), QStringLiteral("Amigos")) +
            registroContacto2(QStringLiteral("Luis"), QStringLiteral("611111111"),
                              QStringLiteral("Trabajo")) +
            registroContacto2(QStringLiteral("Pepe"), QStringLiteral("06 x"), ninguno) +
            registroContacto2(QStringLiteral("A:na"), QStringLiteral("6"), ninguno) +
            registroContacto2(QStringLiteral("Eva"), QStringLiteral("644444444"), QStringLiteral("Familia")) +
            QByteArray(58, 'z');
        ArbolAgenda arbol;
        const QStringList log = importarEnAgenda(Tipo::Agenda2, leerAgenda2(contactos, grupos), arbol);
        QCOMPARE(log, QStringList({
                          QStringLiteral("Ya existe una entrada con el nombre Familia"),
                          QStringLiteral("Se ha importado la entrada: Ana                      "),
                          QStringLiteral("No existe el grupo 'Trabajo' para la entrada: Luis"),
                          QStringLiteral("Se ha importado la entrada: Pepe                     "),
                          QStringLiteral("No puede utilizar el signo ':' en el nombre: A:na"),
                          QStringLiteral("Se ha importado la entrada: Eva                      "),
                      }));
        QCOMPARE(arbol.clavesGrupos(),
                 QStringList({ninguno, QStringLiteral("Familia"), QStringLiteral("Amigos")}));
        QCOMPARE(contactosDe(arbol),
                 QStringList({QStringLiteral("Amigos/Ana:34:600000000:0/Ana:+34600000000"),
                              QStringLiteral("Ninguno/Pepe:34:06 x:0/Pepe:+3406 x"),
                              QStringLiteral("Familia/Eva:34:644444444:0/Eva:+34644444444")}));
    }

    void agenda2SinFicheroDeGrupos() {
        EntornoPrueba entorno;
        const QByteArray contactos = registroContacto2(QStringLiteral("Ana"), QStringLiteral("6"), ninguno);
        entorno.escribirFichero(QStringLiteral("CONTACTOS.LST"), contactos);
        const Fuente fuente = leerFuente(Tipo::Agenda2, entorno.carpeta());
        QVERIFY(fuente.error.isEmpty());
        ArbolAgenda arbol;
        QCOMPARE(importadas(importarEnAgenda(Tipo::Agenda2, fuente.entradas, arbol)), 1);

        const Fuente ausente = leerFuente(Tipo::Texto, entorno.ruta(QStringLiteral("no-existe.txt")));
        QVERIFY(ausente.entradas.isEmpty());
        QVERIFY(ausente.error.startsWith(QStringLiteral("No se ha podido leer el fichero ")));
    }

    // Garbage never crashes a reader, every entry the import refuses has its line,
    // and what it does add survives a save and a reload.
    void basura_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QByteArray>("contactos");
        QTest::addColumn<QByteArray>("grupos");
        QTest::addColumn<int>("lineas"); // -1: any count
        QTest::newRow("1.x, 50 registros y parte de otro")
            << 1 << azar(1, 34 * 50 + 20) << QByteArray() << 51;
        QTest::newRow("1.x, sobra menos de medio") << 1 << azar(2, 34 * 7 + 3) << QByteArray() << 7;
        QTest::newRow("2.x, colas sueltas") << 3 << azar(3, 59 * 30 + 11) << azar(4, 25 * 40 + 7) << 30;
        QTest::newRow("texto binario") << 2 << azar(5, 20011) << QByteArray() << -1;
        QByteArray lineas;
        for (int i = 0; i < 200; ++i)
            lineas +=
                azar(100 + quint32(i), 5 + i % 30).replace('\r', 'a').replace('\n', 'b').replace(' ', 'c') +
                (i % 3 ? "\r\n" : "\n");
        QTest::newRow("texto, 200 lineas sin blancos") << 2 << lineas << QByteArray() << 100;
    }
    void basura() {
        QFETCH(int, tipo);
        QFETCH(QByteArray, contactos);
        QFETCH(QByteArray, grupos);
        QFETCH(int, lineas);
        EntornoPrueba entorno;
        const QList<Entrada> entradas = tipo == 1   ? leerAgenda1(contactos)
                                        : tipo == 2 ? leerTexto(contactos)
                                                    : leerAgenda2(contactos, grupos);
        ArbolAgenda arbol;
        const QStringList log = importarEnAgenda(Tipo(tipo), entradas, arbol);
        const int grupoLineas = tipo == 3 ? int(log.filter(QStringLiteral("Ya existe")).size()) : 0;
        if (lineas >= 0)
            QCOMPARE(log.size() - grupoLineas, lineas);
        const int nodos = arbol.numeroNodos();
        QCOMPARE(contactosDe(arbol).size(), importadas(log));
        QVERIFY(grabarArbolAgenda(arbol));
        ArbolAgenda releido;
        cargarArbolAgenda(releido);
        QCOMPARE(releido.numeroNodos() + releido.numeroApartados(), nodos);
    }

    void exportaEnOrdenDelFichero() {
        EntornoPrueba entorno;
        escribirAgendaDeDosGrupos(entorno);
        ArbolAgenda arbol;
        cargarArbolAgenda(arbol);
        const TextoExportado texto = exportarTexto(arbol);
        QCOMPARE(texto.datos, exportacionDeDosGrupos());
        QCOMPARE(texto.nombres,
                 QStringList({QStringLiteral("Ana"), QStringLiteral("Mar\u00EDa"), QStringLiteral("Luis")}));

        // The exported numbers start with "+": imported back, each one is refused.
        ArbolAgenda otra;
        otra.anadirGrupo(ninguno, ninguno);
        QCOMPARE(aplicar(otra, Tipo::Texto, leerTexto(texto.datos)),
                 QStringList({QStringLiteral("El número de telefono +34600000000 no es válido"),
                              QStringLiteral("El número de telefono +44611111111 no es válido"),
                              QStringLiteral("El número de telefono +34622222222 no es válido")}));

        ArbolAgenda vacia;
        vacia.anadirGrupo(ninguno, ninguno);
        QVERIFY(exportarTexto(vacia).datos.isEmpty());
    }
};

ZARCEL_TEST_MAIN(PruebaImportacion)
#include "tst_importacion.moc"
