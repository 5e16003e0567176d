#pragma once

#include "addressbook/ventana_registro_agenda.h"

// "Exportar agenda...": asks for a file with the save dialog and writes every
// contact to it as text, one log line per contact. Nothing goes back to the book.
class frmExportar : public VentanaRegistroAgenda {
    Q_OBJECT
public:
    explicit frmExportar(QWidget *padre = nullptr);

    // Set to 1 before the window is shown: it then exports, once per opening.
    qint16 tipoExportacion = 0;

    void done(int resultado) override;

signals:
    void exportacionTerminada();

protected:
    void showEvent(QShowEvent *evento) override;

private:
    void exportar();

    bool iniciada = false;
};
