#include "config/muestra_color.h"

#include "common/colores.h"
#include "common/ventanas.h"

#include <QKeyEvent>
#include <QMouseEvent>

MuestraColor::MuestraColor(QWidget *padre) : QFrame(padre) {
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(48, 22);
    ponerColor(0);
}

void MuestraColor::ponerColor(quint32 color) {
    valor = color;
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, colorDesdeRegistro(color));
    setPalette(paleta);
}

void MuestraColor::mouseDoubleClickEvent(QMouseEvent *evento) {
    if (evento->button() == Qt::LeftButton)
        emit elegir();
}

void MuestraColor::keyPressEvent(QKeyEvent *evento) {
    if (esTeclaDePulsar(evento)) {
        emit elegir();
        return;
    }
    QFrame::keyPressEvent(evento);
}
