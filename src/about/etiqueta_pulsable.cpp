#include "about/etiqueta_pulsable.h"

#include "common/ventanas.h"

#include <QKeyEvent>
#include <QMouseEvent>

EtiquetaPulsable::EtiquetaPulsable(const QString &texto, QWidget *padre) : QLabel(texto, padre) {
    setTextFormat(Qt::PlainText);
}

void EtiquetaPulsable::hacerEnlace(const QString &direccion) {
    destino = direccion;
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont letra = font();
    letra.setUnderline(true);
    setFont(letra);
    QPalette paleta = palette();
    paleta.setColor(QPalette::WindowText, palette().color(QPalette::Link));
    setPalette(paleta);
    setToolTip(direccion);
}

void EtiquetaPulsable::mouseReleaseEvent(QMouseEvent *evento) {
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
        emit pulsada();
    QLabel::mouseReleaseEvent(evento);
}

void EtiquetaPulsable::keyPressEvent(QKeyEvent *evento) {
    if (focusPolicy() != Qt::NoFocus && esTeclaDePulsar(evento)) {
        emit pulsada();
        return;
    }
    QLabel::keyPressEvent(evento);
}
