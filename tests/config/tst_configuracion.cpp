#include "support/entorno_prueba.h"

#include "common/carpeta.h"
#include "config/registro.h"

#include <sys/stat.h>

namespace {
int modo(const QString &ruta) {
    struct stat datos {};
    return ::stat(QFile::encodeName(ruta).constData(), &datos) == 0 ? int(datos.st_mode & 07777) : -1;
}

// A desktop's reading of an Exec value: the string escapes first, then the quoting
// rules and "%%". Anything the format forbids gives no arguments.
QStringList argumentosExec(const QString &valor) {
    const QMap<QChar, QChar> escapes{
        {u's', u' '}, {u'\\', u'\\'}, {u'n', u'\n'}, {u't', u'\t'}, {u'r', u'\r'}};
    QString exec;
    for (qsizetype i = 0; i < valor.size(); ++i) {
        if (valor.at(i) != u'\\')
            exec += valor.at(i);
        else if (++i < valor.size() && escapes.contains(valor.at(i)))
            exec += escapes.value(valor.at(i));
        else
            return {};
    }
    QStringList argumentos{QString()};
    bool citado = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        const QChar siguiente = i + 1 < exec.size() ? exec.at(i + 1) : QChar();
        if (c == u'"')
            citado = !citado;
        else if ((citado && c == u'\\' && u"\"`$\\"_s.contains(siguiente)) ||
                 (c == u'%' && siguiente == u'%'))
            argumentos.last() += exec.at(++i);
        else if (!citado && c == u' ')
            argumentos.append(QString());
        else if (c == u'%' || (citado ? c == u'\\' : u"\t\n'\\><~|&;$*?#()`"_s.contains(c)))
            return {};
        else
            argumentos.last() += c;
    }
    return citado ? QStringList() : argumentos;
}
} // namespace

class PruebaConfiguracion : public QObject {
    Q_OBJECT
private slots:
    void ficheroPorDefecto() {
        EntornoPrueba entorno;
        QVERIFY(escribirConfiguracionPorDefecto());
        // The bytes as the original program wrote them: every field, the scrambling key included.
        QCOMPARE(
            QCryptographicHash::hash(entorno.leerFichero(u"zarcel.cfg"_s), QCryptographicHash::Sha1).toHex(),
            QByteArray("e01dc6a830281b24ccd2f686b0315d9f20988ac0"));
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
        QCOMPARE(QCryptographicHash::hash(registros, QCryptographicHash::Sha1).toHex(),
                 QByteArray("279321b3cd1b243b3619ec004a66e06fdf7c476f"));
    }

    void arranqueAutomatico() {
        EntornoPrueba entorno;
        QVERIFY(!registro::hayArranque());
        const QString programa =
            entorno.carpeta() + u"/Mis programas/100% \"SMS\"/c:\\zarcel $HOME `id`/zarcel"_s;
        registro::ponerArranque(programa);
        QCOMPARE(registro::comandoArranque(), programa + u" --hide"_s);
        const QString entrada = QString::fromUtf8(entorno.leerFichero(u"autostart/zarcel.desktop"_s));
        QVERIFY(entrada.startsWith(u"[Desktop Entry]\n"_s));
        // Read back as a desktop reads it, the command is this program with its one option.
        const QStringList exec = entrada.split(u'\n').filter(QRegularExpression(u"^Exec="_s));
        QCOMPARE(exec.size(), 1);
        QCOMPARE(argumentosExec(exec.constFirst().mid(5)), (QStringList{programa, u"--hide"_s}));
        // The desktop's own checker, where installed, must accept the entry as written.
        const QString validador = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
        if (!validador.isEmpty()) {
            QProcess validacion;
            validacion.start(validador, {registro::carpetaArranque() + u"/zarcel.desktop"_s});
            QVERIFY(validacion.waitForFinished(10000));
            QCOMPARE(validacion.readAll(), QByteArray());
            QCOMPARE(validacion.exitCode(), 0);
        }
        registro::quitarArranque();
        QVERIFY(!registro::hayArranque());
    }
};

ZARCEL_TEST_MAIN(PruebaConfiguracion)
#include "tst_configuracion.moc"
