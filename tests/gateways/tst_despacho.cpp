#include "banco_pasarela.h"

#include "common/tiempos.h"

using namespace Pasarelas;

namespace {
const QString noEnviado = u"El mensaje NO ha sido enviado"_s;
const QString reintentando = u"Reintentando enviar el mensaje..."_s;
const QString abandono = u"El mensaje no ha podido ser enviado"_s;
const QString exito = u"Mensaje enviado correctamente"_s;

struct Particion {
    QString firma;
    QString mensaje;
    bool inverso;
    QStringList enviadas; // in the order they go out, as the gateway decodes them
};
} // namespace

class PruebaDespacho : public QObject {
    Q_OBJECT
private slots:
    void partir() {
        const QString a = QString(125, u'a');
        const Particion casos[]{
            {{}, QString(130, u'a'), false, {QString(130, u'a')}},
            {{}, QString(131, u'a'), false, {u"(1/2)"_s + a, u"(2/2)aaaaaa"_s}},
            {{}, QString(250, u'a'), false, {u"(1/2)"_s + a, u"(2/2)"_s + a}},
            {u"Yo:"_s, u"Hola"_s, false, {u"Yo:Hola"_s}},
            {u"Yo:"_s, QString(128, u'a'), false, {u"(1/2)Yo:"_s + QString(122, u'a'), u"(2/2)aaaaaa"_s}},
            {{}, QString(250, u'a') + u"     "_s, false, {u"(1/2)"_s + a, u"(2/2)"_s + a}},
            // 249 characters without the line breaks, 253 with them: three parts, all labelled "/3".
            {{},
             QString(124, u'a') + u"\r\n"_s + QString(124, u'b') + u"\r\nc"_s,
             false,
             {u"(1/3)"_s + QString(124, u'a'), u"(2/3)"_s + QString(124, u'b'), u"(3/3)c"_s}},
            {{}, QString(260, u'a'), true, {u"(3/3)aaaaaaaaaa"_s, u"(2/3)"_s + a, u"(1/3)"_s + a}}};
        for (const Particion &caso : casos) {
            BancoPasarela banco;
            asignarCampo(configuracion.firma, caso.firma);
            banco.enviar(u"  Amena "_s, caso.mensaje, u"34"_s, caso.inverso);
            QStringList enviadas;
            for (const Simulador::PeticionRecibida &formulario : banco.simulador.formulariosRecibidos())
                enviadas.append(formulario.campo(u"msg"_s));
            QCOMPARE(enviadas, caso.enviadas);
            const qsizetype partes = caso.enviadas.size();
            QCOMPARE(banco.salida.lineas.first(),
                     u"Enviando mensaje a +34:600000001 a traves de Amena"_s +
                         (partes > 1 ? u" en %1 partes"_s.arg(partes) : QString()));
            QCOMPARE(banco.salida.lineas.count(exito), partes);
        }
    }

    // Six failed attempts give up the part, and the next part is still sent and
    // accepted at its third try; each retry starts a full pause after the previous
    // attempt started. The send-log entry is written whatever the outcome.
    void reintentos() {
        BancoPasarela banco;
        banco.simulador.opciones.fallarPrimeros = 8;
        configuracion.usarLog = aFlag(true);
        QElapsedTimer reloj;
        reloj.start();
        banco.enviar(u"Navegalia"_s, QString(141, u'x'));
        QVERIFY(reloj.elapsed() >= 7 * tiempos().reintentoMs);
        QCOMPARE(banco.simulador.peticiones().size(), 9);
        QStringList lineas{u"Enviando mensaje a +34:600000001 a traves de Navegalia en 2 partes"_s};
        for (int intento = 1; intento <= 6; ++intento)
            lineas << noEnviado << (intento < 6 ? reintentando : abandono);
        QCOMPARE(banco.salida.lineas,
                 lineas << noEnviado << reintentando << noEnviado << reintentando << exito);
        QVERIFY(banco.entorno.leerFichero(u"zarcel.log"_s).contains(" Pasarela: Navegalia\r\n"));
    }

    // A cancel during the pause ends it at once; nothing more of the message goes out.
    void cancelarEnLaPausa() {
        BancoPasarela banco;
        tiempos().reintentoMs = 1500;
        banco.simulador.opciones.fallarPrimeros = 99;
        QTimer::singleShot(300, &banco.socket, [&banco] {
            banco.salida.cancelada = true;
            banco.intercambio.cancelar();
        });
        QElapsedTimer reloj;
        reloj.start();
        banco.enviar(u"Navegalia"_s, QString(141, u'x'));
        QVERIFY2(reloj.elapsed() < 1000, "the cancel did not end the pause");
        QCOMPARE(banco.simulador.peticiones().size(), 1);
        QCOMPARE(banco.salida.lineas.last(), reintentando);
    }

    // Abroad only through an international gateway (SMSYes goes); a name without a
    // template sends nothing. Neither refusal writes to the send log.
    void rechazos() {
        for (const QString &pasarela : {u"Movistar"_s, u"GsmBox"_s, u"Inventada"_s, u"amena"_s}) {
            BancoPasarela banco;
            configuracion.usarLog = aFlag(true);
            const bool fuera = pasarela == u"Movistar"_s;
            banco.enviar(pasarela, u"Hola"_s, fuera ? u"44"_s : u"34"_s);
            const QString aviso = u"Esta pasarela no permite el envio a moviles de fuera de España"_s;
            const QString linea = u"La pasarela \"%1\" no está disponible: el mensaje no se ha enviado"_s;
            QCOMPARE(fuera ? banco.entorno.avisos : banco.salida.lineas,
                     QStringList{fuera ? aviso : linea.arg(pasarela)});
            QVERIFY((fuera ? banco.salida.lineas : banco.entorno.avisos).isEmpty());
            QVERIFY(banco.simulador.peticiones().isEmpty());
            QVERIFY(banco.entorno.leerFichero(u"zarcel.log"_s).isEmpty());
        }
        BancoPasarela internacional;
        internacional.enviar(u"SMSYes"_s, u"Hola"_s, u"44"_s);
        QCOMPARE(internacional.simulador.formulariosRecibidos().value(0).campo(u"phonenum"_s),
                 u"44600000001"_s);
    }
};

ZARCEL_TEST_MAIN(PruebaDespacho)
#include "tst_despacho.moc"
