#include "stored/registros_mensaje.h"

#include "addressbook/destinatarios.h"
#include "common/campos.h"

#include <QString>
#include <QtEndian>

#include <bit>

QByteArray CabeceraMensaje::escribir() const {
    QByteArray datos = campoFijo(titulo, 25);
    datos.resize(tamano);
    qToLittleEndian<quint64>(std::bit_cast<quint64>(fecha), datos.data() + 25);
    return datos;
}

CabeceraMensaje CabeceraMensaje::leer(const QByteArray &datos, qsizetype posicion) {
    Q_ASSERT(posicion + tamano <= datos.size());
    CabeceraMensaje registro;
    registro.titulo = datos.mid(posicion, 25);
    registro.fecha = std::bit_cast<double>(qFromLittleEndian<quint64>(datos.constData() + posicion + 25));
    return registro;
}

DestinoMensaje DestinoMensaje::desdeEntrada(const QString &entrada) {
    DestinoMensaje registro;
    registro.nombre = campoFijo(entrada.mid(1), 25);
    switch (Destinatarios::leer(entrada).tipo) {
    case Destinatarios::Tipo::Numero:
        registro.tipo = telefono;
        break;
    case Destinatarios::Tipo::Contacto:
        registro.tipo = contacto;
        break;
    case Destinatarios::Tipo::Grupo:
        registro.tipo = grupo;
        break;
    case Destinatarios::Tipo::Desconocido:
        registro.tipo = 0;
    }
    return registro;
}

QByteArray DestinoMensaje::escribir() const {
    return campoFijo(nombre, 25) + char(tipo);
}

DestinoMensaje DestinoMensaje::leer(const QByteArray &datos, qsizetype posicion) {
    Q_ASSERT(posicion + tamano <= datos.size());
    DestinoMensaje registro;
    registro.nombre = datos.mid(posicion, 25);
    registro.tipo = quint8(datos.at(posicion + 25));
    return registro;
}

QByteArray escribirFicheroMensaje(const CabeceraMensaje &cabecera, const QList<DestinoMensaje> &destinos,
                                  const QByteArray &texto) {
    QByteArray datos = cabecera.escribir();
    datos.reserve(CabeceraMensaje::tamano + 2 + DestinoMensaje::tamano * destinos.size() + texto.size());
    datos.resize(CabeceraMensaje::tamano + 2);
    escribirInt16(datos, CabeceraMensaje::tamano, qint16(destinos.size()));
    for (const DestinoMensaje &destino : destinos)
        datos += destino.escribir();
    datos += texto;
    return datos;
}
