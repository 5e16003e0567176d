#include "addressbook/nombres_agenda.h"

#include "common/campos.h"

#include <cstring>

void NombresAgenda::reservar(qsizetype nombres, qsizetype bytes) {
    fines.reserve(size_t(nombres));
    if (bytes > capacidad) {
        auto nuevos = std::make_unique_for_overwrite<char[]>(size_t(bytes));
        if (usados > 0)
            std::memcpy(nuevos.get(), datos.get(), size_t(usados));
        datos = std::move(nuevos);
        capacidad = bytes;
    }
}

void NombresAgenda::anadir(QByteArrayView nombre) {
    if (usados + nombre.size() > capacidad)
        reservar(size(), qMax(2 * capacidad, usados + nombre.size()));
    if (!nombre.isEmpty())
        std::memcpy(datos.get() + usados, nombre.data(), size_t(nombre.size()));
    usados += nombre.size();
    fines.push_back(quint32(usados));
}

QString NombresAgenda::texto(qsizetype i) const {
    return desdeAnsi(bytes(i));
}
