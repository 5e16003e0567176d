#include "sending/expansion_envio.h"

#include "addressbook/destinatarios.h"
#include "common/campos.h"

namespace Envio {
namespace {
template <typename Campo>
QList<Destino> filtrar(const QString &valor, const QList<EntradaContacto> &tabla, Campo campo) {
    const QString buscado = recortarEspacios(valor);
    QList<Destino> destinos;
    for (const EntradaContacto &contacto : tabla) {
        if (recortarEspacios(contacto.*campo) == buscado)
            destinos.append({contacto.prefijo, contacto.telefono, contacto.envioReves});
    }
    return destinos;
}
} // namespace

Caso decidirCaso(const Seleccion &s) {
    const bool listaVacia = s.entradasLista == 0;
    const bool sinNumero = s.numeroEscrito.isEmpty();
    if (listaVacia && !s.contactoSeleccionado && !s.grupoSeleccionado && !sinNumero)
        return Caso::NumeroEscrito;
    if (listaVacia && s.contactoSeleccionado && !s.grupoSeleccionado && sinNumero)
        return Caso::ContactoSeleccionado;
    if (listaVacia && s.grupoSeleccionado && !s.contactoSeleccionado && sinNumero)
        return Caso::GrupoSeleccionado;
    return listaVacia ? Caso::NadieAQuien : Caso::Lista;
}

QList<Destino> contactosLlamados(const QString &nombre, const QList<EntradaContacto> &tabla) {
    return filtrar(nombre, tabla, &EntradaContacto::nombre);
}

QList<Destino> contactosDelGrupo(const QString &grupo, const QList<EntradaContacto> &tabla) {
    return filtrar(grupo, tabla, &EntradaContacto::grupo);
}

QList<Destino> expandirEntrada(const QString &entrada, const QList<EntradaContacto> &tabla) {
    const Destinatarios::Destinatario destinatario = Destinatarios::leer(entrada);
    switch (destinatario.tipo) {
    case Destinatarios::Tipo::Contacto:
        return contactosLlamados(destinatario.nombre, tabla);
    case Destinatarios::Tipo::Grupo:
        return contactosDelGrupo(destinatario.nombre, tabla);
    case Destinatarios::Tipo::Numero:
        if (!entrada.contains(QLatin1Char(':')))
            return {};
        return {{destinatario.prefijo, destinatario.numero, false}};
    case Destinatarios::Tipo::Desconocido:
        break;
    }
    return {};
}

} // namespace Envio
