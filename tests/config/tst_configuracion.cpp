#include "support/entorno_prueba.h"

#include "common/campos.h"
#include "common/carpeta.h"
#include "config/cifrado.h"
#include "config/fichero_configuracion.h"
#include "config/registro.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {
// The file bytes with every text field unscrambled, numeric fields as stored.
QByteArray desenmascarar(const QByteArray &fichero) {
    Configuracion registro = Configuracion::leer(fichero, Configuracion());
    Cifrado::cifrarConfiguracion(registro);
    return registro.escribir();
}

QByteArray espacios(int n) {
    return QByteArray(n, ' ');
}
QByteArray relleno(const char *texto, int ancho) {
    return campoFijo(QByteArray(texto), ancho);
}
} // namespace

class PruebaConfiguracion : public QObject {
    Q_OBJECT
private slots:
    void ficheroPorDefecto_data() {
        QTest::addColumn<int>("posicion");
        QTest::addColumn<QByteArray>("esperado");
        QTest::newRow("servidorNacionales") << 0 << relleno("Movistar", 20);
        QTest::newRow("servidorAirtel") << 20 << relleno("Navegalia", 20);
        QTest::newRow("servidorAmena") << 40 << relleno("Amena", 20);
        QTest::newRow("servidorInternacional") << 60 << relleno("SMSYes", 20);
        QTest::newRow("usarProxy") << 80 << QByteArray(2, '\0');
        QTest::newRow("proxy") << 82 << espacios(50);
        QTest::newRow("puerto") << 132 << espacios(5);
        QTest::newRow("usuario") << 137 << espacios(25);
        QTest::newRow("password") << 162 << espacios(25);
        QTest::newRow("arrancar") << 187 << QByteArray("\xFF\xFF");
        QTest::newRow("email") << 189 << relleno("usuario@example.com", 60);
        QTest::newRow("numero") << 249 << espacios(25);
        QTest::newRow("firma") << 274 << espacios(25);
        QTest::newRow("reservado1") << 299 << espacios(25);
        QTest::newRow("reservado2") << 324 << espacios(25);
        QTest::newRow("usarLog") << 349 << QByteArray(2, '\0');
        QTest::newRow("skin") << 351 << espacios(100);
        QTest::newRow("colorTextoPrincipal") << 451 << QByteArray(4, '\0');
        QTest::newRow("colorTextoCampos") << 455 << QByteArray(4, '\0');
        QTest::newRow("colorFondoCampos") << 459 << QByteArray("\xFF\xFF\xFF\0", 4);
        QTest::newRow("colorFondoPantalla") << 463 << QByteArray("\xC0\xC0\xC0\0", 4);
        QTest::newRow("reservado3") << 467 << QByteArray(50, '\0');
        QTest::newRow("reservado4") << 517 << QByteArray(50, '\0');
    }
    void ficheroPorDefecto() {
        QFETCH(int, posicion);
        QFETCH(QByteArray, esperado);
        EntornoPrueba entorno;
        QVERIFY(escribirConfiguracionPorDefecto());
        const QByteArray fichero = entorno.leerFichero(QStringLiteral("zarcel.cfg"));
        QCOMPARE(fichero.size(), 567);
        QCOMPARE(desenmascarar(fichero).mid(posicion, esperado.size()), esperado);
        // Text fields are stored scrambled: NUL fields hold the key, never plain text.
        if (esperado == QByteArray(50, '\0'))
            QCOMPARE(fichero.mid(posicion, 50), Cifrado::claveCifrado().left(50));
        // Writing the defaults also turns autostart on for this executable.
        QCOMPARE(registro::comandoArranque(), rutaEjecutable() + QStringLiteral(" --hide"));
    }

    void grabarYLeer() {
        EntornoPrueba entorno;
        Configuracion registro;
        asignarCampo(registro.email, QString(70, QLatin1Char('x')));
        asignarCampo(registro.firma, QStringLiteral("Juan   "));
        asignarCampo(registro.numero, QStringLiteral("  600000000"));
        registro.usarProxy = -1;
        registro.colorTextoCampos = 0x00332211;
        QVERIFY(grabarConfiguracion(registro));

        const QByteArray fichero = entorno.leerFichero(QStringLiteral("zarcel.cfg"));
        QCOMPARE(fichero.size(), 567);
        const QByteArray claro = desenmascarar(fichero);
        QCOMPARE(claro.mid(189, 60), QByteArray(60, 'x')); // a 70-character address keeps 60
        QCOMPARE(claro.mid(80, 2), QByteArray("\xFF\xFF"));
        QCOMPARE(claro.mid(455, 4), QByteArray("\x11\x22\x33\0", 4));
        // A fresh record leaves NULs in the fields nobody assigned.
        for (int posicion : {299, 324, 351, 467, 517})
            QCOMPARE(claro.at(posicion), '\0');

        // grabarConfiguracion leaves the settings in memory as they were...
        QCOMPARE(textoCampo(configuracion.firma), QString());
        leerConfiguracion();
        // ...and readers strip the spaces around values.
        QCOMPARE(textoCampo(configuracion.firma), QStringLiteral("Juan"));
        QCOMPARE(textoCampo(configuracion.numero), QStringLiteral("600000000"));
        QCOMPARE(configuracion.usarProxy, qint16(-1));
    }

