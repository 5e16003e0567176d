#include "ficheros_protegidos.h"

FicheroProtegido ficheroConfiguracion();
FicheroProtegido ficheroAgenda();

QList<FicheroProtegido> ficherosProtegidos() {
    return {ficheroConfiguracion(), ficheroAgenda()};
}
