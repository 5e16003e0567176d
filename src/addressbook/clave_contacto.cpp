#include "addressbook/clave_contacto.h"

#include "common/campos.h"

namespace {
const QChar separador = QLatin1Char(':');

// The flag part as a number: an optional sign and the leading digits; anything else reads as 0.
bool leerFlag(const QString &resto) {
    const QString texto = resto.trimmed();
    qsizetype i = (texto.startsWith(QLatin1Char('-')) || texto.startsWith(QLatin1Char('+'))) ? 1 : 0;
    for (; i < texto.size() && texto.at(i).isDigit(); ++i) {
        if (texto.at(i) != QLatin1Char('0'))
            return true;
    }
    return false;
}
} // namespace

QString ClaveContacto::clave() const {
    return nombre + separador + prefijo + separador + telefono + separador +
           (envioReves ? QLatin1Char('1') : QLatin1Char('0'));
}

QString ClaveContacto::texto() const {
    return nombre + QStringLiteral(":+") + prefijo + telefono;
}

ClaveContacto ClaveContacto::desdeClave(const QString &clave) {
    ClaveContacto partes;
    QString *destino[] = {&partes.nombre, &partes.prefijo, &partes.telefono};
    qsizetype inicio = 0;
    for (QString *parte : destino) {
        const qsizetype fin = clave.indexOf(separador, inicio);
        if (fin < 0) {
            *parte = clave.mid(inicio);
            return partes;
        }
        *parte = clave.mid(inicio, fin - inicio);
        inicio = fin + 1;
    }
    partes.envioReves = leerFlag(clave.mid(inicio));
    return partes;
}

bool ClaveContacto::separable() const {
    return !nombre.contains(separador) && !prefijo.contains(separador) && !telefono.contains(separador);
}

QString prefijoPorDefecto(const QString &prefijo) {
    return recortarEspacios(prefijo).isEmpty() ? QStringLiteral("34") : prefijo;
}
