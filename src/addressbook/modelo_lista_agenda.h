#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include <functional>

// The rows of one of the main window's address-book lists, read from texts already
// in display order: nothing is allocated per row. Contact rows also carry their
// number: as the tooltip and, when it fits a signed 32-bit integer, as Qt::UserRole.
class ModeloListaAgenda : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // The number of a row, read only when a tooltip or the number role asks for it.
    using Numero = std::function<QString(int fila)>;
    void cargar(const QStringList &textos, const Numero &numero = {});
    QString texto(int fila) const { return textos.at(fila); }

    int rowCount(const QModelIndex &padre = QModelIndex()) const override;
    QVariant data(const QModelIndex &indice, int rol = Qt::DisplayRole) const override;

private:
    QStringList textos;
    Numero numero;
};
