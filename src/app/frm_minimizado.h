#pragma once

#include <QDeadlineTimer>
#include <QWidget>
#include <memory>
#include <optional>

class ClicsBandeja;
class QAction;
class QTimer;
class QMenu;
class QSystemTrayIcon;

// The never-shown window that owns the tray icon and its menu. Tray clicks arrive
// as the event numbers of the classic notification callback: 513 left button
// pressed (restore), 516 right button pressed (menu); every other number is ignored.
class frmMinimizado : public QWidget {
    Q_OBJECT
public:
    static constexpr int botonIzquierdo = 513;
    static constexpr int botonDerecho = 516;

    explicit frmMinimizado(QWidget *padre = nullptr);
    ~frmMinimizado() override;

    void ponerIconoBandeja();
    void quitarIconoBandeja();
    void eventoBandeja(int numero);
    // The "--hide" start. When the desktop has no tray yet (a login start can come
    // before the panel), waits up to tiempos().bandejaMs for one to appear.
    void ocultarEnBandeja();

    QSystemTrayIcon *icono;
    QMenu *mnuPrincipal;
    QAction *mnuPrincipalAbrir;
    QAction *mnuPrincipalCerrar;

    // Where the desktop offers no tray, hiding the main window would leave the
    // program with no window and no icon: it is minimised instead.
    static bool bandejaDisponible();
    static void forzarBandeja(std::optional<bool> disponible); // test seam

signals:
    // Abrir or the left button: the main window comes back.
    void restaurarPedido();
    // The "--hide" start is decided: into the tray, or shown where there is none.
    void arranqueOculto(bool hayBandeja);

private:
    void comprobarBandeja();

    QTimer *esperaBandeja;
    QDeadlineTimer finEspera;
    std::unique_ptr<ClicsBandeja> clicsBloqueados;
};

frmMinimizado *ventanaBandeja();
