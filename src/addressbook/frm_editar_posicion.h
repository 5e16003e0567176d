#pragma once

#include "addressbook/campos_contacto.h"

#include <QDialog>
#include <QPersistentModelIndex>

class ArbolAgenda;
class QPushButton;

// Edits one contact of the address book editor's tree. OK replaces the contact by
// one built from the boxes, last in its group; Cancelar leaves the tree as it was.
class frmEditarPosicion : public QDialog, public CamposContacto {
    Q_OBJECT
public:
    frmEditarPosicion(ArbolAgenda &arbol, const QModelIndex &contacto, const QStringList &grupos,
                      QWidget *padre = nullptr);

    // The contact that replaced the edited one, after OK.
    QModelIndex nodoNuevo() const { return nuevo; }

    QPushButton *btnOK;
    QPushButton *btnCancelar;

private:
    void aceptar();
    void cancelar();

    ArbolAgenda &arbol;
    QPersistentModelIndex contacto;
    QPersistentModelIndex nuevo;
};
