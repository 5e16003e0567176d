#pragma once

#include <QByteArray>
#include <QList>
#include <QQueue>
#include <QTcpServer>

class QTcpSocket;

// A scripted HTTP server on 127.0.0.1 (any free port) that records the bytes of
// every connection. Once a whole request has arrived it plays the next script.
class ServidorGrabador : public QObject {
    Q_OBJECT
public:
    enum class Final {
        cerrar,    // closes after the answer, as a gateway does
        mantener,  // keeps the connection open
        reiniciar, // resets the connection (RST) after the answer
    };
    struct Guion {
        QList<QByteArray> trozos; // written one after another, a short pause between them
        Final final = Final::cerrar;
        bool callar = false; // never answers at all
    };

    ServidorGrabador();
    quint16 puerto() const { return servidor.serverPort(); }

    // Scripts for the next connections; once they run out, `porDefecto` plays.
    QQueue<Guion> guiones;
    Guion porDefecto;

    // The bytes each connection received, in connection order.
    QList<QByteArray> peticiones;

    static Guion respuesta(const QByteArray &texto) { return {{texto}, Final::cerrar, false}; }

private:
    void atender();
    void recibir(QTcpSocket *conexion, int indice, const Guion &guion);
    void reproducir(QTcpSocket *conexion, Guion guion);

    QTcpServer servidor;
};

// A loopback port on which nothing listens: connections to it are refused,
// and another program may take it.
quint16 puertoCerrado();
