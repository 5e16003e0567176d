// Writes the seed corpus of every fuzz target: valid files made by the program's
// own writers, under <folder>/semillas/<target>/, and makes the empty working
// corpus folders <folder>/corpus/<target>/ and <folder>/hallazgos/.
#include "apoyo_fuzz.h"

#include "addressbook/agenda_prueba.h"
#include "common/campos.h"
#include "config/cifrado.h"
#include "config/fichero_configuracion.h"
#include "stored/registros_mensaje.h"

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

QByteArray contacto(const QString &nombre, const QString &telefono, const QString &grupo,
                    bool reves = false) {
    return contactoCifrado(nombre, QStringLiteral("34"), telefono, grupo, aFlag(reves));
}

// groups.lst, then contacts.lst.
QList<QByteArray> semillasAgenda() {
    const QByteArray grupos =
        grupoCifrado(QStringLiteral("Ninguno")) + grupoCifrado(QStringLiteral("Amigos"));
    const QByteArray contactos =
        contacto(QStringLiteral("Ana"), QStringLiteral("600000001"), QStringLiteral("Amigos")) +
        contacto(QStringLiteral("Beto"), QStringLiteral("600000002"), QStringLiteral("Ninguno"), true);
    // Names the lists' quick order must put as the collator does: case, accents, ñ,
    // punctuation and long shared starts.
    QByteArray orden;
    for (const char *nombre :
         {"Peña", "pena", "Penas", "Pe-na", "Pe na", "Ñu", "nuez", "Álvaro", "alvaro", "Ana Belén García",
          "Ana Belén Garcia", "ana belén", "O'Brien", "12 Monos", "Zoë"})
        orden += contacto(QString::fromUtf8(nombre), QStringLiteral("600000004"), QStringLiteral("Amigos"));
    return {juntarValores({grupos, contactos}), juntarValores({QByteArray(), contactos}),
            juntarValores({grupos, contactos + contacto(QStringLiteral("Cris"), QStringLiteral("600000003"),
                                                        QStringLiteral("Perdidos"))}),
            juntarValores({grupos, orden})};
}

// kind (0 version 1.x, 1 text, 2 version 2.x), then the file or files.
QList<QByteArray> semillasImportacion() {
    QByteArray version1;
    for (const auto &[nombre, numero] : {std::pair{"Ana", "600000001"}, std::pair{"Beto", "600000002"}})
        version1 += registroAgenda1(QString::fromLatin1(nombre), QString::fromLatin1(numero));
    const QByteArray contactos2 =
        registroContacto2(QStringLiteral("Ana"), QStringLiteral("600000001"), QStringLiteral("Amigos"));
    const QByteArray grupos2 = campoFijo(QByteArray("Amigos"), 25);
    return {juntarValores({QByteArray(1, 0), version1}), juntarValores({QByteArray(1, 0), version1.left(50)}),
            juntarValores({QByteArray(1, 1), "Ana\r\n600000001\r\nBeto\n600000002\n\nCris\r700000003"}),
            juntarValores({QByteArray(1, 2), contactos2, grupos2})};
}

// One file of each vCard version as phones and address books write them.
QList<QByteArray> semillasVCard() {
    return {
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Pe=F1a;Mar=EDa;;;\r\n"
        "FN;CHARSET=UTF-8;QUOTED-PRINTABLE:Mar=C3=ADa Pe=C3=B1a de la Fuente y=\r\n G=C3=B3mez\r\n"
        "TEL;CELL;PREF:+34 600 111 222\r\nTEL;HOME:91 555 12 34\r\nEND:VCARD\r\n",
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ana Garc\xC3\r\n \xAD"
        "a\r\nN:Garc\xC3\xAD"
        "a;Ana;;;\r\n"
        "TEL;TYPE=CELL:+34 600 000 001\r\nTEL;TYPE=WORK,VOICE:+44 (0)20 7946 0958\r\n"
        "item1.TEL:+33 1 23 45 67 89\r\nitem1.X-ABLabel:_$!<Other>!$_\r\n"
        "CATEGORIES:myContacts,Trabajo\\, clientes\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\n"
        "N:P\xC3\xA9rez;Luis;;Dr.;\r\nAGENT:BEGIN:VCARD\r\nTEL:1\r\nEND:VCARD\r\nEND:VCARD\r\n",
        "BEGIN:VCARD\nVERSION:4.0\nFN:Zo\xC3\xAB\nTEL;VALUE=uri;TYPE=\"cell,voice\":tel:+1-555-555-0100;ext="
        "1\n"
        "CATEGORIES:Amigos\nEND:VCARD\nBEGIN:VCARD\nFN:Sin fin\nTEL:0034 699 000 111\n"};
}

// A webmail's export (comma, UTF-8 with a BOM) and a desktop program's (semicolon, Windows-1252).
QList<QByteArray> semillasCsv() {
    return {
        "\xEF\xBB\xBFName,Given Name,Family Name,Notes,Group Membership,Phone 1 - Type,Phone 1 - Value\r\n"
        "\"Pepe \"\"el Rubio\"\"\",Pepe,Mart\xC3\xADn,\"dos\r\nl\xC3\xADneas, con coma\","
        "* myContacts ::: Vecinos,Mobile,612 000 111 ::: +351 21 000 0000\r\n",
        "Nombre;Apellidos;Tel\xE9"
        "fono m\xF3vil;Tel\xE9"
        "fono particular;Categor\xED"
        "as\r\n"
        "Jos\xE9;N\xFA\xF1"
        "ez;600 000 010;;Clientes\r\n\xCD\xF1igo;;;91 000 00 11;\r\n;;;;\r\n"};
}

QList<QByteArray> semillasMensaje() {
    CabeceraMensaje cabecera;
    cabecera.titulo = campoFijo(QByteArray("Cena del viernes"), 25);
    cabecera.fecha = 46000.75;
    const QList<DestinoMensaje> destinos = {DestinoMensaje::desdeEntrada(QStringLiteral("@+34:600000001")),
                                            DestinoMensaje::desdeEntrada(QStringLiteral("#Ana")),
                                            DestinoMensaje::desdeEntrada(QStringLiteral("&Amigos"))};
    const QByteArray texto("Nos vemos a las ocho\r\nen el sitio de siempre");
    return {escribirFicheroMensaje(cabecera, destinos, texto),
            escribirFicheroMensaje(CabeceraMensaje(), {}, texto),
            escribirFicheroMensaje(cabecera, destinos, texto).left(60)};
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
        {"fuzz_agenda", semillasAgenda},
        {"fuzz_importacion", semillasImportacion},
        {"fuzz_mensaje", semillasMensaje},
        {"fuzz_vcard", semillasVCard},
        {"fuzz_csv", semillasCsv},
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
