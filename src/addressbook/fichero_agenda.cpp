#include "addressbook/fichero_agenda.h"

#include "addressbook/arbol_agenda.h"
#include "addressbook/clave_contacto.h"
#include "addressbook/registros_agenda.h"
#include "common/campos.h"
#include "common/carpeta.h"
#include "common/ficheros.h"
#include "config/cifrado.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cstring>

namespace {
// Opens the file to read it; a missing one is created empty and reads as empty. Adds
// the file's name to `ilegibles` when it exists but cannot be opened.
bool abrirOCrear(QFile &fichero, QStringList &ilegibles) {
    if (fichero.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return true;
    if (fichero.exists()) {
        ilegibles.append(QFileInfo(fichero).fileName());
    } else {
        QFile nuevo(fichero.fileName());
        nuevo.open(QIODevice::WriteOnly); // an unwritable folder simply reads as empty
    }
    return false;
}

QByteArray leerOCrear(const QString &ruta, QStringList &ilegibles) {
    QFile fichero(ruta);
    if (!abrirOCrear(fichero, ilegibles))
        return QByteArray();
    const QByteArray datos = fichero.readAll();
    if (fichero.error() == QFileDevice::NoError)
        return datos;
    ilegibles.append(QFileInfo(fichero).fileName());
    return QByteArray();
}

void cargarGrupos(ArbolAgenda &arbol, const QByteArray &datos) {
    const qsizetype n = datos.size() / GrupoAgenda::tamano;
    if (n == 0)
        arbol.anadirGrupo(ArbolAgenda::grupoNinguno(), ArbolAgenda::grupoNinguno());
    for (qsizetype i = 0; i < n; ++i) {
        GrupoAgenda grupo = GrupoAgenda::leer(datos, i * GrupoAgenda::tamano);
        const QByteArray original = grupo.nombre;
        Cifrado::cifrarGrupo(grupo);
        const QString nombre = textoCampo(grupo.nombre);
        if (!arbol.anadirGrupo(nombre, nombre).isValid())
            arbol.apartarRegistro(ArbolAgenda::Tipo::Grupo, original);
    }
}

// The first `n` records of `datos`.
void cargarContactos(ArbolAgenda &arbol, const QByteArray &datos, qsizetype n) {
    // The key is decoded straight into this buffer, part after part; the tree copies
    // it into its own store. Room for the three parts, the colons and the flag.
    QChar clave[ContactoAgenda::campoNombre.ancho + ContactoAgenda::campoPrefijo.ancho +
                ContactoAgenda::campoTelefono.ancho + 4];
    QChar grupo[ContactoAgenda::campoGrupo.ancho];
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype posicion = i * ContactoAgenda::tamano;
        auto campo = [&](ContactoAgenda::Campo c, QChar *destino) {
            return Cifrado::campoDescifrado(datos, posicion + c.posicion, c.ancho, destino);
        };
        QChar *fin = clave;
        for (ContactoAgenda::Campo parte :
             {ContactoAgenda::campoNombre, ContactoAgenda::campoPrefijo, ContactoAgenda::campoTelefono}) {
            fin += campo(parte, fin).size();
            *fin++ = QLatin1Char(':');
        }
        const bool reves = leerInt16(datos, int(posicion + ContactoAgenda::posicionFlag)) != 0;
        *fin++ = reves ? QLatin1Char('1') : QLatin1Char('0');
        const QStringView vista(clave, fin);
        const bool colocado = ClaveContacto::separable(vista) &&
                              arbol.anadirContacto(campo(ContactoAgenda::campoGrupo, grupo), vista).isValid();
        if (!colocado)
            // A copy of its own: `datos` is a buffer that the next block overwrites.
            arbol.apartarRegistro(ArbolAgenda::Tipo::Contacto,
                                  QByteArray(datos.constData() + posicion, ContactoAgenda::tamano));
    }
}

// Appends a record of `tamano` bytes to `datos` for the caller to fill.
char *anadirRegistro(QByteArray &datos, int tamano) {
    datos.resize(datos.size() + tamano);
    return datos.data() + datos.size() - tamano;
}

// Writes `texto` as a scrambled fixed-width field, the way the records are stored.
void escribirCampo(char *destino, QStringView texto, int ancho) {
    campoFijo(texto, destino, ancho);
    Cifrado::descifrarCampo(destino, ancho, destino); // the same XOR scrambles
}

void escribirGrupo(QByteArray &grupos, const ArbolAgenda::Nodo &nodo) {
    escribirCampo(anadirRegistro(grupos, GrupoAgenda::tamano), nodo.texto(), GrupoAgenda::tamano);
}

// Written in place, field by field: a full book saves 32,767 of them.
void escribirContacto(QByteArray &contactos, const ArbolAgenda::Nodo &nodo) {
    const ClaveContacto::Vistas partes = ClaveContacto::partir(nodo.claveGuardada());
    const QString grupo = nodo.padre ? nodo.padre->texto() : QString();
    char *registro = anadirRegistro(contactos, ContactoAgenda::tamano);
    const auto campo = [&](ContactoAgenda::Campo c, QStringView texto) {
        escribirCampo(registro + c.posicion, texto, c.ancho);
    };
    campo(ContactoAgenda::campoNombre, partes.nombre);
    campo(ContactoAgenda::campoPrefijo, partes.prefijo);
    campo(ContactoAgenda::campoTelefono, partes.telefono);
    campo(ContactoAgenda::campoGrupo, sinEspacios(grupo));
    qToLittleEndian<qint16>(aFlag(partes.envioReves), registro + ContactoAgenda::posicionFlag);
}
} // namespace

