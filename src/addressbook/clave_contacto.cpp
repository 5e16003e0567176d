#include "addressbook/clave_contacto.h"

#include "common/campos.h"

namespace {
const QChar separador = QLatin1Char(':');

// The flag part as a number: an optional sign and the leading digits; anything else reads as 0.
bool leerFlag(QStringView resto) {
    const QStringView texto = resto.trimmed();
    qsizetype i = (texto.startsWith(QLatin1Char('-')) || texto.startsWith(QLatin1Char('+'))) ? 1 : 0;
    for (; i < texto.size() && texto.at(i).isDigit(); ++i) {
        if (texto.at(i) != QLatin1Char('0'))
            return true;
    }
    return false;
}

// The parts written one after the other into one allocation.
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

// The text before each of the first three ":"; a part with no ":" after it takes the
// rest and leaves the next ones empty. Returns where the flag starts, or -1.
qsizetype partir(QStringView clave, QStringView (&partes)[3]) {
    qsizetype inicio = 0;
    for (QStringView &parte : partes) {
        const qsizetype fin = clave.indexOf(separador, inicio);
        if (fin < 0) {
            parte = clave.sliced(inicio);
            return -1;
        }
        parte = clave.sliced(inicio, fin - inicio);
        inicio = fin + 1;
    }
    return inicio;
}
} // namespace

QString ClaveContacto::clave() const {
    const QChar flag = envioReves ? QLatin1Char('1') : QLatin1Char('0');
    return unir({nombre, QStringView(&separador, 1), prefijo, QStringView(&separador, 1), telefono,
                 QStringView(&separador, 1), QStringView(&flag, 1)});
}

QString ClaveContacto::texto(QStringView clave) {
    QStringView partes[3];
    partir(clave, partes);
    return unir({partes[0], u":+", partes[1], partes[2]});
}

ClaveContacto ClaveContacto::desdeClave(QStringView clave) {
    QStringView partes[3];
    const qsizetype flag = partir(clave, partes);
    return {partes[0].toString(), partes[1].toString(), partes[2].toString(),
            flag >= 0 && leerFlag(clave.sliced(flag))};
}

bool ClaveContacto::separable(QStringView clave) {
    return std::count(clave.begin(), clave.end(), separador) == 3;
}

QString prefijoPorDefecto(const QString &prefijo) {
    return recortarEspacios(prefijo).isEmpty() ? QStringLiteral("34") : prefijo;
}
