// The settings file stays private to its owner, and the autostart entry's Exec
// line names the program exactly as a desktop reads it, whatever its path holds.
#include "support/entorno_prueba.h"

#include "config/configuracion.h"
#include "config/fichero_configuracion.h"
#include "config/registro.h"

#include <QFile>
#include <QRegularExpression>

#include <sys/stat.h>

namespace {
int modo(const QString &ruta) {
    struct stat datos {};
    return ::stat(QFile::encodeName(ruta).constData(), &datos) == 0 ? int(datos.st_mode & 07777) : -1;
}

// The desktop's reading of an Exec value: the string escapes first, then the
// quoting rules, then "%%". Anything the format forbids gives no arguments.
QStringList argumentosExec(const QString &valor) {
    QString exec;
    for (qsizetype i = 0; i < valor.size(); ++i) {
        if (valor.at(i) != QLatin1Char('\\')) {
            exec += valor.at(i);
            continue;
        }
        const QString escapes = QStringLiteral("s \\\\n\nt\tr\r");
        const qsizetype letra = ++i < valor.size() ? escapes.indexOf(valor.at(i)) : -1;
        if (letra < 0 || letra % 2 != 0)
            return {};
        exec += escapes.at(letra + 1);
    }
    QStringList argumentos;
    QString actual;
    bool citado = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (citado && c == QLatin1Char('\\')) {
            if (++i == exec.size() || !QStringLiteral("\"`$\\").contains(exec.at(i)))
                return {};
            actual += exec.at(i);
        } else if (c == QLatin1Char('"')) {
            citado = !citado;
        } else if (!citado && c == QLatin1Char(' ')) {
            argumentos.append(actual);
            actual.clear();
        } else if (!citado && QStringLiteral("\t\n'\\><~|&;$*?#()`").contains(c)) {
            return {};
        } else if (c == QLatin1Char('%')) {
            if (++i == exec.size() || exec.at(i) != QLatin1Char('%'))
                return {};
            actual += c;
        } else {
            actual += c;
        }
    }
    return citado ? QStringList() : argumentos << actual;
}
} // namespace

class PruebaFicheroPrivado : public QObject {
    Q_OBJECT
private slots:
    void configuracionSoloParaElDueno() {
        EntornoPrueba entorno;
        const QString ruta = entorno.ruta(QStringLiteral("zarcel.cfg"));
        QVERIFY(escribirConfiguracionPorDefecto());
        QCOMPARE(modo(ruta), 0600);
        // A save replaces the file: the new one must not take a wider mode.
        QVERIFY(::chmod(QFile::encodeName(ruta).constData(), 0644) == 0);
        QVERIFY(grabarConfiguracion(Configuracion::porDefecto()));
        QCOMPARE(modo(ruta), 0600);
    }

    void lineaExecDeArranque_data() {
        QTest::addColumn<QString>("programa");
        QTest::newRow("ruta corriente") << QStringLiteral("/opt/zarcel/zarcel");
        QTest::newRow("espacio, %, barra invertida y comillas")
            << QStringLiteral("/Mis programas/100% \"SMS\"/c:\\zarcel $HOME `id`/zarcel");
    }
    void lineaExecDeArranque() {
        QFETCH(QString, programa);
        EntornoPrueba entorno;
        registro::ponerArranque(programa);
        const QString entrada =
            QString::fromUtf8(entorno.leerFichero(QStringLiteral("autostart/zarcel.desktop")));
        QVERIFY(entrada.startsWith(QStringLiteral("[Desktop Entry]\n")));
        const QStringList lineas =
            entrada.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^Exec=")));
        QCOMPARE(lineas.size(), 1);
        QCOMPARE(argumentosExec(lineas.constFirst().mid(5)),
                 (QStringList{programa, QStringLiteral("--hide")}));
        QCOMPARE(registro::comandoArranque(), programa + QStringLiteral(" --hide"));
    }
};

ZARCEL_TEST_MAIN(PruebaFicheroPrivado)
#include "tst_fichero_privado.moc"
