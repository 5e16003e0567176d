#include "common/reloj.h"

#include <QLocale>

namespace Reloj {
namespace {
std::function<QDateTime()> &fuente() {
    static std::function<QDateTime()> actual;
    return actual;
}
} // namespace

QDateTime ahora() {
    return fuente() ? fuente()() : QDateTime::currentDateTime();
}

void fijar(std::function<QDateTime()> nueva) {
    fuente() = std::move(nueva);
}

QString fechaCorta(const QDateTime &momento) {
    return QLocale::system().toString(momento.date(), QLocale::ShortFormat);
}

QString horaCorta(const QDateTime &momento) {
    return QLocale::system().toString(momento.time(), QLocale::ShortFormat);
}
} // namespace Reloj
