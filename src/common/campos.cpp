#include "common/campos.h"

#include <QList>
#include <QtEndian>

QByteArray campoFijo(const QByteArray &valor, int ancho) {
    QByteArray campo = valor.left(ancho);
    if (campo.size() < ancho)
        campo.append(ancho - campo.size(), ' ');
    return campo;
}

QByteArray campoFijo(const QString &valor, int ancho) {
    QByteArray campo(ancho, Qt::Uninitialized);
    campoFijo(valor, campo.data(), ancho);
    return campo;
}

template <typename Texto, typename Caracter> static Texto recortar(const Texto &texto, Caracter espacio) {
    qsizetype inicio = 0;
    qsizetype fin = texto.size();
    while (inicio < fin && texto.at(inicio) == espacio)
        ++inicio;
    while (fin > inicio && texto.at(fin - 1) == espacio)
        --fin;
    return texto.mid(inicio, fin - inicio);
}

QString recortarEspacios(const QString &texto) {
    return recortar(texto, QLatin1Char(' '));
}
QByteArray recortarEspacios(const QByteArray &texto) {
    return recortar(texto, ' ');
}
QStringView sinEspacios(QStringView texto) {
    return recortar(texto, QLatin1Char(' '));
}

namespace {
// Windows-1252 codes 0x80 to 0x9F; the five codes the page leaves undefined map
// to the C1 control of the same value, so every byte survives a round trip.
constexpr char16_t tabla80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::array<char16_t, 256> construirTablaAnsi() {
    std::array<char16_t, 256> tabla{};
    for (int codigo = 0; codigo < 256; ++codigo)
        tabla[codigo] = (codigo >= 0x80 && codigo < 0xA0) ? tabla80[codigo - 0x80] : char16_t(codigo);
    return tabla;
}
} // namespace

extern constexpr std::array<char16_t, 256> tablaAnsi = construirTablaAnsi();

namespace {
char codigoAnsi(uint unicode) {
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return char(unicode);
    for (int i = 0; i < 32; ++i) {
        if (tabla80[i] == unicode)
            return char(0x80 + i);
    }
    return '?';
}

// Writes at most `maximo` bytes, one per character; returns how many.
qsizetype escribirAnsi(QStringView texto, char *destino, qsizetype maximo) {
    qsizetype escritos = 0;
    for (qsizetype i = 0; i < texto.size() && escritos < maximo; ++i) {
        const char16_t codigo = texto[i].unicode();
        if (codigo < 0x80) {
            destino[escritos++] = char(codigo);
            continue;
        }
        // A surrogate pair is one character, which the code page lacks: one '?'.
        if (texto[i].isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate())
            ++i;
        destino[escritos++] = codigoAnsi(texto[i].unicode());
    }
    return escritos;
}
} // namespace

QByteArray aAnsi(const QString &texto) {
    QByteArray bytes(texto.size(), Qt::Uninitialized);
    bytes.truncate(escribirAnsi(texto, bytes.data(), bytes.size()));
    return bytes;
}

void campoFijo(QStringView valor, char *destino, int ancho) {
    std::fill(destino + escribirAnsi(valor, destino, ancho), destino + ancho, ' ');
}

namespace {
QChar *escribirDesdeAnsi(const char *bytes, qsizetype tamano, QChar *destino) {
    for (qsizetype i = 0; i < tamano; ++i)
        *destino++ = caracterAnsi(quint8(bytes[i]));
    return destino;
}
} // namespace

QString desdeAnsi(QByteArrayView bytes) {
    QString texto(bytes.size(), Qt::Uninitialized);
    escribirDesdeAnsi(bytes.data(), bytes.size(), texto.data());
    return texto;
}

QStringView desdeAnsi(QByteArrayView bytes, QChar *destino) {
    return QStringView(destino, escribirDesdeAnsi(bytes.data(), bytes.size(), destino));
}

QByteArrayView sinEspacios(QByteArrayView campo) {
    qsizetype inicio = 0, fin = campo.size();
    while (inicio < fin && campo[inicio] == ' ')
        ++inicio;
    while (fin > inicio && campo[fin - 1] == ' ')
        --fin;
    return campo.sliced(inicio, fin - inicio);
}

QString textoCampo(const QByteArray &campo) {
    // Stripped before decoding: one allocation, the decoded text only.
    return desdeAnsi(sinEspacios(campo));
}

qint16 leerInt16(const QByteArray &datos, int posicion) {
    return qFromLittleEndian<qint16>(datos.constData() + posicion);
}

quint32 leerUInt32(const QByteArray &datos, int posicion) {
    return qFromLittleEndian<quint32>(datos.constData() + posicion);
}

void escribirInt16(QByteArray &datos, int posicion, qint16 valor) {
    qToLittleEndian<qint16>(valor, datos.data() + posicion);
}

void escribirUInt32(QByteArray &datos, int posicion, quint32 valor) {
    qToLittleEndian<quint32>(valor, datos.data() + posicion);
}
