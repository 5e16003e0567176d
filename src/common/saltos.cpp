#include "common/saltos.h"

QString aCRLF(const QString &textoPlano) {
    return desdeCRLF(textoPlano).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QString desdeCRLF(const QString &textoCRLF) {
    QString texto = textoCRLF;
    texto.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return texto;
}

int contarCaracteres(const QString &textoCRLF) {
    return int(textoCRLF.size() - 2 * textoCRLF.count(QLatin1String("\r\n")));
}
