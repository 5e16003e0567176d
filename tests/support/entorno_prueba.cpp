#include "support/entorno_prueba.h"

#include "common/avisos.h"
#include "common/carpeta.h"
#include "common/dialogos.h"
#include "common/navegador.h"
#include "common/reloj.h"
#include "common/tiempos.h"
#include "config/registro.h"

#include <csignal>
#include <sys/resource.h>

EntornoPrueba::EntornoPrueba() {
    QDir().mkpath(carpetaArranque());
    fijarRutaAplicacion(temporal.path());
    registro::fijarCarpetaArranque(carpetaArranque());
    tiempos() = Tiempos{300, 1500, 200};
    Reloj::fijar([] { return momentoFijo(); });
    configuracion = Configuracion::porDefecto();
    Avisos::instalar([this](const QString &texto) { avisos.append(texto); },
                     [this](const QString &texto) {
                         avisos.append(texto);
                         return respuestas.isEmpty() ? false : respuestas.dequeue();
                     });
    Dialogos::modoPrueba(true);
    Navegador::instalar([this](const QString &direccion) { direccionesAbiertas.append(direccion); });
}

EntornoPrueba::~EntornoPrueba() {
    Avisos::instalar(
        [](const QString &texto) { qFatal("aviso sin entorno de prueba: %s", qPrintable(texto)); },
        [](const QString &texto) {
            qWarning("pregunta sin entorno: %s", qPrintable(texto));
            return false;
        });
    Navegador::instalar([](const QString &direccion) {
        qWarning("direccion abierta sin entorno de prueba: %s", qPrintable(direccion));
    });
    Dialogos::modoPrueba(true); // queues emptied; a stray dialog still never blocks
    Reloj::fijar({});
    tiempos() = Tiempos{};
    registro::fijarCarpetaArranque(temporal.filePath(u"autostart-cerrado"_s));
    fijarRutaAplicacion(QString());
}

QDateTime EntornoPrueba::momentoFijo() {
    return QDateTime(QDate(2026, 12, 5), QTime(14, 30, 0));
}

void EntornoPrueba::escribirFichero(const QString &nombre, const QByteArray &datos) const {
    QFile fichero(ruta(nombre));
    QVERIFY(fichero.open(QIODevice::WriteOnly));
    QCOMPARE(fichero.write(datos), datos.size());
}

QByteArray EntornoPrueba::leerFichero(const QString &nombre) const {
    QFile fichero(ruta(nombre));
    if (!fichero.open(QIODevice::ReadOnly))
        return QByteArray();
    return fichero.readAll();
}

QStringList EntornoPrueba::ficheros(const QString &patron) const {
    return QDir(carpeta()).entryList({patron}, QDir::Files, QDir::Name);
}

QStringList textosDe(const QAbstractItemView *lista) {
    QStringList textos;
    for (int i = 0; i < lista->model()->rowCount(); ++i)
        textos.append(lista->model()->index(i, 0).data().toString());
    return textos;
}

void alAbrirseModal(std::function<void(QWidget *ventana)> accion) {
    QTimer::singleShot(0, [accion = std::move(accion)] {
        QPointer<QWidget> ventana = QApplication::activeModalWidget();
        QVERIFY2(ventana, "no se ha abierto ninguna ventana modal");
        if (QTest::qWaitForWindowActive(ventana))
            accion(ventana);
        else
            QTest::qFail("la ventana modal no se ha activado", __FILE__, __LINE__);
        if (ventana && ventana->isVisible())
            ventana->close();
    });
}

DiscoLleno::DiscoLleno(qint64 bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    limiteAnterior = qint64(limite.rlim_cur);
    limiteMaximo = qint64(limite.rlim_max);
    limite.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limite);
}

DiscoLleno::~DiscoLleno() {
    rlimit limite{rlim_t(limiteAnterior), rlim_t(limiteMaximo)};
    setrlimit(RLIMIT_FSIZE, &limite);
}
