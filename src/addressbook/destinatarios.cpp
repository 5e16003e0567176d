#include "addressbook/destinatarios.h"

#include "addressbook/clave_contacto.h"
#include "common/campos.h"

namespace Destinatarios {

QString entradaContacto(const QString &nombre) {
    return QLatin1Char('#') + nombre;
}

QString entradaGrupo(const QString &nombre) {
    return QLatin1Char('&') + nombre;
}

QString entradaNumero(const QString &prefijo, const QString &numero) {
    return QStringLiteral("@+") + prefijoPorDefecto(prefijo) + QLatin1Char(':') + numero;
}

Destinatario leer(const QString &entrada) {
    Destinatario destinatario;
    if (entrada.isEmpty())
        return destinatario;
    switch (entrada.at(0).unicode()) {
    case '#':
        destinatario.tipo = Tipo::Contacto;
        destinatario.nombre = recortarEspacios(entrada.mid(1));
        break;
    case '&':
        destinatario.tipo = Tipo::Grupo;
        destinatario.nombre = recortarEspacios(entrada.mid(1));
        break;
    case '@': {
        destinatario.tipo = Tipo::Numero;
        const qsizetype dosPuntos = entrada.indexOf(QLatin1Char(':'), 2);
        // Without a ":" the whole rest is the prefix and the number is empty.
        destinatario.prefijo = entrada.mid(2, dosPuntos < 0 ? -1 : dosPuntos - 2);
        destinatario.numero = dosPuntos < 0 ? QString() : entrada.mid(dosPuntos + 1);
        break;
    }
    default:
        break;
    }
    return destinatario;
}

} // namespace Destinatarios
