// Opening the stored-messages window over 10,000 stored messages.
// Run: build/<tipo>/bench/bench_almacenados [mensajes]

#include "app/frm_principal.h"
#include "common/campos.h"
#include "common/carpeta.h"
#include "stored/arbol_mensajes.h"
#include "stored/fecha_ole.h"
#include "stored/frm_envio_retardado.h"
#include "stored/registros_mensaje.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>
#include <ctime>

namespace {
void crearMensajes(const QTemporaryDir &carpeta, int cuantos) {
    const QByteArray texto = aAnsi(QStringLiteral("Recordad que la reunión es mañana a las 9.\r\n"
                                                  "Traed la documentación del proyecto, por favor."));
    const QList<DestinoMensaje> destinos{DestinoMensaje::desdeEntrada(QStringLiteral("#Ana García")),
                                         DestinoMensaje::desdeEntrada(QStringLiteral("&Trabajo")),
                                         DestinoMensaje::desdeEntrada(QStringLiteral("@+34:600123456"))};
    for (int i = 0; i < cuantos; ++i) {
        CabeceraMensaje cabecera;
        cabecera.titulo = campoFijo(QStringLiteral("Mensaje %1").arg(i, 5, 10, QLatin1Char('0')), 25);
        cabecera.fecha = i % 2 ? aFechaOle(QDate(2026, 1, 1).addDays(i % 365), QTime(9, 30)) : 0.0;
        QFile fichero(carpeta.filePath(QString::number(i, 16).toUpper() + QStringLiteral(".zrc")));
        if (!fichero.open(QIODevice::WriteOnly))
            qFatal("no se puede escribir en %s", qPrintable(carpeta.path()));
        fichero.write(escribirFicheroMensaje(cabecera, destinos, texto));
    }
}
} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    const int cuantos = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;

    QTemporaryDir carpeta;
    crearMensajes(carpeta, cuantos);
    fijarRutaAplicacion(carpeta.path());
    frmPrincipal principal;

    for (int vuelta = 1; vuelta <= 3; ++vuelta) {
        QElapsedTimer reloj;
        reloj.start();
        const std::clock_t cpuInicio = std::clock();
        ArbolMensajes arbol;
        arbol.cargarMensajes();
        std::printf("vuelta %d: lectura de %lld ficheros en %lld ms; ", vuelta,
                    static_cast<long long>(arbol.mensajes().size()), static_cast<long long>(reloj.restart()));
        frmEnvioRetardado ventana(principal);
        ventana.show();
        QCoreApplication::processEvents();
        const qint64 ms = reloj.elapsed();
        const auto cpuMs = static_cast<long long>((std::clock() - cpuInicio) * 1000 / CLOCKS_PER_SEC);
        std::printf("%d mensajes en el arbol, ventana abierta en %lld ms (en total %lld ms de CPU)\n",
                    ventana.treeMensajes->topLevelItemCount(), static_cast<long long>(ms), cpuMs);
    }
    return 0;
}
