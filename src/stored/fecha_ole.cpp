#include "stored/fecha_ole.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {
constexpr qint64 msPorDia = 86400000;

QDate origen() {
    return QDate(1899, 12, 30);
}

// Two-digit years cannot tell 1899 from 1999; the stored time carries no zone.
QString formatoFecha() {
    QString formato = QLocale::system().dateFormat(QLocale::ShortFormat);
    static const QRegularExpression anoCorto(QStringLiteral("(?<!y)yy(?!y)"));
    return formato.replace(anoCorto, QStringLiteral("yyyy"));
}

QString formatoHora() {
    QString formato = QLocale::system().timeFormat(QLocale::LongFormat);
    static const QRegularExpression zona(QStringLiteral("\\s*\\(?\\bt+\\b\\)?"));
    return formato.remove(zona).trimmed();
}
} // namespace

QDate primeraFechaOle() {
    return QDate(100, 1, 1);
}
QDate ultimaFechaOle() {
    return QDate(9999, 12, 31);
}

double aFechaOle(const QDate &fecha, const QTime &hora) {
    const qint64 dias = origen().daysTo(fecha);
    const double fraccion = double(hora.isValid() ? hora.msecsSinceStartOfDay() : 0) / double(msPorDia);
    return dias >= 0 ? double(dias) + fraccion : double(dias) - fraccion;
}

double aFechaOle(const QDateTime &momento) {
    return aFechaOle(momento.date(), momento.time());
}

QDateTime desdeFechaOle(double valor) {
    if (!std::isfinite(valor))
        return QDateTime();
    const double entero = std::trunc(valor);
    if (entero < double(origen().daysTo(primeraFechaOle())) ||
        entero > double(origen().daysTo(ultimaFechaOle())))
        return QDateTime();
    QDate fecha = origen().addDays(qint64(entero));
    qint64 ms = std::llround(std::fabs(valor - entero) * double(msPorDia));
    if (ms >= msPorDia) { // rounding reached the next midnight
        fecha = fecha.addDays(1);
        ms -= msPorDia;
    }
    return QDateTime(fecha, QTime::fromMSecsSinceStartOfDay(int(ms)), Qt::UTC);
}

QString textoFechaEnvio(double valor) {
    const QDateTime momento = desdeFechaOle(valor);
    if (!momento.isValid())
        return QString();
    const QLocale local = QLocale::system();
    QString texto = local.toString(momento.date(), formatoFecha());
    if (momento.time() != QTime(0, 0))
        texto += QLatin1Char(' ') + local.toString(momento.time(), formatoHora());
    return texto.trimmed();
}
