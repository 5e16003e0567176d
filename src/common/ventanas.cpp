#include "common/ventanas.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

void centrarEnPantalla(QWidget *ventana) {
    const QScreen *pantalla = ventana->screen() ? ventana->screen() : QGuiApplication::primaryScreen();
    if (!pantalla)
        return;
    const QRect area = pantalla->geometry();
    ventana->move(area.x() + (area.width() - ventana->width()) / 2,
                  area.y() + (area.height() - ventana->height()) / 2);
}

bool esTeclaDePulsar(const QKeyEvent *evento) {
    const int tecla = evento->key();
    return tecla == Qt::Key_Space || tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
}
