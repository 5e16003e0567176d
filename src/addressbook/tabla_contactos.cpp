#include "addressbook/tabla_contactos.h"

#include "addressbook/fichero_agenda.h"
#include "addressbook/orden_nombres.h"
#include "addressbook/registros_agenda.h"
#include "common/campos.h"
#include "common/ficheros.h"
#include "common/numero.h"
#include "config/cifrado.h"

#include <limits>

TablaContactos tablaContactos;

void TablaContactos::cargar(const QByteArray &nuevos) {
    registros = nuevos;
    decodificadas.reset();
}

const QList<EntradaContacto> &TablaContactos::entradas() const {
    if (!decodificadas) {
        const qsizetype n = registros.size() / ContactoAgenda::tamano;
        QList<EntradaContacto> tabla;
        tabla.reserve(n);
        for (qsizetype i = 0; i < n; ++i) {
            tabla.append(
                {campoContacto(registros, i, ContactoAgenda::campoNombre),
                 campoContacto(registros, i, ContactoAgenda::campoPrefijo),
                 campoContacto(registros, i, ContactoAgenda::campoTelefono),
                 campoContacto(registros, i, ContactoAgenda::campoGrupo),
                 leerInt16(registros, int(i * ContactoAgenda::tamano + ContactoAgenda::posicionFlag)) == -1});
        }
        decodificadas = std::move(tabla);
    }
    return *decodificadas;
}

namespace {
void leerContactos(DatosAgenda &datos) {
    leerFichero(rutaContactos(), datos.contactos);
    const qsizetype n = datos.contactos.size() / ContactoAgenda::tamano;
    datos.contactos.truncate(n * ContactoAgenda::tamano);
    QStringList nombres;
    nombres.reserve(n);
    for (qsizetype i = 0; i < n; ++i)
        nombres.append(campoContacto(datos.contactos, i, ContactoAgenda::campoNombre));
    datos.ordenContactos = ordenSinMayusculas(nombres);
    datos.listaContactos.reserve(n);
    for (int i : std::as_const(datos.ordenContactos))
        datos.listaContactos.append(nombres.at(i));
}

void leerGrupos(DatosAgenda &datos) {
    QByteArray bytes;
    leerFichero(rutaGrupos(), bytes);
    const qsizetype n = bytes.size() / GrupoAgenda::tamano;
    QStringList nombres;
    nombres.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        GrupoAgenda registro = GrupoAgenda::leer(bytes, i * GrupoAgenda::tamano);
        Cifrado::cifrarGrupo(registro);
        nombres.append(desdeAnsi(registro.nombre));
    }
    datos.listaGrupos.reserve(n);
    for (int i : ordenSinMayusculas(nombres))
        datos.listaGrupos.append(nombres.at(i));
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

QString campoContacto(const QByteArray &registros, qsizetype i, ContactoAgenda::Campo campo) {
    return Cifrado::campoDescifrado(registros, i * ContactoAgenda::tamano + campo.posicion, campo.ancho);
}

DatosAgenda leerDatosAgenda() {
    DatosAgenda datos;
    leerContactos(datos);
    leerGrupos(datos);
    return datos;
}
