#include "config/fichero_configuracion.h"

#include "common/carpeta.h"
#include "common/ficheros.h"
#include "config/cifrado.h"
#include "config/registro.h"

Configuracion configuracion = Configuracion::porDefecto();

QString rutaConfiguracion() {
    return rutaFichero(QStringLiteral("zarcel.cfg"));
}

QByteArray configuracionABytes(const Configuracion &registro) {
    Configuracion cifrada = registro;
    Cifrado::cifrarConfiguracion(cifrada);
    return cifrada.escribir();
}

Configuracion configuracionDesdeBytes(const QByteArray &datos) {
    Configuracion base = Configuracion::porDefecto();
    Cifrado::cifrarConfiguracion(base);
    Configuracion registro = Configuracion::leer(datos, base);
    Cifrado::cifrarConfiguracion(registro);
    return registro;
}

void leerConfiguracion() {
    QByteArray datos;
    if (!leerFichero(rutaConfiguracion(), datos)) // a missing file leaves the settings as they are
        return;
    configuracion = configuracionDesdeBytes(datos);
}

bool escribirConfiguracionPorDefecto() {
    // Without the file every start is a first start: autostart would come back
    // each time, even after the user turned it off.
    const bool grabado = grabarConfiguracion(Configuracion::porDefecto());
    if (grabado)
        registro::ponerArranque(rutaEjecutable());
    return grabado;
}

bool grabarConfiguracion(const Configuracion &registro) {
    // It holds the proxy password, scrambled in a way anyone can undo: owner only.
    return grabarFicheroAtomico(rutaConfiguracion(), configuracionABytes(registro), true);
}
