#pragma once

class QKeyEvent;
class QWidget;

// Places a window in the middle of its screen: (screen size - window size) / 2.
void centrarEnPantalla(QWidget *ventana);

// Space or Enter: the keys that press a focused control that is not a button.
bool esTeclaDePulsar(const QKeyEvent *evento);
