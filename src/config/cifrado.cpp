#include "config/cifrado.h"

#include "common/campos.h"
#include "config/configuracion.h"

#include <array>
#include <bit>
#include <cstring>
#include <utility>

namespace Cifrado {

namespace {
constexpr std::array<quint8, longitudClave> clave = {
    0x39, 0xA1, 0x76, 0xE9, 0x71, 0x45, 0x34, 0x2C, 0x6C, 0x75, 0x45, 0x39, 0x64, 0x6B, 0x64, 0x65, 0x31,
    0x78, 0x76, 0x77, 0x66, 0x39, 0x6A, 0x6D, 0xBA, 0xF1, 0x29, 0x2B, 0x33, 0x2F, 0x6B, 0x43, 0x71, 0x6E,
    0x31, 0x2A, 0x38, 0x2E, 0x74, 0x7A, 0x78, 0x2D, 0x70, 0x74, 0x24, 0xE1, 0x61, 0x65, 0x6B, 0x38, 0x6D,
    0x72, 0x21, 0x37, 0x6D, 0x32, 0x75, 0x6E, 0x44, 0x63, 0x66, 0x73, 0x46, 0x75, 0x73, 0x61, 0xBF, 0x3E,
    0x26, 0x63, 0x37, 0x75, 0x31, 0x3A, 0x42, 0x4A, 0x23, 0x41, 0x61, 0x6E, 0x64, 0x6F, 0x3D, 0x3B, 0x68,
    0x79, 0x61, 0x72, 0x33, 0x36, 0x6D, 0x48, 0x6F, 0x72, 0x7A, 0x68, 0x6E, 0x44, 0x69, 0x67, 0x69, 0x61,
    0x62, 0x47, 0x3F, 0x38, 0x36, 0x49, 0x35, 0x36, 0x28, 0x3C, 0x76, 0x25, 0x46, 0x62, 0x30};

// The key with each byte XORed with a space: where a scrambled field equals it, the
// field holds a space.
constexpr std::array<quint8, longitudClave> construirEspacios() {
    std::array<quint8, longitudClave> espacios{};
    for (int i = 0; i < longitudClave; ++i)
        espacios[i] = clave[i] ^ quint8(' ');
    return espacios;
}
constexpr std::array<quint8, longitudClave> espacios = construirEspacios();
} // namespace

QByteArray cifrarTexto(const QByteArray &texto) {
    Q_ASSERT(texto.size() <= longitudClave);
    // Positions past the key have no key byte; they are left as they are rather
    // than read out of bounds (no caller passes such a text).
    QByteArray resultado = texto;
    const qsizetype n = qMin<qsizetype>(texto.size(), longitudClave);
    for (qsizetype i = 0; i < n; ++i)
        resultado[i] = char(quint8(texto.at(i)) ^ clave[i]);
    return resultado;
}

QByteArrayView descifrarCampo(const char *campo, int ancho, char *claro) {
    Q_ASSERT(ancho <= longitudClave);
    // Eight bytes at a time; `campo` and `claro` may be the same place.
    int i = 0;
    for (; i + 8 <= ancho; i += 8) {
        quint64 bytes;
        quint64 bytesClave;
        std::memcpy(&bytes, campo + i, 8);
        std::memcpy(&bytesClave, clave.data() + i, 8);
        bytes ^= bytesClave;
        std::memcpy(claro + i, &bytes, 8);
    }
    for (; i < ancho; ++i)
        claro[i] = char(quint8(campo[i]) ^ clave[i]);
    return QByteArrayView(claro, ancho);
}

namespace {
// Where a scrambled field's text starts and ends once its spaces are left out: the
// spaces are recognised still scrambled, the trailing padding eight bytes at a time.
std::pair<int, int> sinRelleno(const quint8 *campo, int ancho) {
    int inicio = 0;
    int fin = ancho;
    while (inicio < fin && campo[inicio] == espacios[inicio])
        ++inicio;
    while (fin - inicio >= 8) {
        quint64 bytes;
        quint64 relleno;
        std::memcpy(&bytes, campo + fin - 8, 8);
        std::memcpy(&relleno, espacios.data() + fin - 8, 8);
        if (bytes != relleno) {
            if constexpr (std::endian::native == std::endian::little)
                fin -= std::countl_zero(bytes ^ relleno) / 8;
            break;
        }
        fin -= 8;
    }
    while (fin > inicio && campo[fin - 1] == espacios[fin - 1])
        --fin;
    return {inicio, fin};
}

// Unscrambles, strips spaces and decodes in one pass: a full address book has
// 131,068 fields, mostly padding. Returns the characters written into `destino`.
qsizetype descifrarTexto(const QByteArray &datos, qsizetype posicion, int ancho, QChar *destino) {
    Q_ASSERT(ancho <= longitudClave && posicion + ancho <= datos.size());
    const auto *campo = reinterpret_cast<const quint8 *>(datos.constData() + posicion);
    const auto [inicio, fin] = sinRelleno(campo, ancho);
    for (int i = inicio; i < fin; ++i)
        destino[i - inicio] = caracterAnsi(campo[i] ^ clave[i]);
    return fin - inicio;
}
} // namespace

QByteArrayView descifrarSinEspacios(const char *campo, int ancho, char *claro) {
    Q_ASSERT(ancho <= longitudClave);
    const auto [inicio, fin] = sinRelleno(reinterpret_cast<const quint8 *>(campo), ancho);
    for (int i = inicio; i < fin; ++i)
        claro[i] = char(quint8(campo[i]) ^ clave[i]);
    return QByteArrayView(claro + inicio, fin - inicio);
}

QString campoDescifrado(const QByteArray &datos, qsizetype posicion, int ancho) {
    QChar texto[longitudClave];
    return QString(texto, descifrarTexto(datos, posicion, ancho, texto));
}

QStringView campoDescifrado(const QByteArray &datos, qsizetype posicion, int ancho, QChar *destino) {
    return QStringView(destino, descifrarTexto(datos, posicion, ancho, destino));
}

void cifrarConfiguracion(Configuracion &registro) {
    for (QByteArray *campo : registro.camposTexto())
        *campo = cifrarTexto(*campo);
}

} // namespace Cifrado
