#pragma once

#include <QDateTime>
#include <functional>

// The clock used for dates written into files and logs; tests fix it.
namespace Reloj {
QDateTime ahora();
void fijar(std::function<QDateTime()> fuente); // empty restores the system clock

// Short date and time in the user's regional formats.
QString fechaCorta(const QDateTime &momento);
QString horaCorta(const QDateTime &momento);
} // namespace Reloj
