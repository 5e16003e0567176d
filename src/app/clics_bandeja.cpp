#include "app/clics_bandeja.h"

#include <QGuiApplication>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindow>

#if __has_include(<xcb/xinput.h>)
#include <xcb/xcb.h>
#include <xcb/xinput.h>

namespace {
bool bandejaBloqueada() {
    const QWindow *modal = QGuiApplication::modalWindow();
    return modal && modal->modality() == Qt::ApplicationModal;
}

// Qt's own window for an icon docked in an X11 tray.
bool esVentanaBandeja(xcb_window_t id) {
    const QWidget *ventana = QWidget::find(id);
    return ventana && ventana->inherits("QSystemTrayIconSys");
}

// The button pressed on window `ventana`, 0 when the event is no button press. Qt takes
// the mouse through XInput 2 where the server has it, through core events elsewhere.
uint32_t botonPulsado(const void *mensaje, xcb_window_t &ventana) {
    const auto *evento = static_cast<const xcb_generic_event_t *>(mensaje);
    const int tipo = evento->response_type & 0x7f;
    if (tipo == XCB_BUTTON_PRESS) {
        const auto *pulsacion = static_cast<const xcb_button_press_event_t *>(mensaje);
        ventana = pulsacion->event;
        return pulsacion->detail;
    }
    const auto *generico = static_cast<const xcb_ge_generic_event_t *>(mensaje);
    if (tipo != XCB_GE_GENERIC || generico->event_type != XCB_INPUT_BUTTON_PRESS)
        return 0;
    const auto *pulsacion = static_cast<const xcb_input_button_press_event_t *>(mensaje);
    ventana = pulsacion->event;
    return pulsacion->detail;
}
} // namespace

bool ClicsBandeja::nativeEventFilter(const QByteArray &tipo, void *mensaje, qintptr *) {
    if (tipo != "xcb_generic_event_t")
        return false;
    xcb_window_t ventana = 0;
    const uint32_t boton = botonPulsado(mensaje, ventana);
    if (boton == 0 || !bandejaBloqueada() || !esVentanaBandeja(ventana))
        return false;
    if (boton == XCB_BUTTON_INDEX_1)
        emit icono->activated(QSystemTrayIcon::Trigger);
    else if (boton == XCB_BUTTON_INDEX_3)
        emit icono->activated(QSystemTrayIcon::Context);
    return true;
}
#elif defined(Q_OS_LINUX)
#error "libxcb-xinput-dev is missing: without it the tray would ignore clicks while a modal window is open"
#else
// No X11 here: a tray reached another way is not a window that a modal one blocks.
bool ClicsBandeja::nativeEventFilter(const QByteArray &, void *, qintptr *) {
    return false;
}
#endif
