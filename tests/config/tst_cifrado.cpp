#include "support/entorno_prueba.h"

#include "addressbook/registros_agenda.h"
#include "config/cifrado.h"
#include "config/configuracion.h"

#include <QSet>

using Cifrado::cifrarTexto;

class PruebaCifrado : public QObject {
    Q_OBJECT
private slots:
    void formaDeLaClave() {
        const QByteArray clave = Cifrado::claveCifrado();
        QCOMPARE(clave.size(), 117);
        int minusculas = 0, mayusculas = 0, digitos = 0, puntuacion = 0, latinos = 0;
        QSet<char> distintos;
        for (char c : clave) {
            const auto codigo = quint8(c);
            QVERIFY2(codigo >= 33 && codigo <= 241, "fuera del rango imprimible");
            distintos.insert(c);
            if (codigo >= 'a' && codigo <= 'z')
                ++minusculas;
            else if (codigo >= 'A' && codigo <= 'Z')
                ++mayusculas;
            else if (codigo >= '0' && codigo <= '9')
                ++digitos;
            else if (codigo < 128)
                ++puntuacion;
            else
                ++latinos;
        }
        QCOMPARE(minusculas, 59);
        QCOMPARE(mayusculas, 13);
        QCOMPARE(digitos, 20);
        QCOMPARE(puntuacion, 19);
        QCOMPARE(latinos, 6);
        QCOMPARE(distintos.size(), 71);
    }

    void idaYVuelta_data() {
        QTest::addColumn<QByteArray>("texto");
        QTest::newRow("vacio") << QByteArray();
        QTest::newRow("ascii") << QByteArray("Hola, mundo");
        QTest::newRow("nul y altos") << QByteArray("\0\x80\xFF\xF1\x81 a", 7);
        QByteArray todos;
        for (int i = 0; i < 117; ++i)
            todos.append(char((i * 37 + 11) % 256));
        QTest::newRow("117 codigos") << todos;
    }
    void idaYVuelta() {
        QFETCH(QByteArray, texto);
        const QByteArray cifrado = cifrarTexto(texto);
        QCOMPARE(cifrado.size(), texto.size());
        QCOMPARE(cifrarTexto(cifrado), texto);
        // Every key code is non-zero, so every byte changes.
        for (qsizetype i = 0; i < texto.size(); ++i)
            QVERIFY(cifrado.at(i) != texto.at(i));
    }

    void posicionesDeLaClave() {
        const QByteArray clave = Cifrado::claveCifrado();
        // NULs come out as the key itself; spaces come out as no space at all.
        QCOMPARE(cifrarTexto(QByteArray(25, '\0')), clave.left(25));
        QVERIFY(!cifrarTexto(QByteArray(25, ' ')).contains(' '));
        // The key restarts at position 1 for every text.
        QCOMPARE(cifrarTexto("ab").left(1), cifrarTexto("a"));
    }

    void registros() {
        Configuracion configuracion = Configuracion::porDefecto();
        configuracion.colorFondoCampos = 0x123456;
        const QByteArray clara = configuracion.escribir();
        Cifrado::cifrarConfiguracion(configuracion);
        const QByteArray cifrada = configuracion.escribir();
        // Text fields change, numeric fields stay: the flag at 187 and the colour at 459.
        QVERIFY(cifrada.left(20) != clara.left(20));
        QCOMPARE(cifrada.mid(187, 2), clara.mid(187, 2));
        QCOMPARE(cifrada.mid(459, 4), clara.mid(459, 4));
        // Equal clear fields scramble to equal bytes: each field restarts the key.
        QCOMPARE(cifrada.mid(299, 25), cifrada.mid(324, 25));
        Cifrado::cifrarConfiguracion(configuracion);
        QCOMPARE(configuracion.escribir(), clara);

        ContactoAgenda contacto;
        contacto.nombre = "Ana                      ";
        contacto.envioReves = -1;
        const QByteArray contactoClaro = contacto.escribir();
        Cifrado::cifrarContacto(contacto);
        QCOMPARE(contacto.escribir().mid(85), QByteArray("\xFF\xFF"));
        QCOMPARE(contacto.escribir().left(25), cifrarTexto(contactoClaro.left(25)));
        Cifrado::cifrarContacto(contacto);
        QCOMPARE(contacto.escribir(), contactoClaro);

        GrupoAgenda grupo;
        grupo.nombre = "Amigos                   ";
        Cifrado::cifrarGrupo(grupo);
        QCOMPARE(grupo.nombre, cifrarTexto("Amigos                   "));
    }
};

ZARCEL_TEST_MAIN(PruebaCifrado)
#include "tst_cifrado.moc"
