#pragma once

#include "addressbook/arbol_agenda.h"
#include "addressbook/campos_contacto.h"

#include <QDialog>
#include <QStringList>

class MensajeEnCurso;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeView;

// The address book editor. Works on a tree of the whole book and, when anything
// may have changed (`cambios`), writes both files back as it closes, by whatever means.
class frmAgenda : public QDialog, public CamposContacto {
    Q_OBJECT
public:
    // After a save the message's recipients are emptied: they may name what is gone.
    frmAgenda(MensajeEnCurso &mensaje, QWidget *padre);

    // Every way of closing (Esc, the close box, reject) ends here.
    void done(int resultado) override;

    QPushButton *btnContacto;
    QLineEdit *txtGrupo;
    QPushButton *btnGrupo;
    QTreeView *treeAgenda;
    QLabel *lblApartados;
    QMenu *mnuPopUp;
    QAction *mnuPopUpEditar;
    QAction *mnuPopUpBorrar;

    ArbolAgenda &arbol() { return agenda; }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void crearControles();
    void cargar();
    void anadirContacto();
    void anadirGrupo();
    void editar();
    void borrar();
    void mostrarNodo(const QModelIndex &nodo);
    // Saves when needed; false when the user chose to stay after a failed save.
    bool terminar();

    MensajeEnCurso &mensaje;
    ArbolAgenda agenda;
    bool cambios = false;
    // Book files that exist but could not be read: saving would destroy them.
    QStringList ilegibles;
    bool terminado = false;
};
