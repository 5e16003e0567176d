#include "ficheros_protegidos.h"

#include "common/campos.h"
#include "config/fichero_configuracion.h"

namespace {
Configuracion registroConProxy(const QString &proxy) {
    Configuracion registro = Configuracion::porDefecto();
    registro.usarProxy = aFlag(true);
    asignarCampo(registro.proxy, proxy);
    asignarCampo(registro.puerto, QStringLiteral("3128"));
    return registro;
}

bool leeProxy(const QString &proxy) {
    configuracion = Configuracion();
    leerConfiguracion();
    return configuracion == registroConProxy(proxy);
}
} // namespace

FicheroProtegido ficheroConfiguracion() {
    return {QStringLiteral("zarcel.cfg"),
            {QStringLiteral("zarcel.cfg")},
            Configuracion::tamano,
            false,
            [] { grabarConfiguracion(registroConProxy(QStringLiteral("anterior.example"))); },
            [] { return grabarConfiguracion(registroConProxy(QStringLiteral("nueva.example"))); },
            [] { return leeProxy(QStringLiteral("anterior.example")); },
            [] { return leeProxy(QStringLiteral("nueva.example")); }};
}
