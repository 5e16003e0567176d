#pragma once

#include <QAbstractNativeEventFilter>

class QSystemTrayIcon;

// In an X11 tray the icon is a window of its own, and a modal window blocks its
// clicks as it blocks every other window's: while Opciones, the address book or a
// send is open, the tray would not answer, not even its Cerrar. This hands those
// clicks to the icon as if nothing blocked it.
class ClicsBandeja : public QAbstractNativeEventFilter {
public:
    explicit ClicsBandeja(QSystemTrayIcon *icono) : icono(icono) {}

    bool nativeEventFilter(const QByteArray &tipo, void *mensaje, qintptr *resultado) override;

private:
    QSystemTrayIcon *icono;
};
