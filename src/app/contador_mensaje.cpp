#include "app/contador_mensaje.h"

#include "common/campos.h"
#include "common/saltos.h"
#include "gateways/catalogo.h"

QString textoPartes(const QString &textoCRLF, const QString &pasarela, const QString &firma) {
    const int caracteres = contarCaracteres(textoCRLF);
    if (caracteres == 0)
        return QStringLiteral("Partes: 0");
    const Pasarelas::EntradaCatalogo *entrada = Pasarelas::buscarPasarela(pasarela);
    if (!entrada)
        return QStringLiteral("Partes: ??");
    const int total = caracteres + int(recortarEspacios(firma).size());
    if (total <= entrada->limite)
        return QStringLiteral("Partes: 1");
    const int tamanoParte = entrada->limite - 5;
    return QStringLiteral("Partes: %1").arg((total + tamanoParte - 1) / tamanoParte);
}

int longitudConSaltos(const QString &textoPlano) {
    return int(textoPlano.size() + textoPlano.count(QLatin1Char('\n')));
}
