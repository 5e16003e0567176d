#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// Fixed-width record fields hold Windows-1252 bytes; these helpers are the only
// place where text crosses between those bytes and QString.

// Space-padded on the right or cut to exactly `ancho` bytes.
QByteArray campoFijo(const QByteArray &valor, int ancho);
QByteArray campoFijo(const QString &valor, int ancho);
// The same encoded straight into `destino`, exactly `ancho` bytes.
void campoFijo(QStringView valor, char *destino, int ancho);

// Removes leading and trailing spaces only: tabs, line breaks and NULs stay.
QString recortarEspacios(const QString &texto);
QByteArray recortarEspacios(const QByteArray &texto);
QStringView sinEspacios(QStringView texto);

// Windows-1252 conversion; characters the code page lacks become '?'.
QByteArray aAnsi(const QString &texto);
QString desdeAnsi(QByteArrayView bytes);
// The same written into `destino` (room for `bytes.size()` characters), without allocating.
QStringView desdeAnsi(QByteArrayView bytes, QChar *destino);
// The character of every code, for loops that decode as they go.
extern const std::array<char16_t, 256> tablaAnsi;
inline QChar caracterAnsi(quint8 codigo) {
    return QChar(tablaAnsi[codigo]);
}

// The bytes of a field without its leading and trailing spaces.
QByteArrayView sinEspacios(QByteArrayView campo);

// The text of a record field as a reader uses it: decoded and stripped of spaces.
QString textoCampo(const QByteArray &campo);

// Field helpers for the packed little-endian records.
qint16 leerInt16(const QByteArray &datos, int posicion);
quint32 leerUInt32(const QByteArray &datos, int posicion);
void escribirInt16(QByteArray &datos, int posicion, qint16 valor);
void escribirUInt32(QByteArray &datos, int posicion, quint32 valor);

// Flags are 16-bit: -1 true, 0 false; any non-zero value reads as true.
inline qint16 aFlag(bool valor) {
    return valor ? qint16(-1) : qint16(0);
}