    void flags_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("activo");
        QTest::newRow("FF FF") << QByteArray("\xFF\xFF") << true;
        QTest::newRow("00 00") << QByteArray(2, '\0') << false;
        QTest::newRow("01 00") << QByteArray("\x01\0", 2) << true;
    }
    void flags() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, activo);
        EntornoPrueba entorno;
        QByteArray fichero = configuracionABytes(Configuracion::porDefecto());
        fichero.replace(349, 2, bytes);
        entorno.escribirFichero(QStringLiteral("zarcel.cfg"), fichero);
        leerConfiguracion();
        QCOMPARE(configuracion.usarLog != 0, activo);
    }

    void ficherosDanados() {
        EntornoPrueba entorno;
        // Missing: the settings in memory stay as they were.
        asignarCampo(configuracion.firma, QStringLiteral("antes"));
        leerConfiguracion();
        QCOMPARE(textoCampo(configuracion.firma), QStringLiteral("antes"));

        // Empty: every field takes its default, readable colours included.
        entorno.escribirFichero(QStringLiteral("zarcel.cfg"), QByteArray());
        leerConfiguracion();
        QCOMPARE(configuracion, Configuracion::porDefecto());

        // Cut short inside the e-mail field: the whole fields before it are read,
        // the rest (colours included) are defaults.
        Configuracion propia = Configuracion::porDefecto();
        asignarCampo(propia.servidorNacionales, QStringLiteral("Amena"));
        asignarCampo(propia.email, QStringLiteral("yo@example.org"));
        propia.colorFondoPantalla = 0x0000FF;
        entorno.escribirFichero(QStringLiteral("zarcel.cfg"), configuracionABytes(propia).left(200));
        leerConfiguracion();
        QCOMPARE(textoCampo(configuracion.servidorNacionales), QStringLiteral("Amena"));
        QCOMPARE(textoCampo(configuracion.email), QStringLiteral("usuario@example.com"));
        QCOMPARE(configuracion.colorFondoPantalla, quint32(0xC0C0C0));

        // Garbage of any length reads without a crash; the file is never rewritten by reading.
        for (int longitud : {1, 566, 567, 568, 4000}) {
            QByteArray basura(longitud, '\0');
            for (int i = 0; i < longitud; ++i)
                basura[i] = char((i * 7919 + longitud) % 251);
            entorno.escribirFichero(QStringLiteral("zarcel.cfg"), basura);
            leerConfiguracion();
            QCOMPARE(entorno.leerFichero(QStringLiteral("zarcel.cfg")), basura);
        }
    }

    void grabacionFallidaConservaElFichero() {
        EntornoPrueba entorno;
        QVERIFY(escribirConfiguracionPorDefecto());
        const QByteArray anterior = entorno.leerFichero(QStringLiteral("zarcel.cfg"));
        Configuracion nueva = Configuracion::porDefecto();
        asignarCampo(nueva.firma, QStringLiteral("nueva"));
        {
            DiscoLleno disco(100);
            QVERIFY(!grabarConfiguracion(nueva));
        }
        QCOMPARE(entorno.leerFichero(QStringLiteral("zarcel.cfg")), anterior);
    }

    void arranqueAutomatico() {
        EntornoPrueba entorno;
        QVERIFY(!registro::hayArranque());
        const QString programa = entorno.carpeta() + QStringLiteral("/Mis \"programas\"/zarcel");
        registro::ponerArranque(programa);
        QVERIFY(registro::hayArranque());
        QCOMPARE(registro::comandoArranque(), programa + QStringLiteral(" --hide"));
        const QByteArray entrada = entorno.leerFichero(QStringLiteral("autostart/zarcel.desktop"));
        QVERIFY(entrada.startsWith("[Desktop Entry]\n"));
        // The desktop's own checker, where installed, must accept the entry as written.
        const QString validador = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (!validador.isEmpty()) {
            QProcess validacion;
            validacion.start(validador, {registro::carpetaArranque() + QStringLiteral("/zarcel.desktop")});
            QVERIFY(validacion.waitForFinished(10000));
            QCOMPARE(validacion.readAll(), QByteArray());
            QCOMPARE(validacion.exitCode(), 0);
        }
        registro::quitarArranque();
        QVERIFY(!registro::hayArranque());
        registro::quitarArranque(); // removing twice is harmless
    }
};

ZARCEL_TEST_MAIN(PruebaConfiguracion)
#include "tst_configuracion.moc"
