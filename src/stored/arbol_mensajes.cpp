#include "stored/arbol_mensajes.h"

#include "addressbook/destinatarios.h"

#include "common/avisos.h"
#include "common/campos.h"
#include "common/carpeta.h"
#include "common/ficheros.h"
#include "stored/fecha_ole.h"
#include "stored/registros_mensaje.h"

#include <QDir>
#include <QFile>

namespace {
const QLatin1String prefijoMensaje("Mensaje: ");

QStringList ficherosMensaje() {
    QDir carpeta(rutaAplicacion(), QStringLiteral("*.zrc"), QDir::Name, QDir::Files);
    carpeta.setFilter(QDir::Files | QDir::CaseSensitive);
    QStringList rutas;
    for (const QString &nombre : carpeta.entryList())
        rutas.append(carpeta.filePath(nombre));
    return rutas;
}

void anadirDestino(QList<NodoMensaje> &hijos, const DestinoMensaje &destino) {
    TipoNodo tipo;
    switch (destino.tipo) {
    case DestinoMensaje::telefono:
        tipo = TipoNodo::Telefono;
        break;
    case DestinoMensaje::contacto:
        tipo = TipoNodo::Contacto;
        break;
    case DestinoMensaje::grupo:
        tipo = TipoNodo::Grupo;
        break;
    default:
        return; // not a recipient
    }
    hijos.append({tipo, textoCampo(destino.nombre)});
}

// Removes a stored message file; one already gone counts as removed.
bool borrarFichero(const QString &ruta) {
    return QFile::remove(ruta) || !QFile::exists(ruta);
}
} // namespace

QString claveImagen(TipoNodo tipo) {
    switch (tipo) {
    case TipoNodo::Titulo:
        return QStringLiteral("Titulo");
    case TipoNodo::Hora:
        return QStringLiteral("Hora");
    case TipoNodo::Telefono:
        return QStringLiteral("Telefono");
    case TipoNodo::Contacto:
        return QStringLiteral("Contacto");
    case TipoNodo::Grupo:
        return QStringLiteral("Grupo");
    case TipoNodo::Mensaje:
        break;
    }
    return QStringLiteral("Mensaje");
}

MensajeArbol leerMensajeArbol(const QByteArray &datos, const QString &ruta) {
    MensajeArbol mensaje;
    mensaje.ruta = ruta;
    mensaje.titulo = textoCampo(datos.left(25));
    if (datos.size() < CabeceraMensaje::tamano)
        return mensaje;

    const CabeceraMensaje cabecera = CabeceraMensaje::leer(datos);
    if (cabecera.fecha != 0) {
        const QString fecha = textoFechaEnvio(cabecera.fecha);
        if (fecha.isEmpty())
            return mensaje;
        mensaje.hijos.append({TipoNodo::Hora, QStringLiteral("Fecha envio: ") + fecha});
    }

    qsizetype posicion = CabeceraMensaje::tamano;
    if (datos.size() < posicion + 2)
        return mensaje;
    const qint16 cuenta = leerInt16(datos, int(posicion));
    posicion += 2;
    // A negative count reads no record; one larger than the file stops at its end.
    for (qint16 i = 0; i < cuenta; ++i) {
        if (datos.size() - posicion < DestinoMensaje::tamano)
            return mensaje;
        anadirDestino(mensaje.hijos, DestinoMensaje::leer(datos, posicion));
        posicion += DestinoMensaje::tamano;
    }

    mensaje.hijos.append({TipoNodo::Mensaje, prefijoMensaje + desdeAnsi(datos.mid(posicion))});
    return mensaje;
}

void ArbolMensajes::cargarMensajes() {
    lista.clear();
    titulos.clear();
    QByteArray datos;
    for (const QString &ruta : ficherosMensaje()) {
        if (leerFichero(ruta, datos))
            cargarMensaje(datos, ruta);
    }
}

bool ArbolMensajes::cargarMensaje(const QByteArray &datos, const QString &ruta) {
    MensajeArbol mensaje = leerMensajeArbol(datos, ruta);
    if (titulos.contains(mensaje.titulo)) {
        Avisos::aviso(QStringLiteral("Existen varios mensajes almacenados con el mismo titulo.\n"
                                     "Solo se mostrará uno de ellos"));
        return false;
    }
    titulos.insert(mensaje.titulo);
    lista.append(std::move(mensaje));
    return true;
}

bool ArbolMensajes::borrar(int mensaje, int hijo) {
    if (mensaje < 0 || mensaje >= lista.size())
        return false;
    MensajeArbol &elegido = lista[mensaje];
    if (hijo < 0) {
        if (!borrarFichero(elegido.ruta)) {
            Avisos::aviso(
                QStringLiteral("No se ha podido borrar el mensaje almacenado \"%1\"").arg(elegido.titulo));
            return false;
        }
        titulos.remove(elegido.titulo);
        lista.removeAt(mensaje);
        return true;
    }
    if (hijo >= elegido.hijos.size())
        return false;
    if (elegido.hijos.at(hijo).tipo == TipoNodo::Mensaje) {
        Avisos::aviso(QStringLiteral("No se puede borrar el texto del mensaje a enviar"));
        return false;
    }
    elegido.hijos.removeAt(hijo);
    return true;
}

void ArbolMensajes::borrarTodos() {
    bool fallo = false;
    for (const QString &ruta : ficherosMensaje())
        fallo = !borrarFichero(ruta) || fallo;
    lista.removeIf([](const MensajeArbol &mensaje) { return !QFile::exists(mensaje.ruta); });
    titulos.clear();
    for (const MensajeArbol &mensaje : std::as_const(lista))
        titulos.insert(mensaje.titulo);
    if (fallo)
        Avisos::aviso(QStringLiteral("No se han podido borrar todos los mensajes almacenados"));
}

CargaMensaje ArbolMensajes::carga(int mensaje) const {
    CargaMensaje resultado;
    if (mensaje < 0 || mensaje >= lista.size())
        return resultado;
    for (const NodoMensaje &nodo : lista.at(mensaje).hijos) {
        switch (nodo.tipo) {
        case TipoNodo::Grupo:
            resultado.entradas.append(Destinatarios::entradaGrupo(nodo.texto));
            break;
        case TipoNodo::Contacto:
            resultado.entradas.append(Destinatarios::entradaContacto(nodo.texto));
            break;
        case TipoNodo::Telefono:
            resultado.entradas.append(QLatin1Char('@') + nodo.texto);
            break;
        case TipoNodo::Mensaje:
            resultado.texto = nodo.texto.mid(prefijoMensaje.size());
            break;
        case TipoNodo::Titulo:
        case TipoNodo::Hora:
            break;
        }
    }
    return resultado;
}
