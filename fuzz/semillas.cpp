// Writes the seed corpus of every fuzz target: valid files made by the program's
// own writers, under <folder>/semillas/<target>/, and makes the empty working
// corpus folders <folder>/corpus/<target>/ and <folder>/hallazgos/.
#include "apoyo_fuzz.h"

#include "common/campos.h"
#include "config/fichero_configuracion.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <functional>

namespace {

QList<QByteArray> semillasConfiguracion() {
    Configuracion conProxy = Configuracion::porDefecto();
    conProxy.usarProxy = aFlag(true);
    asignarCampo(conProxy.proxy, QStringLiteral("127.0.0.1"));
    asignarCampo(conProxy.puerto, QStringLiteral("8080"));
    asignarCampo(conProxy.usuario, QStringLiteral("usuario"));
    asignarCampo(conProxy.password, QStringLiteral("clave"));
    asignarCampo(conProxy.firma, QStringLiteral("Ana: "));
    const QByteArray completo = configuracionABytes(conProxy);
    return {configuracionABytes(Configuracion::porDefecto()), completo, configuracionABytes(Configuracion()),
            completo.left(300)};
}

const QByteArray
    paginaCookies("HTTP/1.1 200 OK\r\nSet-Cookie: SID=abc123; path=/\r\n"
                  "Set-Cookie: idioma=es; expires=Thu, 01 Jan 2030 00:00:00 GMT\r\n\r\n<html></html>");

QList<QByteArray> semillasCookies() {
    return {paginaCookies, "HTTP/1.0 200 OK\r\nX-Cookie: a=1; b\r\n\r\n",
            "Set-Cookie: SID=abc\nServer: x\n\n", "HTTP/1.1 302 Found\r\nLocation: /\r\n\r\n"};
}

// control (template, proxy), user, password, e-mail, prefix, number, text, cookie page, form answer.
QList<QByteArray> semillasPeticion() {
    const QByteArray exitos[] = {"Operaci\xF3n realizada.\\nSu mensaje ha sido enviado con \xE9xito",
                                 "procesando correctamente",
                                 "Tu mensaje ha sido enviado con \xE9xito.",
                                 "El mensaje se ha enviado",
                                 "ha sido enviado con",
                                 "/envios/enviado.htm",
                                 "Message has been SENT"};
    QList<QByteArray> semillas;
    for (char plantilla = 0; plantilla < 7; ++plantilla) {
        for (char proxy = 0; proxy < 2; ++proxy) {
            semillas.append(juntarValores(
                {QByteArray(1, plantilla) + QByteArray(1, proxy), "usuario", "clave", "yo@example.com", "34",
                 "600123456", "Hola, nos vemos a las 8 \xBFvale?", paginaCookies,
                 "HTTP/1.0 200 OK\r\n\r\n<html>" + exitos[int(plantilla)] + "</html>"}));
        }
    }
    return semillas;
}

struct Objetivo {
    const char *nombre;
    std::function<QList<QByteArray>()> semillas;
};

bool escribir(const QString &ruta, const QByteArray &datos) {
    QFile fichero(ruta);
    return fichero.open(QIODevice::WriteOnly) && fichero.write(datos) == datos.size();
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: fuzz_semillas CARPETA\n");
        return 2;
    }
    iniciarEntornoFuzz();
    const QDir base(QString::fromLocal8Bit(argv[1]));
    const Objetivo objetivos[] = {
        {"fuzz_configuracion", semillasConfiguracion},
        {"fuzz_cookies", semillasCookies},
        {"fuzz_peticion", semillasPeticion},
    };
    bool bien = base.mkpath(QStringLiteral("hallazgos"));
    for (const Objetivo &objetivo : objetivos) {
        const QString nombre = QString::fromLatin1(objetivo.nombre);
        bien = bien && base.mkpath(QStringLiteral("corpus/") + nombre);
        const QString carpeta = QStringLiteral("semillas/") + nombre;
        bien = bien && base.mkpath(carpeta);
        const QList<QByteArray> semillas = objetivo.semillas();
        for (qsizetype i = 0; i < semillas.size(); ++i)
            bien =
                bien && escribir(base.filePath(carpeta + QStringLiteral("/semilla-%1").arg(i)), semillas[i]);
    }
    return bien ? 0 : 1;
}
