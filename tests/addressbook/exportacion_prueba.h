#pragma once

#include "addressbook/agenda_prueba.h"
#include "support/entorno_prueba.h"

// An address book whose contacts file interleaves two groups, and its export:
// the contacts go out in the file's order, not grouped.
inline void escribirAgendaDeDosGrupos(const EntornoPrueba &entorno) {
    const QString amigos = QStringLiteral("Amigos");
    const QString ninguno = QStringLiteral("Ninguno");
    entorno.escribirFichero(QStringLiteral("groups.lst"), grupoCifrado(ninguno) + grupoCifrado(amigos));
    entorno.escribirFichero(
        QStringLiteral("contacts.lst"),
        contactoCifrado(QStringLiteral("Ana"), QStringLiteral("34"), QStringLiteral("600000000"), amigos) +
            contactoCifrado(QStringLiteral("Mar\u00EDa"), QStringLiteral("44"), QStringLiteral("611111111"),
                            ninguno, -1) +
            contactoCifrado(QStringLiteral("Luis"), QStringLiteral("34"), QStringLiteral("622222222"),
                            amigos));
}

inline QByteArray exportacionDeDosGrupos() {
    return QByteArray("Ana\r\n+34600000000\r\nMar\xED"
                      "a\r\n+44611111111\r\nLuis\r\n+34622222222\r\n");
}
