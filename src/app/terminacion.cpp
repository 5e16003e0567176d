#include "app/terminacion.h"

#include <cstdio>
#include <cstdlib>

namespace Terminacion {
namespace {
std::function<void(int)> &funcionFijada() {
    static std::function<void(int)> funcion;
    return funcion;
}
std::function<void()> &limpieza() {
    static std::function<void()> funcion;
    return funcion;
}
} // namespace

void terminar(int codigo) {
    if (limpieza())
        limpieza()();
    if (funcionFijada()) {
        funcionFijada()(codigo);
        return;
    }
    std::fflush(nullptr);
    std::exit(codigo);
}

void fijar(std::function<void(int)> funcion) {
    funcionFijada() = std::move(funcion);
}

void alTerminar(std::function<void()> funcion) {
    limpieza() = std::move(funcion);
}
} // namespace Terminacion
