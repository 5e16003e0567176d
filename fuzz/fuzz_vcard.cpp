// vCard files of any version and any bytes: the reader gives no more entries than
// the file has lines, and what it gives goes through the import and back out.
#include "apoyo_fuzz.h"
#include "contactos_fuzz.h"

#include "addressbook/lector_vcard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano) {
    const QByteArray fichero(reinterpret_cast<const char *>(datos), qsizetype(tamano));
    const QList<Importacion::Entrada> entradas = Importacion::leerVCard(fichero);
    EXIGIR(entradas.size() <= fichero.count('\n') + fichero.count('\r') + 1);
    comprobarContactosExternos(Importacion::Tipo::VCard, entradas);
    return 0;
}
