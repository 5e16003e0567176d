#include "common/icono_dibujado.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <utility>

namespace {

class MotorDibujo : public QIconEngine {
public:
    explicit MotorDibujo(std::function<void(QPainter &)> dibujo) : dibujo(std::move(dibujo)) {}

    void paint(QPainter *pintor, const QRect &rect, QIcon::Mode modo, QIcon::State) override {
        const qreal lado = qMin(rect.width(), rect.height());
        pintor->save();
        pintor->setRenderHint(QPainter::Antialiasing);
        pintor->translate(rect.x() + (rect.width() - lado) / 2, rect.y() + (rect.height() - lado) / 2);
        pintor->scale(lado / 16, lado / 16);
        if (modo == QIcon::Disabled)
            pintor->setOpacity(0.4);
        dibujo(*pintor);
        pintor->restore();
    }

    QPixmap pixmap(const QSize &tamano, QIcon::Mode modo, QIcon::State estado) override {
        return scaledPixmap(tamano, modo, estado, 1);
    }

    QPixmap scaledPixmap(const QSize &tamano, QIcon::Mode modo, QIcon::State estado, qreal escala) override {
        QPixmap imagen(tamano * escala);
        imagen.setDevicePixelRatio(escala);
        imagen.fill(Qt::transparent);
        QPainter pintor(&imagen);
        paint(&pintor, QRect(QPoint(), tamano), modo, estado);
        return imagen;
    }

    QIconEngine *clone() const override { return new MotorDibujo(*this); }

private:
    std::function<void(QPainter &)> dibujo;
};

} // namespace

QIcon iconoDibujado(std::function<void(QPainter &)> dibujo) {
    return QIcon(new MotorDibujo(std::move(dibujo)));
}
