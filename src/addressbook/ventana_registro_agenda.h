#pragma once

#include <QDialog>

class ArbolAgenda;
class CajaLog;
class QPushButton;
class QTimer;
class QTreeView;

// The shape the import and export windows share: a log box, the address-book tree
// beside it and a close button; and their work, started once per opening, on
// the first turn of the event loop after the window is centred and shown.
class VentanaRegistroAgenda : public QDialog {
    Q_OBJECT
public:
    VentanaRegistroAgenda(const QString &titulo, QWidget *padre);

    CajaLog *txtLog;
    QTreeView *treeAgenda;
    QPushButton *btnCerrar;

    // Every way of closing ends here; a start still pending is dropped.
    void done(int resultado) override;

protected:
    // The window's work for this opening.
    virtual void empezar() = 0;
    void showEvent(QShowEvent *evento) override;

    ArbolAgenda *arbol;

private:
    QTimer *inicio;
    // A dialog closing over this window shows it again: the flag keeps the
    // work to once per opening.
    bool iniciada = false;
};
