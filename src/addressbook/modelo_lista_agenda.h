#pragma once

#include "addressbook/nombres_agenda.h"

#include <QAbstractListModel>
#include <QList>

#include <functional>

// The rows of one of the main window's address-book lists: names in file order and
// the order to show them in, so nothing is allocated per row. Contact rows also carry
// their number: as the tooltip and, when it fits a signed 32-bit integer, as Qt::UserRole.
class ModeloListaAgenda : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // The number of the name at `indice` in file order, read only when a tooltip or the
    // number role asks for it.
    using Numero = std::function<QString(int indice)>;
    void cargar(NombresAgenda nombres, QList<int> orden, const Numero &numero = {});
    QString texto(int fila) const { return nombres.texto(orden.at(fila)); }

    int rowCount(const QModelIndex &padre = QModelIndex()) const override;
    QModelIndex index(int fila, int columna, const QModelIndex &padre = QModelIndex()) const override;
    QVariant data(const QModelIndex &indice, int rol = Qt::DisplayRole) const override;

private:
    NombresAgenda nombres;
    QList<int> orden;
    Numero numero;
};
