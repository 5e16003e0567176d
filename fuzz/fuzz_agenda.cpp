// groups.lst and contacts.lst: any bytes load into the tree and the lists, every
// whole record survives a save, and a second load and save changes nothing.
#include "apoyo_fuzz.h"

#include "addressbook/arbol_agenda.h"
#include "addressbook/fichero_agenda.h"
#include "addressbook/orden_nombres.h"
#include "addressbook/registros_agenda.h"
#include "addressbook/tabla_contactos.h"
#include "common/ficheros.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace {
QByteArray leer(const QString &ruta) {
    QByteArray datos;
    leerFichero(ruta, datos);
    return datos;
}

// The lists' quick order is the collator's own, equal names in file order.
void exigirOrden(const NombresAgenda &nombres, const QList<int> &orden) {
    QCollator collator(idiomaOrden());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QList<int> esperado(nombres.size());
    std::iota(esperado.begin(), esperado.end(), 0);
    std::stable_sort(esperado.begin(), esperado.end(),
                     [&](int a, int b) { return collator.compare(nombres.texto(a), nombres.texto(b)) < 0; });
    EXIGIR(orden == esperado);
}

// Loads both files into a fresh tree and saves it back.
void cargarYGrabar() {
    ArbolAgenda arbol;
    cargarArbolAgenda(arbol);
    EXIGIR(grabarArbolAgenda(arbol));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano) {
    const QList<QByteArray> valores = trocearEntrada(datos, tamano, 2);
    const QByteArray &grupos = valores[0];
    const QByteArray &contactos = valores[1];
    EXIGIR(grabarFicherosAtomicos({{rutaGrupos(), grupos}, {rutaContactos(), contactos}}));

    const DatosAgenda lista = leerDatosAgenda();
    EXIGIR(lista.contactos.size() == contactos.size() / ContactoAgenda::tamano);
    EXIGIR(lista.grupos.size() <= grupos.size() / GrupoAgenda::tamano);
    exigirOrden(lista.contactos, lista.ordenContactos);
    exigirOrden(lista.grupos, lista.ordenGrupos);

    cargarYGrabar();
    const QByteArray grupos1 = leer(rutaGrupos());
    const QByteArray contactos1 = leer(rutaContactos());
    EXIGIR(contactos1.size() == contactos.size() / ContactoAgenda::tamano * ContactoAgenda::tamano);
    EXIGIR(grupos1.size() == qMax<qsizetype>(1, grupos.size() / GrupoAgenda::tamano) * GrupoAgenda::tamano);
    cargarYGrabar();
    EXIGIR(leer(rutaGrupos()) == grupos1);
    EXIGIR(leer(rutaContactos()) == contactos1);
    return 0;
}
