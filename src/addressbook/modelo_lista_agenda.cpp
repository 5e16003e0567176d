#include "addressbook/modelo_lista_agenda.h"

#include "addressbook/tabla_contactos.h"

void ModeloListaAgenda::cargar(const QStringList &nuevosTextos, const Numero &nuevoNumero) {
    beginResetModel();
    textos = nuevosTextos;
    numero = nuevoNumero;
    endResetModel();
}

int ModeloListaAgenda::rowCount(const QModelIndex &padre) const {
    return padre.isValid() ? 0 : int(textos.size());
}

QVariant ModeloListaAgenda::data(const QModelIndex &indice, int rol) const {
    if (!indice.isValid() || indice.row() >= textos.size())
        return QVariant();
    const int fila = indice.row();
    switch (rol) {
    case Qt::DisplayRole:
        return textos.at(fila);
    case Qt::ToolTipRole:
    case Qt::UserRole: {
        if (!numero)
            return QVariant();
        const QString telefono = numero(fila);
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
