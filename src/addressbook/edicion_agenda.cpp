#include "addressbook/edicion_agenda.h"

#include "addressbook/arbol_agenda.h"
#include "addressbook/clave_contacto.h"
#include "common/campos.h"
#include "common/numero.h"

namespace EdicionAgenda {

namespace {
const QString entradaRepetida = QStringLiteral("Ya existe una entrada con ese nombre");
const QString sinNombre = QStringLiteral("Debe escribir un nombre para poder añadirlo");
const QString grupoInexistente = QStringLiteral("El grupo especificado no existe");

ClaveContacto partes(const Ficha &ficha) {
    return {recortarEspacios(ficha.nombre), recortarEspacios(ficha.prefijo), recortarEspacios(ficha.telefono),
            ficha.envioReves};
}
} // namespace

QString validar(const Ficha &ficha) {
    if (recortarEspacios(ficha.nombre).isEmpty())
        return sinNombre;
    if (ficha.nombre.contains(QLatin1Char(':')))
        return QStringLiteral("No puede utilizar el signo ':' en el nombre");
    if (!esNumeroValido(recortarEspacios(ficha.telefono)))
        return QStringLiteral("El número de teléfono especificado es incorrecto");
    // The prefix is part of the contact's key, which is split at its colons.
    if (ficha.prefijo.contains(QLatin1Char(':')))
        return QStringLiteral("No puede utilizar el signo ':' en el prefijo");
    return QString();
}

QModelIndex grupoDe(const ArbolAgenda &arbol, const QString &textoGrupo) {
    QString nombre = recortarEspacios(textoGrupo);
    if (nombre.isEmpty())
        nombre = ArbolAgenda::grupoNinguno();
    const QModelIndex porClave = arbol.buscar(nombre);
    if (porClave.isValid())
        return arbol.tipo(porClave) == ArbolAgenda::Tipo::Grupo ? porClave : QModelIndex();
    // A renamed group keeps its key; the user may type its new name.
    for (int fila = 0; fila < arbol.rowCount(); ++fila) {
        const QModelIndex grupo = arbol.index(fila, 0);
        if (recortarEspacios(arbol.texto(grupo)) == nombre)
            return grupo;
    }
    return QModelIndex();
}

Resultado anadirContacto(ArbolAgenda &arbol, const Ficha &ficha) {
    const QModelIndex grupo = grupoDe(arbol, ficha.grupo);
    if (!grupo.isValid())
        return {QModelIndex(), grupoInexistente};
    const QModelIndex nodo = arbol.anadirContacto(arbol.clave(grupo), partes(ficha).clave());
    return {nodo, nodo.isValid() ? QString() : entradaRepetida};
}

Resultado reemplazarContacto(ArbolAgenda &arbol, const QModelIndex &contacto, const Ficha &ficha) {
    const QString claveNueva = partes(ficha).clave();
    if (claveNueva != arbol.clave(contacto) && arbol.existeClave(claveNueva))
        return {QModelIndex(), entradaRepetida};
    if (!grupoDe(arbol, ficha.grupo).isValid())
        return {QModelIndex(), grupoInexistente};
    arbol.borrar(contacto);
    return anadirContacto(arbol, ficha);
}

Resultado anadirGrupo(ArbolAgenda &arbol, const QString &nombre) {
    const QString clave = recortarEspacios(nombre);
    if (clave.isEmpty())
        return {QModelIndex(), sinNombre};
    const QModelIndex nodo = arbol.anadirGrupo(clave, clave);
    return {nodo, nodo.isValid() ? QString() : entradaRepetida};
}

} // namespace EdicionAgenda
