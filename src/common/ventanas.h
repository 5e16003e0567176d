#pragma once

#include <QString>

class QKeyEvent;
class QWidget;

// Gives a new control its name, the one the program and the tests find it by.
template <typename T> T *conNombre(T *control, const QString &nombre) {
    control->setObjectName(nombre);
    return control;
}
template <typename T> T *conNombre(T *control, const char *nombre) {
    return conNombre(control, QString::fromUtf8(nombre));
}

// Places a window in the middle of its screen: (screen size - window size) / 2, the
// screen being the part that panels leave free. The window is centred again with its
// real size when it is first shown, and whenever it grows later it is moved back
// inside that screen, title bar and frame included.
void centrarEnPantalla(QWidget *ventana);

// Space or Enter: the keys that press a focused control that is not a button.
bool esTeclaDePulsar(const QKeyEvent *evento);
