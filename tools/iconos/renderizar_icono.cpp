// Renders the program's SVG icon into square PNGs, one per size:
//   renderizar_icono ICONO.svg CARPETA TAMAÑO...   writes CARPETA/zarcel-TAMAÑO.png
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char *argv[]) {
    if (argc < 4) {
        std::fputs("uso: renderizar_icono ICONO.svg CARPETA TAMAÑO...\n", stderr);
        return 2;
    }
    QSvgRenderer dibujo(QString::fromLocal8Bit(argv[1]));
    if (!dibujo.isValid()) {
        std::fprintf(stderr, "no se puede leer %s\n", argv[1]);
        return 1;
    }
    const QString carpeta = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int lado = QByteArray(argv[i]).toInt();
        QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
        imagen.fill(Qt::transparent);
        QPainter pintor(&imagen);
        dibujo.render(&pintor);
        pintor.end();
        const QString salida = carpeta + QStringLiteral("/zarcel-%1.png").arg(lado);
        if (lado <= 0 || !imagen.save(salida)) {
            std::fprintf(stderr, "no se puede escribir %s\n", qPrintable(salida));
            return 1;
        }
    }
    return 0;
}
