#include "addressbook/registros_agenda.h"

#include "common/campos.h"
#include "config/cifrado.h"

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
    datos += campoFijo(nombre, campoNombre.ancho);
    datos += campoFijo(prefijo, campoPrefijo.ancho);
    datos += campoFijo(telefono, campoTelefono.ancho);
    datos += campoFijo(grupo, campoGrupo.ancho);
    datos += QByteArray(2, '\0');
    escribirInt16(datos, posicionFlag, envioReves);
    return datos;
}

ContactoAgenda ContactoAgenda::leer(const QByteArray &datos, qsizetype posicion) {
    Q_ASSERT(posicion + tamano <= datos.size());
    const auto campo = [&](Campo c) { return datos.mid(posicion + c.posicion, c.ancho); };
    ContactoAgenda registro;
    registro.nombre = campo(campoNombre);
    registro.prefijo = campo(campoPrefijo);
    registro.telefono = campo(campoTelefono);
    registro.grupo = campo(campoGrupo);
    registro.envioReves = leerInt16(datos, int(posicion + posicionFlag));
    return registro;
}

namespace Cifrado {

void cifrarContacto(ContactoAgenda &registro) {
    for (QByteArray *campo : {&registro.grupo, &registro.nombre, &registro.prefijo, &registro.telefono})
        *campo = cifrarTexto(*campo);
}

void cifrarGrupo(GrupoAgenda &registro) {
    registro.nombre = cifrarTexto(registro.nombre);
}

} // namespace Cifrado
