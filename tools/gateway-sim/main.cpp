// gateway-sim: the seven SMS gateways on one local port, to try a whole send
// without the Internet. See README.md in this folder.

#include "simulador_pasarelas.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

const char *const descripcion =
    "Simula en un solo puerto local las siete pasarelas SMS de Zarcel (Amena, Navegalia,\n"
    "PanoramaActual, WebServicio, Movistar, GsmNet, SMSYes): las páginas que dan cookies y los\n"
    "formularios, que comprueban cada campo y responden con el texto de éxito de la pasarela,\n"
    "o con una página que dice qué está mal.\n"
    "\n"
    "Para probar un envío completo: arranque gateway-sim, anote el puerto que escribe y, en\n"
    "Zarcel, abra Opciones, marque el uso de proxy y ponga como proxy 127.0.0.1 y como puerto\n"
    "ese número. Si arranca con --credenciales usuario:clave, ponga el mismo usuario y la misma\n"
    "contraseña en Opciones. Envíe un mensaje: cada petición se resume aquí en una línea.";

struct Argumentos {
    Simulador::OpcionesSimulador opciones;
    QString error;
};

int numeroNoNegativo(const QString &texto, int maximo, bool *bien) {
    const int valor = texto.toInt(bien);
    *bien = *bien && valor >= 0 && valor <= maximo;
    return valor;
}

Argumentos leerArgumentos(const QCoreApplication &aplicacion) {
    QCommandLineParser analizador;
    analizador.setApplicationDescription(QString::fromUtf8(descripcion));
    analizador.addHelpOption();
    const QCommandLineOption puerto({QStringLiteral("p"), QStringLiteral("puerto")},
                                    QStringLiteral("Puerto de escucha en 127.0.0.1 (0: uno libre)."),
                                    QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption rechazar(QStringLiteral("rechazar"),
                                      QStringLiteral("Cierra cada conexión en cuanto la acepta."));
    const QCommandLineOption noResponder(QStringLiteral("no-responder"),
                                         QStringLiteral("Acepta y lee, pero nunca responde."));
    const QCommandLineOption noCerrar(QStringLiteral("no-cerrar"),
                                      QStringLiteral("Responde, pero nunca cierra la conexión."));
    const QCommandLineOption sinCookies(QStringLiteral("sin-cookies"),
                                        QStringLiteral("Las páginas de cookies no dan ninguna."));
    const QCommandLineOption fallar(QStringLiteral("fallar"),
                                    QStringLiteral("Los primeros n envíos de formulario fallan."),
                                    QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption mostrar({QStringLiteral("m"), QStringLiteral("mostrar")},
                                     QStringLiteral("Escribe cada petición tal como llega."));
    const QCommandLineOption credenciales(
        QStringLiteral("credenciales"),
        QStringLiteral("Exige Proxy-Authorization Basic con estas credenciales a las peticiones en forma de "
                       "proxy (URI absoluto)."),
        QStringLiteral("usuario:clave"));
    analizador.addOptions(
        {puerto, rechazar, noResponder, noCerrar, sinCookies, fallar, mostrar, credenciales});
    analizador.process(aplicacion);

    Argumentos argumentos;
    Simulador::OpcionesSimulador &opciones = argumentos.opciones;
    bool bien = false;
    opciones.puerto = quint16(numeroNoNegativo(analizador.value(puerto), 65535, &bien));
    if (!bien)
        argumentos.error = QStringLiteral("El puerto debe ser un número de 0 a 65535.");
    opciones.fallarPrimeros = numeroNoNegativo(analizador.value(fallar), 1000000, &bien);
    if (!bien)
        argumentos.error = QStringLiteral("--fallar necesita un número no negativo.");
    if (analizador.isSet(credenciales) && !analizador.value(credenciales).contains(QLatin1Char(':')))
        argumentos.error = QStringLiteral("--credenciales se escribe usuario:clave.");
    opciones.rechazar = analizador.isSet(rechazar);
    opciones.noResponder = analizador.isSet(noResponder);
    opciones.noCerrar = analizador.isSet(noCerrar);
    opciones.sinCookies = analizador.isSet(sinCookies);
    opciones.imprimirPeticiones = analizador.isSet(mostrar);
    opciones.credencialesProxy = analizador.value(credenciales);
    return argumentos;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication aplicacion(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("gateway-sim"));
    QTextStream salida(stdout);
    QTextStream errores(stderr);

    const Argumentos argumentos = leerArgumentos(aplicacion);
    if (!argumentos.error.isEmpty()) {
        errores << argumentos.error << Qt::endl;
        return 2;
    }
    Simulador::SimuladorPasarelas simulador(argumentos.opciones);
    if (!simulador.iniciar()) {
        errores << QStringLiteral("No se puede escuchar en el puerto %1: %2")
                       .arg(argumentos.opciones.puerto)
                       .arg(simulador.error())
                << Qt::endl;
        return 1;
    }
    salida << QStringLiteral("gateway-sim escucha en 127.0.0.1, puerto %1").arg(simulador.puerto())
           << Qt::endl;
    QObject::connect(&simulador, &Simulador::SimuladorPasarelas::peticionRecibida,
                     [&salida](const Simulador::PeticionRecibida &peticion) {
                         salida << Simulador::resumenPeticion(peticion) << Qt::endl;
                     });
    return aplicacion.exec();
}
