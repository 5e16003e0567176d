#pragma once

#include "salida_grabada.h"
#include "simulador_pasarelas.h"

#include "gateways/despacho.h"

#include <QTest>

// Sends a short message with accents through `pasarela` and checks that the
// stand-in took exactly one form, found nothing wrong in it, and that the send
// reports success.
inline void comprobarEnvioAceptado(Pasarelas::Intercambio &intercambio, const SalidaGrabada &salida,
                                   const Simulador::SimuladorPasarelas &simulador, const QString &pasarela) {
    Pasarelas::enviarMensaje(intercambio, pasarela, QStringLiteral("34"), QStringLiteral("600000001"),
                             QStringLiteral("¿Qué tal, Ñandú?"), false);
    const auto formularios = simulador.formulariosRecibidos();
    QVERIFY2(formularios.size() == 1, qPrintable(salida.lineas.join(QLatin1Char('\n'))));
    QCOMPARE(formularios.first().problemas, QStringList());
    QVERIFY(formularios.first().exito);
    QCOMPARE(salida.lineas.last(), QStringLiteral("Mensaje enviado correctamente"));
}
