#include "sending/pagina_respuesta.h"

#include "common/campos.h"
#include "common/ficheros.h"

#include <QDir>
#include <QStandardPaths>

QString rutaPaginaRespuesta() {
    QString carpeta = qEnvironmentVariable("TMP");
    if (carpeta.isEmpty())
        carpeta = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!carpeta.endsWith(QLatin1Char('/')) && !carpeta.endsWith(QDir::separator()))
        carpeta += QDir::separator();
    return carpeta + QStringLiteral("zrc9933.html");
}

QString contenidoPaginaRespuesta(const QString &respuesta) {
    const qsizetype inicio = respuesta.indexOf(QLatin1String("\r\n\r\n"));
    return recortarEspacios(respuesta.mid(qMax<qsizetype>(inicio, 0))) + QStringLiteral("\r\n");
}

bool grabarPaginaRespuesta(const QString &ruta, const QString &respuesta) {
    return grabarFicheroAtomico(ruta, aAnsi(contenidoPaginaRespuesta(respuesta)));
}

QString respuestaEnLineas(const QString &respuesta) {
    QString texto = respuesta;
    return texto.replace(QLatin1String("\r\r\n"), QLatin1String("\n"))
        .replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}
