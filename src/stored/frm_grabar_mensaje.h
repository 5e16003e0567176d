#pragma once

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;

// "Grabar mensaje": asks for the title and an optional send time, then stores
// the main window's message and recipients.
class frmGrabarMensaje : public QDialog {
    Q_OBJECT
public:
    explicit frmGrabarMensaje(QWidget *padre = nullptr);

    void grabar();

    QLabel *lblTitulo;
    QLineEdit *txtTitulo;
    QCheckBox *chkFecha;
    QLabel *lblFecha;
    QDateEdit *dtFecha;
    QLabel *lblHora;
    QTimeEdit *dtHora;
    QPushButton *btnGrabar;
    QPushButton *btnCancelar;
};
