#include "gateways/log_envios.h"

#include "common/campos.h"
#include "common/carpeta.h"
#include "common/reloj.h"

#include <QFile>

namespace logging {

bool escribirLog(const QString &prefijo, const QString &numero, const QString &mensaje,
                 const QString &pasarela) {
    const QDateTime ahora = Reloj::ahora();
    const QString finLinea = QStringLiteral("\r\n");
    const QString entrada = QStringLiteral("Zarcel - ") + Reloj::fechaCorta(ahora) + QLatin1Char(' ') +
                            Reloj::horaCorta(ahora) + finLinea + QStringLiteral(" Pasarela: ") + pasarela +
                            finLinea + QStringLiteral(" Enviado al telefono +") + prefijo + QLatin1Char(':') +
                            numero + finLinea + QStringLiteral(" Mensaje: ") + mensaje + finLinea + finLinea;
    const QByteArray bytes = aAnsi(entrada);
    QFile fichero(rutaFichero(QStringLiteral("zarcel.log")));
    if (!fichero.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    return fichero.write(bytes) == bytes.size();
}

} // namespace logging
