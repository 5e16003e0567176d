#include "ficheros_protegidos.h"

FicheroProtegido ficheroConfiguracion();

QList<FicheroProtegido> ficherosProtegidos() {
    return {ficheroConfiguracion()};
}
