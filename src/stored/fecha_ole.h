#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

// Send times are stored as OLE Automation dates: days since 30 December 1899
// 00:00 as a double, the fraction the time of day. Before that day the whole
// part is negative and the fraction still counts forward: -1.25 is
// 29 December 1899, 06:00. Exactly 0 means "no send time".
//
// The values carry no time zone: they are the wall-clock date and time the user
// picked, so the QDateTime side is kept in UTC to stay clear of DST gaps.

// The range every date picker of the program offers and the format can hold.
QDate primeraFechaOle();
QDate ultimaFechaOle();

double aFechaOle(const QDate &fecha, const QTime &hora);
double aFechaOle(const QDateTime &momento);

// An invalid QDateTime for values outside the range (or not numbers at all).
QDateTime desdeFechaOle(double valor);

// The send time as the stored-messages window shows it: the regional short date
// and long time (no zone, four-digit year), the date alone at exactly midnight.
// Empty for a value that is not a date.
QString textoFechaEnvio(double valor);
