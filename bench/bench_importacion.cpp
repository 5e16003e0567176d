// Import of a text file of name and number line pairs, at 25,000, 50,000 and
// 100,000 lines: the time per line should stay flat (key look-ups by hash).
// Times the core (read, apply, save) and the whole import window, offscreen.
// Run: QT_QPA_PLATFORM=offscreen build/dev/bench/bench_importacion

#include "addressbook/arbol_agenda.h"
#include "addressbook/fichero_agenda.h"
#include "addressbook/frm_importar.h"
#include "addressbook/importacion.h"
#include "common/carpeta.h"
#include "common/ficheros.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {
QString escribirTexto(int lineas) {
    QByteArray datos;
    for (int i = 0; i < lineas / 2; ++i)
        datos += "Contacto " + QByteArray::number(i) + "\r\n" + QByteArray::number(600000000 + i) + "\r\n";
    const QString ruta = rutaFichero(QStringLiteral("lista%1.txt").arg(lineas));
    grabarFicheroAtomico(ruta, datos);
    return ruta;
}

void empezarDeCero() {
    QFile::remove(rutaFichero(QStringLiteral("contacts.lst")));
    QFile::remove(rutaFichero(QStringLiteral("groups.lst")));
}

double nucleo(const QString &ruta) {
    empezarDeCero();
    QElapsedTimer reloj;
    reloj.start();
    ArbolAgenda arbol;
    cargarArbolAgenda(arbol);
    Importacion::Fuente fuente = Importacion::leerFuente(Importacion::Tipo::Texto, ruta);
    const qsizetype n = fuente.entradas.size();
    Importacion::Importador importador(arbol, Importacion::Tipo::Texto, std::move(fuente.entradas));
    importador.procesar(n);
    grabarArbolAgenda(arbol);
    return double(reloj.nsecsElapsed()) / 1e6;
}

double ventana(const QString &ruta) {
    empezarDeCero();
    QElapsedTimer reloj;
    reloj.start();
    frmImportar importar;
    importar.tipoImportacion = Importacion::Tipo::Texto;
    importar.ficheroImportar = ruta;
    QEventLoop espera;
    QObject::connect(&importar, &frmImportar::importacionTerminada, &espera, &QEventLoop::quit);
    importar.show();
    espera.exec();
    importar.close(); // saves the book
    return double(reloj.nsecsElapsed()) / 1e6;
}
} // namespace

int main(int argc, char *argv[]) {
    QApplication aplicacion(argc, argv);
    QTemporaryDir carpeta;
    fijarRutaAplicacion(carpeta.path());
    std::printf("%8s %14s %14s %14s %14s\n", "lines", "core ms", "core us/line", "window ms",
                "window us/line");
    for (int lineas : {25000, 50000, 100000}) {
        const QString ruta = escribirTexto(lineas);
        const double n = nucleo(ruta);
        const double v = ventana(ruta);
        std::printf("%8d %14.1f %14.2f %14.1f %14.2f\n", lineas, n, 1000.0 * n / lineas, v,
                    1000.0 * v / lineas);
    }
    return 0;
}
