#include "banco_pasarela.h"

#include "common/tiempos.h"
#include "gateways/codificacion.h"
#include "gateways/despacho.h"

#include <QElapsedTimer>
#include <QTimer>

using namespace Pasarelas;
using namespace Qt::StringLiterals;

namespace {
const QByteArray exitoAmena("HTTP/1.0 200 OK\r\nSet-Cookie: S=1\r\n\r\n"
                            "Operaci\xF3n realizada.\\nSu mensaje ha sido enviado con \xE9xito");
const QByteArray exitoNavegalia("HTTP/1.0 200 OK\r\n\r\nprocesando correctamente");
const QByteArray fallo("HTTP/1.0 200 OK\r\n\r\nError");

// The value of form field `campo` in every message request the server saw, in order.
QStringList camposEnviados(const ServidorGrabador &servidor, const QByteArray &campo) {
    QStringList valores;
    for (const QByteArray &peticion : servidor.peticiones) {
        if (!peticion.startsWith("POST"))
            continue;
        const qsizetype inicio = peticion.indexOf("&" + campo + "=") + campo.size() + 2;
        valores.append(QString::fromLatin1(peticion.mid(inicio, peticion.indexOf('&', inicio) - inicio)));
    }
    return valores;
}

void enviar(BancoPasarela &banco, const QString &pasarela, const QString &mensaje, bool inverso = false,
            const QString &prefijo = QStringLiteral("34")) {
    enviarMensaje(banco.intercambio, pasarela, prefijo, QStringLiteral("600000001"), mensaje, inverso);
}
} // namespace

class PruebaDespacho : public QObject {
    Q_OBJECT
private slots:
    void partir_data() {
        QTest::addColumn<QString>("firma");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<bool>("inverso");
        QTest::addColumn<QString>("primeraLinea");
        QTest::addColumn<QStringList>("enviadas"); // in the order they go out
        const QString a = QString(125, QLatin1Char('a'));
        const QString envio = QStringLiteral("Enviando mensaje a +34:600000001 a traves de Amena");
        QTest::newRow("130 en una parte") << "" << QString(130, QLatin1Char('a')) << false << envio
                                          << QStringList{QString(130, QLatin1Char('a'))};
        QTest::newRow("131 en dos") << "" << QString(131, QLatin1Char('a')) << false
                                    << envio + u" en 2 partes"_s
                                    << QStringList{u"(1/2)"_s + a, u"(2/2)aaaaaa"_s};
        QTest::newRow("250 en dos") << "" << QString(250, QLatin1Char('a')) << false
                                    << envio + u" en 2 partes"_s
                                    << QStringList{u"(1/2)"_s + a, u"(2/2)"_s + a};
        QTest::newRow("firma delante") << "Yo:"
                                       << "Hola" << false << envio << QStringList{u"Yo:Hola"_s};
        QTest::newRow("blancos finales no cuentan")
            << "" << QString(250, QLatin1Char('a')) + u"     "_s << false << envio + u" en 2 partes"_s
            << QStringList{u"(1/2)"_s + a, u"(2/2)"_s + a};
        // 249 characters without the line breaks, 253 with them: three parts, all labelled "/3".
        QTest::newRow("saltos que pasan de 250")
            << "" << QString(124, QLatin1Char('a')) + u"\r\n"_s + QString(124, QLatin1Char('b')) + u"\r\nc"_s
            << false << envio + u" en 3 partes"_s
            << QStringList{u"(1/3)"_s + QString(124, QLatin1Char('a')) + u"\r"_s,
                           u"(2/3)\n"_s + QString(124, QLatin1Char('b')), u"(3/3)\r\nc"_s};
        QTest::newRow("orden inverso")
            << "" << QString(260, QLatin1Char('a')) << true << envio + u" en 3 partes"_s
            << QStringList{u"(3/3)aaaaaaaaaa"_s, u"(2/3)"_s + a, u"(1/3)"_s + a};
    }
    void partir() {
        QFETCH(QString, firma);
        QFETCH(QString, mensaje);
        QFETCH(bool, inverso);
        QFETCH(QString, primeraLinea);
        QFETCH(QStringList, enviadas);
        BancoPasarela banco;
        banco.servidor.porDefecto = ServidorGrabador::respuesta(exitoAmena);
        asignarCampo(configuracion.firma, firma);
        enviar(banco, QStringLiteral("  Amena "), mensaje, inverso);
        QStringList codificadas;
        for (const QString &parte : enviadas)
            codificadas.append(codificarURL(parte));
        QCOMPARE(camposEnviados(banco.servidor, "msg"), codificadas);
        QCOMPARE(banco.salida.lineas.first(), primeraLinea);
        QCOMPARE(banco.salida.lineas.count(QStringLiteral("Mensaje enviado correctamente")), enviadas.size());
    }

    // Six failed attempts give up the part, and the next part is still sent.
    void seisFallos() {
        BancoPasarela banco;
        banco.servidor.porDefecto = ServidorGrabador::respuesta(fallo);
        configuracion.usarLog = aFlag(true);
        enviar(banco, QStringLiteral("Navegalia"), QString(141, QLatin1Char('x')));
        QCOMPARE(banco.servidor.peticiones.size(), 12);
        QStringList parte;
        for (int intento = 0; intento < 5; ++intento)
            parte << QStringLiteral("El mensaje NO ha sido enviado")
                  << QStringLiteral("Reintentando enviar el mensaje...");
        parte << QStringLiteral("El mensaje NO ha sido enviado")
              << QStringLiteral("El mensaje no ha podido ser enviado");
        QCOMPARE(banco.salida.lineas,
                 QStringList{
                     QStringLiteral("Enviando mensaje a +34:600000001 a traves de Navegalia en 2 partes")} +
                     parte + parte);
        // The send-log entry stays whatever the outcome.
        QVERIFY(banco.entorno.leerFichero(QStringLiteral("zarcel.log")).contains(" Pasarela: Navegalia\r\n"));
    }

