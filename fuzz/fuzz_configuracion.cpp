// zarcel.cfg: any bytes give a record, and a whole record reads back to the same bytes.
#include "apoyo_fuzz.h"

#include "config/fichero_configuracion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano) {
    const QByteArray bytes(reinterpret_cast<const char *>(datos), qsizetype(tamano));
    const Configuracion registro = configuracionDesdeBytes(bytes);
    const QByteArray escrito = configuracionABytes(registro);
    EXIGIR(escrito.size() == Configuracion::tamano);
    if (bytes.size() >= Configuracion::tamano)
        EXIGIR(escrito == bytes.left(Configuracion::tamano));
    else // the leading text fields the input holds whole come through
        EXIGIR(escrito.startsWith(bytes.left(qMin<qsizetype>(bytes.size(), 80) / 20 * 20)));
    EXIGIR(configuracionDesdeBytes(escrito) == registro);
    return 0;
}
