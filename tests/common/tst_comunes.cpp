#include "support/entorno_prueba.h"

#include "common/campos.h"
#include "common/carpeta.h"
#include "common/numero.h"
#include "config/cifrado.h"

class PruebaComunes : public QObject {
    Q_OBJECT
private slots:
    void campos() {
        QCOMPARE(campoFijo(QByteArray("Anastasia"), 5), QByteArray("Anast"));
        QCOMPARE(campoFijo(QStringLiteral("Añé"), 4), QByteArray("A\xF1\xE9 ")); // one byte per character
        QCOMPARE(recortarEspacios(QStringLiteral("  \thola\r\n  ")), QStringLiteral("\thola\r\n"));
        QCOMPARE(recortarEspacios(QByteArray(" \0a\0 ", 5)), QByteArray("\0a\0", 3));
        QCOMPARE(aAnsi(QStringLiteral("¿Qué tal, Ñandú? € 日\U0001F600")), QByteArray("\xBFQu\xE9 tal, \xD1"
                                                                                      "and\xFA? \x80 ??"));
        // Every byte, the five codes the page leaves undefined included, survives a round trip.
        QByteArray todos(256, '\0');
        for (int codigo = 0; codigo < 256; ++codigo)
            todos[codigo] = char(codigo);
        QCOMPARE(aAnsi(desdeAnsi(todos)), todos);
        // Unscrambling strips the padding as the plain route does, wherever the text sits.
        for (int a = 0; a <= 25; ++a) {
            for (int b = a; b <= 25; ++b) {
                QByteArray campo(26, ' ');
                campo[a] = 'x';
                campo[b] = '\x80';
                campo.chop(1);
                QCOMPARE(Cifrado::campoDescifrado(Cifrado::cifrarTexto(campo), 0, 25), textoCampo(campo));
            }
        }
        QCOMPARE(normalizarCarpeta(QStringLiteral(" /opt/zarcel/ ")), QStringLiteral("/opt/zarcel"));
        QCOMPARE(normalizarCarpeta(QStringLiteral("C:\\")), QStringLiteral("C:"));
    }

    void numeroValido_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valido");
        // clang-format off
        for (const char *bueno : {"600000000", "123456789012345", "-600000000", "0"})
            QTest::newRow(bueno) << QString::fromLatin1(bueno) << true;
        for (const char *malo : {"0600000000", "600 000 000", "+34600000000", "", "1234567890123456", "-0", "-", "600.5", "6e8", "0x1F", "600abc", " 600000000 "})
            QTest::newRow(malo) << QString::fromLatin1(malo) << false;
        // clang-format on
    }
    void numeroValido() {
        QFETCH(QString, texto);
        QFETCH(bool, valido);
        QCOMPARE(esNumeroValido(texto), valido);
    }
};

ZARCEL_TEST_MAIN(PruebaComunes)
#include "tst_comunes.moc"
