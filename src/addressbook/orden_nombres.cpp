#include "addressbook/orden_nombres.h"

#include "addressbook/nombres_agenda.h"
#include "common/campos.h"

#include <QCollator>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <vector>

QLocale idiomaOrden() {
    const QLocale sistema = QLocale::system();
    return sistema.language() == QLocale::C ? QLocale(QLocale::Spanish, QLocale::Spain) : sistema;
}

namespace {

// A name decoded on the stack, for the collator.
class Decodificado {
public:
    explicit Decodificado(QByteArrayView bytes)
        : texto(bytes.size()), vista(desdeAnsi(bytes, texto.data())) {}
    operator QStringView() const { return vista; }

private:
    QVarLengthArray<QChar, 64> texto;
    QStringView vista;
};

int comparar(const QCollator &collator, const NombresAgenda &nombres, int a, int b) {
    return collator.compare(Decodificado(nombres.bytes(a)), Decodificado(nombres.bytes(b)));
}

// The collator's own keys: exact for any text, but a few microseconds per name.
QList<int> ordenPorClaves(const NombresAgenda &nombres, const QCollator &collator) {
    std::vector<QCollatorSortKey> claves;
    claves.reserve(size_t(nombres.size()));
    for (qsizetype i = 0; i < nombres.size(); ++i)
        claves.push_back(collator.sortKey(nombres.texto(i)));
    QList<int> orden(nombres.size());
    std::iota(orden.begin(), orden.end(), 0);
    std::stable_sort(orden.begin(), orden.end(),
                     [&](int a, int b) { return claves[size_t(a)].compare(claves[size_t(b)]) < 0; });
    return orden;
}

// The rank of each Windows-1252 byte: space, then punctuation, digits and letters, as
// the collation ranks them at its first level; 0 for characters the quick order does not know.
const std::array<unsigned char, 256> &tablaRangos() {
    static const std::array<unsigned char, 256> rangos = [] {
        static const char orden[] = " _-,;:!?.'\"()[]{}@*/\\&#%`^+<=>|~$0123456789abcdefghijklmn";
        static const char resto[] = "opqrstuvwxyz";
        // Letters from 0xC0: their base letter ('\x01' for the Spanish ñ), 0 where unknown.
        static const char base[] = "aaaaaa\0ceeeeiiii\0\x01ooooo\0\0uuuuy\0\0";
        std::array<unsigned char, 256> tabla{};
        unsigned char siguiente = 1;
        for (const char *c = orden; *c; ++c)
            tabla[quint8(*c)] = siguiente++;
        const unsigned char enie = siguiente++;
        for (const char *c = resto; *c; ++c)
            tabla[quint8(*c)] = siguiente++;
        for (int c = 'A'; c <= 'Z'; ++c)
            tabla[c] = tabla[c - 'A' + 'a'];
        for (int c = 0xC0; c <= 0xFF; ++c) {
            const char letra = c == 0xFF ? 'y' : base[(c - 0xC0) % 32];
            tabla[c] = letra == '\x01' ? enie : letra ? tabla[quint8(letra)] : 0;
        }
        return tabla;
    }();
    return rangos;
}

// A quick guess at the collator's order for the usual names: each byte ranked as the
// Spanish collation's first level ranks its character (case and accents aside). The
// guess is checked against the collator afterwards, so an error costs time only.
class ClavesRapidas {
public:
    explicit ClavesRapidas(const NombresAgenda &nombres) : nombres(nombres), tabla(tablaRangos()) {}

    // False when a name holds a character the quick order does not know.
    bool conocidas() const {
        for (qsizetype i = 0; i < nombres.size(); ++i) {
            for (char c : nombres.bytes(i)) {
                if (tabla[quint8(c)] == 0)
                    return false;
            }
        }
        return true;
    }

    // -1, 0 or 1 by the first level; 0 also when a name has accents, which the caller settles.
    int comparar(int a, int b) const {
        const QByteArrayView na = nombres.bytes(a), nb = nombres.bytes(b);
        const qsizetype comun = std::min(na.size(), nb.size());
        for (qsizetype k = 0; k < comun; ++k) {
            const unsigned char ra = tabla[quint8(na[k])], rb = tabla[quint8(nb[k])];
            if (ra != rb)
                return ra < rb ? -1 : 1;
        }
        return na.size() < nb.size() ? -1 : na.size() > nb.size() ? 1 : 0;
    }
    // Accented letters rank as their base letter; the collator settles the rest.
    bool tieneAcentos(int i) const {
        const QByteArrayView nombre = nombres.bytes(i);
        return std::any_of(nombre.begin(), nombre.end(), [](char c) {
            const quint8 u = quint8(c);
            return u >= 0xC0 && u != 0xD1 && u != 0xF1;
        });
    }

