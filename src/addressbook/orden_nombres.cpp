#include "addressbook/orden_nombres.h"

#include "addressbook/nombres_agenda.h"
#include "common/campos.h"

#include <QCollator>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>
#include <optional>
#include <vector>

QLocale idiomaOrden() {
    // The text order is the collation locale's (LC_COLLATE), which may differ from LANG.
    const QLocale sistema = QLocale::system().collation();
    return sistema.language() == QLocale::C ? QLocale(QLocale::Spanish, QLocale::Spain) : sistema;
}

namespace {

// A name decoded on the stack, for the collator.
class Decodificado {
public:
    explicit Decodificado(QByteArrayView bytes) : texto(bytes.size()) { desdeAnsi(bytes, texto.data()); }
    operator QStringView() const { return QStringView(texto.data(), texto.size()); }

private:
    QVarLengthArray<QChar, 64> texto;
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

// Letters from 0xC0 rank as their base letter, all but the Spanish ñ, a letter of its own.
constexpr bool acentuada(quint8 c) {
    return c >= 0xC0 && c != 0xD1 && c != 0xF1;
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
// Spanish collation's first level ranks its character (case and accents aside). For
// Spanish the guess is the collator's order, which the tests check against the ICU
// that Qt links; for other languages it is checked against the collator afterwards,
// so an error there costs time only.
class ClavesRapidas {
public:
    explicit ClavesRapidas(const NombresAgenda &nombres) : nombres(nombres), tabla(tablaRangos()) {}

    // One pass over the names: each one's key, its first `letras` ranks packed 7 bits
    // each above its index (comparing keys compares the names' starts, then file order),
    // and whether the key leaves anything to compare. False when a name holds a
    // character the quick order does not know.
    bool calcular(int letras, int bitsIndice) {
        const size_t n = size_t(nombres.size());
        claves = std::make_unique_for_overwrite<quint64[]>(n);
        pendientes = std::make_unique_for_overwrite<quint8[]>(n);
        for (size_t i = 0; i < n; ++i) {
            const QByteArrayView nombre = nombres.bytes(qsizetype(i));
            quint64 prefijo = 0;
            quint8 desconocido = 0, acento = 0;
            for (qsizetype k = 0; k < nombre.size(); ++k) {
                const quint8 c = quint8(nombre[k]);
                desconocido |= quint8(tabla[c] == 0);
                acento |= quint8(acentuada(c));
                if (k < letras)
                    prefijo = (prefijo << 7) | tabla[c];
            }
            if (desconocido)
                return false;
            if (nombre.size() < letras)
                prefijo <<= 7 * (letras - nombre.size());
            claves[i] = (prefijo << bitsIndice) | i;
            pendientes[i] = quint8(acento | (nombre.size() > letras ? 2 : 0));
        }
        return true;
    }
    quint64 *datosClaves() { return claves.get(); }
    quint64 clave(int i) const { return claves[size_t(i)]; }

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
    bool tieneAcentos(int i) const { return pendientes[size_t(i)] & 1; }
    // Whether two names of equal keys may still differ: a name longer than the prefix or with accents.
    bool pendiente(int i) const { return pendientes[size_t(i)] != 0; }

private:
    const NombresAgenda &nombres;
    const std::array<unsigned char, 256> &tabla;
    std::unique_ptr<quint64[]> claves;
    std::unique_ptr<quint8[]> pendientes;
};

// Whether two names differ in case alone, which the order ignores: A-Z and the
// accented capitals from 0xC0 fold to lower case; other bytes compare as they are.
bool mismasLetras(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size())
        return false;
    auto minuscula = [](quint8 c) {
        return quint8((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ? c + 0x20 : c);
    };
    for (qsizetype k = 0; k < a.size(); ++k)
        if (minuscula(quint8(a[k])) != minuscula(quint8(b[k])))
            return false;
    return true;
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

} // namespace

bool tablaDelIdioma(const QCollator &collator) {
    if (collator.locale().language() != QLocale::Spanish)
        return false;
    const std::array<unsigned char, 256> &tabla = tablaRangos();
    std::array<int, 256> representante;
    representante.fill(-1);
    for (int c = 0; c < 256; ++c) {
        const bool acento = acentuada(quint8(c));
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

QList<int> ordenSinMayusculas(const NombresAgenda &nombres) {
    const int n = int(nombres.size());
    QList<int> orden(n);
    std::iota(orden.begin(), orden.end(), 0);
    if (n < 2)
        return orden;
    // Opened only when needed: opening it loads ICU's collation data, dearer than
    // sorting a full address book.
    std::optional<QCollator> abierto;
    auto collator = [&abierto]() -> const QCollator & {
        if (!abierto) {
            abierto.emplace(idiomaOrden());
            abierto->setCaseSensitivity(Qt::CaseInsensitive);
        }
        return *abierto;
    };
    // Most names differ within their first few characters: those sort as integers,
    // and only runs of names that share a prefix are compared in full.
    int bitsIndice = 1;
    while ((quint64(1) << bitsIndice) < quint64(n))
        ++bitsIndice;
    const int letras = (64 - bitsIndice) / 7;
    ClavesRapidas rapidas(nombres);
    if (!rapidas.calcular(letras, bitsIndice))
        return ordenPorClaves(nombres, collator());
    std::sort(rapidas.datosClaves(), rapidas.datosClaves() + n); // keys hold their index: no ties
    const quint64 mascaraIndice = (quint64(1) << bitsIndice) - 1;
    for (int i = 0; i < n; ++i)
        orden[i] = int(rapidas.clave(i) & mascaraIndice);
    auto menor = [&](int a, int b) {
        const int primerNivel = rapidas.comparar(a, b);
        if (primerNivel != 0 || (!rapidas.tieneAcentos(a) && !rapidas.tieneAcentos(b)) ||
            mismasLetras(nombres.bytes(a), nombres.bytes(b)))
            return primerNivel < 0;
        return comparar(collator(), nombres, a, b) < 0;
    };
    for (int inicio = 0, fin = 0; inicio < n; inicio = fin) {
        const quint64 prefijo = rapidas.clave(inicio) >> bitsIndice;
        bool completo = true;
        for (fin = inicio; fin < n && rapidas.clave(fin) >> bitsIndice == prefijo; ++fin)
            completo = completo && !rapidas.pendiente(orden[fin]);
        if (fin - inicio > 1 && !completo)
            std::stable_sort(orden.begin() + inicio, orden.begin() + fin, menor);
    }
    // For Spanish the table is the collator's first level: the tests check it against the
    // collation data of the ICU that Qt links, whose major version its file name fixes.
    if (idiomaOrden().language() == QLocale::Spanish)
        return orden;
    return ordenExacto(nombres, orden, collator()) ? orden : ordenPorClaves(nombres, collator());
}
