#include "common/ventanas.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

namespace {

// Moves the window, frame included, to the centre of its screen's free area or, with
// `centrar` false, only as far as it takes to bring it inside that area.
void colocarEnPantalla(QWidget *ventana, bool centrar) {
    const QScreen *pantalla = ventana->screen() ? ventana->screen() : QGuiApplication::primaryScreen();
    if (!pantalla)
        return;
    const QRect area = pantalla->availableGeometry();
    const QRect marco = ventana->frameGeometry();
    const auto dentro = [](int inicio, int medida, int desde, int hueco, bool enMedio) {
        const int posicion = enMedio ? desde + (hueco - medida) / 2 : inicio;
        // A window larger than the screen keeps its top left corner on it.
        return qMax(desde, qMin(posicion, desde + hueco - medida));
    };
    const QPoint esquina(dentro(marco.x(), marco.width(), area.x(), area.width(), centrar),
                         dentro(marco.y(), marco.height(), area.y(), area.height(), centrar));
    if (esquina != marco.topLeft())
        ventana->move(esquina);
}

class GuardaPantalla : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *objeto, QEvent *evento) override {
        auto *ventana = static_cast<QWidget *>(objeto);
        if (evento->type() == QEvent::Show && !mostrada) {
            // The layout has given the window its real size by now.
            mostrada = true;
            colocarEnPantalla(ventana, true);
        } else if (evento->type() == QEvent::Resize && ventana->isVisible()) {
            colocarEnPantalla(ventana, false);
        }
        return false;
    }

private:
    bool mostrada = false;
};

} // namespace

void centrarEnPantalla(QWidget *ventana) {
    colocarEnPantalla(ventana, true);
    const QString nombre = QStringLiteral("guardaPantalla");
    if (!ventana->findChild<QObject *>(nombre, Qt::FindDirectChildrenOnly))
        ventana->installEventFilter(conNombre(new GuardaPantalla(ventana), nombre));
}

bool esTeclaDePulsar(const QKeyEvent *evento) {
    const int tecla = evento->key();
    return tecla == Qt::Key_Space || tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
}
