#include "addressbook/nombres_agenda.h"

#include "common/campos.h"

void NombresAgenda::reservar(qsizetype nombres, qsizetype bytes) {
    // Pages of the reserve that no name reaches are never touched, so they cost no memory.
    fines.reserve(nombres);
    datos.reserve(bytes);
}

void NombresAgenda::anadir(QByteArrayView nombre) {
    datos.append(nombre);
    fines.append(quint32(datos.size()));
}

QString NombresAgenda::texto(qsizetype i) const {
    return desdeAnsi(bytes(i));
}
