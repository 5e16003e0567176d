#pragma once

// Scrambled address-book records for tests, built from clear values.

#include "addressbook/arbol_agenda.h"
#include "addressbook/registros_agenda.h"
#include "common/campos.h"
#include "config/cifrado.h"

// Every node's key, in the order of addition (the order a save writes).
inline QStringList clavesEnOrden(const ArbolAgenda &arbol) {
    QStringList claves;
    arbol.recorrer([&](const ArbolAgenda::Nodo &nodo) { claves.append(nodo.clave()); });
    return claves;
}

inline QByteArray grupoCifrado(const QString &nombre) {
    GrupoAgenda grupo;
    grupo.nombre = campoFijo(nombre, 25);
    Cifrado::cifrarGrupo(grupo);
    return grupo.escribir();
}

inline QByteArray contactoCifrado(const QString &nombre, const QString &prefijo, const QString &telefono,
                                  const QString &grupo, qint16 envioReves = 0) {
    ContactoAgenda contacto;
    contacto.nombre = campoFijo(nombre, 25);
    contacto.prefijo = campoFijo(prefijo, 10);
    contacto.telefono = campoFijo(telefono, 25);
    contacto.grupo = campoFijo(grupo, 25);
    contacto.envioReves = envioReves;
    Cifrado::cifrarContacto(contacto);
    return contacto.escribir();
}

// A version 1.x record: both fields padded and scrambled over their full width.
inline QByteArray registroAgenda1(const QString &nombre, const QString &telefono) {
    return Cifrado::cifrarTexto(campoFijo(nombre, 25)) + Cifrado::cifrarTexto(campoFijo(telefono, 9));
}

// A version 2.x contact record: three padded fields, in clear.
inline QByteArray registroContacto2(const QString &nombre, const QString &telefono, const QString &grupo) {
    return campoFijo(nombre, 25) + campoFijo(telefono, 9) + campoFijo(grupo, 25);
}

// The record with its text fields unscrambled, for comparing with clear bytes.
inline QByteArray contactoClaro(const QByteArray &cifrado) {
    ContactoAgenda contacto = ContactoAgenda::leer(cifrado);
    Cifrado::cifrarContacto(contacto);
    return contacto.escribir();
}
