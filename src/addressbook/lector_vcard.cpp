#include "addressbook/lector_vcard.h"

#include "addressbook/ajuste_campo.h"
#include "addressbook/contactos_externos.h"
#include "common/campos.h"

#include <QHash>
#include <QStringDecoder>

#include <cctype>

namespace Importacion {

namespace {
struct Propiedad {
    QByteArray grupo;             // "item1" of "item1.TEL", upper case
    QByteArray nombre;            // upper case
    QList<QByteArray> parametros; // upper case, as written: "TYPE=CELL", "CELL", "CHARSET=UTF-8"
    QByteArray valor;
};

struct Tarjeta {
    QString fn, n, org, grupo;
    QList<TelefonoLeido> telefonos;
    QList<QByteArray> gruposTelefonos;    // the property group of each number
    QHash<QByteArray, QString> etiquetas; // X-ABLABEL by property group
};

// Unfolds: a line that starts with a blank continues the one before, and so does the
// line after a quoted-printable soft break ("=" at the end). Each byte is looked at
// a bounded number of times, however the lines run on.
QList<QByteArray> lineasLogicas(QByteArray datos) {
    datos.replace("\r\n", "\n");
    datos.replace('\r', '\n');
    QList<QByteArray> logicas;
    qsizetype dosPuntos = -1;     // of the last logical line, once found
    bool quotedPrintable = false; // known with it
    for (const QByteArray &linea : datos.split('\n')) {
        QByteArrayView trozo(linea);
        if (quotedPrintable && logicas.last().endsWith('=')) {
            logicas.last().chop(1);
        } else if (!logicas.isEmpty() && (linea.startsWith(' ') || linea.startsWith('\t'))) {
            trozo = trozo.sliced(1);
        } else {
            logicas.append(QByteArray());
            dosPuntos = -1;
            quotedPrintable = false;
        }
        const qsizetype enTrozo = dosPuntos < 0 ? trozo.indexOf(':') : -1;
        logicas.last() += trozo;
        if (enTrozo >= 0) {
            dosPuntos = logicas.last().size() - trozo.size() + enTrozo;
            quotedPrintable = logicas.last().left(dosPuntos).toUpper().contains("QUOTED-PRINTABLE");
        }
    }
    return logicas;
}

bool leerPropiedad(const QByteArray &linea, Propiedad &propiedad) {
    bool comillas = false;
    qsizetype dosPuntos = 0;
    for (; dosPuntos < linea.size(); ++dosPuntos) {
        if (linea.at(dosPuntos) == '"')
            comillas = !comillas;
        else if (linea.at(dosPuntos) == ':' && !comillas)
            break;
    }
    if (dosPuntos >= linea.size())
        return false;
    propiedad.parametros = linea.left(dosPuntos).toUpper().split(';');
    QByteArray nombre = propiedad.parametros.takeFirst().trimmed();
    const qsizetype punto = nombre.lastIndexOf('.');
    propiedad.grupo = nombre.left(qMax<qsizetype>(0, punto));
    propiedad.nombre = nombre.mid(punto + 1);
    propiedad.valor = linea.mid(dosPuntos + 1);
    return true;
}

// The value of a parameter written "NOMBRE=valor", without quotes; empty when absent.
QByteArray parametro(const Propiedad &propiedad, const QByteArray &nombre) {
    for (const QByteArray &p : propiedad.parametros) {
        if (p.startsWith(nombre + '='))
            return p.mid(nombre.size() + 1).replace('"', QByteArray());
    }
    return QByteArray();
}

int valorHex(char c) {
    return QByteArrayView("0123456789ABCDEF").indexOf(char(std::toupper(quint8(c))));
}

QByteArray decodificarQuotedPrintable(const QByteArray &valor) {
    QByteArray bytes;
    bytes.reserve(valor.size());
    for (qsizetype i = 0; i < valor.size(); ++i) {
        const int alto = i + 2 < valor.size() ? valorHex(valor.at(i + 1)) : -1;
        const int bajo = i + 2 < valor.size() ? valorHex(valor.at(i + 2)) : -1;
        if (valor.at(i) == '=' && alto >= 0 && bajo >= 0) {
            bytes.append(char(alto * 16 + bajo));
            i += 2;
        } else {
            bytes.append(valor.at(i));
        }
    }
    return bytes;
}

QString texto(const Propiedad &propiedad) {
    const bool qp = propiedad.parametros.contains("QUOTED-PRINTABLE") ||
                    parametro(propiedad, "ENCODING") == "QUOTED-PRINTABLE";
    const QByteArray bytes = qp ? decodificarQuotedPrintable(propiedad.valor) : propiedad.valor;
    const QByteArray juego = parametro(propiedad, "CHARSET");
    if (juego.isEmpty())
        return decodificarTexto(bytes);
    QStringDecoder declarado(juego.constData());
    return declarado.isValid() ? QString(declarado.decode(bytes)) : decodificarTexto(bytes);
}

// The parts of a value split at `separador`, escapes undone ("\," "\;" "\n" "\\").
QStringList componentes(const QString &valor, QChar separador) {
    QStringList partes(1);
    for (qsizetype i = 0; i < valor.size(); ++i) {
        QChar c = valor.at(i);
        if (c == u'\\' && i + 1 < valor.size()) {
            c = valor.at(++i);
            partes.last() += c == u'n' || c == u'N' ? QChar(u'\n') : c;
        } else if (c == separador) {
            partes.append(QString());
        } else {
            partes.last() += c;
        }
    }
    return partes;
}

QString desescapar(const QString &valor) {
    return componentes(valor, QChar()).join(QString());
}

// N is family;given;additional;prefixes;suffixes, read in the order people write it.
QString nombreDeN(const QString &valor) {
    QStringList partes = componentes(valor, u';');
    partes.resize(5);
    QStringList orden;
    for (int i : {3, 1, 2, 0, 4}) {
        if (!partes.at(i).trimmed().isEmpty())
            orden.append(partes.at(i).trimmed());
    }
    return orden.join(u' ');
}

// "tel:+34-600-000-000;ext=1" gives "+34-600-000-000".
QString numeroDeTel(const QString &valor) {
    if (!valor.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
        return desescapar(valor);
    return valor.mid(4).section(u';', 0, 0);
}

void leerEnTarjeta(Tarjeta &tarjeta, const Propiedad &propiedad) {
    const QString valor = texto(propiedad);
    if (propiedad.nombre == "FN") {
        tarjeta.fn = desescapar(valor);
    } else if (propiedad.nombre == "N") {
        tarjeta.n = nombreDeN(valor);
    } else if (propiedad.nombre == "ORG") {
        tarjeta.org = componentes(valor, u';').first();
    } else if (propiedad.nombre == "CATEGORIES" && tarjeta.grupo.isEmpty()) {
        tarjeta.grupo = primerGrupo(componentes(valor, u','));
    } else if (propiedad.nombre == "X-ABLABEL" && !propiedad.grupo.isEmpty()) {
        tarjeta.etiquetas.insert(propiedad.grupo, valor);
    } else if (propiedad.nombre == "TEL") {
        // The kind's words, bare (2.1) or in TYPE parameters: the label finds its word among them.
        tarjeta.telefonos.append({numeroDeTel(valor), QString::fromLatin1(propiedad.parametros.join(';'))});
        tarjeta.gruposTelefonos.append(propiedad.grupo);
    }
}

void cerrarTarjeta(Tarjeta &tarjeta, QList<Entrada> &entradas) {
    for (qsizetype i = 0; i < tarjeta.telefonos.size(); ++i) {
        const QString etiqueta = tarjeta.etiquetas.value(tarjeta.gruposTelefonos.at(i));
        if (!tarjeta.gruposTelefonos.at(i).isEmpty() && !etiqueta.isEmpty())
            tarjeta.telefonos[i].tipo = etiqueta; // "_$!<Mobile>!$_" or the user's own
    }
    // Blank as the import sees it: a FN of other white space is still a name.
    const QString nombre = !recortarEspacios(sinControles(tarjeta.fn)).isEmpty() ? tarjeta.fn
                           : !tarjeta.n.isEmpty()                                ? tarjeta.n
                                                                                 : tarjeta.org;
    anadirTelefonos(entradas, nombre, tarjeta.grupo, tarjeta.telefonos);
    tarjeta = Tarjeta();
}
} // namespace

QList<Entrada> leerVCard(const QByteArray &datos) {
    QList<Entrada> entradas;
    Tarjeta tarjeta;
    int profundidad = 0;
    Propiedad propiedad;
    for (const QByteArray &linea : lineasLogicas(datos)) {
        if (!leerPropiedad(linea, propiedad))
            continue;
        const QByteArray valor = propiedad.valor.trimmed().toUpper();
        if (propiedad.nombre == "BEGIN" && valor == "VCARD") {
            ++profundidad;
        } else if (propiedad.nombre == "END" && valor == "VCARD" && profundidad > 0) {
            if (--profundidad == 0)
                cerrarTarjeta(tarjeta, entradas);
        } else if (profundidad == 1) {
            leerEnTarjeta(tarjeta, propiedad);
        }
    }
    if (profundidad > 0)
        cerrarTarjeta(tarjeta, entradas);
    return entradas;
}

} // namespace Importacion
