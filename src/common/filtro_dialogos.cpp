#include "common/filtro_dialogos.h"

#include <QStringList>

namespace Dialogos {

namespace {
QString patronesQt(const QString &patrones) {
    QStringList lista;
    for (const QString &patron : patrones.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString limpio = patron.trimmed();
        if (limpio.isEmpty())
            continue;
        // On Windows "*.*" matches names without a dot too; Qt's "*" is the same.
        lista.append(limpio == QLatin1String("*.*") ? QStringLiteral("*") : limpio);
    }
    return lista.join(QLatin1Char(' '));
}
} // namespace

QString filtroPlataforma(const QString &filtro) {
    const QStringList trozos = filtro.split(QLatin1Char('|'));
    QStringList filtros;
    for (qsizetype i = 0; i + 1 < trozos.size(); i += 2) {
        const QString patrones = patronesQt(trozos.at(i + 1));
        if (patrones.isEmpty())
            continue;
        filtros.append(trozos.at(i) + QStringLiteral(" (") + patrones + QLatin1Char(')'));
    }
    return filtros.join(QStringLiteral(";;"));
}

} // namespace Dialogos
