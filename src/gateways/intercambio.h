#pragma once

#include "gateways/peticion.h"

#include <QObject>
#include <QString>

class QTcpSocket;

namespace Pasarelas {

class SalidaEnvio;

// The User-Agent line of every request.
QString lineaAgenteUsuario();

// One HTTP exchange at a time on the program's one socket: connect (directly or
// through the configured proxy), write the request by hand, wait for the server
// to close, judge the answer. The socket and the output belong to the caller and
// must outlive this object.
//
// Waits are local event loops that sleep: the connect wait ends only when the
// socket connects, the answer wait when the socket closes, either one at its time
// limit (tiempos()) or as soon as anyone closes the socket (the send window's cancel).
class Intercambio : public QObject {
    Q_OBJECT
public:
    // The answer keeps at most this many bytes; the rest is read and dropped.
    static constexpr qsizetype limiteRespuesta = 1024 * 1024;

    Intercambio(QTcpSocket &socket, SalidaEnvio &salida);

    SalidaEnvio &salida() const { return salidaEnvio; }

    // The request the latest template prepared.
    Peticion peticion;
    // Everything received during the latest connection, one character per byte
    // (Windows-1252); emptied by each conectar().
    QString respuesta;

    // Empties `respuesta`, connects to `host` port 80 or to the proxy, and waits for it.
    bool conectar(const QString &host);
    // Writes `texto` as Windows-1252 bytes, unchanged.
    void enviarTexto(const QString &texto);
    // Writes one request or header line: any CR or LF inside `contenido` is
    // removed, so nothing a setting or a server supplies can split the line.
    void enviarLinea(const QString &contenido);
    // The request line, "metodo ruta" or, through the proxy, "metodo http://host ruta"
    // followed by `autorizacionProxy` unless that is blank. `ruta` ends with the version.
    void enviarLineaPeticion(const QString &metodo, const QString &host, const QString &ruta,
                             const QString &autorizacionProxy);
    // Waits until the socket closes or the answer time is up; then closes it.
    void esperarRespuesta();
    // The whole exchange for `peticion`; true when the answer holds its success text.
    bool enviarPeticion();

    // Waits `milisegundos` (the pause between attempts); a cancel ends it early.
    void pausar(int milisegundos);

    // The send window's cancel: closes the socket and ends whichever wait is
    // running, the pause between attempts included. The caller sets its flag first.
    void cancelar();

    // Test seam: direct connections go to this address instead of the gateway's port 80.
    void desviarConexionesDirectas(const QString &host, quint16 puerto);

signals:
    void cancelacion();

private:
    enum class Espera { conexion, respuesta, pausa };
    void leerDatos();
    void esperar(int milisegundos, Espera espera);
    void enviarCabecera(const Peticion &datos);

    QTcpSocket &socket;
    SalidaEnvio &salidaEnvio;
    QString hostDesvio;
    quint16 puertoDesvio = 0;
};

} // namespace Pasarelas
