#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The settings record, 567 packed little-endian bytes. Text fields hold exactly
// their width in Windows-1252 bytes; a record nothing has assigned holds NULs.
struct Configuracion {
    static constexpr int tamano = 567;

    QByteArray servidorNacionales;    // 20
    QByteArray servidorAirtel;        // 20
    QByteArray servidorAmena;         // 20
    QByteArray servidorInternacional; // 20
    qint16 usarProxy = 0;
    QByteArray proxy;    // 50
    QByteArray puerto;   // 5
    QByteArray usuario;  // 25
    QByteArray password; // 25
    qint16 arrancar = 0;
    QByteArray email;      // 60
    QByteArray numero;     // 25
    QByteArray firma;      // 25
    QByteArray reservado1; // 25
    QByteArray reservado2; // 25
    qint16 usarLog = 0;
    QByteArray skin; // 100
    quint32 colorTextoPrincipal = 0;
    quint32 colorTextoCampos = 0;
    quint32 colorFondoCampos = 0;
    quint32 colorFondoPantalla = 0;
    QByteArray reservado3; // 50
    QByteArray reservado4; // 50

    Configuracion();

    static Configuracion porDefecto();

    // The record's bytes as stored (the caller scrambles first).
    QByteArray escribir() const;
    // Reads the fields that `datos` holds whole; the others keep the values of `base`.
    static Configuracion leer(const QByteArray &datos, const Configuracion &base);

    // The 16 text fields, in file order.
    QList<QByteArray *> camposTexto();

    bool operator==(const Configuracion &otra) const { return escribir() == otra.escribir(); }
};

// Assigns a value to a fixed-width field, keeping its width (padding or cutting).
void asignarCampo(QByteArray &campo, const QString &valor);
