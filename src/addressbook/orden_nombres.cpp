#include "addressbook/orden_nombres.h"

#include <QCollator>

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

namespace {
// The user's language orders the lists; without one (the C locale compares plain
// code points, "Álvaro" after "Zoe") the program's own language, Spanish, does.
QLocale idiomaOrden() {
    const QLocale sistema = QLocale::system();
    return sistema.language() == QLocale::C ? QLocale(QLocale::Spanish, QLocale::Spain) : sistema;
}

// The collator's own keys: exact for any text, but a few microseconds per name.
QList<int> ordenPorClaves(const QStringList &textos, const QCollator &collator) {
    std::vector<QCollatorSortKey> claves;
    claves.reserve(size_t(textos.size()));
    for (const QString &texto : textos)
        claves.push_back(collator.sortKey(texto));
    QList<int> orden(textos.size());
    std::iota(orden.begin(), orden.end(), 0);
    std::stable_sort(orden.begin(), orden.end(),
                     [&](int a, int b) { return claves[size_t(a)].compare(claves[size_t(b)]) < 0; });
    return orden;
}

// The rank of each Latin-1 character: space, then punctuation, digits and letters, as
// the collation ranks them at its first level; 0 for characters the quick order does not know.
const std::array<unsigned char, 256> &tablaRangos() {
    static const std::array<unsigned char, 256> rangos = [] {
        static const char orden[] = " _-,;:!?.'\"()[]{}@*/\\&#%`^+<=>|~$0123456789abcdefghijklmn";
        static const char resto[] = "opqrstuvwxyz";
        // Latin-1 letters from U+00C0: their base letter ('\x01' for the Spanish ñ), 0 where unknown.
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

// A quick guess at the collator's order for the usual names: one byte per character
// that ranks it as the Spanish collation's first level does (case and accents aside).
// The guess is checked against the collator afterwards, so an error costs time only.
class ClavesRapidas {
public:
    // False when a text holds a character the quick order does not know.
    bool calcular(const QStringList &textos) {
        const std::array<unsigned char, 256> &tabla = tablaRangos();
        size_t total = 0;
        for (const QString &texto : textos)
            total += size_t(texto.size());
        rangos.resize(total);
        inicios.reserve(size_t(textos.size()) + 1);
        acentos.reserve(size_t(textos.size()));
        unsigned char *destino = rangos.data();
        for (const QString &texto : textos) {
            inicios.push_back(size_t(destino - rangos.data()));
            bool acento = false;
            for (QChar c : texto) {
                const char16_t u = c.unicode();
                if (u > 0xFF || tabla[u] == 0)
                    return false;
                // Accented letters rank as their base letter; the collator settles the rest.
                acento = acento || (u >= 0xC0 && u != 0xD1 && u != 0xF1);
                *destino++ = tabla[u];
            }
            acentos.push_back(acento);
        }
        inicios.push_back(total);
        return true;
    }

    // -1, 0 or 1 by the first level; 0 also when a text has accents, which the caller settles.
    int comparar(int a, int b) const {
        const auto *pa = rangos.data() + inicios[size_t(a)], *fa = rangos.data() + inicios[size_t(a) + 1];
        const auto *pb = rangos.data() + inicios[size_t(b)], *fb = rangos.data() + inicios[size_t(b) + 1];
        const auto diferencia = std::mismatch(pa, fa, pb, fb);
        if (diferencia.first != fa && diferencia.second != fb)
            return *diferencia.first < *diferencia.second ? -1 : 1;
        return (fa - pa) < (fb - pb) ? -1 : (fa - pa) > (fb - pb) ? 1 : 0;
    }
    bool tieneAcentos(int i) const { return acentos[size_t(i)]; }

    // The first nine ranks packed in 63 bits, zeros after a shorter text: comparing
    // two of these compares the texts' starts as comparar() does.
    quint64 prefijo(int i) const {
        quint64 clave = 0;
        const size_t inicio = inicios[size_t(i)], fin = inicios[size_t(i) + 1];
        for (size_t k = 0; k < letrasPrefijo; ++k)
            clave = (clave << 7) | (inicio + k < fin ? rangos[inicio + k] : 0);
        return clave;
    }
    // Whether the prefix holds the whole text, so equal prefixes mean equal first levels.
    bool cabeEnPrefijo(int i) const { return inicios[size_t(i) + 1] - inicios[size_t(i)] <= letrasPrefijo; }
    static constexpr size_t letrasPrefijo = 9;

private:
    std::vector<unsigned char> rangos;
    std::vector<size_t> inicios;
    std::vector<bool> acentos;
};

// Sorts by prefix, equal prefixes in index order: a stable byte-wise radix sort,
// several times cheaper than comparing pairs, since the keys are plain integers.
void ordenarPorPrefijo(std::vector<std::pair<quint64, int>> &prefijos) {
    std::vector<std::pair<quint64, int>> auxiliar(prefijos.size());
    for (int desplazamiento = 0; desplazamiento < 64; desplazamiento += 8) {
        std::array<size_t, 257> posiciones{};
        for (const auto &prefijo : prefijos)
            ++posiciones[((prefijo.first >> desplazamiento) & 0xFF) + 1];
        // A byte all keys share leaves the order as it is.
        if (std::find(posiciones.begin(), posiciones.end(), prefijos.size()) != posiciones.end())
            continue;
        std::partial_sum(posiciones.begin(), posiciones.end(), posiciones.begin());
        for (const auto &prefijo : prefijos)
            auxiliar[posiciones[(prefijo.first >> desplazamiento) & 0xFF]++] = prefijo;
        prefijos.swap(auxiliar);
    }
}

// Whether `orden` is the collator's order with equal texts in their original order:
// checking the neighbours suffices, since equal texts stand together in a sorted list.
bool ordenExacto(const QStringList &textos, const QList<int> &orden, const QCollator &collator) {
    for (qsizetype i = 1; i < orden.size(); ++i) {
        const int resultado = collator.compare(textos.at(orden.at(i - 1)), textos.at(orden.at(i)));
        if (resultado > 0 || (resultado == 0 && orden.at(i - 1) > orden.at(i)))
            return false;
    }
    return true;
}
} // namespace

QList<int> ordenSinMayusculas(const QStringList &textos) {
    QList<int> orden(textos.size());
    std::iota(orden.begin(), orden.end(), 0);
    if (textos.size() < 2)
        return orden; // the collator's start-up is not worth paying for
    QCollator collator(idiomaOrden());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    ClavesRapidas rapidas;
    if (!rapidas.calcular(textos))
        return ordenPorClaves(textos, collator);
    // Most names differ within their first nine characters: those sort as integers,
    // the index breaking ties keeps file order, and only runs that share a prefix
    // are compared in full.
    std::vector<std::pair<quint64, int>> prefijos;
    prefijos.reserve(size_t(textos.size()));
    for (int i = 0; i < textos.size(); ++i)
        prefijos.emplace_back(rapidas.prefijo(i), i);
    ordenarPorPrefijo(prefijos);
    for (size_t i = 0; i < prefijos.size(); ++i)
        orden[qsizetype(i)] = prefijos[i].second;
    auto menor = [&](int a, int b) {
        const int primerNivel = rapidas.comparar(a, b);
        if (primerNivel != 0 || (!rapidas.tieneAcentos(a) && !rapidas.tieneAcentos(b)))
            return primerNivel < 0;
        return collator.compare(textos.at(a), textos.at(b)) < 0;
    };
    for (size_t inicio = 0, fin = 0; inicio < prefijos.size(); inicio = fin) {
        bool completo = true;
        for (fin = inicio; fin < prefijos.size() && prefijos[fin].first == prefijos[inicio].first; ++fin)
            completo = completo && rapidas.cabeEnPrefijo(prefijos[fin].second) &&
                       !rapidas.tieneAcentos(prefijos[fin].second);
        if (fin - inicio > 1 && !completo)
            std::stable_sort(orden.begin() + qsizetype(inicio), orden.begin() + qsizetype(fin), menor);
    }
    return ordenExacto(textos, orden, collator) ? orden : ordenPorClaves(textos, collator);
}
