#pragma once

#include <QDialog>

class MensajeEnCurso;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;

// "Grabar mensaje": asks for the title and an optional send time, then stores
// the message being prepared and its recipients.
class frmGrabarMensaje : public QDialog {
    Q_OBJECT
public:
    explicit frmGrabarMensaje(const MensajeEnCurso &mensaje, QWidget *padre = nullptr);

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

private:
    const MensajeEnCurso &mensaje;
};
