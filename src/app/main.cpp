#include "app/arranque.h"
#include "app/estilo.h"
#include "app/icono.h"
#include "app/instancia_unica.h"
#include "app/traduccion.h"
#include "common/cuadros.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    // QApplication removes the options it knows (-platform, -style...) from argv,
    // so the arguments are taken exactly as the process received them first.
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos.append(QString::fromLocal8Bit(argv[i]));

    QApplication aplicacion(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(estiloPrograma());
    // Every window inherits the icon; the desktop file name ties the windows to the launcher.
    QApplication::setWindowIcon(iconoPrograma());
    QGuiApplication::setDesktopFileName(QStringLiteral("zarcel"));
    instalarCuadrosDeDialogo();
    instalarTraduccionQt();

    Programa programa;
    if (!iniciarPrograma(programa, argumentos, std::make_unique<InstanciaUnica>()))
        return 1;
    return QApplication::exec();
}
