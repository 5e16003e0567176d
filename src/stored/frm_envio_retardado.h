#pragma once

#include "stored/arbol_mensajes.h"

#include <QDialog>
#include <QIcon>
#include <QMap>

#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Mensajes almacenados": every stored message as a two-level tree, with the
// commands that load one back into the main window, send it or delete it.
class frmEnvioRetardado : public QDialog {
    Q_OBJECT
public:
    explicit frmEnvioRetardado(QWidget *padre = nullptr);

    // Stores the main window's message and recipient list; callable while this
    // window is not shown. False (the user told) when nothing was written.
    static bool grabarMensaje(const QString &titulo, double fecha);

    // How Enviar runs the main window's send command. Tests put a recorder here;
    // an empty function restores the main window's command. Returns the previous one.
    using ComandoEnviar = std::function<void()>;
    static ComandoEnviar fijarComandoEnviar(ComandoEnviar comando);

    void cargarMensajes();

    void enviar();
    void editar();
    void borrar();
    void enviarTodos();
    void borrarTodos();

    QTreeWidget *treeMensajes;
    QMap<QString, QIcon> imgLista; // by node kind
    QPushButton *btnEnviar;
    QPushButton *btnEditar;
    QPushButton *btnBorrar;
    QPushButton *btnEnviarTodos;
    QPushButton *btnBorrarTodos;
    QPushButton *btnCerrar;
    QMenu *mnuPopUp;
    QAction *mnuPopUpEnviar;
    QAction *mnuPopUpEditar;
    QAction *mnuPopUpBorrar;

private:
    void crearImagenes();
    void crearMenu();
    void mostrarArbol();
    QTreeWidgetItem *crearNodo(const QString &texto, TipoNodo tipo) const;
    // The message of the selected node, -1 when none is selected; `hijo` gets the
    // child's position (-1 for a title node).
    int mensajeSeleccionado(int *hijo = nullptr) const;
    // Loads the selected message into the main window; false when there is none.
    bool cargarSeleccionado(const QString &avisoVacio);

    ArbolMensajes arbol;
};
