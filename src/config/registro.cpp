#include "config/registro.h"

#include "common/ficheros.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStandardPaths>

#include <utility>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace registro {
namespace {

QString &carpetaFijada() {
    static QString carpeta;
    return carpeta;
}

#ifndef Q_OS_WIN
QString rutaEntrada() {
    return carpetaArranque() + QStringLiteral("/zarcel.desktop");
}

// Characters that oblige an Exec argument to be quoted.
const QString reservadosExec = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");

// The program path as one Exec argument: "%" doubled, and quoted when it holds a
// reserved character (inside the quotes, backslash, double quote, backtick and
// dollar take a backslash).
QString argumentoExec(const QString &ruta) {
    QString argumento;
    bool citar = false;
    for (QChar c : ruta) {
        citar = citar || reservadosExec.contains(c);
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            argumento += QLatin1Char('\\');
        argumento += c;
        if (c == QLatin1Char('%'))
            argumento += QLatin1Char('%');
    }
    return citar ? QLatin1Char('"') + argumento + QLatin1Char('"') : argumento;
}

// The string-value escapes of a desktop entry, applied on top of the Exec quoting.
const QList<std::pair<QChar, QChar>> escapesCadena = {{QLatin1Char('\\'), QLatin1Char('\\')},
                                                      {QLatin1Char('\n'), QLatin1Char('n')},
                                                      {QLatin1Char('\t'), QLatin1Char('t')},
                                                      {QLatin1Char('\r'), QLatin1Char('r')}};

QString escaparCadena(const QString &valor) {
    QString escapado;
    for (QChar c : valor) {
        for (const auto &[caracter, letra] : escapesCadena) {
            if (c == caracter) {
                escapado += QLatin1Char('\\');
                c = letra;
                break;
            }
        }
        escapado += c;
    }
    return escapado;
}

QString desescaparCadena(const QString &valor) {
    QString texto;
    for (qsizetype i = 0; i < valor.size(); ++i) {
        QChar c = valor.at(i);
        if (c == QLatin1Char('\\') && i + 1 < valor.size()) {
            c = valor.at(++i);
            if (c == QLatin1Char('s'))
                c = QLatin1Char(' ');
            for (const auto &[caracter, letra] : escapesCadena) {
                if (c == letra)
                    c = caracter;
            }
        }
        texto += c;
    }
    return texto;
}

// Reads the Exec argument at `posicion` (after string unescaping) and leaves
// `posicion` after it.
QString leerArgumentoExec(const QString &exec, qsizetype &posicion) {
    QString argumento;
    const bool citado = posicion < exec.size() && exec.at(posicion) == QLatin1Char('"');
    for (posicion += citado ? 1 : 0; posicion < exec.size(); ++posicion) {
        QChar c = exec.at(posicion);
        if (citado ? c == QLatin1Char('"') : c == QLatin1Char(' '))
            break;
        if (citado && c == QLatin1Char('\\') && posicion + 1 < exec.size())
            c = exec.at(++posicion);
        else if (c == QLatin1Char('%') && posicion + 1 < exec.size() && exec.at(posicion + 1) == c)
            ++posicion;
        argumento += c;
    }
    if (citado)
        ++posicion;
    return argumento;
}

QStringList argumentosExec(const QString &exec) {
    QStringList argumentos;
    for (qsizetype posicion = 0; posicion < exec.size();) {
        if (exec.at(posicion) == QLatin1Char(' '))
            ++posicion;
        else
            argumentos.append(leerArgumentoExec(exec, posicion));
    }
    return argumentos;
}

// GLib's launchers look the program up under its Exec spelling, "%%" and all, so a
// folder with "%" in its name cannot appear in Exec. The folder goes in Path, a plain
// string every launcher takes as the working folder, and a shell starts the program
// from there under its file name, given as the shell's $0.
const QString guionArranque = QStringLiteral("exec ./\"$0\" --hide");

QString valorClave(const QStringList &lineas, const QString &clave) {
    for (const QString &linea : lineas) {
        if (linea.startsWith(clave + QLatin1Char('=')))
            return desescaparCadena(linea.mid(clave.size() + 1).trimmed());
    }
    return QString();
}
#else
const QString claveRun =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
#endif

} // namespace

void fijarCarpetaArranque(const QString &carpeta) {
    carpetaFijada() = carpeta;
}

QString carpetaArranque() {
    if (!carpetaFijada().isEmpty())
        return carpetaFijada();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart");
}

#ifndef Q_OS_WIN

void ponerArranque(const QString &rutaEjecutable) {
    const QFileInfo programa(rutaEjecutable);
    const QString exec = QStringLiteral("sh -c ") + argumentoExec(guionArranque) + QLatin1Char(' ') +
                         argumentoExec(programa.fileName());
    const QString entrada = QStringLiteral("[Desktop Entry]\n"
                                           "Type=Application\n"
                                           "Name=Zarcel\n"
                                           "Comment=Envio de SMS por pasarelas web\n"
                                           "Path=") +
                            escaparCadena(programa.absolutePath()) + QStringLiteral("\nExec=") +
                            escaparCadena(exec) + QStringLiteral("\nTerminal=false\n");
    QDir().mkpath(carpetaArranque());
    grabarFicheroAtomico(rutaEntrada(), entrada.toUtf8());
}

QString comandoArranque() {
    QByteArray datos;
    if (!leerFichero(rutaEntrada(), datos))
        return QString();
    const QStringList lineas = QString::fromUtf8(datos).split(QLatin1Char('\n'));
    const QStringList exec = argumentosExec(valorClave(lineas, QStringLiteral("Exec")));
    const QString carpeta = valorClave(lineas, QStringLiteral("Path"));
    if (exec.size() == 4 && exec.at(0) == QLatin1String("sh") && exec.at(2) == guionArranque &&
        !carpeta.isEmpty())
        return carpeta + QLatin1Char('/') + exec.at(3) + QStringLiteral(" --hide");
    // An entry of an earlier version names the program in Exec itself.
    return exec.isEmpty() || exec.constFirst().isEmpty() ? QString() : exec.join(QLatin1Char(' '));
}

void quitarArranque() {
    QFile::remove(rutaEntrada());
}

#else

void ponerArranque(const QString &rutaEjecutable) {
    QSettings run(claveRun, QSettings::NativeFormat);
    run.setValue(QStringLiteral("Zarcel"), rutaEjecutable + QStringLiteral(" --hide"));
}

QString comandoArranque() {
    QSettings run(claveRun, QSettings::NativeFormat);
    return run.value(QStringLiteral("Zarcel")).toString();
}

void quitarArranque() {
    QSettings run(claveRun, QSettings::NativeFormat);
    run.remove(QStringLiteral("Zarcel"));
}

#endif

bool hayArranque() {
    return !comandoArranque().isEmpty();
}

} // namespace registro
