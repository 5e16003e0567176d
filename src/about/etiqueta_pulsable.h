#pragma once

#include <QLabel>

// A label that reports clicks. As a link it also takes the keyboard focus (Space or
// Enter act as a click), shows a pointing hand and holds the address it opens.
class EtiquetaPulsable : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetaPulsable(const QString &texto, QWidget *padre = nullptr);

    void hacerEnlace(const QString &direccion);
    QString direccion() const { return destino; }

signals:
    void pulsada();

protected:
    void mouseReleaseEvent(QMouseEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

private:
    QString destino;
};
