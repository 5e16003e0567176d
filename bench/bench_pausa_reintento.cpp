// CPU time the process spends during one full pause between two send attempts,
// with the real durations. The pause must sleep: a tiny fraction of one core.

#include "common/tiempos.h"
#include "gateways/intercambio.h"
#include "gateways/salida_envio.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>

#include <cstdio>
#include <sys/resource.h>

namespace {
class SalidaMuda : public Pasarelas::SalidaEnvio {
public:
    void logea(const QString &) override {}
    bool cancelado() const override { return false; }
    void mostrarRespuesta(const QString &) override {}
};

double segundosCPU() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) +
           double(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}
} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication aplicacion(argc, argv);
    QTcpSocket socket;
    SalidaMuda salida;
    Pasarelas::Intercambio intercambio(socket, salida);

    const double cpuAntes = segundosCPU();
    QElapsedTimer reloj;
    reloj.start();
    intercambio.pausar(tiempos().reintentoMs);
    const double real = double(reloj.elapsed()) / 1000.0;
    const double cpu = segundosCPU() - cpuAntes;

    std::printf("pausa entre intentos: %.3f s reales, %.6f s de CPU, %.4f %% de un nucleo\n", real, cpu,
                100.0 * cpu / real);
    return 0;
}
