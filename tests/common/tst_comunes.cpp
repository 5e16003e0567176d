#include "support/entorno_prueba.h"

#include "common/campos.h"
#include "common/carpeta.h"
#include "common/ficheros.h"
#include "common/numero.h"

#include <QFile>

class PruebaComunes : public QObject {
    Q_OBJECT
private slots:
    void camposFijos() {
        QCOMPARE(campoFijo(QByteArray("Ana"), 5), QByteArray("Ana  "));
        QCOMPARE(campoFijo(QByteArray("Anastasia"), 5), QByteArray("Anast"));
        QCOMPARE(campoFijo(QByteArray(), 3), QByteArray("   "));
        // Accented text takes one byte per character in the field.
        QCOMPARE(campoFijo(QStringLiteral("Añé"), 4), QByteArray("A\xF1\xE9 "));
    }

    void recortarSoloEspacios() {
        QCOMPARE(recortarEspacios(QStringLiteral("  hola  ")), QStringLiteral("hola"));
        QCOMPARE(recortarEspacios(QStringLiteral("\thola\r\n")), QStringLiteral("\thola\r\n"));
        QCOMPARE(recortarEspacios(QStringLiteral("     ")), QString());
        QCOMPARE(recortarEspacios(QByteArray(" \0a\0 ", 5)), QByteArray("\0a\0", 3));
        QCOMPARE(textoCampo(QByteArray("Ninguno            ")), QStringLiteral("Ninguno"));
    }

    void paginaDeCodigos() {
        const QString texto = QStringLiteral("¿Qué tal, Ñandú? €");
        const QByteArray bytes = aAnsi(texto);
        QCOMPARE(bytes, QByteArray("\xBFQu\xE9 tal, \xD1"
                                   "and\xFA? \x80"));
        QCOMPARE(desdeAnsi(bytes), texto);
        QCOMPARE(aAnsi(QStringLiteral("日\U0001F600")), QByteArray("??"));
        // Every byte, the five codes the page leaves undefined included, survives a round trip.
        QByteArray todos;
        for (int codigo = 0; codigo < 256; ++codigo)
            todos.append(char(codigo));
        QCOMPARE(aAnsi(desdeAnsi(todos)), todos);
    }

    void numeroValido_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valido");
        QTest::newRow("nueve cifras") << "600000000" << true;
        QTest::newRow("cero inicial") << "0600000000" << false;
        QTest::newRow("espacios dentro") << "600 000 000" << false;
        QTest::newRow("signo mas") << "+34600000000" << false;
        QTest::newRow("vacio") << "" << false;
        QTest::newRow("quince cifras") << "123456789012345" << true;
        QTest::newRow("dieciseis cifras") << "1234567890123456" << false;
        QTest::newRow("menos inicial") << "-600000000" << true;
        QTest::newRow("menos cero") << "-0" << false;
        QTest::newRow("cero") << "0" << true;
        QTest::newRow("solo menos") << "-" << false;
        QTest::newRow("decimal") << "600.5" << false;
        QTest::newRow("exponente") << "6e8" << false;
        QTest::newRow("hexadecimal") << "0x1F" << false;
        QTest::newRow("letras") << "600abc" << false;
        // Callers strip surrounding spaces first; the number itself never holds them.
        QTest::newRow("espacios alrededor sin recortar") << " 600000000 " << false;
        QTest::newRow("espacios alrededor recortados")
            << recortarEspacios(QStringLiteral(" 600000000 ")) << true;
    }
    void numeroValido() {
        QFETCH(QString, texto);
        QFETCH(bool, valido);
        QCOMPARE(esNumeroValido(texto), valido);
    }

    void carpetaSinSeparadorFinal() {
        QCOMPARE(normalizarCarpeta(QStringLiteral("C:\\")), QStringLiteral("C:"));
        QCOMPARE(normalizarCarpeta(QStringLiteral(" /opt/zarcel/ ")), QStringLiteral("/opt/zarcel"));
        QCOMPARE(normalizarCarpeta(QStringLiteral("/opt/zarcel")), QStringLiteral("/opt/zarcel"));
        EntornoPrueba entorno;
        QCOMPARE(rutaFichero(QStringLiteral("zarcel.cfg")),
                 entorno.carpeta() + QStringLiteral("/zarcel.cfg"));
    }

    void grabacionAtomica() {
        EntornoPrueba entorno;
        const QString ruta = entorno.ruta(QStringLiteral("datos.bin"));
        QVERIFY(grabarFicheroAtomico(ruta, "primero"));
        QVERIFY(grabarFicheroAtomico(ruta, "segundo"));
        QCOMPARE(entorno.leerFichero(QStringLiteral("datos.bin")), QByteArray("segundo"));

        // A disk that fills up in the middle of the write keeps the previous file whole.
        {
            DiscoLleno disco(4);
            QVERIFY(!grabarFicheroAtomico(ruta, "tercero, mas largo"));
        }
        QCOMPARE(entorno.leerFichero(QStringLiteral("datos.bin")), QByteArray("segundo"));
        QCOMPARE(QDir(entorno.carpeta()).entryList(QDir::Files), QStringList{QStringLiteral("datos.bin")});
    }
};

ZARCEL_TEST_MAIN(PruebaComunes)
#include "tst_comunes.moc"
