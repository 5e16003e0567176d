#pragma once

#include <QDialog>

#include "config/configuracion.h"

#include <array>
#include <utility>

class MuestraColor;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

// The options window: every setting of "zarcel.cfg" on four pages, saved by OK.
// Closing it any other way (Esc, the close box) saves nothing; only the autostart
// box acts at once. Array controls are named with their index: "cmbServidor(0)".
class frmOpciones : public QDialog {
    Q_OBJECT
public:
    explicit frmOpciones(QWidget *padre = nullptr);

    // Shows page `pagina` (1 to 4, in tab order); the page already shown stays as it is.
    void seleccionarPagina(int pagina);

    QTabBar *tabSeleccion;
    std::array<QFrame *, 5> Frame{}; // Frame[1] to Frame[4], one per page; [0] unused

    // General
    QCheckBox *chkLogea;
    QLabel *lblEmail;
    QLineEdit *txtEmail;
    QLabel *lblNumero;
    QLineEdit *txtNumero;
    QLabel *lblFirma;
    QLineEdit *txtFirma;
    QCheckBox *chkArrancar;

    // Servidores: only cmbServidor[0] is shown; the others carry their fields.
    std::array<QLabel *, 4> lblServidor{};
    std::array<QComboBox *, 4> cmbServidor{};

    // Proxy
    QCheckBox *chkProxy;
    QLabel *lblProxy;
    QLineEdit *txtProxy;
    QLabel *lblPuerto;
    QLineEdit *txtPuerto;
    QLabel *lblUsuario;
    QLineEdit *txtUsuario;
    QLabel *lblPassword;
    QLineEdit *txtPassword;

    // Apariencia: fondo campos, texto campos, texto principal, fondo pantalla.
    std::array<QLabel *, 4> lblColor{};
    std::array<MuestraColor *, 4> pctPicture{};

    QPushButton *btnOK;

protected:
    bool event(QEvent *evento) override;
    void hideEvent(QHideEvent *evento) override;

private:
    QFrame *crearPaginaGeneral();
    QFrame *crearPaginaServidores();
    QFrame *crearPaginaProxy();
    QFrame *crearPaginaApariencia();
    QFrame *crearPagina(int numero);

    // Each text box with the field it shows and saves.
    std::array<std::pair<QLineEdit *, QByteArray Configuracion::*>, 7> cajasDeTexto() const;
    void cargarOpciones();
    void habilitarProxy(bool habilitar);
    void aplicarArranque();
    void elegirColor(int indice);
    void aceptar();

    int pagina = 1;
    bool cargadas = false; // settings loaded for the current opening
};
