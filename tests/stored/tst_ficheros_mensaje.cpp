#include "support/entorno_prueba.h"

#include "stored/arbol_mensajes.h"
#include "stored/fecha_ole.h"
#include "stored/fichero_mensaje.h"
#include "stored/registros_mensaje.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {
const QString amigos = QStringLiteral("&Amigos") + QString(19, QLatin1Char(' '));

QByteArray relleno(const QByteArray &texto, int ancho = 25) {
    return texto + QByteArray(ancho - texto.size(), ' ');
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

QList<TipoNodo> tipos(const MensajeArbol &mensaje) {
    QList<TipoNodo> lista;
    for (const NodoMensaje &nodo : mensaje.hijos)
        lista.append(nodo.tipo);
    return lista;
}
} // namespace

class PruebaFicherosMensaje : public QObject {
    Q_OBJECT
private slots:
    void ficheroByteExacto_data() {
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<double>("fecha");
        QTest::addColumn<QStringList>("entradas");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QByteArray>("esperado");

        const QByteArray tresDestinos = cuenta(3) + destino("+34:600123456", 1) + destino("Casa", 2) +
                                        destino("Amigos" + QByteArray(19, ' '), 3);
        QTest::newRow("sin fecha, tres destinos, texto vacio")
            << QStringLiteral("  Cumple") << 0.0
            << QStringList{QStringLiteral("@+34:600123456"), QStringLiteral("#Casa"), amigos} << QString()
            << relleno("  Cumple") + QByteArray(8, '\0') + tresDestinos;
        QTest::newRow("fecha anterior a 1899, texto con saltos y acentos")
            << QStringLiteral("Cita") << -1.25 << QStringList{QStringLiteral("#Ana")}
            << QStringLiteral("¿Qué tal?\r\nSí €")
            << relleno("Cita") + dobleLE(-1.25) + cuenta(1) + destino("Ana", 2) +
                   "\xBFQu\xE9 tal?\r\nS\xED \x80";
        QTest::newRow("titulo y nombre largos se cortan a 25")
            << QStringLiteral("Un titulo de mas de veinticinco letras") << 46361.75
            << QStringList{QStringLiteral("#Un nombre muy largo que no cabe")} << QStringLiteral("x")
            << QByteArray("Un titulo de mas de veint") + QByteArray::fromHex("0000000038a3e640") + cuenta(1) +
                   destino("Un nombre muy largo que n", 2) + "x";
    }
    void ficheroByteExacto() {
        QFETCH(QString, titulo);
        QFETCH(double, fecha);
        QFETCH(QStringList, entradas);
        QFETCH(QString, texto);
        QFETCH(QByteArray, esperado);
        EntornoPrueba entorno;
        QVERIFY(grabarMensaje(titulo, fecha, entradas, texto));
        const QStringList escritos = entorno.ficheros(QStringLiteral("*.zrc"));
        QCOMPARE(escritos.size(), 1);
        const QByteArray datos = entorno.leerFichero(escritos.first());
        QCOMPARE(datos, esperado);
        if (texto.isEmpty())
            QCOMPARE(datos.size(), 35 + 26 * entradas.size());
        QVERIFY(entorno.avisos.isEmpty());
    }

    void fechasOle_data() {
        QTest::addColumn<QDate>("fecha");
        QTest::addColumn<QTime>("hora");
        QTest::addColumn<double>("valor");
        QTest::newRow("origen a las seis") << QDate(1899, 12, 30) << QTime(6, 0) << 0.25;
        QTest::newRow("dia anterior a las seis") << QDate(1899, 12, 29) << QTime(6, 0) << -1.25;
        QTest::newRow("dia anterior a medianoche") << QDate(1899, 12, 29) << QTime(0, 0) << -1.0;
        QTest::newRow("1 de enero de 1900") << QDate(1900, 1, 1) << QTime(0, 0) << 2.0;
        QTest::newRow("tarde de 2026") << QDate(2026, 12, 5) << QTime(14, 30) << 46361.604166666664;
        QTest::newRow("primera fecha, mediodia") << QDate(100, 1, 1) << QTime(12, 0) << -657434.5;
        QTest::newRow("ultimo segundo") << QDate(9999, 12, 31) << QTime(23, 59, 59) << 2958465.999988426;
        QTest::newRow("1752 por la tarde") << QDate(1752, 9, 14) << QTime(18, 0) << -53797.75;
    }
    void fechasOle() {
        QFETCH(QDate, fecha);
        QFETCH(QTime, hora);
        QFETCH(double, valor);
        QCOMPARE(aFechaOle(fecha, hora), valor);
        const QDateTime vuelta = desdeFechaOle(valor);
        QCOMPARE(vuelta.date(), fecha);
        QCOMPARE(vuelta.time(), hora);
        QCOMPARE(aFechaOle(vuelta), valor);
    }