QString rutaGrupos() {
    return rutaFichero(QStringLiteral("groups.lst"));
}
QString rutaContactos() {
    return rutaFichero(QStringLiteral("contacts.lst"));
}

QStringList cargarArbolAgenda(ArbolAgenda &arbol) {
    QStringList ilegibles;
    const QByteArray grupos = leerOCrear(rutaGrupos(), ilegibles);
    QFile contactos(rutaContactos());
    const bool abierto = abrirOCrear(contactos, ilegibles);
    arbol.reservar(grupos.size() / GrupoAgenda::tamano +
                   (abierto ? contactos.size() / ContactoAgenda::tamano : 0));
    bool leidos = true;
    arbol.cargaMasiva([&] {
        cargarGrupos(arbol, grupos);
        leidos =
            !abierto ||
            leerEnBloques(contactos, ContactoAgenda::tamano, [&](const char *registros, qsizetype n) {
                cargarContactos(arbol, QByteArray::fromRawData(registros, n * ContactoAgenda::tamano), n);
            });
    });
    if (!leidos) {
        // Failed halfway: the book shows as when the file cannot be opened, without it.
        ilegibles.append(QFileInfo(contactos).fileName());
        arbol.vaciar();
        arbol.cargaMasiva([&] { cargarGrupos(arbol, grupos); });
    }
    return ilegibles;
}

QString avisoAgendaIlegible(const QStringList &ficheros) {
    if (ficheros.size() == 1)
        return QStringLiteral("No se ha podido leer el fichero %1 de la agenda. Para no perder lo que "
                              "contiene, la agenda no se guardará.")
            .arg(ficheros.constFirst());
    return QStringLiteral("No se han podido leer los ficheros %1 de la agenda. Para no perder lo que "
                          "contienen, la agenda no se guardará.")
        .arg(ficheros.join(QStringLiteral(" y ")));
}

bool grabarArbolAgenda(const ArbolAgenda &arbol) {
    QByteArray grupos;
    QByteArray contactos;
    contactos.reserve(qsizetype(arbol.numeroNodos() + arbol.numeroApartados()) * ContactoAgenda::tamano);
    arbol.recorrer(
        [&](const ArbolAgenda::Nodo &nodo) {
            const bool esGrupo = nodo.tipo == ArbolAgenda::Tipo::Grupo;
            if (nodo.apartado)
                (esGrupo ? grupos : contactos) += nodo.registro();
            else if (esGrupo)
                escribirGrupo(grupos, nodo);
            else
                escribirContacto(contactos, nodo);
        },
        true);
    return grabarFicherosAtomicos({{rutaContactos(), contactos}, {rutaGrupos(), grupos}});
}
