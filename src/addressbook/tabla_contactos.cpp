#include "addressbook/tabla_contactos.h"

#include "addressbook/fichero_agenda.h"
#include "addressbook/orden_nombres.h"
#include "common/campos.h"
#include "common/ficheros.h"
#include "config/cifrado.h"

TablaContactos tablaContactos;

NombresAgenda TablaContactos::cargar() {
    decodificadas.reset();
    leerFichero(rutaContactos(), registros); // a missing or unreadable file loads no contact
    const qsizetype n = registros.size() / ContactoAgenda::tamano;
    registros.truncate(n * ContactoAgenda::tamano);
    NombresAgenda nombres;
    nombres.reservar(n, n * ContactoAgenda::campoNombre.ancho);
    const ContactoAgenda::Campo nombre = ContactoAgenda::campoNombre;
    char claro[Cifrado::longitudClave];
    for (qsizetype i = 0; i < n; ++i) {
        const char *campo = registros.constData() + i * ContactoAgenda::tamano + nombre.posicion;
        nombres.anadir(Cifrado::descifrarSinEspacios(campo, nombre.ancho, claro));
    }
    return nombres;
}

const QList<EntradaContacto> &TablaContactos::entradas() const {
    if (!decodificadas) {
        const qsizetype n = registros.size() / ContactoAgenda::tamano;
        QList<EntradaContacto> tabla;
        tabla.reserve(n);
        for (qsizetype i = 0; i < n; ++i) {
            tabla.append(
                {campo(i, ContactoAgenda::campoNombre), campo(i, ContactoAgenda::campoPrefijo),
                 campo(i, ContactoAgenda::campoTelefono), campo(i, ContactoAgenda::campoGrupo),
                 leerInt16(registros, int(i * ContactoAgenda::tamano + ContactoAgenda::posicionFlag)) == -1});
        }
        decodificadas = std::move(tabla);
    }
    return *decodificadas;
}

QString TablaContactos::campo(qsizetype i, ContactoAgenda::Campo campo) const {
    return Cifrado::campoDescifrado(registros, i * ContactoAgenda::tamano + campo.posicion, campo.ancho);
}

namespace {
NombresAgenda leerGrupos() {
    QByteArray bytes;
    leerFichero(rutaGrupos(), bytes);
    const qsizetype n = bytes.size() / GrupoAgenda::tamano;
    NombresAgenda nombres;
    nombres.reservar(n, n * GrupoAgenda::tamano);
    for (qsizetype i = 0; i < n; ++i) {
        char claro[Cifrado::longitudClave];
        nombres.anadir(
            Cifrado::descifrarCampo(bytes.constData() + i * GrupoAgenda::tamano, GrupoAgenda::tamano, claro));
    }
    return nombres;
}
} // namespace

std::optional<qint32> numeroEntero(const QString &telefono) {
    bool correcto = false;
    const qint32 valor = telefono.toInt(&correcto);
    return correcto ? std::optional(valor) : std::nullopt;
}

DatosAgenda leerDatosAgenda() {
    DatosAgenda datos;
    datos.contactos = tablaContactos.cargar();
    datos.ordenContactos = ordenSinMayusculas(datos.contactos);
    datos.grupos = leerGrupos();
    datos.ordenGrupos = ordenSinMayusculas(datos.grupos);
    return datos;
}
