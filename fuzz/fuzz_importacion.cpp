// The three import sources (version 1.x, text, version 2.x): any bytes give no
// more entries than they can hold, the import rules take them into a tree, and
// every record the tree keeps survives a save and a load.
#include "apoyo_fuzz.h"
#include "comprobar_importacion.h"

#include "addressbook/arbol_agenda.h"
#include "addressbook/fuentes_importacion.h"

using namespace Importacion;

namespace {
QList<Entrada> leerSegun(Tipo tipo, const QByteArray &primero, const QByteArray &segundo) {
    switch (tipo) {
    case Tipo::Agenda1: {
        const QList<Entrada> entradas = leerAgenda1(primero);
        EXIGIR(entradas.size() <= primero.size() / 34 + 1);
        return entradas;
    }
    case Tipo::Texto: {
        const QList<Entrada> entradas = leerTexto(primero);
        EXIGIR(entradas.size() <= primero.count('\n') + primero.count('\r') + 1);
        return entradas;
    }
    default:
        break;
    }
    const QList<Entrada> entradas = leerAgenda2(primero, segundo);
    EXIGIR(entradas.size() <= primero.size() / 59 + segundo.size() / 25);
    return entradas;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano) {
    // kind (1 to 3), then the file (version 2.x: contacts, then groups)
    const QList<QByteArray> valores = trocearEntrada(datos, tamano, 3);
    const Tipo tipo = Tipo((valores[0].isEmpty() ? 0 : quint8(valores[0].at(0))) % 3 + 1);
    ArbolAgenda arbol;
    comprobarImportacion(arbol, tipo, leerSegun(tipo, valores[1], valores[2]));
    return 0;
}
