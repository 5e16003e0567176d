#include "support/entorno_prueba.h"

#include "common/carpeta.h"
#include "config/registro.h"

#include <sys/stat.h>

namespace {
int modo(const QString &ruta) {
    struct stat datos {};
    return ::stat(QFile::encodeName(ruta).constData(), &datos) == 0 ? int(datos.st_mode & 07777) : -1;
}

struct CampoEsperado {
    const char *nombre;
    int ancho;
    const char *hex;
};

// Compares a record's bytes field by field, so that a difference names its field.
void compararCampos(const QByteArray &datos, std::initializer_list<CampoEsperado> campos) {
    QList<QByteArray> leidos, esperados;
    qsizetype posicion = 0;
    for (const auto &[nombre, ancho, hex] : campos) {
        leidos.append(nombre + ('=' + datos.mid(posicion, ancho).toHex()));
        esperados.append(nombre + ('=' + QByteArray(hex)));
        posicion += ancho;
    }
    QCOMPARE(leidos, esperados);
    QCOMPARE(datos.size(), posicion);
}
} // namespace

class PruebaConfiguracion : public QObject {
    Q_OBJECT
private slots:
    void ficheroPorDefecto() {
        EntornoPrueba entorno;
        QVERIFY(escribirConfiguracionPorDefecto());
        // The bytes as the original program wrote them: every field, the scrambling key included.
        // clang-format off
        compararCampos(entorno.leerFichero(u"zarcel.cfg"_s),
                       {{"servidorNacionales", 20, "74ce00800231555e4c556519444b444511585657"},
                        {"servidorAirtel", 20, "77c0008c162458450d556519444b444511585657"},
                        {"servidorAmena", 20, "78cc13871065140c4c556519444b444511585657"},
                        {"servidorInternacional", 20, "6aec25b01436140c4c556519444b444511585657"},
                        {"usarProxy", 2, "0000"},
                        {"proxy", 50, "198156c95165140c4c556519444b44451158565746194a4d9ad1090b130f4b6351"
                                      "4e110a180e545a580d505404c141454b18"},
                        {"puerto", 5, "198156c951"},
                        {"usuario", 25, "198156c95165140c4c556519444b44451158565746194a4d9a"},
                        {"password", 25, "198156c95165140c4c556519444b44451158565746194a4d9a"},
                        {"arrancar", 2, "ffff"},
                        {"email", 60, "4cd20388032c5b6c090d24541407014b52171b5746194a4d9ad1090b130f4b6351"
                                      "4e110a180e545a580d505404c141454b184d5201174d12554e6443"},
                        {"numero", 25, "198156c95165140c4c556519444b44451158565746194a4d9a"},
                        {"firma", 25, "198156c95165140c4c556519444b44451158565746194a4d9a"},
                        {"reservado1", 25, "198156c95165140c4c556519444b44451158565746194a4d9a"},
                        {"reservado2", 25, "198156c95165140c4c556519444b44451158565746194a4d9a"},
                        {"usarLog", 2, "0000"},
                        {"skin", 100, "198156c95165140c4c556519444b44451158565746194a4d9ad1090b130f4b6351"
                                      "4e110a180e545a580d505404c141454b184d5201174d12554e6443465366555341"
                                      "9f1e06431755111a626a0361414e444f1d1b4859415213164d684f525a484e6449"
                                      "47"},
                        {"colorTextoPrincipal", 4, "00000000"},
                        {"colorTextoCampos", 4, "00000000"},
                        {"colorFondoCampos", 4, "ffffff00"},
                        {"colorFondoPantalla", 4, "c0c0c000"},
                        {"reservado3", 50, "39a176e97145342c6c754539646b64653178767766396a6dbaf1292b332f6"
                                           "b43716e312a382e747a782d707424e161656b38"},
                        {"reservado4", 50, "39a176e97145342c6c754539646b64653178767766396a6dbaf1292b332f6"
                                           "b43716e312a382e747a782d707424e161656b38"}});
        // clang-format on
        // Writing the defaults also turns autostart on for this executable.
        QCOMPARE(registro::comandoArranque(), rutaEjecutable() + u" --hide"_s);
        // Private to its owner, even when a save replaces a file others could read.
        const QString ruta = entorno.ruta(u"zarcel.cfg"_s);
        QCOMPARE(modo(ruta), 0600);
        QVERIFY(::chmod(QFile::encodeName(ruta).constData(), 0644) == 0);
        QVERIFY(grabarConfiguracion(Configuracion::porDefecto()));
        QCOMPARE(modo(ruta), 0600);
    }

    void grabarYLeer() {
        EntornoPrueba entorno;
        Configuracion registro;
        asignarCampo(registro.firma, u"Juan   "_s);
        asignarCampo(registro.numero, u"  600000000"_s);
        registro.usarProxy = -1;
        QVERIFY(grabarConfiguracion(registro));
        QCOMPARE(textoCampo(configuracion.firma), QString()); // memory untouched until read
        leerConfiguracion();
        QCOMPARE(textoCampo(configuracion.firma), u"Juan"_s);
        QCOMPARE(textoCampo(configuracion.numero), u"600000000"_s);
        QCOMPARE(configuracion.usarProxy, qint16(-1));
    }

