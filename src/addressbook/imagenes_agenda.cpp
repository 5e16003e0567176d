#include "addressbook/imagenes_agenda.h"

#include "common/icono_dibujado.h"

#include <QPainter>

namespace {
// A head and shoulders `lado` units wide, the head centred at (x, y).
void dibujarPersona(QPainter &pintor, qreal x, qreal y, qreal lado, const QColor &color) {
    pintor.setPen(QPen(Paleta::pizarra, 0.8));
    pintor.setBrush(color);
    const qreal radio = lado * 0.27;
    pintor.drawChord(QRectF(x - lado / 2, y + radio + 0.6, lado, lado * 1.1), 0, 180 * 16);
    pintor.drawEllipse(QPointF(x, y), radio, radio);
}
} // namespace

QIcon imagenContacto() {
    return iconoDibujado([](QPainter &pintor) { dibujarPersona(pintor, 8, 5, 11, Paleta::azul); });
}

QIcon imagenGrupo() {
    return iconoDibujado([](QPainter &pintor) {
        dibujarPersona(pintor, 10.5, 4.5, 9, Paleta::gris);
        dibujarPersona(pintor, 6, 6.5, 9, Paleta::azul);
    });
}