    // The first `letras` ranks packed 7 bits each, zeros after a shorter name: comparing
    // two of these compares the names' starts as comparar() does.
    quint64 prefijo(int i, int letras) const {
        const QByteArrayView nombre = nombres.bytes(i);
        quint64 clave = 0;
        for (int k = 0; k < letras; ++k)
            clave = (clave << 7) | (k < nombre.size() ? tabla[quint8(nombre[k])] : 0);
        return clave;
    }
    // Whether the prefix holds the whole name, so equal prefixes mean equal first levels.
    bool cabeEnPrefijo(int i, int letras) const { return nombres.bytes(i).size() <= letras; }

private:
    const NombresAgenda &nombres;
    const std::array<unsigned char, 256> &tabla;
};

// Sorts plain integers by a stable byte-wise radix sort, several times cheaper than
// comparing pairs.
void ordenarEnteros(std::vector<quint64> &claves) {
    std::vector<quint64> auxiliar(claves.size());
    for (int desplazamiento = 0; desplazamiento < 64; desplazamiento += 8) {
        std::array<size_t, 257> posiciones{};
        for (quint64 clave : claves)
            ++posiciones[((clave >> desplazamiento) & 0xFF) + 1];
        // A byte all keys share leaves the order as it is.
        if (std::find(posiciones.begin(), posiciones.end(), claves.size()) != posiciones.end())
            continue;
        std::partial_sum(posiciones.begin(), posiciones.end(), posiciones.begin());
        for (quint64 clave : claves)
            auxiliar[posiciones[(clave >> desplazamiento) & 0xFF]++] = clave;
        claves.swap(auxiliar);
    }
}

// Whether `orden` is the collator's order with equal names in their original order:
// checking the neighbours suffices, since equal names stand together in a sorted list.
bool ordenExacto(const NombresAgenda &nombres, const QList<int> &orden, const QCollator &collator) {
    for (qsizetype i = 1; i < orden.size(); ++i) {
        const int anterior = orden.at(i - 1), actual = orden.at(i);
        const int resultado = comparar(collator, nombres, anterior, actual);
        if (resultado > 0 || (resultado == 0 && anterior > actual))
            return false;
    }
    return true;
}

// Whether the collator ranks the table's characters one by one as the table does: its
// letters in the table's order, case apart. The Spanish collation joins no letters
// (no "ch" or "ll" as one) and splits none, so for it this makes the table's order of
// whole names the collator's first level; other languages may join letters (Danish
// "aa", Czech "ch") and are checked name by name.
bool tablaDelIdioma(const QCollator &collator) {
    if (collator.locale().language() != QLocale::Spanish)
        return false;
    const std::array<unsigned char, 256> &tabla = tablaRangos();
    std::array<int, 256> representante;
    representante.fill(-1);
    for (int c = 0; c < 256; ++c) {
        const bool acento = c >= 0xC0 && c != 0xD1 && c != 0xF1;
        if (tabla[c] == 0 || acento)
            continue;
        char16_t caracter[1] = {char16_t(c)};
        const QStringView este(caracter, 1);
        int &primero = representante[tabla[c]];
        if (primero >= 0) {
            char16_t otro[1] = {char16_t(primero)};
            if (collator.compare(QStringView(otro, 1), este) != 0)
                return false;
        } else {
            primero = c;
        }
    }
    for (int rango = 1, anterior = -1; rango < 256; ++rango) {
        if (representante[rango] < 0)
            continue;
        if (anterior >= 0) {
            char16_t a[1] = {char16_t(anterior)}, b[1] = {char16_t(representante[rango])};
            if (collator.compare(QStringView(a, 1), QStringView(b, 1)) >= 0)
                return false;
        }
        anterior = representante[rango];
    }
    return true;
}
} // namespace

QList<int> ordenSinMayusculas(const NombresAgenda &nombres) {
    const int n = int(nombres.size());
    QList<int> orden(n);
    std::iota(orden.begin(), orden.end(), 0);
    if (n < 2)
        return orden; // the collator's start-up is not worth paying for
    QCollator collator(idiomaOrden());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const ClavesRapidas rapidas(nombres);
    if (!rapidas.conocidas())
        return ordenPorClaves(nombres, collator);
    // Most names differ within their first few characters: those sort as integers
    // holding the prefix above the index (so equal prefixes keep file order), and
    // only runs that share a prefix are compared in full.
    int bitsIndice = 1;
    while ((quint64(1) << bitsIndice) < quint64(n))
        ++bitsIndice;
    const int letras = (64 - bitsIndice) / 7;
    const quint64 mascaraIndice = (quint64(1) << bitsIndice) - 1;
    std::vector<quint64> claves(size_t(n), 0);
    for (int i = 0; i < n; ++i)
        claves[size_t(i)] = (rapidas.prefijo(i, letras) << bitsIndice) | quint64(i);
    ordenarEnteros(claves);
    for (int i = 0; i < n; ++i)
        orden[i] = int(claves[size_t(i)] & mascaraIndice);
    auto menor = [&](int a, int b) {
        const int primerNivel = rapidas.comparar(a, b);
        if (primerNivel != 0 || (!rapidas.tieneAcentos(a) && !rapidas.tieneAcentos(b)))
            return primerNivel < 0;
        return comparar(collator, nombres, a, b) < 0;
    };
    for (int inicio = 0, fin = 0; inicio < n; inicio = fin) {
        const quint64 prefijo = claves[size_t(inicio)] >> bitsIndice;
        bool completo = true;
        for (fin = inicio; fin < n && claves[size_t(fin)] >> bitsIndice == prefijo; ++fin)
            completo =
                completo && rapidas.cabeEnPrefijo(orden[fin], letras) && !rapidas.tieneAcentos(orden[fin]);
        if (fin - inicio > 1 && !completo)
            std::stable_sort(orden.begin() + inicio, orden.begin() + fin, menor);
    }
    return tablaDelIdioma(collator) || ordenExacto(nombres, orden, collator)
               ? orden
               : ordenPorClaves(nombres, collator);
}
