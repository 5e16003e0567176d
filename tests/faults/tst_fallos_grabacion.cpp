// A save that fails at any point leaves the previous file whole and readable,
// and the user is told. Every kind of data file, every way a save can fail.
#include "fallos.h"
#include "ficheros_protegidos.h"
#include "support/entorno_prueba.h"

#include <QDir>
#include <QMap>

#include <optional>

Q_DECLARE_METATYPE(FicheroProtegido)

namespace {
enum class Fallo { ninguno, discoLleno, sinDescriptores, muerte };

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
    void fallo_data() {
        QTest::addColumn<FicheroProtegido>("fichero");
        QTest::addColumn<Fallo>("fallo");
        QTest::addColumn<qint64>("bytes");
        for (const FicheroProtegido &fichero : ficherosProtegidos()) {
            const auto fila = [&](const QString &caso, Fallo fallo, qint64 bytes) {
                QTest::addRow("%s: %s", qPrintable(fichero.nombre), qPrintable(caso))
                    << fichero << fallo << bytes;
            };
            // The save works when nothing fails, so what the other rows see is the fault's doing.
            fila(QStringLiteral("sin fallo"), Fallo::ninguno, 0);
            // Nothing written, one byte, half, all but the last byte.
            for (const qint64 bytes : {qint64(0), qint64(1), fichero.tamano / 2, fichero.tamano - 1}) {
                fila(QStringLiteral("disco lleno a %1 bytes").arg(bytes), Fallo::discoLleno, bytes);
                fila(QStringLiteral("muerto al escribir el byte %1").arg(bytes), Fallo::muerte, bytes);
            }
            fila(QStringLiteral("sin descriptores libres"), Fallo::sinDescriptores, 0);
            fila(QStringLiteral("muerto antes de reemplazar"), Fallo::muerte, Fallos::antesDeReemplazar);
        }
    }
    void fallo() {
        QFETCH(FicheroProtegido, fichero);
        QFETCH(Fallo, fallo);
        QFETCH(qint64, bytes);
        EntornoPrueba entorno;
        fichero.grabarAnterior();
        QVERIFY(fichero.leeAnterior());
        const QMap<QString, QByteArray> anterior = contenido(entorno, fichero);
        if (fallo == Fallo::ninguno) {
            QVERIFY(fichero.grabarNueva());
            QVERIFY(fichero.leeNueva());
            QVERIFY(entorno.avisos.isEmpty());
            return;
        }
        if (fallo == Fallo::muerte) {
            QVERIFY(Fallos::matarDurante(bytes, [&] { fichero.grabarNueva(); }));
        } else {
            std::optional<DiscoLleno> disco;
            if (fallo == Fallo::discoLleno)
                disco.emplace(bytes);
            QVERIFY(!(disco ? fichero.grabarNueva() : Fallos::sinDescriptores(fichero.grabarNueva)));
            QVERIFY2(!entorno.avisos.isEmpty(), "the user was not told");
        }
        // The same files with the same bytes: nothing half-written where the program reads.
        QCOMPARE(contenido(entorno, fichero), anterior);
        QVERIFY(fichero.leeAnterior());
    }
};

ZARCEL_TEST_MAIN(PruebaFallosGrabacion)
#include "tst_fallos_grabacion.moc"
