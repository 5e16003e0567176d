#include "common/tiempos.h"

Tiempos &tiempos() {
    static Tiempos valores;
    return valores;
}
