#include "addressbook/tabla_contactos.h"

#include "addressbook/fichero_agenda.h"
#include "addressbook/registros_agenda.h"
#include "common/campos.h"
#include "common/ficheros.h"
#include "common/numero.h"
#include "config/cifrado.h"

#include <QCollator>

#include <algorithm>
#include <limits>

QList<EntradaContacto> tablaContactos;

namespace {
// The user's language orders the lists; without one (the C locale compares plain
// code points, "Álvaro" after "Zoe") the program's own language, Spanish, does.
QLocale idiomaOrden() {
    const QLocale sistema = QLocale::system();
    return sistema.language() == QLocale::C ? QLocale(QLocale::Spanish, QLocale::Spain) : sistema;
}

// Sorts once by the locale's case-insensitive order; equal texts keep file order.
// Sort keys are computed once per item, so comparing stays cheap for long lists.
template <typename T, typename Texto> void ordenarSinMayusculas(QList<T> &elementos, Texto texto) {
    QCollator collator(idiomaOrden());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QList<std::pair<QCollatorSortKey, T>> claves;
    claves.reserve(elementos.size());
    for (T &elemento : elementos)
        claves.append({collator.sortKey(texto(elemento)), std::move(elemento)});
    std::stable_sort(claves.begin(), claves.end(),
                     [](const auto &a, const auto &b) { return a.first.compare(b.first) < 0; });
    for (qsizetype i = 0; i < claves.size(); ++i)
        elementos[i] = std::move(claves[i].second);
}

void leerContactos(DatosAgenda &datos) {
    QByteArray bytes;
    leerFichero(rutaContactos(), bytes);
    const qsizetype n = bytes.size() / ContactoAgenda::tamano;
    datos.contactos.reserve(n);
    datos.listaContactos.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        ContactoAgenda registro = ContactoAgenda::leer(bytes, i * ContactoAgenda::tamano);
        Cifrado::cifrarContacto(registro);
        const EntradaContacto entrada{textoCampo(registro.nombre), textoCampo(registro.prefijo),
                                      textoCampo(registro.telefono), textoCampo(registro.grupo),
                                      registro.envioReves == -1};
        datos.contactos.append(entrada);
        datos.listaContactos.append({entrada.nombre, numeroEntero(entrada.telefono), entrada.telefono});
    }
    ordenarSinMayusculas(datos.listaContactos, [](const ElementoContacto &e) { return e.texto; });
}

void leerGrupos(DatosAgenda &datos) {
    QByteArray bytes;
    leerFichero(rutaGrupos(), bytes);
    const qsizetype n = bytes.size() / GrupoAgenda::tamano;
    datos.listaGrupos.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        GrupoAgenda registro = GrupoAgenda::leer(bytes, i * GrupoAgenda::tamano);
        Cifrado::cifrarGrupo(registro);
        datos.listaGrupos.append(desdeAnsi(registro.nombre));
    }
    ordenarSinMayusculas(datos.listaGrupos, [](const QString &nombre) { return nombre; });
}
} // namespace

std::optional<qint32> numeroEntero(const QString &telefono) {
    if (!esNumeroValido(telefono))
        return std::nullopt;
    bool correcto = false;
    const qlonglong valor = telefono.toLongLong(&correcto);
    if (!correcto || valor < std::numeric_limits<qint32>::min() || valor > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(valor);
}

DatosAgenda leerDatosAgenda() {
    DatosAgenda datos;
    leerContactos(datos);
    leerGrupos(datos);
    return datos;
}
