#include "ficheros_protegidos.h"

#include "stored/arbol_mensajes.h"
#include "stored/fichero_mensaje.h"
#include "stored/registros_mensaje.h"

namespace {
const QString texto = QStringLiteral("Nos vemos a las ocho");

bool leeTitulos(const QStringList &titulos) {
    ArbolMensajes arbol;
    arbol.cargarMensajes();
    QStringList leidos;
    for (const MensajeArbol &mensaje : arbol.mensajes())
        leidos.append(mensaje.titulo);
    leidos.sort();
    return leidos == titulos;
}
} // namespace

FicheroProtegido ficheroMensaje() {
    FicheroProtegido fichero;
    fichero.nombre = QStringLiteral("mensajes almacenados");
    fichero.patrones = {QStringLiteral("*.zrc")};
    // Header, count, one recipient, the text.
    fichero.tamano = CabeceraMensaje::tamano + 2 + DestinoMensaje::tamano + texto.size();
    fichero.grabarAnterior = [] {
        grabarMensaje(QStringLiteral("Anterior"), 0, {QStringLiteral("@+34:600000001")}, texto);
    };
    // Storing a message is one call that tells the user itself when it fails.
    fichero.grabarNueva = [] {
        return grabarMensaje(QStringLiteral("Nuevo"), 0, {QStringLiteral("@+34:600000002")}, texto);
    };
    fichero.leeAnterior = [] { return leeTitulos({QStringLiteral("Anterior")}); };
    fichero.leeNueva = [] { return leeTitulos({QStringLiteral("Anterior"), QStringLiteral("Nuevo")}); };
    return fichero;
}
