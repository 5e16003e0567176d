#pragma once

#include "salida_grabada.h"
#include "servidor_grabador.h"
#include "support/entorno_prueba.h"

#include "common/campos.h"
#include "config/fichero_configuracion.h"
#include "gateways/intercambio.h"

#include <QTcpSocket>

// One exchange wired to a recording server: direct connections are diverted to
// it, and usarProxy() makes it the configured proxy instead.
struct BancoPasarela {
    EntornoPrueba entorno;
    ServidorGrabador servidor;
    QTcpSocket socket;
    SalidaGrabada salida;
    Pasarelas::Intercambio intercambio{socket, salida};

    BancoPasarela() {
        intercambio.desviarConexionesDirectas(QStringLiteral("127.0.0.1"), servidor.puerto());
        asignarCampo(configuracion.email, QStringLiteral("yo@example.com"));
    }

    void usarProxy(const QString &usuario = QString(), const QString &clave = QString()) {
        configuracion.usarProxy = aFlag(true);
        asignarCampo(configuracion.proxy, QStringLiteral(" 127.0.0.1 "));
        asignarCampo(configuracion.puerto, QString::number(servidor.puerto()));
        asignarCampo(configuracion.usuario, usuario);
        asignarCampo(configuracion.password, clave);
    }

    // The bytes of the latest connection the server saw.
    QByteArray ultimaPeticion() const { return servidor.peticiones.value(servidor.peticiones.size() - 1); }
};
