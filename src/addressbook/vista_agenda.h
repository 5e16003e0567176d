#pragma once

#include <QStyledItemDelegate>

class ArbolAgenda;
class QTreeView;

// How every window shows the address-book tree: the images "Grupo" and "Contacto"
// beside the labels, and in-place renaming of groups that refuses a blank name.
class DelegadoAgenda : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit DelegadoAgenda(QObject *padre = nullptr);
    void setModelData(QWidget *editor, QAbstractItemModel *modelo, const QModelIndex &indice) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *opcion, const QModelIndex &indice) const override;

private:
    QHash<QString, QIcon> imgTree;
};

// Puts the tree in the view: no header, labels edited only on request, rows of one height.
void prepararVistaAgenda(QTreeView *vista, ArbolAgenda *arbol);
