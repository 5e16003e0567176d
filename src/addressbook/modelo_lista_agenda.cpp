#include "addressbook/modelo_lista_agenda.h"

#include "addressbook/tabla_contactos.h"

void ModeloListaAgenda::cargar(NombresAgenda nuevosNombres, QList<int> nuevoOrden,
                               const Numero &nuevoNumero) {
    beginResetModel();
    nombres = std::move(nuevosNombres);
    orden = std::move(nuevoOrden);
    numero = nuevoNumero;
    endResetModel();
}

int ModeloListaAgenda::rowCount(const QModelIndex &padre) const {
    return padre.isValid() ? 0 : int(orden.size());
}

// The view lays out every row through here when it first shows: without the base
// class's checks, each a pair of virtual calls.
QModelIndex ModeloListaAgenda::index(int fila, int columna, const QModelIndex &padre) const {
    return fila >= 0 && fila < orden.size() && columna == 0 && !padre.isValid() ? createIndex(fila, 0)
                                                                                : QModelIndex();
}

QVariant ModeloListaAgenda::data(const QModelIndex &indice, int rol) const {
    if (!indice.isValid() || indice.row() >= orden.size())
        return QVariant();
    const int fila = indice.row();
    switch (rol) {
    case Qt::DisplayRole:
        return texto(fila);
    case Qt::ToolTipRole:
    case Qt::UserRole: {
        if (!numero)
            return QVariant();
        const QString telefono = numero(orden.at(fila));
        const std::optional<qint32> entero = numeroEntero(telefono);
        if (rol == Qt::UserRole)
            return entero ? QVariant(*entero) : QVariant();
        // Never a value that differs from the stored number.
        return entero ? QString::number(*entero) : telefono;
    }
    default:
        return QVariant();
    }
}
