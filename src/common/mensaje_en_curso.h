#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QTcpSocket;

// The message being prepared, as the windows opened over it read and change it: the
// send window sends it, the store and stored-messages windows save it and load one
// back, the address book editor empties its recipients after rewriting the book.
// The main window implements it; its controls are the one copy of this state.
class MensajeEnCurso {
public:
    // What is chosen beside the recipient list: a send with an empty list goes there.
    struct Seleccion {
        std::optional<QString> contacto; // the contact list's selected row
        std::optional<QString> grupo;    // the group list's selected row
        QString prefijo;                 // the typed number's two boxes, as typed
        QString numero;
    };

    // The text with CR LF line breaks.
    virtual QString textoMensaje() const = 0;
    virtual void ponerTextoMensaje(const QString &textoCRLF) = 0;
    // The gateway's name as its box shows it.
    virtual QString pasarela() const = 0;
    // The recipient list's lines (see Destinatarios), in list order.
    virtual QStringList entradas() const = 0;
    virtual void anadirEntradas(const QStringList &lineas) = 0;
    virtual Seleccion seleccion() const = 0;
    // Empties the text and the recipient list.
    virtual void vaciar() = 0;
    // Runs the send command on the message as it stands, as its button does.
    virtual void enviar() = 0;
    // The address book files were rewritten: the recipient list, whose lines may name
    // what is gone, is emptied, and the contact and group lists are read again.
    virtual void agendaGrabada() = 0;
    // The one connection every exchange with a gateway uses.
    virtual QTcpSocket &conexion() = 0;

protected:
    ~MensajeEnCurso() = default;
};
