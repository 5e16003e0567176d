#include "ficheros_protegidos.h"

FicheroProtegido ficheroConfiguracion();
FicheroProtegido ficheroAgenda();
FicheroProtegido ficheroMensaje();

QList<FicheroProtegido> ficherosProtegidos() {
    return {ficheroConfiguracion(), ficheroAgenda(), ficheroMensaje()};
}
