#include "app/argumentos.h"

bool arrancarOculto(const QStringList &argumentos) {
    return argumentos.size() == 1 && argumentos.first() == QLatin1String("--hide");
}
