#include "app/estilo.h"

#include <QIconEngine>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

#include <optional>

namespace {
class IconoDiferido : public QIconEngine {
public:
    IconoDiferido(QStyle *estilo, QStyle::StandardPixmap cual) : estilo(estilo), cual(cual) {}

    void paint(QPainter *pintor, const QRect &rect, QIcon::Mode modo, QIcon::State estado) override {
        real().paint(pintor, rect, Qt::AlignCenter, modo, estado);
    }
    QPixmap pixmap(const QSize &tamano, QIcon::Mode modo, QIcon::State estado) override {
        return real().pixmap(tamano, modo, estado);
    }
    QSize actualSize(const QSize &tamano, QIcon::Mode modo, QIcon::State estado) override {
        return real().actualSize(tamano, modo, estado);
    }
    QList<QSize> availableSizes(QIcon::Mode modo, QIcon::State estado) override {
        return real().availableSizes(modo, estado);
    }
    QIconEngine *clone() const override { return new IconoDiferido(*this); }

private:
    QIcon &real() {
        if (!icono && estilo)
            icono = estilo->standardIcon(cual);
        return *icono;
    }

    QPointer<QStyle> estilo;
    QStyle::StandardPixmap cual;
    std::optional<QIcon> icono;
};

class EstiloPrograma : public QProxyStyle {
public:
    EstiloPrograma() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QIcon standardIcon(StandardPixmap cual, const QStyleOption *opcion,
                       const QWidget *control) const override {
        if (cual == SP_ToolBarHorizontalExtensionButton)
            return QIcon(new IconoDiferido(baseStyle(), cual));
        return QProxyStyle::standardIcon(cual, opcion, control);
    }
};
} // namespace

QStyle *estiloPrograma() {
    return new EstiloPrograma;
}
