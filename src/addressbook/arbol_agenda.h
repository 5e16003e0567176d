#pragma once

#include <QAbstractItemModel>
#include <QByteArray>
#include <QHash>
#include <QList>

#include <functional>
#include <list>

// The address book as a tree: groups at the top level, contacts as children of
// their group. Every node has a key unique in the tree; a contact's key holds all
// its data (see ClaveContacto). The order in which nodes were added is kept apart
// from the display order, because saving follows it.
//
// Records of the files that cannot be placed in the tree (a contact whose group is
// missing, a repeated key, a field that would break the key) are kept aside, in
// their place in the order of addition, and saved back untouched.
class ArbolAgenda : public QAbstractItemModel {
    Q_OBJECT
public:
    enum class Tipo { Grupo, Contacto };
    // Extra roles: the image name ("Grupo" or "Contacto") and the node key.
    static constexpr int RolImagen = Qt::UserRole + 1;
    static constexpr int RolClave = Qt::UserRole + 2;

    // The group that stands for no group: its contacts are the ones without a group.
    static QString grupoNinguno() { return QStringLiteral("Ninguno"); }

    // A node as the routines that walk the tree see it.
    struct Nodo {
        Tipo tipo = Tipo::Grupo;
        QString clave;
        QString texto;
        Nodo *padre = nullptr;
        QList<Nodo *> hijos;
        // Only for records kept aside: the record as it was in the file (scrambled).
        bool apartado = false;
        QByteArray registro;

    private:
        friend class ArbolAgenda;
        std::list<Nodo>::iterator posicion;
        int filaGrupo = 0;
    };

    explicit ArbolAgenda(QObject *padre = nullptr);
    ~ArbolAgenda() override;

    // Adds a group last at the top level; an invalid index when the key exists.
    QModelIndex anadirGrupo(const QString &clave, const QString &texto);
    // Adds a contact as the last child of the group with key `claveGrupo`; an invalid
    // index when the key exists or there is no such group.
    QModelIndex anadirContacto(const QString &claveGrupo, const QString &clave, const QString &texto);
    // Keeps a record that has no place in the tree, last in the order of addition.
    void apartarRegistro(Tipo tipo, const QByteArray &registroCifrado);

    bool existeClave(const QString &clave) const { return porClave.contains(clave); }
    QModelIndex buscar(const QString &clave) const;
    const Nodo *nodo(const QModelIndex &indice) const;
    Tipo tipo(const QModelIndex &indice) const;
    QString clave(const QModelIndex &indice) const;
    QString texto(const QModelIndex &indice) const;

    // A group's text; its key stays. A text of only spaces is refused (false).
    bool renombrarGrupo(const QModelIndex &indice, const QString &texto);
    // Removes a node; a group goes with its contacts.
    void borrar(const QModelIndex &indice);
    void vaciar();
    // Runs many additions as one model reset, so an attached view lays out once.
    void cargaMasiva(const std::function<void()> &altas);

    // The first node still in the tree, in the order of addition.
    QModelIndex primerNodo() const;
    // Every node in the order of addition, the records kept aside included when asked.
    void recorrer(const std::function<void(const Nodo &)> &visita, bool conApartados = false) const;
    int numeroNodos() const { return int(porClave.size()); }
    int numeroApartados() const { return apartados; }
    // The group keys, in display order.
    QStringList clavesGrupos() const;

    // QAbstractItemModel
    QModelIndex index(int fila, int columna, const QModelIndex &padre = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &indice) const override;
    int rowCount(const QModelIndex &padre = QModelIndex()) const override;
    int columnCount(const QModelIndex &padre = QModelIndex()) const override;
    QVariant data(const QModelIndex &indice, int rol = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &indice, const QVariant &valor, int rol = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &indice) const override;

private:
    Nodo *crearNodo(Tipo tipo, const QString &clave, const QString &texto, Nodo *padre);
    void destruirNodo(Nodo *nodo);
    QModelIndex indiceDe(const Nodo *nodo) const;
    int filaDe(const Nodo *nodo) const;

    std::list<Nodo> orden; // owns every node, in the order of addition
    QList<Nodo *> grupos;
    QHash<QString, Nodo *> porClave;
    int apartados = 0;
    bool enCargaMasiva = false;
};
