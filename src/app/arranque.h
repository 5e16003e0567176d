#pragma once

#include <QStringList>
#include <memory>

class QWidget;
class frmMinimizado;
class frmPrincipal;
class InstanciaUnica;

// The running program: its main window, its tray window and its single-instance lock.
struct Programa {
    std::unique_ptr<InstanciaUnica> instancia;
    std::unique_ptr<frmMinimizado> bandeja;
    std::unique_ptr<frmPrincipal> principal;
    Programa();
    ~Programa();
};

// Start-up in its fixed order. Returns false, after the refusal message and before
// any file is read or any icon shown, when another copy is running.
// `argumentos` are the process's own arguments after the program name.
bool iniciarPrograma(Programa &programa, const QStringList &argumentos,
                     std::unique_ptr<InstanciaUnica> instancia);

// Unloads every window but `ventana` (open dialogs included), removes the tray
// icon, unloads `ventana` and ends the process.
void cerrarPrograma(QWidget *ventana);
