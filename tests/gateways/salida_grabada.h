#pragma once

#include "gateways/salida_envio.h"

#include <QStringList>
#include <functional>

// Records what a send reports. `cancelada` is the send window's cancel flag;
// `alLogear` lets a test act (cancel, say) when a given line appears.
class SalidaGrabada : public Pasarelas::SalidaEnvio {
public:
    QStringList lineas;
    QStringList respuestas;
    bool cancelada = false;
    std::function<void(const QString &linea)> alLogear;

    void logea(const QString &linea) override {
        lineas.append(linea);
        if (alLogear)
            alLogear(linea);
    }
    bool cancelado() const override { return cancelada; }
    void mostrarRespuesta(const QString &respuesta) override { respuestas.append(respuesta); }
};
