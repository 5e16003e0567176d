#include "fallos.h"

#include <csignal>
#include <cstdio>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
bool morirAlReemplazar = false;
}

// Every save ends by giving the finished temporary file its name: renamed over
// the old file, or linked in where there was none. A child that must die right
// before that point does so here.
extern "C" int rename(const char *desde, const char *hacia) noexcept {
    if (morirAlReemplazar)
        raise(SIGKILL);
    using Funcion = int (*)(const char *, const char *);
    static const auto real = reinterpret_cast<Funcion>(dlsym(RTLD_NEXT, "rename"));
    return real(desde, hacia);
}

extern "C" int linkat(int carpetaDesde, const char *desde, int carpetaHacia, const char *hacia,
                      int opciones) noexcept {
    if (morirAlReemplazar)
        raise(SIGKILL);
    using Funcion = int (*)(int, const char *, int, const char *, int);
    static const auto real = reinterpret_cast<Funcion>(dlsym(RTLD_NEXT, "linkat"));
    return real(carpetaDesde, desde, carpetaHacia, hacia, opciones);
}

namespace Fallos {

bool matarDurante(qint64 bytes, const std::function<void()> &grabar) {
    std::fflush(nullptr);
    const pid_t hijo = fork();
    if (hijo == 0) {
        if (bytes >= 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit limite{};
            getrlimit(RLIMIT_FSIZE, &limite);
            limite.rlim_cur = rlim_t(bytes);
            setrlimit(RLIMIT_FSIZE, &limite);
        } else {
            morirAlReemplazar = true;
        }
        grabar();
        _exit(0);
    }
    int estado = 0;
    if (hijo < 0 || waitpid(hijo, &estado, 0) != hijo)
        return false;
    const int senal = bytes >= 0 ? SIGXFSZ : SIGKILL;
    return WIFSIGNALED(estado) && WTERMSIG(estado) == senal;
}

bool sinDescriptores(const std::function<bool()> &grabar) {
    rlimit anterior{};
    getrlimit(RLIMIT_NOFILE, &anterior);
    // The lowest free descriptor: below it all are taken, so a limit there leaves
    // none to open while the event loop can still poll the ones it has.
    const int libre = dup(0);
    close(libre);
    rlimit limite = anterior;
    limite.rlim_cur = rlim_t(libre);
    setrlimit(RLIMIT_NOFILE, &limite);
    const bool resultado = grabar();
    setrlimit(RLIMIT_NOFILE, &anterior);
    return resultado;
}

} // namespace Fallos
