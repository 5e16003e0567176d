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

} // namespace

QString ClaveContacto::clave() const {
    const QChar flag = envioReves ? QLatin1Char('1') : QLatin1Char('0');
    return unir({nombre, QStringView(&separador, 1), prefijo, QStringView(&separador, 1), telefono,
                 QStringView(&separador, 1), QStringView(&flag, 1)});
}

ClaveContacto::Vistas ClaveContacto::partir(QStringView clave) {
    Vistas partes;
    QStringView *destino[] = {&partes.nombre, &partes.prefijo, &partes.telefono};
    int encontradas = 0;
    qsizetype inicio = 0;
    // A plain loop: keys are short, and a save splits 32,767 of them.
    for (qsizetype i = 0; i < clave.size() && encontradas < 3; ++i) {
        if (clave[i] == separador) {
            *destino[encontradas++] = clave.sliced(inicio, i - inicio);
            inicio = i + 1;
        }
    }
    if (encontradas < 3)
        *destino[encontradas] = clave.sliced(inicio);
    else
        partes.envioReves = leerFlag(clave.sliced(inicio));
    return partes;
}

ClaveContacto ClaveContacto::desdeClave(QStringView clave) {
    const Vistas partes = partir(clave);
    return {partes.nombre.toString(), partes.prefijo.toString(), partes.telefono.toString(),
            partes.envioReves};
}

QString ClaveContacto::texto(QStringView clave) {
    const Vistas partes = partir(clave);
    return unir({partes.nombre, u":+", partes.prefijo, partes.telefono});
}

bool ClaveContacto::separable(QStringView clave) {
    return std::count(clave.begin(), clave.end(), separador) == 3;
}

QString prefijoPorDefecto(const QString &prefijo) {
    return recortarEspacios(prefijo).isEmpty() ? QStringLiteral("34") : prefijo;
}
