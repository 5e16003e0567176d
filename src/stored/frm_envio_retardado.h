#pragma once

#include "stored/arbol_mensajes.h"

#include <QDialog>
#include <QIcon>
#include <QMap>

class MensajeEnCurso;
class QAction;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Mensajes almacenados": every stored message as a two-level tree, with the
// commands that load one back into the message being prepared, send it or delete it.
class frmEnvioRetardado : public QDialog {
    Q_OBJECT
public:
    explicit frmEnvioRetardado(MensajeEnCurso &enCurso, QWidget *padre = nullptr);

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
    // Loads the selected message into the message being prepared; false when there is none.
    bool cargarSeleccionado(const QString &avisoVacio);

    MensajeEnCurso &enCurso;
    ArbolMensajes arbol;
};
