#pragma once

#include "support/entorno_prueba.h"

#include "gateways/despacho.h"
#include "gateways/intercambio.h"
#include "gateways/salida_envio.h"
#include "simulador_pasarelas.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

// Records what a send reports. `cancelada` is the send window's cancel flag.
class SalidaGrabada : public Pasarelas::SalidaEnvio {
public:
    QStringList lineas;
    QStringList respuestas;
    bool cancelada = false;
    std::function<void(const QString &linea)> alLogear; // lets a test act when a line appears

    void logea(const QString &linea) override {
        lineas.append(linea);
        if (alLogear)
            alLogear(linea);
    }
    bool cancelado() const override { return cancelada; }
    void mostrarRespuesta(const QString &respuesta) override { respuestas.append(respuesta); }
};

// One exchange wired to the gateway stand-in, which records every request's bytes:
// direct connections are diverted to it, and usarProxy() names a proxy instead.
struct BancoPasarela {
    EntornoPrueba entorno;
    Simulador::SimuladorPasarelas simulador;
    QTcpSocket socket;
    SalidaGrabada salida;
    Pasarelas::Intercambio intercambio{socket, salida};

    BancoPasarela() {
        simulador.iniciar();
        intercambio.desviarConexionesDirectas(u"127.0.0.1"_s, simulador.puerto());
        asignarCampo(configuracion.email, u"yo@example.com"_s);
    }

    void usarProxy(const QString &usuario = {}, const QString &clave = {}, quint16 puerto = 0) {
        configuracion.usarProxy = aFlag(true);
        asignarCampo(configuracion.proxy, u" 127.0.0.1 "_s);
        asignarCampo(configuracion.puerto, QString::number(puerto ? puerto : simulador.puerto()));
        asignarCampo(configuracion.usuario, usuario);
        asignarCampo(configuracion.password, clave);
    }

    QByteArray ultimaPeticion() const {
        return simulador.peticiones().isEmpty() ? QByteArray() : simulador.peticiones().last().bruta;
    }

    void enviar(const QString &pasarela, const QString &mensaje, const QString &prefijo = u"34"_s,
                bool inverso = false) {
        Pasarelas::enviarMensaje(intercambio, pasarela, prefijo, u"600000001"_s, mensaje, inverso);
    }

    // Sends a short accented message through `pasarela` and checks that the stand-in
    // took exactly one form, found nothing wrong in it, and that the send succeeded.
    void comprobarEnvioAceptado(const QString &pasarela) {
        enviar(pasarela, u"¿Qué tal, Ñandú?"_s);
        const auto formularios = simulador.formulariosRecibidos();
        QVERIFY2(formularios.size() == 1, qPrintable(salida.lineas.join(u'\n')));
        QCOMPARE(formularios.first().problemas, QStringList());
        QVERIFY(formularios.first().exito);
        QCOMPARE(salida.lineas.last(), u"Mensaje enviado correctamente"_s);
    }
};

// A loopback port on which nothing listens: connections to it are refused.
inline quint16 puertoCerrado() {
    QTcpServer libre;
    libre.listen(QHostAddress::LocalHost, 0);
    return libre.serverPort();
}
