#pragma once

#include <QFrame>

// A colour swatch: shows a stored colour (red + 256 x green + 65536 x blue) as its
// background. A double click, or Space / Enter while it has the focus, asks for a
// new colour through `elegir`.
class MuestraColor : public QFrame {
    Q_OBJECT
public:
    explicit MuestraColor(QWidget *padre = nullptr);

    quint32 color() const { return valor; }
    void ponerColor(quint32 color);

signals:
    void elegir();

protected:
    void mouseDoubleClickEvent(QMouseEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

private:
    quint32 valor = 0;
};
