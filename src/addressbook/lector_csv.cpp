#include "addressbook/lector_csv.h"

#include "addressbook/contactos_externos.h"

#include <QHash>
#include <QStringDecoder>

namespace Importacion {

namespace {
enum class Columna { Otra, Nombre, NombrePila, SegundoNombre, Apellidos, Telefono, TipoTelefono, Grupo };

bool esUna(const QString &cabecera, std::initializer_list<const char16_t *> nombres) {
    return std::any_of(nombres.begin(), nombres.end(), [&](const char16_t *nombre) {
        return cabecera.compare(QStringView(nombre), Qt::CaseInsensitive) == 0;
    });
}

bool contieneAlguna(const QString &cabecera, std::initializer_list<const char16_t *> palabras) {
    return std::any_of(palabras.begin(), palabras.end(), [&](const char16_t *palabra) {
        return cabecera.contains(QStringView(palabra), Qt::CaseInsensitive);
    });
}

Columna columna(const QString &cabecera) {
    if (esUna(cabecera, {u"name", u"display name", u"full name", u"nombre completo", u"nombre para mostrar",
                         u"nombre mostrado"}))
        return Columna::Nombre;
    if (esUna(cabecera, {u"first name", u"given name", u"nombre"}))
        return Columna::NombrePila;
    if (esUna(cabecera, {u"middle name", u"additional name", u"segundo nombre"}))
        return Columna::SegundoNombre;
    if (esUna(cabecera, {u"last name", u"family name", u"surname", u"apellidos", u"apellido"}))
        return Columna::Apellidos;
    if (esUna(cabecera, {u"group membership", u"labels", u"categories", u"categorías", u"categorias",
                         u"groups", u"grupos", u"grupo", u"etiquetas"}))
        return Columna::Grupo;
    const bool numero = contieneAlguna(cabecera, {u"phone", u"teléfono", u"telefono", u"fax", u"pager"}) ||
                        contieneAlguna(cabecera, {u"mobile", u"móvil", u"movil", u"buscapersonas"});
    // "Phonetic First Name" is a name's spelling, not a number.
    if (!numero || contieneAlguna(cabecera, {u"phonetic", u"fonétic"}))
        return Columna::Otra;
    return contieneAlguna(cabecera, {u" type", u" label", u"tipo", u"etiqueta"}) ? Columna::TipoTelefono
                                                                                 : Columna::Telefono;
}

QChar separadorDe(const QString &texto) {
    qsizetype cuentas[3] = {};
    const QChar candidatos[3] = {u',', u';', u'\t'};
    bool comillas = false;
    for (const QChar c : texto) {
        if (c == u'"')
            comillas = !comillas;
        else if (!comillas && (c == u'\n' || c == u'\r'))
            break;
        for (int i = 0; i < 3 && !comillas; ++i)
            cuentas[i] += c == candidatos[i];
    }
    return candidatos[std::max_element(cuentas, cuentas + 3) - cuentas];
}

QString decodificarCsv(const QByteArray &datos) {
    const std::optional<QStringConverter::Encoding> bom = QStringConverter::encodingForData(datos);
    if (bom && *bom != QStringConverter::Utf8)
        return QStringDecoder(*bom).decode(datos);
    return decodificarTexto(datos);
}

// "Phone 1 - Value" takes its kind from "Phone 1 - Type" (or "- Label"); other number
// columns from their own header (-1).
QList<qsizetype> columnasDelTipo(const QStringList &cabecera, const QList<Columna> &columnas) {
    const auto raiz = [&](qsizetype i) { return cabecera.at(i).section(u'-', 0, 0).trimmed().toLower(); };
    QHash<QString, qsizetype> tipos;
    for (qsizetype i = 0; i < cabecera.size(); ++i) {
        if (columnas.at(i) == Columna::TipoTelefono && !tipos.contains(raiz(i)))
            tipos.insert(raiz(i), i);
    }
    QList<qsizetype> resultado;
    for (qsizetype i = 0; i < cabecera.size(); ++i)
        resultado.append(columnas.at(i) == Columna::Telefono ? tipos.value(raiz(i), -1) : -1);
    return resultado;
}
} // namespace

QList<QStringList> filasCsv(const QString &texto, QChar separador) {
    QList<QStringList> filas;
    QStringList fila(1);
    bool comillas = false;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (comillas) {
            if (c != u'"')
                fila.last() += c;
            else if (i + 1 < texto.size() && texto.at(i + 1) == u'"')
                fila.last() += texto.at(++i);
            else
                comillas = false;
        } else if (c == u'"' && fila.last().isEmpty()) {
            comillas = true;
        } else if (c == separador) {
            fila.append(QString());
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < texto.size() && texto.at(i + 1) == u'\n')
                ++i;
            filas.append(fila);
            fila = QStringList(1);
        } else {
            fila.last() += c;
        }
    }
    if (fila.size() > 1 || !fila.first().isEmpty())
        filas.append(fila);
    return filas;
}

std::optional<QList<Entrada>> leerCsv(const QByteArray &datos) {
    const QString texto = decodificarCsv(datos);
    const QList<QStringList> filas = filasCsv(texto, separadorDe(texto));
    const QStringList cabecera = filas.isEmpty() ? QStringList() : filas.first();
    QList<Columna> columnas;
    for (const QString &nombre : cabecera)
        columnas.append(columna(nombre.trimmed()));
    const bool conNombre = columnas.contains(Columna::Nombre) || columnas.contains(Columna::NombrePila) ||
                           columnas.contains(Columna::Apellidos);
    if (!conNombre || !columnas.contains(Columna::Telefono))
        return std::nullopt;
    const QList<qsizetype> tipos = columnasDelTipo(cabecera, columnas);
    QList<Entrada> entradas;
    for (qsizetype f = 1; f < filas.size(); ++f) {
        const QStringList &fila = filas.at(f);
        if (fila.join(QString()).trimmed().isEmpty())
            continue;
        QString completo;
        QStringList partes[3]; // first, middle and last names, in the row's order
        QList<TelefonoLeido> telefonos;
        QStringList grupos;
        // A short row leaves the columns after its last field empty.
        for (qsizetype c = 0; c < qMin(cabecera.size(), fila.size()); ++c) {
            const QString valor = fila.at(c).trimmed();
            switch (columnas.at(c)) {
            case Columna::Nombre:
                completo = completo.isEmpty() ? valor : completo;
                break;
            case Columna::NombrePila:
            case Columna::SegundoNombre:
            case Columna::Apellidos:
                partes[int(columnas.at(c)) - int(Columna::NombrePila)].append(valor);
                break;
            case Columna::Telefono: {
                const qsizetype tipo = tipos.at(c);
                const QString palabra = tipo < 0 ? cabecera.at(c) : fila.value(tipo);
                for (const QString &numero : valor.split(QStringLiteral(":::")))
                    telefonos.append({numero.trimmed(), palabra});
                break;
            }
            case Columna::Grupo:
                for (const QString &trozo : valor.split(QStringLiteral(":::")))
                    grupos += trozo.split(u';');
                break;
            case Columna::TipoTelefono:
            case Columna::Otra:
                break;
            }
        }
        if (completo.isEmpty())
            completo = (partes[0] + partes[1] + partes[2]).join(u' ').simplified();
        anadirTelefonos(entradas, completo, primerGrupo(grupos), telefonos);
    }
    return entradas;
}

} // namespace Importacion
