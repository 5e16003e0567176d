#pragma once

#include "addressbook/ventana_registro_agenda.h"

// "Exportar agenda...": asks for a file with the save dialog and writes every
// contact to it, as text or as vCard, one log line per contact. Nothing goes back to the book.
class frmExportar : public VentanaRegistroAgenda {
    Q_OBJECT
public:
    explicit frmExportar(QWidget *padre = nullptr);

    // Set before the window is shown, 1 text or 2 vCard: it then exports, once per opening.
    qint16 tipoExportacion = 0;

protected:
    // The save dialog opens over this window once it is on screen.
    void empezar() override;
};
