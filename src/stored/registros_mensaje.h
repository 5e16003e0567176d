#pragma once

#include <QByteArray>
#include <QList>

// Header of a stored message file ".zrc", 33 bytes: the title and the send time.
struct CabeceraMensaje {
    static constexpr int tamano = 33;
    QByteArray titulo = QByteArray(25, ' '); // offset 0
    double fecha = 0;                        // offset 25, OLE date, 0 = none

    QByteArray escribir() const;
    // `datos` must hold at least `tamano` bytes from `posicion`.
    static CabeceraMensaje leer(const QByteArray &datos, qsizetype posicion = 0);
};

// One recipient of a stored message, 26 bytes: the entry without its tag, and its kind.
struct DestinoMensaje {
    static constexpr int tamano = 26;
    static constexpr quint8 telefono = 1; // entry tag "@"
    static constexpr quint8 contacto = 2; // entry tag "#"
    static constexpr quint8 grupo = 3;    // entry tag "&"

    QByteArray nombre = QByteArray(25, ' '); // offset 0
    quint8 tipo = 0;                         // offset 25

    // The record for a recipient-list entry; an unknown tag gives kind 0.
    static DestinoMensaje desdeEntrada(const QString &entrada);

    QByteArray escribir() const;
    static DestinoMensaje leer(const QByteArray &datos, qsizetype posicion = 0);
};

// The whole file: header, signed 16-bit count, the records, the text to the end.
// The caller keeps the count within 32,767.
QByteArray escribirFicheroMensaje(const CabeceraMensaje &cabecera, const QList<DestinoMensaje> &destinos,
                                  const QByteArray &texto);
