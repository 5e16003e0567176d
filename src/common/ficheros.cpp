#include "common/ficheros.h"

#include <QFile>
#include <QSaveFile>

bool grabarFicheroAtomico(const QString &ruta, const QByteArray &datos) {
    QSaveFile fichero(ruta);
    // Unbuffered, so that a short write on a full disk shows in write()'s count:
    // a buffered QSaveFile commits a truncated file and reports success.
    if (!fichero.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (fichero.write(datos) != datos.size()) {
        fichero.cancelWriting();
        return false;
    }
    return fichero.commit();
}

bool leerFichero(const QString &ruta, QByteArray &datos) {
    datos.clear();
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly))
        return false;
    datos = fichero.readAll();
    return fichero.error() == QFileDevice::NoError;
}
