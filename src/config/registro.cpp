#include "config/registro.h"

#include "common/ficheros.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

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

// Quotes one Exec argument the way desktop entries require.
QString citarArgumento(const QString &argumento) {
    QString citado;
    for (QChar c : argumento) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            citado += QLatin1Char('\\');
        citado += c;
    }
    return QLatin1Char('"') + citado + QLatin1Char('"');
}

QString descitarArgumento(const QString &texto, qsizetype &posicion) {
    QString argumento;
    if (posicion < texto.size() && texto.at(posicion) == QLatin1Char('"')) {
        for (++posicion; posicion < texto.size() && texto.at(posicion) != QLatin1Char('"'); ++posicion) {
            if (texto.at(posicion) == QLatin1Char('\\') && posicion + 1 < texto.size())
                ++posicion;
            argumento += texto.at(posicion);
        }
        ++posicion;
    } else {
        for (; posicion < texto.size() && texto.at(posicion) != QLatin1Char(' '); ++posicion)
            argumento += texto.at(posicion);
    }
    return argumento;
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
    const QString entrada = QStringLiteral("[Desktop Entry]\n"
                                           "Type=Application\n"
                                           "Name=Zarcel\n"
                                           "Comment=Envio de SMS por pasarelas web\n"
                                           "Exec=") +
                            citarArgumento(rutaEjecutable) +
                            QStringLiteral(" --hide\n"
                                           "Terminal=false\n");
    QDir().mkpath(carpetaArranque());
    grabarFicheroAtomico(rutaEntrada(), entrada.toUtf8());
}

QString comandoArranque() {
    QByteArray datos;
    if (!leerFichero(rutaEntrada(), datos))
        return QString();
    const QStringList lineas = QString::fromUtf8(datos).split(QLatin1Char('\n'));
    for (const QString &linea : lineas) {
        if (!linea.startsWith(QLatin1String("Exec=")))
            continue;
        const QString exec = linea.mid(5).trimmed();
        qsizetype posicion = 0;
        const QString programa = descitarArgumento(exec, posicion);
        return programa.isEmpty() ? QString() : programa + exec.mid(posicion);
    }
    return QString();
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
