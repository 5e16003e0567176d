// CSV files of any bytes: the reader gives no more entries than the file has
// bytes, and what it gives goes through the import and back out as vCard.
#include "apoyo_fuzz.h"
#include "contactos_fuzz.h"

#include "addressbook/lector_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano) {
    const QByteArray fichero(reinterpret_cast<const char *>(datos), qsizetype(tamano));
    const std::optional<QList<Importacion::Entrada>> entradas = Importacion::leerCsv(fichero);
    if (!entradas)
        return 0;
    EXIGIR(entradas->size() <= fichero.size());
    comprobarContactosExternos(Importacion::Tipo::Csv, *entradas);
    return 0;
}
