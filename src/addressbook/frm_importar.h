#pragma once

#include "addressbook/fuentes_importacion.h"
#include "addressbook/ventana_registro_agenda.h"

#include <memory>

class QTimer;
namespace Importacion {
class Importador;
}

// "Importar agenda...": adds a source's entries to a copy of the address book,
// one log line per entry, and saves the whole book when it closes, by any means.
// The import starts once per opening, when the window is first shown, and runs in
// pieces from a zero timer so the window stays live however long the source is.
class frmImportar : public VentanaRegistroAgenda {
    Q_OBJECT
public:
    explicit frmImportar(QWidget *padre = nullptr);
    ~frmImportar() override;

    Importacion::Tipo tipoImportacion = Importacion::Tipo::Texto;
    QString ficheroImportar; // the file; for a version 2.x book the folder of "contactos.lst"

    // Appends a line to the log and scrolls to its end.
    void anotar(const QString &linea);
    bool importando() const;

    // Every way of closing ends here (the close box and Esc come through reject()):
    // an import still running stops, and the address book is saved.
    void done(int resultado) override;

signals:
    void importacionTerminada();

protected:
    void empezar() override;

private:
    void procesarTanda();
    void terminarImportacion();

    QTimer *temporizador; // the pieces of the import
    std::unique_ptr<Importacion::Importador> importador;
    bool agendaLeida = false; // false: the book's files could not be read, nothing is saved
};
