#include "app/estilo.h"

#include "app/icono.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

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

    void drawPrimitive(PrimitiveElement elemento, const QStyleOption *opcion, QPainter *pintor,
                       const QWidget *control) const override {
        if (elemento == PE_FrameGroupBox && dibujarMarcoGrupo(opcion, pintor, control))
            return;
        if (elemento == PE_Frame && (opcion->state & State_HasFocus) &&
            qobject_cast<const QAbstractItemView *>(control))
            dibujarMarcoConFoco(opcion, pintor);
        else
            QProxyStyle::drawPrimitive(elemento, opcion, pintor, control);
    }

private:
    // Fusion draws a list's frame alike with and without the focus, as it does not
    // for a text box: the focused list is told apart by its frame in the highlight colour.
    static void dibujarMarcoConFoco(const QStyleOption *opcion, QPainter *pintor) {
        pintor->save();
        pintor->setPen(opcion->palette.color(QPalette::Highlight));
        pintor->drawRect(opcion->rect.adjusted(0, 0, -1, -1));
        pintor->restore();
    }

    // Fusion's group-box frame, drawn from the same image read as PNG outright: Fusion
    // reads it by name alone, and to guess its format Qt loads every image-format plugin.
    // The image is Fusion's private resource: a Qt without it leaves the frame to the base style.
    bool dibujarMarcoGrupo(const QStyleOption *opcion, QPainter *pintor, const QWidget *control) const {
        static const QPixmap marco =
            leerPng(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
        if (marco.isNull())
            return false;
        constexpr int margenSuperior = 3;
        int arriba = margenSuperior;
        const auto *caja = qobject_cast<const QGroupBox *>(control);
        if (!caja || caja->isCheckable() || !caja->title().isEmpty())
            arriba += qMax(pixelMetric(PM_ExclusiveIndicatorHeight), opcion->fontMetrics.height());
        qDrawBorderPixmap(pintor, opcion->rect.adjusted(0, arriba, 0, 0), QMargins(6, 6, 6, 6), marco);
        return true;
    }
};
} // namespace

QStyle *estiloPrograma() {
    return new EstiloPrograma;
}
