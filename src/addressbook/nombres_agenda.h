#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The names of one of the main window's lists as the files hold them (Windows-1252
// bytes), one after another in one buffer: a full address book loads without an
// allocation per name, and a name is decoded only when its row is drawn or read.
class NombresAgenda {
public:
    // Room for `nombres` names of `bytes` bytes in all: appending within it never moves them.
    void reservar(qsizetype nombres, qsizetype bytes);
    void anadir(QByteArrayView nombre);

    qsizetype size() const { return fines.size(); }
    QByteArrayView bytes(qsizetype i) const {
        const quint32 inicio = i == 0 ? 0 : fines[i - 1];
        return QByteArrayView(datos.constData() + inicio, fines[i] - inicio);
    }
    QString texto(qsizetype i) const;

private:
    QByteArray datos;
    QList<quint32> fines; // where each name ends in datos
};
