#include "support/entorno_prueba.h"

#include "common/carpeta.h"
#include "common/numero.h"
#include "config/cifrado.h"

class PruebaComunes : public QObject {
    Q_OBJECT
private slots:
    void campos() {
        QCOMPARE(campoFijo(QByteArray("Anastasia"), 5), QByteArray("Anast"));
        QCOMPARE(campoFijo(u"Añé"_s, 4), QByteArray("A\xF1\xE9 ")); // one byte per character
        QCOMPARE(recortarEspacios(u"  \thola\r\n  "_s), u"\thola\r\n"_s);
        QCOMPARE(recortarEspacios(QByteArray(" \0a\0 ", 5)), QByteArray("\0a\0", 3));
        QCOMPARE(aAnsi(u"¿Qué tal, Ñandú? € 日\U0001F600"_s), QByteArray("\xBFQu\xE9 tal, \xD1"
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
                const QByteArray cifrado = Cifrado::cifrarTexto(campo);
                char claro[Cifrado::longitudClave];
                QCOMPARE(Cifrado::campoDescifrado(cifrado, 0, 25), textoCampo(campo));
                QCOMPARE(desdeAnsi(Cifrado::descifrarSinEspacios(cifrado.constData(), 25, claro)),
                         textoCampo(campo));
            }
        }
        QCOMPARE(normalizarCarpeta(u" /opt/zarcel/ "_s), u"/opt/zarcel"_s);
        QCOMPARE(normalizarCarpeta(u"C:\\"_s), u"C:"_s);
    }

    void numeroValido() {
        for (const char *bueno : {"600000000", "123456789012345", "-600000000", "0"})
            QVERIFY2(esNumeroValido(QString::fromLatin1(bueno)), bueno);
        for (const char *malo : {"0600000000", "600 000 000", "+34600000000", "", "1234567890123456", "-0",
                                 "-", "600.5", "6e8", "0x1F", "600abc", " 600000000 "})
            QVERIFY2(!esNumeroValido(QString::fromLatin1(malo)), malo);
    }
};

ZARCEL_TEST_MAIN(PruebaComunes)
#include "tst_comunes.moc"
