#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace Simulador {

// One request as the stand-in received it, taken apart.
struct PeticionRecibida {
    QByteArray bruta; // the bytes as they arrived, up to the moment the request was complete
    QString pasarela; // the gateway the path belongs to; empty for any other path
    bool paginaCookies = false;
    QByteArray metodo;
    QByteArray destino; // the request target as sent (absolute URI in proxy form)
    QByteArray version; // "HTTP/1.0", "HTTP/1.1"
    bool formaProxy = false;
    QByteArray hostDestino;                             // the host of an absolute URI
    QByteArray ruta;                                    // the path, without the query
    QByteArray consulta;                                // what follows "?", raw
    QList<std::pair<QByteArray, QByteArray>> cabeceras; // names as sent, values without surrounding blanks
    QByteArray cuerpo;                                  // Content-length bytes
    QList<std::pair<QString, QString>> campos; // query (GET) or body (POST) fields, decoded from Windows-1252
    QStringList problemas;                     // what the stand-in found wrong; empty for an accepted request
    int estado = 0;                            // the HTTP status answered; 0 while unanswered
    bool exito = false;                        // the answer carried the gateway's success text

    // The first header of that name (case-insensitive); a null array when absent.
    QByteArray cabecera(const QByteArray &nombre) const;
    bool tieneCabecera(const QByteArray &nombre) const;
    // The decoded value of the first field of that name; a null string when absent.
    QString campo(const QString &nombre) const;
};

// Bounds on what one connection may send before it is answered.
inline constexpr qsizetype maximoCabecera = 16 * 1024;
inline constexpr qsizetype maximoCuerpo = 64 * 1024;

enum class EstadoLectura { Incompleta, Completa };

struct LecturaPeticion {
    EstadoLectura estado = EstadoLectura::Incompleta;
    PeticionRecibida peticion;
    int errorHttp = 0; // non-zero when the request cannot be served at all (400, 413, 431)
};

// Reads the request at the start of `datos`: the header up to CR LF CR LF, then
// Content-length bytes of body. A GET ends at the empty line. The client's extra
// CR LF pairs after the body are tolerated. With `sinMasDatos` nothing more will
// arrive, so a short body is taken as it is.
LecturaPeticion leerPeticion(const QByteArray &datos, bool sinMasDatos);

// "a=1&b=%E9+x" into decoded pairs; a piece without "=" is a name with an empty value.
QList<std::pair<QString, QString>> decodificarCampos(const QByteArray &codificado);

} // namespace Simulador
