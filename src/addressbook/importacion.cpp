#include "addressbook/importacion.h"

#include "addressbook/ajuste_campo.h"
#include "addressbook/arbol_agenda.h"
#include "addressbook/clave_contacto.h"
#include "addressbook/lector_csv.h"
#include "addressbook/lector_vcard.h"
#include "addressbook/numero_internacional.h"
#include "common/campos.h"
#include "common/ficheros.h"
#include "common/numero.h"

#include <QDir>

namespace Importacion {

namespace {
const QString prefijoImportado = QStringLiteral("34");
const QChar separador = QLatin1Char(':');

QString lineaSeparador(const QString &nombre) {
    return QStringLiteral("No puede utilizar el signo ':' en el nombre: ") + nombre;
}
QString lineaNumeroIncorrecto(const QString &telefono) {
    return QStringLiteral("El número de teléfono especificado es incorrecto: ") + telefono;
}
QString lineaDuplicada(const QString &nombre) {
    return QStringLiteral("Ya existe una entrada con el nombre ") + nombre;
}

// Adds a contact with no reverse order under `grupo`.
QString anadirContacto(ArbolAgenda &arbol, const QString &grupo, const QString &nombre,
                       const QString &telefono, const QString &nombreEnLog,
                       const QString &prefijo = prefijoImportado) {
    const ClaveContacto partes{nombre, prefijo, telefono, false};
    const QString clave = partes.clave();
    if (arbol.existeClave(clave))
        return lineaDuplicada(nombre);
    if (!arbol.anadirContacto(grupo, clave).isValid())
        return QStringLiteral("No existe el grupo '%1' para la entrada: %2").arg(grupo, nombre);
    return QStringLiteral("Se ha importado la entrada: ") + nombreEnLog;
}

QString importarAgenda1(ArbolAgenda &arbol, const Entrada &entrada) {
    const QString nombre = recortarEspacios(entrada.nombre);
    if (entrada.clase == Entrada::Clase::Incompleta)
        return QStringLiteral("La entrada está incompleta en el fichero: ") + nombre;
    if (nombre.isEmpty())
        return QString();
    if (nombre.contains(separador))
        return lineaSeparador(nombre);
    const QString telefono = recortarEspacios(entrada.telefono);
    if (!esNumeroValido(telefono))
        return lineaNumeroIncorrecto(telefono);
    return anadirContacto(arbol, ArbolAgenda::grupoNinguno(), nombre, telefono, nombre);
}

QString importarTexto(ArbolAgenda &arbol, const Entrada &entrada) {
    const QString nombre = recortarEspacios(entrada.nombre);
    if (nombre.contains(separador))
        return lineaSeparador(nombre);
    const QString telefono = recortarEspacios(entrada.telefono);
    if (nombre.isEmpty() || telefono.isEmpty())
        return QString();
    if (!esNumeroValido(telefono))
        return QStringLiteral("El número de telefono %1 no es válido").arg(entrada.telefono);
    return anadirContacto(arbol, ArbolAgenda::grupoNinguno(), nombre, telefono, entrada.nombre);
}

// Version 2.x entries go in unchecked, except for a ":" that would make the
// contact's key split wrongly when the address book is saved.
QString importarAgenda2(ArbolAgenda &arbol, const Entrada &entrada) {
    const QString nombre = recortarEspacios(entrada.nombre);
    if (entrada.clase == Entrada::Clase::Grupo) {
        if (nombre == ArbolAgenda::grupoNinguno() || arbol.anadirGrupo(nombre, nombre).isValid())
            return QString();
        return lineaDuplicada(nombre);
    }
    const QString telefono = recortarEspacios(entrada.telefono);
    if (nombre.contains(separador))
        return lineaSeparador(nombre);
    if (telefono.contains(separador))
        return lineaNumeroIncorrecto(telefono);
    return anadirContacto(arbol, recortarEspacios(entrada.grupo), nombre, telefono, entrada.nombre);
}

// A contact of a phone or a webmail. Its number may be in international form, its
// group is made when the book lacks it, and the log says when a field was cut or a
// character replaced to fit the files.
QString importarContactoExterno(ArbolAgenda &arbol, const Entrada &entrada) {
    constexpr int ancho = 25;
    const CampoAjustado nombre = ajustarCampo(entrada.nombre, ancho, entrada.sufijo);
    const bool sinNumero = entrada.telefono.trimmed().isEmpty();
    if (ajustarCampo(entrada.nombre, ancho).texto.isEmpty())
        return sinNumero ? QString() : QStringLiteral("La entrada no tiene nombre: ") + entrada.telefono;
    if (sinNumero)
        return QStringLiteral("La entrada no tiene número de teléfono: ") + nombre.texto;
    if (nombre.texto.contains(separador))
        return lineaSeparador(nombre.texto);
    const NumeroImportado numero = normalizarNumero(entrada.telefono);
    if (!numero.valido)
        return QStringLiteral("El número de telefono %1 no es válido").arg(entrada.telefono);
    const CampoAjustado grupo =
        ajustarCampo(entrada.grupo.trimmed().isEmpty() ? ArbolAgenda::grupoNinguno() : entrada.grupo, ancho);
    // A group is made only for a contact that goes in.
    if (!arbol.existeClave(ClaveContacto{nombre.texto, numero.prefijo, numero.telefono, false}.clave()) &&
        !arbol.existeClave(grupo.texto))
        arbol.anadirGrupo(grupo.texto, grupo.texto);
    const QString notas =
        nombre.nota(QStringLiteral("nombre"), ancho) + grupo.nota(QStringLiteral("grupo"), ancho);
    return anadirContacto(arbol, grupo.texto, nombre.texto, numero.telefono, nombre.texto + notas,
                          numero.prefijo);
}

// A file of `carpeta` named `nombre`, matched without regard to letter case when
// there is no exact match (books of version 2.x come from systems that ignore it).
QString buscarFichero(const QString &carpeta, const QString &nombre) {
    const QDir dir(carpeta);
    if (dir.exists(nombre))
        return dir.filePath(nombre);
    const QStringList parecidos = dir.entryList({nombre}, QDir::Files); // name filters ignore case
    return dir.filePath(parecidos.isEmpty() ? nombre : parecidos.first());
}

QString lineaIlegible(const QString &ruta) {
    return QStringLiteral("No se ha podido leer el fichero ") + QDir::toNativeSeparators(ruta);
}

void leerContactosExternos(Tipo tipo, const QByteArray &datos, Fuente &fuente) {
    if (tipo == Tipo::VCard) {
        fuente.entradas = leerVCard(datos);
        if (fuente.entradas.isEmpty())
            fuente.error = QStringLiteral("El fichero no contiene ninguna tarjeta vCard: no se importa nada");
        return;
    }
    const std::optional<QList<Entrada>> filas = leerCsv(datos);
    if (filas)
        fuente.entradas = *filas;
    else
        fuente.error = QStringLiteral("El fichero no tiene columnas de nombre y de teléfono reconocibles: "
                                      "no se importa nada");
}
} // namespace

Fuente leerFuente(Tipo tipo, const QString &ruta) {
    Fuente fuente;
    QByteArray datos;
    if (tipo != Tipo::Agenda2) {
        if (!leerFichero(ruta, datos))
            fuente.error = lineaIlegible(ruta);
        else if (tipo == Tipo::VCard || tipo == Tipo::Csv)
            leerContactosExternos(tipo, datos, fuente);
        else
            fuente.entradas = tipo == Tipo::Agenda1 ? leerAgenda1(datos) : leerTexto(datos);
        return fuente;
    }
    const QString contactos = buscarFichero(ruta, QStringLiteral("contactos.lst"));
    if (!leerFichero(contactos, datos)) {
        fuente.error = lineaIlegible(contactos);
        return fuente;
    }
    QByteArray grupos;
    leerFichero(buscarFichero(ruta, QStringLiteral("grupos.lst")), grupos);
    fuente.entradas = leerAgenda2(datos, grupos);
    return fuente;
}

QString importarEntrada(ArbolAgenda &arbol, Tipo tipo, const Entrada &entrada) {
    switch (tipo) {
    case Tipo::Agenda1:
        return importarAgenda1(arbol, entrada);
    case Tipo::Texto:
        return importarTexto(arbol, entrada);
    case Tipo::Agenda2:
        return importarAgenda2(arbol, entrada);
    case Tipo::VCard:
    case Tipo::Csv:
        return importarContactoExterno(arbol, entrada);
    }
    return QString();
}

Importador::Importador(ArbolAgenda &arbol, Tipo tipo, QList<Entrada> entradas)
    : arbol(arbol), tipo(tipo), entradas(std::move(entradas)) {
    if (tipo != Tipo::Agenda2 || arbol.numeroNodos() > 0)
        return;
    const bool hayGrupos = std::any_of(this->entradas.cbegin(), this->entradas.cend(),
                                       [](const Entrada &e) { return e.clase == Entrada::Clase::Grupo; });
    if (!hayGrupos)
        arbol.anadirGrupo(ArbolAgenda::grupoNinguno(), ArbolAgenda::grupoNinguno());
}

QStringList Importador::procesar(qsizetype cuantas) {
    QStringList lineas;
    const qsizetype fin = qMin(entradas.size(), siguiente + cuantas);
    for (; siguiente < fin; ++siguiente) {
        const QString linea = importarEntrada(arbol, tipo, entradas.at(siguiente));
        if (!linea.isEmpty())
            lineas.append(linea);
    }
    return lineas;
}

} // namespace Importacion
