#include "sending/pagina_respuesta.h"

#include "common/campos.h"
#include "common/ficheros.h"

#include <QDir>

QString rutaPaginaRespuesta() {
    QString carpeta = qEnvironmentVariable("TMP");
    if (carpeta.isEmpty())
        carpeta = QDir::tempPath();
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
