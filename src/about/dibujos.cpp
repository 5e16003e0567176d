#include "about/dibujos.h"

#include <QPainter>

namespace {
void dibujarMovil(QPainter &pintor, const QRectF &cuerpo, const QColor &carcasa) {
    pintor.setPen(QPen(Qt::black, 1.5));
    pintor.setBrush(carcasa);
    pintor.drawRoundedRect(cuerpo, 6, 6);
    const qreal margen = cuerpo.width() * 0.15;
    const QRectF pantalla(cuerpo.left() + margen, cuerpo.top() + margen * 1.5, cuerpo.width() - 2 * margen,
                          cuerpo.height() * 0.35);
    pintor.setBrush(QColor(170, 210, 150));
    pintor.drawRect(pantalla);
    pintor.setBrush(Qt::lightGray);
    const qreal lado = (cuerpo.width() - 2 * margen) / 5;
    for (int fila = 0; fila < 4; ++fila) {
        for (int columna = 0; columna < 3; ++columna) {
            pintor.drawRect(QRectF(pantalla.left() + columna * 2 * lado,
                                   pantalla.bottom() + margen + fila * 1.6 * lado, lado, lado));
        }
    }
}

// A transparent square of `lado` logical pixels, holding `proporcion` device pixels per logical one.
QPixmap lienzo(int lado, qreal proporcion) {
    QPixmap imagen(QSize(lado, lado) * proporcion);
    imagen.setDevicePixelRatio(proporcion);
    imagen.fill(Qt::transparent);
    return imagen;
}
} // namespace

QPixmap dibujoMoviles(qreal proporcion) {
    QPixmap imagen = lienzo(96, proporcion);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    dibujarMovil(pintor, QRectF(8, 14, 38, 76), QColor(60, 90, 160));
    dibujarMovil(pintor, QRectF(50, 4, 38, 76), QColor(180, 60, 50));
    return imagen;
}

QPixmap dibujoSaludos(qreal proporcion) {
    QPixmap imagen = lienzo(120, proporcion);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QPen(QColor(40, 40, 40), 3));
    pintor.setBrush(QColor(250, 200, 60));
    pintor.drawEllipse(QRectF(6, 6, 108, 108));
    pintor.setBrush(QColor(40, 40, 40));
    pintor.drawEllipse(QRectF(38, 40, 10, 14));
    pintor.drawEllipse(QRectF(72, 40, 10, 14));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawArc(QRectF(32, 46, 56, 44), 200 * 16, 140 * 16);
    return imagen;
}
