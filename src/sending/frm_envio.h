#pragma once

#include "gateways/salida_envio.h"

#include <QDialog>

namespace Pasarelas {
class Intercambio;
}
class CajaLog;
class MensajeEnCurso;
class QPlainTextEdit;
class QPushButton;

// The window in which a send runs: it resolves the message's recipients into
// numbers, hands each to the dispatch, shows every step in its log and lets the
// user cancel. The send starts once, when the window is first shown.
class frmEnvio : public QDialog, public Pasarelas::SalidaEnvio {
    Q_OBJECT
public:
    // The test message goes to the user's own number; a normal send to the recipients.
    enum class Modo : qint16 { Prueba = 1, Normal = 2 };

    frmEnvio(MensajeEnCurso &mensaje, QWidget *padre);

    // What to send, set by the opener before showing the window.
    Modo modo = Modo::Normal;

    void logea(const QString &linea) override;
    bool cancelado() const override { return cancelacion; }
    void mostrarRespuesta(const QString &respuesta) override;

    // The log as the program sees it: every line followed by CR LF.
    QString textoLog() const;
    QString textoRespuesta() const { return respuestaServidor; }

    QPushButton *btnMostrarNav;
    QPlainTextEdit *txtDebug;
    QPushButton *btnDebug;
    CajaLog *txtEnvio;
    QPushButton *btnCerrar;

protected:
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    void enviar();
    bool enviarADestinatarios(); // false when the send stopped before its end
    void enviarA(const QString &prefijo, const QString &numero, const QString &texto, bool ordenInverso);
    void terminar();
    void dejarCerrar();
    void pulsarCerrar();
    void cancelar();
    void alternarDepuracion();
    void mostrarEnNavegador();
    int alturaEnTwips(int twips) const;

    Pasarelas::Intercambio *intercambioActual = nullptr;

    MensajeEnCurso &mensaje;
    bool iniciado = false;
    bool cancelacion = false;
    bool cancelable = true; // the close button cancels until the send ends or is cancelled
    QString respuestaServidor;
};
