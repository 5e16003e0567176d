#include "peticion_recibida.h"

#include "common/campos.h"

namespace Simulador {

QByteArray PeticionRecibida::cabecera(const QByteArray &nombre) const {
    for (const auto &[clave, valor] : cabeceras) {
        if (clave.compare(nombre, Qt::CaseInsensitive) == 0)
            return valor.isNull() ? QByteArray("") : valor;
    }
    return {};
}

bool PeticionRecibida::tieneCabecera(const QByteArray &nombre) const {
    return !cabecera(nombre).isNull();
}

QString PeticionRecibida::campo(const QString &nombre) const {
    for (const auto &[clave, valor] : campos) {
        if (clave == nombre)
            return valor.isNull() ? QStringLiteral("") : valor;
    }
    return {};
}

QList<std::pair<QString, QString>> decodificarCampos(const QByteArray &codificado) {
    QList<std::pair<QString, QString>> campos;
    if (codificado.isEmpty())
        return campos;
    const auto decodificar = [](QByteArray trozo) {
        return desdeAnsi(QByteArray::fromPercentEncoding(trozo.replace('+', ' ')));
    };
    for (const QByteArray &trozo : codificado.split('&')) {
        const qsizetype igual = trozo.indexOf('=');
        if (igual < 0)
            campos.append({decodificar(trozo), QString()});
        else
            campos.append({decodificar(trozo.left(igual)), decodificar(trozo.mid(igual + 1))});
    }
    return campos;
}

namespace {

// "METHOD target HTTP/x.y"; false when the line has another shape.
bool leerLineaPeticion(const QByteArray &linea, PeticionRecibida &peticion) {
    const QList<QByteArray> partes = linea.split(' ');
    if (partes.size() != 3 || partes[0].isEmpty() || partes[1].isEmpty() || !partes[2].startsWith("HTTP/"))
        return false;
    peticion.metodo = partes[0];
    peticion.destino = partes[1];
    peticion.version = partes[2];
    QByteArray resto = peticion.destino;
    if (resto.startsWith("http://")) {
        peticion.formaProxy = true;
        resto = resto.mid(7);
        const qsizetype barra = resto.indexOf('/');
        peticion.hostDestino = barra < 0 ? resto : resto.left(barra);
        resto = barra < 0 ? QByteArray("/") : resto.mid(barra);
    } else if (!resto.startsWith('/')) {
        return false;
    }
    const qsizetype interrogacion = resto.indexOf('?');
    peticion.ruta = interrogacion < 0 ? resto : resto.left(interrogacion);
    peticion.consulta = interrogacion < 0 ? QByteArray() : resto.mid(interrogacion + 1);
    return true;
}

bool leerCabeceras(const QList<QByteArray> &lineas, PeticionRecibida &peticion) {
    for (qsizetype i = 1; i < lineas.size(); ++i) {
        const qsizetype dosPuntos = lineas[i].indexOf(':');
        if (dosPuntos <= 0)
            return false;
        peticion.cabeceras.append({lineas[i].left(dosPuntos), lineas[i].mid(dosPuntos + 1).trimmed()});
    }
    return true;
}

// The declared body length: 0 when absent, -1 when it is not a plain decimal number.
qsizetype longitudDeclarada(const PeticionRecibida &peticion) {
    const QByteArray valor = peticion.cabecera("Content-length");
    if (valor.isNull())
        return 0;
    if (valor.isEmpty() || valor.size() > 9)
        return -1;
    for (char c : valor) {
        if (c < '0' || c > '9')
            return -1;
    }
    return valor.toLongLong();
}

bool esPrefijo(const QByteArray &trozo, const QByteArray &de) {
    return de.startsWith(trozo);
}

} // namespace

LecturaPeticion leerPeticion(const QByteArray &datos, bool sinMasDatos) {
    LecturaPeticion lectura;
    PeticionRecibida &peticion = lectura.peticion;
    const qsizetype finCabecera = datos.indexOf("\r\n\r\n");
    if (finCabecera < 0 || finCabecera + 4 > maximoCabecera) {
        if (datos.size() < maximoCabecera && !sinMasDatos)
            return lectura;
        lectura.estado = EstadoLectura::Completa;
        peticion.bruta = datos.left(maximoCabecera);
        lectura.errorHttp = datos.size() >= maximoCabecera ? 431 : 400;
        peticion.problemas.append(lectura.errorHttp == 431 ? QStringLiteral("la cabecera es demasiado larga")
                                                           : QStringLiteral("la cabecera no termina"));
        return lectura;
    }
    lectura.estado = EstadoLectura::Completa;
    const QList<QByteArray> lineas = datos.left(finCabecera).split('\n');
    QList<QByteArray> limpias;
    for (const QByteArray &linea : lineas)
        limpias.append(linea.endsWith('\r') ? linea.chopped(1) : linea);
    if (!leerLineaPeticion(limpias.first(), peticion) || !leerCabeceras(limpias, peticion)) {
        peticion.bruta = datos;
        lectura.errorHttp = 400;
        peticion.problemas.append(QStringLiteral("la petición no es HTTP"));
        return lectura;
    }
    const qsizetype longitud = longitudDeclarada(peticion);
    if (longitud < 0 || longitud > maximoCuerpo) {
        peticion.bruta = datos.left(finCabecera + 4);
        lectura.errorHttp = longitud < 0 ? 400 : 413;
        peticion.problemas.append(longitud < 0 ? QStringLiteral("Content-length no es un número")
                                               : QStringLiteral("el cuerpo es demasiado largo"));
        return lectura;
    }
    const qsizetype inicioCuerpo = finCabecera + 4;
    const qsizetype llegado = datos.size() - inicioCuerpo;
    if (llegado < longitud) {
        if (!sinMasDatos) {
            lectura.estado = EstadoLectura::Incompleta;
            return lectura;
        }
        peticion.problemas.append(QStringLiteral("el cuerpo es más corto de lo que dice Content-length"));
    }
    peticion.bruta = datos;
    peticion.cuerpo = datos.mid(inicioCuerpo, longitud);
    const QByteArray tras = datos.mid(inicioCuerpo + peticion.cuerpo.size());
    if (!esPrefijo(tras, "\r\n\r\n"))
        peticion.problemas.append(QStringLiteral("hay bytes tras el cuerpo que Content-length no cuenta"));
    peticion.campos = decodificarCampos(peticion.metodo == "GET" ? peticion.consulta : peticion.cuerpo);
    return lectura;
}

} // namespace Simulador
