#include "addressbook/registros_agenda.h"

#include "common/campos.h"

QByteArray GrupoAgenda::escribir() const {
    return campoFijo(nombre, tamano);
}

GrupoAgenda GrupoAgenda::leer(const QByteArray &datos, qsizetype posicion) {
    Q_ASSERT(posicion + tamano <= datos.size());
    GrupoAgenda registro;
    registro.nombre = datos.mid(posicion, tamano);
    return registro;
}

QByteArray ContactoAgenda::escribir() const {
    QByteArray datos;
    datos.reserve(tamano);
    datos += campoFijo(nombre, 25);
    datos += campoFijo(prefijo, 10);
    datos += campoFijo(telefono, 25);
    datos += campoFijo(grupo, 25);
    datos += QByteArray(2, '\0');
    escribirInt16(datos, 85, envioReves);
    return datos;
}

ContactoAgenda ContactoAgenda::leer(const QByteArray &datos, qsizetype posicion) {
    Q_ASSERT(posicion + tamano <= datos.size());
    ContactoAgenda registro;
    registro.nombre = datos.mid(posicion, 25);
    registro.prefijo = datos.mid(posicion + 25, 10);
    registro.telefono = datos.mid(posicion + 35, 25);
    registro.grupo = datos.mid(posicion + 60, 25);
    registro.envioReves = leerInt16(datos, int(posicion + 85));
    return registro;
}
