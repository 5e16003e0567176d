#include "addressbook/ajuste_campo.h"

#include "common/campos.h"

QString sinControles(QString texto) {
    std::replace_if(
        texto.begin(), texto.end(), [](QChar c) { return c < QLatin1Char(' '); }, QLatin1Char(' '));
    return texto;
}

CampoAjustado ajustarCampo(const QString &valor, int ancho, const QString &sufijo) {
    const QString limpio = recortarEspacios(sinControles(valor));
    const QByteArray cola = sufijo.isEmpty() ? QByteArray() : aAnsi(QStringLiteral(" (%1)").arg(sufijo));
    QByteArray bytes = aAnsi(limpio);
    CampoAjustado resultado;
    resultado.sustituido = desdeAnsi(bytes) != limpio;
    const qsizetype sitio = qMax<qsizetype>(0, ancho - cola.size());
    if (bytes.size() > sitio) {
        bytes.truncate(sitio);
        resultado.recortado = true;
    }
    bytes = recortarEspacios(bytes);
    resultado.texto = desdeAnsi((bytes + cola).left(ancho));
    return resultado;
}

QString CampoAjustado::nota(const QString &campo, int ancho) const {
    QString texto;
    if (recortado)
        texto += QStringLiteral(" (%1 recortado a %2 caracteres)").arg(campo).arg(ancho);
    if (sustituido)
        texto += QStringLiteral(" (caracteres del %1 cambiados por '?')").arg(campo);
    return texto;
}