    void fechasNoValidas() {
        for (double valor : {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(), -1e300, 1e300, 2958466.0, -657435.0}) {
            QVERIFY2(!desdeFechaOle(valor).isValid(), qPrintable(QString::number(valor)));
            QVERIFY(textoFechaEnvio(valor).isEmpty());
        }
        // A fraction that rounds up to the next midnight moves to the next day.
        QCOMPARE(desdeFechaOle(0.9999999999), QDateTime(QDate(1899, 12, 31), QTime(0, 0), Qt::UTC));
        QCOMPARE(desdeFechaOle(-1.9999999999), QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC));
    }

    void textoDeLaFecha() {
        const QString medianoche = textoFechaEnvio(-1.0);
        const QString seisHoras = textoFechaEnvio(-1.25);
        QVERIFY2(medianoche.contains(QStringLiteral("1899")), qPrintable(medianoche));
        QVERIFY2(!medianoche.contains(QLatin1Char(':')), qPrintable(medianoche));
        QVERIFY2(seisHoras.startsWith(medianoche + QLatin1Char(' ')), qPrintable(seisHoras));
        QVERIFY2(seisHoras.contains(QStringLiteral("6:00:00")), qPrintable(seisHoras));
        QVERIFY2(!seisHoras.contains(QStringLiteral("UTC")), qPrintable(seisHoras));
        QCOMPARE(seisHoras, seisHoras.trimmed());
    }

    void nombresDeFichero() {
        EntornoPrueba entorno;
        // Pieces are r x 255 + 1 in single precision rounded half to even: 0.5 gives 128.5, hence
        // 128 = "80"; 0.1 gives 26.5, hence 26 = "1A"; the largest r below 1 gives 256 = "100".
        QList<float> numeros{0.0f, 0.0f, 0.0f, 0.0f, 0.5f, 0.0f, 0.99999994f, 0.1f};
        const auto siguiente = [&numeros] { return numeros.takeFirst(); };
        entorno.escribirFichero(QStringLiteral("1111.zrc"), QByteArray());
        QCOMPARE(nuevoFicheroMensaje(siguiente), entorno.ruta(QStringLiteral("8011001A.zrc")));
        QVERIFY(numeros.isEmpty());

        // However many exist, a new name is new; nothing is created by asking.
        const QRegularExpression forma(QStringLiteral("^[0-9A-F]{4,12}\\.zrc$"));
        for (int i = 0; i < 300; ++i) {
            const QString ruta = nuevoFicheroMensaje();
            QVERIFY(!QFile::exists(ruta));
            QVERIFY2(forma.match(QFileInfo(ruta).fileName()).hasMatch(), qPrintable(ruta));
            QCOMPARE(QFileInfo(ruta).absolutePath(), entorno.carpeta());
            entorno.escribirFichero(QFileInfo(ruta).fileName(), QByteArray());
        }
        QCOMPARE(entorno.ficheros(QStringLiteral("*.zrc")).size(), 301);
    }

    void discoLlenoNoDejaNada() {
        EntornoPrueba entorno;
        {
            DiscoLleno disco(40);
            QVERIFY(!grabarMensaje(QStringLiteral("Cita"), 0,
                                   {QStringLiteral("#Ana"), QStringLiteral("#Luis")},
                                   QStringLiteral("hola")));
        }
        QCOMPARE(entorno.avisos.size(), 1);
        QVERIFY(entorno.avisos.first().startsWith(QStringLiteral("No se ha podido grabar el mensaje")));
        QCOMPARE(QDir(entorno.carpeta()).entryList(QDir::Files), QStringList());
    }

    void lecturaDeFicherosRotos_data() {
        QTest::addColumn<QByteArray>("datos");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QList<TipoNodo>>("nodos");
        const QByteArray cabecera = relleno(" Roto ") + QByteArray(8, '\0');
        const QList<TipoNodo> nada;
        QTest::newRow("vacio") << QByteArray() << QString() << nada;
        QTest::newRow("cabecera a medias")
            << QByteArray("  Medio titu") << QStringLiteral("Medio titu") << nada;
        QTest::newRow("sin cuenta") << cabecera + '\x01' << QStringLiteral("Roto") << nada;
        QTest::newRow("fecha que no es fecha")
            << relleno("Roto") + dobleLE(std::nan("")) + cuenta(0) + "texto" << QStringLiteral("Roto")
            << nada;
        QTest::newRow("cuenta negativa: el resto es el texto")
            << cabecera + cuenta(-5) + "hola" << QStringLiteral("Roto") << QList<TipoNodo>{TipoNodo::Mensaje};
        QTest::newRow("cuenta enorme, un registro")
            << cabecera + cuenta(32767) + destino("600", 1) + "xx" << QStringLiteral("Roto")
            << QList<TipoNodo>{TipoNodo::Telefono};
        QTest::newRow("registro cortado") << cabecera + cuenta(2) + destino("Ana", 2) + "Luis"
                                          << QStringLiteral("Roto") << QList<TipoNodo>{TipoNodo::Contacto};
        QTest::newRow("tipo desconocido no es destinatario")
            << cabecera + cuenta(2) + destino("Raro", 7) + destino("Amigos", 3) + "hola"
            << QStringLiteral("Roto") << QList<TipoNodo>{TipoNodo::Grupo, TipoNodo::Mensaje};
        QTest::newRow("con fecha") << relleno("F") + dobleLE(2.5) + cuenta(0) << QStringLiteral("F")
                                   << QList<TipoNodo>{TipoNodo::Hora, TipoNodo::Mensaje};
    }
    void lecturaDeFicherosRotos() {
        QFETCH(QByteArray, datos);
        QFETCH(QString, titulo);
        QFETCH(QList<TipoNodo>, nodos);
        const MensajeArbol mensaje = leerMensajeArbol(datos, QStringLiteral("/x/a.zrc"));
        QCOMPARE(mensaje.titulo, titulo);
        QCOMPARE(mensaje.ruta, QStringLiteral("/x/a.zrc"));
        QCOMPARE(tipos(mensaje), nodos);
        if (nodos.contains(TipoNodo::Hora))
            QCOMPARE(mensaje.hijos.first().texto, QStringLiteral("Fecha envio: ") + textoFechaEnvio(2.5));
        if (nodos.endsWith(TipoNodo::Mensaje) && datos.endsWith("hola"))
            QCOMPARE(mensaje.hijos.last().texto, QStringLiteral("Mensaje: hola"));
    }

    void bytesAlAzar() {
        QRandomGenerator azar(2024);
        for (int vuelta = 0; vuelta < 2000; ++vuelta) {
            QByteArray datos(int(azar.bounded(300)), Qt::Uninitialized);
            for (char &byte : datos)
                byte = char(azar.bounded(256));
            const MensajeArbol mensaje = leerMensajeArbol(datos, QString());
            QVERIFY(mensaje.hijos.size() <= 2 + datos.size() / 26);
        }
    }

    void titulosRepetidos() {
        EntornoPrueba entorno;
        const auto escribir = [&](const char *nombre, const QByteArray &titulo) {
            entorno.escribirFichero(QString::fromLatin1(nombre),
                                    relleno(titulo) + QByteArray(8, '\0') + cuenta(0));
        };
        escribir("1.zrc", "Cita");
        escribir("2.zrc", "  Cita  ");
        escribir("3.zrc", "cita");
        escribir("4.zrc", "Cita");
        entorno.escribirFichero(QStringLiteral("otro.txt"), "Nada");
        ArbolMensajes arbol;
        arbol.cargarMensajes();
        // Titles are compared exactly: a different case is a different message.
        QCOMPARE(arbol.mensajes().size(), 2);
        QCOMPARE(arbol.mensajes().at(0).ruta, entorno.ruta(QStringLiteral("1.zrc")));
        QCOMPARE(arbol.mensajes().at(1).titulo, QStringLiteral("cita"));
        const QString aviso = QStringLiteral("Existen varios mensajes almacenados con el mismo titulo.\n"
                                             "Solo se mostrará uno de ellos");
        QCOMPARE(entorno.avisos, QStringList({aviso, aviso}));
        QCOMPARE(entorno.ficheros(QStringLiteral("*.zrc")).size(), 4);
    }
};

ZARCEL_TEST_MAIN(PruebaFicherosMensaje)
#include "tst_ficheros_mensaje.moc"
