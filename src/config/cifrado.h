#pragma once

#include <QByteArray>

struct Configuracion;
struct ContactoAgenda;
struct GrupoAgenda;

// Light, symmetric obfuscation of every stored text field: each byte is XORed
// with the key byte of the same position. The same call scrambles and unscrambles.
namespace Cifrado {

constexpr int longitudClave = 117;

// The fixed key shared by every file and installation.
QByteArray claveCifrado();

// Works on 8-bit codes, never on decoded text. `texto` may not exceed the key.
QByteArray cifrarTexto(const QByteArray &texto);

// Scramble (or unscramble) every text field of a record in place, over its full width.
void cifrarConfiguracion(Configuracion &registro);
void cifrarContacto(ContactoAgenda &registro);
void cifrarGrupo(GrupoAgenda &registro);

} // namespace Cifrado
