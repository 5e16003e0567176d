#include "stored/imagenes_mensajes.h"

#include "common/icono_dibujado.h"

#include <QPainter>
#include <QPainterPath>

QIcon imagenTitulo() {
    return iconoDibujado([](QPainter &pintor) {
        pintor.setPen(QPen(Paleta::pizarra, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        pintor.setBrush(Paleta::cielo);
        pintor.drawRect(QRectF(1.5, 3.5, 13, 9));
        pintor.setBrush(Qt::white);
        pintor.drawPolygon(QPolygonF({QPointF(1.5, 3.5), QPointF(8, 9), QPointF(14.5, 3.5)}));
    });
}

QIcon imagenHora() {
    return iconoDibujado([](QPainter &pintor) {
        pintor.setPen(QPen(Paleta::pizarra, 1.5));
        pintor.setBrush(Qt::white);
        pintor.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        pintor.setPen(QPen(Paleta::azul, 1.5, Qt::SolidLine, Qt::RoundCap));
        pintor.drawPolyline(QPolygonF({QPointF(8, 3.8), QPointF(8, 8), QPointF(11, 9.5)}));
    });
}

QIcon imagenTelefono() {
    return iconoDibujado([](QPainter &pintor) {
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(Paleta::pizarra);
        pintor.drawRoundedRect(QRectF(3.5, 0.5, 9, 15), 2, 2);
        pintor.setBrush(Paleta::cielo);
        pintor.drawRect(QRectF(5, 2.5, 6, 8));
        pintor.setBrush(Paleta::gris);
        pintor.drawRoundedRect(QRectF(6.5, 12, 3, 1.5), 0.75, 0.75);
    });
}

QIcon imagenMensaje() {
    return iconoDibujado([](QPainter &pintor) {
        QPainterPath globo;
        globo.addRoundedRect(QRectF(0.5, 1.5, 15, 10), 2.5, 2.5);
        globo.moveTo(3.5, 11);
        globo.lineTo(3.5, 15);
        globo.lineTo(8, 11);
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(Paleta::azul);
        pintor.drawPath(globo.simplified());
        pintor.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
        pintor.drawLine(QPointF(3.5, 5), QPointF(12.5, 5));
        pintor.drawLine(QPointF(3.5, 8), QPointF(10, 8));
    });
}
