#include "addressbook/tabla_contactos.h"

#include "addressbook/fichero_agenda.h"
#include "addressbook/orden_nombres.h"
#include "common/campos.h"
#include "common/ficheros.h"
#include "common/numero.h"
#include "config/cifrado.h"

#include <QFile>

#include <limits>

TablaContactos tablaContactos;

namespace {
QString textoDe(const QByteArray &registros, qsizetype i, ContactoAgenda::Campo campo) {
    return Cifrado::campoDescifrado(registros, i * ContactoAgenda::tamano + campo.posicion, campo.ancho);
}
} // namespace

TablaContactos::TablaContactos() = default;
TablaContactos::~TablaContactos() = default;

NombresAgenda TablaContactos::cargar() {
    decodificadas.reset();
    registros = 0;
    fichero = std::make_unique<QFile>(rutaContactos());
    NombresAgenda nombres;
    if (!fichero->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return nombres;
    const qsizetype enFichero = fichero->size() / ContactoAgenda::tamano;
    nombres.reservar(enFichero, enFichero * ContactoAgenda::campoNombre.ancho);
    const ContactoAgenda::Campo nombre = ContactoAgenda::campoNombre;
    leerEnBloques(*fichero, ContactoAgenda::tamano, [&](const char *bloque, qsizetype cuantos) {
        char claro[Cifrado::longitudClave];
        for (qsizetype i = 0; i < cuantos; ++i) {
            const char *campo = bloque + i * ContactoAgenda::tamano + nombre.posicion;
            nombres.anadir(Cifrado::descifrarSinEspacios(campo, nombre.ancho, claro));
        }
    }); // a failed read leaves the names read before it
    registros = nombres.size();
    return nombres;
}

QByteArray TablaContactos::leerRegistros(qsizetype primero, qsizetype cuantos) const {
    if (!fichero || !fichero->seek(primero * ContactoAgenda::tamano))
        return {};
    const QByteArray bytes = fichero->read(cuantos * ContactoAgenda::tamano);
    return bytes.left(bytes.size() / ContactoAgenda::tamano * ContactoAgenda::tamano);
}

const QList<EntradaContacto> &TablaContactos::entradas() const {
    if (!decodificadas) {
        const QByteArray todos = leerRegistros(0, registros);
        const qsizetype n = todos.size() / ContactoAgenda::tamano;
        QList<EntradaContacto> tabla;
        tabla.reserve(n);
        for (qsizetype i = 0; i < n; ++i) {
            tabla.append(
                {textoDe(todos, i, ContactoAgenda::campoNombre),
                 textoDe(todos, i, ContactoAgenda::campoPrefijo),
                 textoDe(todos, i, ContactoAgenda::campoTelefono),
                 textoDe(todos, i, ContactoAgenda::campoGrupo),
                 leerInt16(todos, int(i * ContactoAgenda::tamano + ContactoAgenda::posicionFlag)) == -1});
        }
        decodificadas = std::move(tabla);
    }
    return *decodificadas;
}

QString TablaContactos::campo(qsizetype i, ContactoAgenda::Campo campo) const {
    const QByteArray registro = i < registros ? leerRegistros(i, 1) : QByteArray();
    return registro.isEmpty() ? QString() : textoDe(registro, 0, campo);
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
    datos.contactos = tablaContactos.cargar();
    datos.ordenContactos = ordenSinMayusculas(datos.contactos);
    datos.grupos = leerGrupos();
    datos.ordenGrupos = ordenSinMayusculas(datos.grupos);
    return datos;
}
