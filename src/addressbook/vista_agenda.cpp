#include "addressbook/vista_agenda.h"

#include "addressbook/arbol_agenda.h"
#include "addressbook/imagenes_agenda.h"
#include "common/avisos.h"

#include <QLineEdit>
#include <QTreeView>

DelegadoAgenda::DelegadoAgenda(QObject *padre) : QStyledItemDelegate(padre) {
    imgTree.insert(QStringLiteral("Grupo"), imagenGrupo());
    imgTree.insert(QStringLiteral("Contacto"), imagenContacto());
}

void DelegadoAgenda::initStyleOption(QStyleOptionViewItem *opcion, const QModelIndex &indice) const {
    QStyledItemDelegate::initStyleOption(opcion, indice);
    opcion->icon = imgTree.value(indice.data(ArbolAgenda::RolImagen).toString());
    opcion->features |= QStyleOptionViewItem::HasDecoration;
}

void DelegadoAgenda::setModelData(QWidget *editor, QAbstractItemModel *modelo,
                                  const QModelIndex &indice) const {
    const auto *linea = qobject_cast<QLineEdit *>(editor);
    if (linea && !modelo->setData(indice, linea->text(), Qt::EditRole))
        Avisos::aviso(QStringLiteral("El valor de este campo no puede ser nulo"));
}

void prepararVistaAgenda(QTreeView *vista, ArbolAgenda *arbol) {
    vista->setModel(arbol);
    vista->setItemDelegate(new DelegadoAgenda(vista));
    vista->setHeaderHidden(true);
    vista->setUniformRowHeights(true);
    vista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vista->setSelectionMode(QAbstractItemView::SingleSelection);
}
