#pragma once

#include <QByteArray>
#include <QString>

struct Configuracion;

// Light, symmetric obfuscation of every stored text field: each byte is XORed
// with the key byte of the same position. The same call scrambles and unscrambles.
namespace Cifrado {

constexpr int longitudClave = 117;

// Works on 8-bit codes, never on decoded text. `texto` may not exceed the key.
QByteArray cifrarTexto(const QByteArray &texto);

// The `ancho` bytes of a field, unscrambled into `claro` (room for longitudClave bytes).
QByteArrayView descifrarCampo(const char *campo, int ancho, char *claro);
// The same without leading and trailing spaces, which are found still scrambled and
// never unscrambled: a name of ten characters in a field of 25 costs ten.
QByteArrayView descifrarSinEspacios(const char *campo, int ancho, char *claro);

// The field of `ancho` bytes at `posicion` in `datos`, unscrambled, decoded and stripped
// of spaces without intermediate copies: textoCampo(cifrarTexto(field)).
QString campoDescifrado(const QByteArray &datos, qsizetype posicion, int ancho);
// The same written into `destino` (room for `ancho` characters), without allocating.
QStringView campoDescifrado(const QByteArray &datos, qsizetype posicion, int ancho, QChar *destino);

// Scramble (or unscramble) every text field of the settings record in place, over its full width.
void cifrarConfiguracion(Configuracion &registro);

} // namespace Cifrado