    // Each retry starts a full pause after the previous attempt started.
    void exitoAlTercerIntento() {
        BancoPasarela banco;
        banco.servidor.guiones << ServidorGrabador::respuesta(fallo) << ServidorGrabador::respuesta(fallo);
        banco.servidor.porDefecto = ServidorGrabador::respuesta(exitoNavegalia);
        QElapsedTimer reloj;
        reloj.start();
        enviar(banco, QStringLiteral("Navegalia"), QStringLiteral("Hola"));
        QVERIFY(reloj.elapsed() >= 2 * tiempos().reintentoMs);
        QCOMPARE(banco.servidor.peticiones.size(), 3);
        QCOMPARE(banco.salida.lineas.mid(1), QStringList({QStringLiteral("El mensaje NO ha sido enviado"),
                                                          QStringLiteral("Reintentando enviar el mensaje..."),
                                                          QStringLiteral("El mensaje NO ha sido enviado"),
                                                          QStringLiteral("Reintentando enviar el mensaje..."),
                                                          QStringLiteral("Mensaje enviado correctamente")}));
    }

    // A cancel during the pause ends it at once; nothing more of the message goes out.
    void cancelarEnLaPausa() {
        BancoPasarela banco;
        tiempos().reintentoMs = 60000;
        banco.servidor.porDefecto = ServidorGrabador::respuesta(fallo);
        banco.salida.alLogear = [&banco](const QString &linea) {
            if (linea == QStringLiteral("Reintentando enviar el mensaje..."))
                QTimer::singleShot(100, &banco.socket, [&banco] {
                    banco.salida.cancelada = true;
                    banco.intercambio.cancelar();
                });
        };
        QElapsedTimer reloj;
        reloj.start();
        enviar(banco, QStringLiteral("Navegalia"), QString(300, QLatin1Char('x')));
        QVERIFY(reloj.elapsed() < 30000);
        QCOMPARE(banco.servidor.peticiones.size(), 1);
        QCOMPARE(banco.salida.lineas.last(), QStringLiteral("Reintentando enviar el mensaje..."));
    }

    void alcance_data() {
        QTest::addColumn<QString>("pasarela");
        QTest::addColumn<bool>("enviado");
        QTest::newRow("Movistar no sale de España") << "Movistar" << false;
        QTest::newRow("SMSYes sí") << "SMSYes" << true;
    }
    void alcance() {
        QFETCH(QString, pasarela);
        QFETCH(bool, enviado);
        BancoPasarela banco;
        banco.servidor.porDefecto =
            ServidorGrabador::respuesta("HTTP/1.0 200 OK\r\n\r\nMessage has been SENT");
        configuracion.usarLog = aFlag(true);
        enviarMensaje(banco.intercambio, pasarela, QStringLiteral("44"), QStringLiteral("7700900123"),
                      QStringLiteral("Hi"), false);
        QCOMPARE(banco.entorno.avisos.isEmpty(), enviado);
        if (!enviado) {
            QCOMPARE(banco.entorno.avisos,
                     QStringList(
                         QStringLiteral("Esta pasarela no permite el envio a moviles de fuera de España")));
            QVERIFY(banco.salida.lineas.isEmpty());
        }
        QCOMPARE(camposEnviados(banco.servidor, "phonenum").size(), enviado ? 1 : 0);
        QCOMPARE(banco.entorno.leerFichero(QStringLiteral("zarcel.log")).contains("+44:7700900123"), enviado);
    }

    // A name the catalogue has no template for sends nothing and says so.
    void pasarelaSinPlantilla_data() {
        QTest::addColumn<QString>("pasarela");
        QTest::newRow("del catalogo") << "GsmBox";
        QTest::newRow("desconocida") << "Inventada";
        QTest::newRow("otra caja") << "amena";
    }
    void pasarelaSinPlantilla() {
        QFETCH(QString, pasarela);
        BancoPasarela banco;
        configuracion.usarLog = aFlag(true);
        enviar(banco, pasarela, QStringLiteral("Hola"));
        QCOMPARE(
            banco.salida.lineas,
            QStringList(QStringLiteral("La pasarela \"%1\" no está disponible: el mensaje no se ha enviado")
                            .arg(pasarela)));
        QVERIFY(banco.servidor.peticiones.isEmpty());
        QVERIFY(banco.entorno.leerFichero(QStringLiteral("zarcel.log")).isEmpty());
    }

    void dosMensajesDosEntradas() {
        BancoPasarela banco;
        banco.servidor.porDefecto = ServidorGrabador::respuesta(exitoNavegalia);
        configuracion.usarLog = aFlag(true);
        enviar(banco, QStringLiteral("Navegalia"), QStringLiteral("uno"));
        enviar(banco, QStringLiteral("Navegalia"), QStringLiteral("dos"));
        const QByteArray log = banco.entorno.leerFichero(QStringLiteral("zarcel.log"));
        QCOMPARE(log.count("Zarcel - "), 2);
        QVERIFY(log.endsWith(" Mensaje: dos\r\n\r\n"));
        QVERIFY(log.contains(" Mensaje: uno\r\n\r\nZarcel - "));
    }
};

ZARCEL_TEST_MAIN(PruebaDespacho)
#include "tst_despacho.moc"
