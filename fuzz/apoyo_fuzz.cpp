#include "apoyo_fuzz.h"

#include "common/avisos.h"
#include "common/carpeta.h"
#include "common/tiempos.h"
#include "config/registro.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

int avisosFuzz = 0;

QList<QByteArray> trocearEntrada(const uint8_t *datos, size_t tamano, int minimo) {
    const QByteArray entrada(reinterpret_cast<const char *>(datos), qsizetype(tamano));
    QList<QByteArray> valores;
    qsizetype inicio = 0;
    for (qsizetype fin; (fin = entrada.indexOf(separadorFuzz, inicio)) >= 0;
         inicio = fin + separadorFuzz.size())
        valores.append(entrada.mid(inicio, fin - inicio));
    valores.append(entrada.mid(inicio));
    while (valores.size() < minimo)
        valores.append(QByteArray());
    return valores;
}

QByteArray juntarValores(const QList<QByteArray> &valores) {
    return valores.join(separadorFuzz);
}

void iniciarEntornoFuzz() {
    static int argc = 1;
    static char nombre[] = "zarcel-fuzz";
    static char *argv[] = {nombre, nullptr};
    static QCoreApplication aplicacion(argc, argv);
    // In memory where there is a tmpfs: the readers' files are written on every run.
    static QTemporaryDir carpeta(QDir(QStringLiteral("/dev/shm")).exists()
                                     ? QStringLiteral("/dev/shm/zarcel-fuzz-XXXXXX")
                                     : QDir::tempPath() + QStringLiteral("/zarcel-fuzz-XXXXXX"));
    fijarRutaAplicacion(carpeta.path());
    const QString arranque = carpeta.filePath(QStringLiteral("autostart"));
    QDir().mkpath(arranque);
    registro::fijarCarpetaArranque(arranque);
    tiempos() = Tiempos{2000, 2000, 0};
    Avisos::instalar([](const QString &) { ++avisosFuzz; },
                     [](const QString &) {
                         ++avisosFuzz;
                         return false;
                     });
}

void fallo(const char *motivo) {
    std::fprintf(stderr, "invariante roto: %s\n", motivo);
    std::abort();
}

// libFuzzer calls this once before the first input; the seed writer never does.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    iniciarEntornoFuzz();
    return 0;
}
