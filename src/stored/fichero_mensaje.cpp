#include "stored/fichero_mensaje.h"

#include "common/avisos.h"
#include "common/campos.h"
#include "common/carpeta.h"
#include "common/ficheros.h"
#include "common/reloj.h"
#include "stored/registros_mensaje.h"

#include <QFileInfo>

#include <cmath>
#include <random>

namespace {
constexpr int maximoDestinos = 32767; // the count is a signed 16-bit integer

// One piece of a name: r x 255 + 1 in single precision, rounded half to even: 1 to 256.
QString pieza(float r) {
    const float valor = r * 255.0f + 1.0f;
    return QString::number(int(std::nearbyint(valor)), 16).toUpper();
}
} // namespace

QString nuevoFicheroMensaje(const std::function<float()> &aleatorio) {
    for (;;) {
        QString nombre;
        for (int i = 0; i < 4; ++i)
            nombre += pieza(aleatorio());
        const QString ruta = rutaFichero(nombre + QStringLiteral(".zrc"));
        if (!QFileInfo::exists(ruta))
            return ruta;
    }
}

QString nuevoFicheroMensaje() {
    // Seeded from the time of day, mixed with the previous state so that two
    // calls within the same second still draw different names.
    static std::mt19937 generador;
    const auto segundos = quint32(Reloj::ahora().time().msecsSinceStartOfDay() / 1000);
    generador.seed(generador() ^ segundos);
    std::uniform_real_distribution<float> reparto(0.0f, 1.0f);
    return nuevoFicheroMensaje([&] {
        float r = reparto(generador);
        return r < 1.0f ? r : 0.0f; // some library versions can round up to 1
    });
}

bool grabarMensaje(const QString &titulo, double fecha, const QStringList &entradas, const QString &texto) {
    if (entradas.size() > maximoDestinos) {
        Avisos::aviso(
            QStringLiteral("El mensaje tiene demasiados destinatarios para grabarlo (como máximo %1)")
                .arg(maximoDestinos));
        return false;
    }
    CabeceraMensaje cabecera;
    cabecera.titulo = campoFijo(titulo, 25);
    cabecera.fecha = fecha;
    QList<DestinoMensaje> destinos;
    destinos.reserve(entradas.size());
    for (const QString &entrada : entradas)
        destinos.append(DestinoMensaje::desdeEntrada(entrada));

    if (!grabarFicheroAtomico(nuevoFicheroMensaje(),
                              escribirFicheroMensaje(cabecera, destinos, aAnsi(texto)))) {
        Avisos::aviso(
            QStringLiteral("No se ha podido grabar el mensaje. Compruebe que queda espacio libre en el "
                           "disco y que se puede escribir en la carpeta del programa."));
        return false;
    }
    return true;
}
