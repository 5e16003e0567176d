// The send window's log over a long send: the time to append 1,000 lines when the
// log already holds 0, 10,000 and 100,000 lines, once with all of them in one
// event-loop turn and once with a turn after each line (a send on a fast network).
// Constant time per line means the figures of each kind stay alike.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench/bench_log_envio

#include "app/frm_principal.h"
#include "common/avisos.h"
#include "common/carpeta.h"
#include "sending/frm_envio.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[]) {
    QApplication aplicacion(argc, argv);
    QTemporaryDir carpeta;
    fijarRutaAplicacion(carpeta.path());
    Avisos::instalar([](const QString &) {}, [](const QString &) { return false; });

    frmPrincipal principal;
    frmEnvio envio(principal, &principal); // nothing to send: the window opens, says so and waits
    envio.show();
    QApplication::processEvents();

    const QString linea = QStringLiteral("Enviando mensaje a +34:600123456 a traves de Movistar");
    int escritas = 0;
    for (const int hasta : {0, 10000, 100000}) {
        while (escritas < hasta) {
            envio.logea(linea);
            ++escritas;
        }
        QApplication::processEvents();
        QElapsedTimer reloj;
        reloj.start();
        for (int i = 0; i < 1000; ++i)
            envio.logea(linea);
        QApplication::processEvents(); // the box lays out and paints what arrived
        const double juntas = double(reloj.nsecsElapsed()) / 1e6;
        reloj.restart();
        for (int i = 0; i < 1000; ++i) {
            envio.logea(linea);
            QApplication::processEvents();
        }
        const double sueltas = double(reloj.nsecsElapsed()) / 1e6;
        escritas += 2000;
        std::printf("1000 lines after %6d: %7.1f ms in one turn, %7.1f ms a turn each\n", hasta, juntas,
                    sueltas);
    }
    return 0;
}
