#include "support/entorno_prueba.h"

#include "common/reloj.h"
#include "sending/log_envios.h"

class PruebaLogEnvios : public QObject {
    Q_OBJECT
private slots:
    // Entries are appended after whatever the file holds, in Windows-1252 with CR LF.
    void entradasAnadidas() {
        EntornoPrueba entorno;
        entorno.escribirFichero(QStringLiteral("zarcel.log"), "antes\r\n");
        QVERIFY(logging::escribirLog(QStringLiteral("34"), QStringLiteral("600000000"),
                                     QStringLiteral("Hola"), QStringLiteral("Amena")));
        QVERIFY(logging::escribirLog(QStringLiteral("44"), QStringLiteral("7700900123"),
                                     QStringLiteral("Año\r\nnuevo"), QStringLiteral("SMSYes")));
        const QDateTime momento = EntornoPrueba::momentoFijo();
        const QByteArray cabecera =
            "Zarcel - " +
            (Reloj::fechaCorta(momento) + QLatin1Char(' ') + Reloj::horaCorta(momento)).toUtf8();
        QCOMPARE(
            entorno.leerFichero(QStringLiteral("zarcel.log")),
            "antes\r\n" + cabecera +
                "\r\n Pasarela: Amena\r\n Enviado al telefono +34:600000000\r\n Mensaje: Hola\r\n\r\n" +
                cabecera +
                "\r\n Pasarela: SMSYes\r\n Enviado al telefono +44:7700900123\r\n Mensaje: A\xF1o\r\nnuevo"
                "\r\n\r\n");
    }

    void carpetaQueNoSePuedeEscribir() {
        EntornoPrueba entorno;
        QDir(entorno.carpeta()).mkdir(QStringLiteral("zarcel.log"));
        QVERIFY(!logging::escribirLog(QStringLiteral("34"), QStringLiteral("6"), QStringLiteral("x"),
                                      QStringLiteral("Amena")));
    }
};

ZARCEL_TEST_MAIN(PruebaLogEnvios)
#include "tst_log_envios.moc"
