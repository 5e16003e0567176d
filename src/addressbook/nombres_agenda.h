#pragma once

#include <QByteArrayView>
#include <QString>

#include <memory>
#include <vector>

// The names of one of the main window's lists as the files hold them (Windows-1252
// bytes), one after another in one buffer: a full address book loads without an
// allocation per name, and a name is decoded only when its row is drawn or read.
class NombresAgenda {
public:
    // Room for `nombres` names of `bytes` bytes in all. The room is not written until
    // names fill it, so what they leave unused costs no memory.
    void reservar(qsizetype nombres, qsizetype bytes);
    void anadir(QByteArrayView nombre);

    qsizetype size() const { return qsizetype(fines.size()); }
    QByteArrayView bytes(qsizetype i) const {
        const quint32 inicio = i == 0 ? 0 : fines[size_t(i) - 1];
        return QByteArrayView(datos.get() + inicio, fines[size_t(i)] - inicio);
    }
    QString texto(qsizetype i) const;

private:
    std::unique_ptr<char[]> datos;
    qsizetype capacidad = 0;
    qsizetype usados = 0;
    std::vector<quint32> fines; // where each name ends in datos
};
