#include "addressbook/fuentes_importacion.h"

#include "common/campos.h"
#include "config/cifrado.h"

namespace Importacion {

namespace {
constexpr qsizetype tamanoAgenda1 = 34;
constexpr qsizetype tamanoContacto2 = 59;
constexpr qsizetype tamanoGrupo2 = 25;
constexpr qsizetype anchoNombre = 25;
constexpr qsizetype anchoTelefono = 9;

// The lines of a text, each without its break; a break at the very end opens no
// further line. CR LF counts as one break, a lone CR or LF as one each.
QStringList lineas(const QString &texto) {
    QStringList resultado;
    qsizetype inicio = 0;
    const qsizetype n = texto.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = texto.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        resultado.append(texto.mid(inicio, i - inicio));
        if (c == QLatin1Char('\r') && i + 1 < n && texto.at(i + 1) == QLatin1Char('\n'))
            ++i;
        inicio = i + 1;
    }
    if (inicio < n)
        resultado.append(texto.mid(inicio));
    return resultado;
}

// Bytes of a scrambled version 1.x field; those past the end of the file read as
// scrambled padding, so they come back as spaces.
QString campoAgenda1(const QByteArray &datos, qsizetype posicion, qsizetype ancho) {
    QByteArray campo = datos.mid(posicion, ancho);
    campo = Cifrado::cifrarTexto(campo);
    campo.append(ancho - campo.size(), ' ');
    return desdeAnsi(campo);
}
} // namespace

qsizetype registrosRedondeados(qsizetype longitud, qsizetype tamano) {
    const qsizetype enteros = longitud / tamano;
    const qsizetype resto = longitud % tamano;
    if (2 * resto > tamano || (2 * resto == tamano && enteros % 2 == 1))
        return enteros + 1;
    return enteros;
}

QList<Entrada> leerAgenda1(const QByteArray &datos) {
    const qsizetype n = registrosRedondeados(datos.size(), tamanoAgenda1);
    QList<Entrada> entradas;
    entradas.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype posicion = i * tamanoAgenda1;
        Entrada entrada;
        if (posicion + tamanoAgenda1 > datos.size())
            entrada.clase = Entrada::Clase::Incompleta;
        entrada.nombre = campoAgenda1(datos, posicion, anchoNombre);
        entrada.telefono = campoAgenda1(datos, posicion + anchoNombre, anchoTelefono);
        entradas.append(entrada);
    }
    return entradas;
}

QList<Entrada> leerTexto(const QByteArray &datos) {
    const QStringList todas = lineas(desdeAnsi(datos));
    QList<Entrada> entradas;
    entradas.reserve(todas.size() / 2);
    // The last line never starts a pair: it has no number after it.
    for (qsizetype i = 0; i + 1 < todas.size(); i += 2) {
        Entrada entrada;
        entrada.nombre = todas.at(i);
        if (!entrada.nombre.contains(QLatin1Char(':')))
            entrada.telefono = todas.at(i + 1);
        entradas.append(entrada);
    }
    return entradas;
}

QList<Entrada> leerAgenda2(const QByteArray &contactos, const QByteArray &grupos) {
    const qsizetype nGrupos = grupos.size() / tamanoGrupo2;
    const qsizetype nContactos = contactos.size() / tamanoContacto2;
    QList<Entrada> entradas;
    entradas.reserve(nGrupos + nContactos);
    for (qsizetype i = 0; i < nGrupos; ++i) {
        Entrada entrada;
        entrada.clase = Entrada::Clase::Grupo;
        entrada.nombre = desdeAnsi(grupos.mid(i * tamanoGrupo2, tamanoGrupo2));
        entradas.append(entrada);
    }
    for (qsizetype i = 0; i < nContactos; ++i) {
        const qsizetype posicion = i * tamanoContacto2;
        Entrada entrada;
        entrada.nombre = desdeAnsi(contactos.mid(posicion, anchoNombre));
        entrada.telefono = desdeAnsi(contactos.mid(posicion + anchoNombre, anchoTelefono));
        entrada.grupo = desdeAnsi(contactos.mid(posicion + anchoNombre + anchoTelefono, tamanoGrupo2));
        entradas.append(entrada);
    }
    return entradas;
}

} // namespace Importacion
