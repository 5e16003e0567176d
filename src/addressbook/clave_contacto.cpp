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

// The parts written one after the other into one allocation: loading a full book
// builds 32,767 keys and as many labels.
QString unir(std::initializer_list<QStringView> partes) {
    qsizetype total = 0;
    for (QStringView parte : partes)
        total += parte.size();
    QString texto(total, Qt::Uninitialized);
    QChar *destino = texto.data();
    for (QStringView parte : partes)
        destino = std::copy(parte.begin(), parte.end(), destino);
    return texto;
}
} // namespace

QString ClaveContacto::clave() const {
    return clave(nombre, prefijo, telefono, envioReves);
}

QString ClaveContacto::texto() const {
    return texto(nombre, prefijo, telefono);
}

QString ClaveContacto::clave(QStringView nombre, QStringView prefijo, QStringView telefono, bool envioReves) {
    const QChar flag = envioReves ? QLatin1Char('1') : QLatin1Char('0');
    return unir({nombre, QStringView(&separador, 1), prefijo, QStringView(&separador, 1), telefono,
                 QStringView(&separador, 1), QStringView(&flag, 1)});
}

QString ClaveContacto::texto(QStringView nombre, QStringView prefijo, QStringView telefono) {
    return unir({nombre, u":+", prefijo, telefono});
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
    return separable(nombre, prefijo, telefono);
}

bool ClaveContacto::separable(QStringView nombre, QStringView prefijo, QStringView telefono) {
    return !nombre.contains(separador) && !prefijo.contains(separador) && !telefono.contains(separador);
}

QString prefijoPorDefecto(const QString &prefijo) {
    return recortarEspacios(prefijo).isEmpty() ? QStringLiteral("34") : prefijo;
}
