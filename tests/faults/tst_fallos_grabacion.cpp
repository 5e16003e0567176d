// A save that fails at any point leaves the previous file whole and readable,
// and the user is told. Every kind of data file, every way a save can fail.
#include "fallos.h"
#include "ficheros_protegidos.h"
#include "support/entorno_prueba.h"

#include <QDir>
#include <QMap>

Q_DECLARE_METATYPE(FicheroProtegido)

namespace {
enum class Fallo { discoLleno, sinDescriptores, muerte };

// The names and bytes of every file of the kind the program would read back.
QMap<QString, QByteArray> contenido(const EntornoPrueba &entorno, const FicheroProtegido &fichero) {
    QMap<QString, QByteArray> ficheros;
    for (const QString &nombre : QDir(entorno.carpeta()).entryList(fichero.patrones, QDir::Files))
        ficheros.insert(nombre, entorno.leerFichero(nombre));
    return ficheros;
}
} // namespace

class PruebaFallosGrabacion : public QObject {
    Q_OBJECT
private slots:
    void sinFallo_data() { porFichero(); }
    // The save works when nothing fails, so what the other tests see is the fault's doing.
    void sinFallo() {
        QFETCH(FicheroProtegido, fichero);
        EntornoPrueba entorno;
        fichero.grabarAnterior();
        QVERIFY(fichero.leeAnterior());
        QVERIFY(fichero.grabarNueva());
        QVERIFY(fichero.leeNueva());
        QVERIFY(entorno.avisos.isEmpty());
    }

    void fallo_data() {
        QTest::addColumn<FicheroProtegido>("fichero");
        QTest::addColumn<Fallo>("fallo");
        QTest::addColumn<qint64>("bytes");
        for (const FicheroProtegido &fichero : ficherosProtegidos()) {
            const auto fila = [&](const char *caso, Fallo fallo, qint64 bytes) {
                QTest::addRow("%s: %s", qPrintable(fichero.nombre), caso) << fichero << fallo << bytes;
            };
            // Nothing written, one byte, half, all but the last byte.
            const qint64 limites[] = {0, 1, fichero.tamano / 2, fichero.tamano - 1};
            for (const qint64 bytes : limites)
                fila(qPrintable(QStringLiteral("disco lleno a %1 bytes").arg(bytes)), Fallo::discoLleno,
                     bytes);
            fila("sin descriptores libres", Fallo::sinDescriptores, 0);
            for (const qint64 bytes : limites)
                fila(qPrintable(QStringLiteral("muerto al escribir el byte %1").arg(bytes)), Fallo::muerte,
                     bytes);
            fila("muerto antes de reemplazar", Fallo::muerte, Fallos::antesDeReemplazar);
        }
    }
    void fallo() {
        QFETCH(FicheroProtegido, fichero);
        QFETCH(Fallo, fallo);
        QFETCH(qint64, bytes);
        EntornoPrueba entorno;
        fichero.grabarAnterior();
        const QMap<QString, QByteArray> anterior = contenido(entorno, fichero);
        QVERIFY(!anterior.isEmpty());

        if (fallo == Fallo::muerte) {
            QVERIFY(Fallos::matarDurante(bytes, [&] { fichero.grabarNueva(); }));
        } else {
            bool grabada = true;
            if (fallo == Fallo::discoLleno) {
                DiscoLleno disco(bytes);
                grabada = fichero.grabarNueva();
            } else {
                grabada = Fallos::sinDescriptores(fichero.grabarNueva);
            }
            QVERIFY(!grabada);
            QVERIFY2(!entorno.avisos.isEmpty(), "the user was not told");
        }
        // The same files with the same bytes: nothing half-written where the program reads.
        QCOMPARE(contenido(entorno, fichero), anterior);
        QVERIFY(fichero.leeAnterior());
    }

private:
    void porFichero() {
        QTest::addColumn<FicheroProtegido>("fichero");
        for (const FicheroProtegido &fichero : ficherosProtegidos())
            QTest::newRow(qPrintable(fichero.nombre)) << fichero;
    }
};

ZARCEL_TEST_MAIN(PruebaFallosGrabacion)
#include "tst_fallos_grabacion.moc"
