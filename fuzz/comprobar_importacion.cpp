#include "comprobar_importacion.h"

#include "apoyo_fuzz.h"

#include "addressbook/arbol_agenda.h"
#include "addressbook/fichero_agenda.h"
#include "addressbook/importacion.h"

namespace {
QStringList claves(const ArbolAgenda &arbol) {
    QStringList lista;
    arbol.recorrer([&](const ArbolAgenda::Nodo &nodo) { lista.append(nodo.clave()); });
    return lista;
}
} // namespace

QStringList contactosDe(const ArbolAgenda &arbol) {
    QStringList lista;
    arbol.recorrer([&](const ArbolAgenda::Nodo &nodo) {
        if (nodo.tipo == ArbolAgenda::Tipo::Contacto)
            lista.append(nodo.padre->clave() + u'/' + nodo.clave());
    });
    return lista;
}

void comprobarImportacion(ArbolAgenda &arbol, Importacion::Tipo tipo,
                          const QList<Importacion::Entrada> &entradas) {
    arbol.anadirGrupo(ArbolAgenda::grupoNinguno(), ArbolAgenda::grupoNinguno());
    Importacion::Importador importador(arbol, tipo, entradas);
    while (!importador.terminado())
        importador.procesar(64);
    // A contact of a phone or a webmail may bring its group along.
    const bool conGrupos = tipo == Importacion::Tipo::VCard || tipo == Importacion::Tipo::Csv;
    EXIGIR(arbol.numeroNodos() <= (conGrupos ? 2 : 1) * entradas.size() + 1);

    // The files cut fields to their widths, so a key may change on the way; no
    // record may go missing, and a second round changes nothing.
    EXIGIR(grabarArbolAgenda(arbol));
    ArbolAgenda leido;
    cargarArbolAgenda(leido);
    EXIGIR(leido.numeroNodos() + leido.numeroApartados() == arbol.numeroNodos());
    EXIGIR(grabarArbolAgenda(leido));
    ArbolAgenda releido;
    cargarArbolAgenda(releido);
    EXIGIR(claves(releido) == claves(leido));
}
