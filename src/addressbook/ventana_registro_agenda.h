#pragma once

#include <QDialog>

class ArbolAgenda;
class CajaLog;
class QPushButton;
class QTreeView;

// The shape the import and export windows share: a log box, the address-book tree
// beside it and a close button.
class VentanaRegistroAgenda : public QDialog {
    Q_OBJECT
public:
    VentanaRegistroAgenda(const QString &titulo, QWidget *padre);

    CajaLog *txtLog;
    QTreeView *treeAgenda;
    QPushButton *btnCerrar;

protected:
    ArbolAgenda *arbol;
};