    void ficherosDanados() {
        EntornoPrueba entorno;
        // Missing: the settings in memory stay as they were.
        asignarCampo(configuracion.firma, u"antes"_s);
        leerConfiguracion();
        QCOMPARE(textoCampo(configuracion.firma), u"antes"_s);
        // Cut short inside the e-mail field: the whole fields before it are read, the rest are defaults.
        Configuracion propia = Configuracion::porDefecto();
        asignarCampo(propia.servidorNacionales, u"Amena"_s);
        asignarCampo(propia.email, u"yo@example.org"_s);
        propia.colorFondoPantalla = 0x0000FF;
        entorno.escribirFichero(u"zarcel.cfg"_s, configuracionABytes(propia).left(200));
        leerConfiguracion();
        QCOMPARE(textoCampo(configuracion.servidorNacionales), u"Amena"_s);
        QCOMPARE(textoCampo(configuracion.email), u"usuario@example.com"_s);
        QCOMPARE(configuracion.colorFondoPantalla, quint32(0xC0C0C0));
        // Empty: every field takes its default, readable colours included.
        entorno.escribirFichero(u"zarcel.cfg"_s, QByteArray());
        leerConfiguracion();
        QCOMPARE(configuracion, Configuracion::porDefecto());
        // Any non-zero flag reads as set.
        for (const QByteArray &flag : {QByteArray("\x01\0", 2), QByteArray(2, '\0')}) {
            entorno.escribirFichero(u"zarcel.cfg"_s, configuracionABytes(propia).replace(349, 2, flag));
            leerConfiguracion();
            QCOMPARE(configuracion.usarLog != 0, flag.at(0) != 0);
        }
    }

    // Contact and group records as the original program wrote them: text fields
    // scrambled, each from the key's start; the reverse-order flag clear.
    void registrosDeAgenda() {
        const QByteArray registros =
            contactoCifrado(u"Ana"_s, u"34"_s, u"600000001"_s, u"Amigos"_s, -1) + grupoCifrado(u"Amigos"_s);
        // clang-format off
        compararCampos(registros,
                       {{"nombre", 25, "78cf17c95165140c4c556519444b44451158565746194a4d9a"},
                        {"prefijo", 10, "0a9556c95165140c4c55"},
                        {"telefono", 25, "0f9146d94175041c5d556519444b44451158565746194a4d9a"},
                        {"grupo", 25, "78cc1f8e1e36140c4c556519444b44451158565746194a4d9a"},
                        {"envioReves", 2, "ffff"},
                        {"grupo", 25, "78cc1f8e1e36140c4c556519444b44451158565746194a4d9a"}});
        // clang-format on
    }

    void arranqueAutomatico() {
        EntornoPrueba entorno;
        QVERIFY(!registro::hayArranque());
        const QString carpeta = entorno.carpeta() + u"/Mis programas/100% \"mío\"/c:\\zarcel $HOME `id`"_s;
        const QString marca = entorno.ruta(u"lanzado"_s);
        // A stand-in program that notes the folder and arguments it was started with.
        QVERIFY(QDir().mkpath(carpeta));
        QFile programa(carpeta + u"/zarcel"_s);
        QVERIFY(programa.open(QIODevice::WriteOnly));
        programa.write("#!/bin/sh\nprintf '%s\\n' \"$PWD\" \"$@\" >\"$0.tmp\" && mv \"$0.tmp\" " +
                       QFile::encodeName(marca) + "\n");
        programa.close();
        programa.setPermissions(programa.permissions() | QFile::ExeOwner);
        registro::ponerArranque(programa.fileName());
        QCOMPARE(registro::comandoArranque(), programa.fileName() + u" --hide"_s);
        QVERIFY(entorno.leerFichero(u"autostart/zarcel.desktop"_s).startsWith("[Desktop Entry]\n"));
        // The desktop's own checker and GLib's launcher, where installed, take the entry as written.
        const QString entrada = registro::carpetaArranque() + u"/zarcel.desktop"_s;
        for (const QStringList &orden : {QStringList{u"desktop-file-validate"_s, entrada},
                                         QStringList{u"gio"_s, u"launch"_s, entrada}}) {
            const QString herramienta = QStandardPaths::findExecutable(orden.constFirst());
            if (herramienta.isEmpty())
                continue;
            QProcess proceso;
            proceso.start(herramienta, orden.mid(1));
            QVERIFY(proceso.waitForFinished(10000));
            QCOMPARE(proceso.readAll(), QByteArray());
            QCOMPARE(proceso.exitCode(), 0);
        }
        if (!QStandardPaths::findExecutable(u"gio"_s).isEmpty())
            QTRY_COMPARE(QString::fromUtf8(entorno.leerFichero(u"lanzado"_s)), carpeta + u"\n--hide\n"_s);
        registro::quitarArranque();
        QVERIFY(!registro::hayArranque());
    }
};

ZARCEL_TEST_MAIN(PruebaConfiguracion)
#include "tst_configuracion.moc"
