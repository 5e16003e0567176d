// The smallest Qt Widgets program that shows a window: the baseline that
// bench/arranque.sh compares Zarcel's start-up time and memory with.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication aplicacion(argc, argv);
    QWidget ventana;
    ventana.setWindowTitle(QStringLiteral("Ventana vacia"));
    ventana.resize(640, 600);
    ventana.show();
    return aplicacion.exec();
}
