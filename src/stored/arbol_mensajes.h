#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// The stored messages as the stored-messages window shows them: one entry per
// message, holding its child nodes in the order they are shown. The window only
// displays this; every command decides here.

// The node's kind, which is also the key of its image.
enum class TipoNodo { Titulo, Hora, Telefono, Contacto, Grupo, Mensaje };
QString claveImagen(TipoNodo tipo);

struct NodoMensaje {
    TipoNodo tipo;
    QString texto;
};

struct MensajeArbol {
    QString titulo; // trimmed: the node's text and its key, unique in the tree
    QString ruta;   // the stored message file
    QList<NodoMensaje> hijos;
};

// What Editar and Enviar put into the main window.
struct CargaMensaje {
    QStringList entradas;
    QString texto; // CR LF breaks, as stored
};

// Reads the bytes of one stored message file. Stops at the first thing it cannot
// read (short header, a date that is not one, a record cut short), keeping what
// it read before; the title node is there whenever the file was opened.
MensajeArbol leerMensajeArbol(const QByteArray &datos, const QString &ruta);

class ArbolMensajes {
public:
    // Every "*.zrc" of the application folder, by name. A title already listed
    // is reported to the user and its file left out; an unreadable file is skipped.
    void cargarMensajes();
    // Adds one file's message; false (with the user told) when its title is taken.
    bool cargarMensaje(const QByteArray &datos, const QString &ruta);

    const QList<MensajeArbol> &mensajes() const { return lista; }
    bool vacio() const { return lista.isEmpty(); }

    // Borrar on a node: `hijo` -1 is the title node, which deletes the file; a
    // recipient or send-time node leaves the tree only; the text node is refused.
    // True when the node is gone from the tree.
    bool borrar(int mensaje, int hijo);
    // Deletes every "*.zrc" of the folder (also those not shown). Messages whose
    // file could not be deleted stay, and the user is told.
    void borrarTodos();

    CargaMensaje carga(int mensaje) const;

private:
    QList<MensajeArbol> lista;
    QSet<QString> titulos;
};
