// Stored message files (.zrc): any bytes give a message with its title node and
// no more nodes than the bytes can hold, and the stored-messages tree takes it.
#include "apoyo_fuzz.h"

#include "stored/arbol_mensajes.h"
#include "stored/registros_mensaje.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano) {
    const QByteArray bytes(reinterpret_cast<const char *>(datos), qsizetype(tamano));
    const QString ruta = QStringLiteral("/nada/mensaje.zrc");
    const MensajeArbol mensaje = leerMensajeArbol(bytes, ruta);
    EXIGIR(mensaje.ruta == ruta);
    // At most the send time, one node per whole record, and the text.
    EXIGIR(mensaje.hijos.size() <= 2 + bytes.size() / DestinoMensaje::tamano);

    ArbolMensajes arbol;
    if (arbol.cargarMensaje(bytes, ruta)) {
        const CargaMensaje carga = arbol.carga(0);
        EXIGIR(carga.entradas.size() <= bytes.size() / DestinoMensaje::tamano);
    }
    return 0;
}
