#pragma once

#include <QAbstractItemModel>
#include <QByteArray>
#include <QHash>
#include <QList>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

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
    enum class Tipo : quint8 { Grupo, Contacto };
    // Extra roles: the image name ("Grupo" or "Contacto") and the node key.
    static constexpr int RolImagen = Qt::UserRole + 1;
    static constexpr int RolClave = Qt::UserRole + 2;

    // The group that stands for no group: its contacts are the ones without a group.
    static QString grupoNinguno() { return QStringLiteral("Ninguno"); }

    // A node as the routines that walk the tree see it. A full book has 32,767 contacts,
    // so a contact holds only a view of its key; groups and records kept aside keep
    // the rest apart.
    struct Nodo {
        Tipo tipo = Tipo::Grupo;
        // Only for records kept aside, which have no key and no text.
        bool apartado = false;
        Nodo *padre = nullptr;

        QString clave() const { return vistaClave.toString(); }
        // The key where the tree keeps it, valid while the node is.
        QStringView claveGuardada() const { return vistaClave; }
        // A group's name; a contact's label, built from its key ("Ana:+34600000000").
        QString texto() const;
        // A record kept aside as it was in the file (scrambled).
        QByteArray registro() const { return extra ? extra->registro : QByteArray(); }

    private:
        friend class ArbolAgenda;
        struct Extra {
            QString texto;
            std::vector<Nodo *> hijos;
            QByteArray registro;
        };
        bool borrado = false;
        int filaGrupo = 0;
        QStringView vistaClave; // in the tree's text store
        Extra *extra = nullptr; // groups and records kept aside only
    };

    explicit ArbolAgenda(QObject *padre = nullptr);
    ~ArbolAgenda() override;

    // Adds a group last at the top level; an invalid index when the key exists.
    QModelIndex anadirGrupo(const QString &clave, const QString &texto);
    // Adds a contact as the last child of the group with key `claveGrupo`; an invalid
    // index when the key exists or there is no such group.
    QModelIndex anadirContacto(QStringView claveGrupo, QStringView clave);
    // Keeps a record that has no place in the tree, last in the order of addition.
    void apartarRegistro(Tipo tipo, const QByteArray &registroCifrado);

    // Room for this many nodes, ahead of a load.
    void reservar(qsizetype nodos) { porClave.reserve(nodos); }
    bool existeClave(QStringView clave) const { return porClave.contains(clave); }
    QModelIndex buscar(QStringView clave) const;
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
    // `clave` is already in the text store.
    Nodo *crearNodo(Tipo tipo, QStringView clave, Nodo *padre);
    Nodo::Extra *crearExtra(Nodo *nodo);
    QStringView guardarTexto(QStringView texto);
    void devolverUltimoTexto(QStringView guardado);
    void destruirNodo(Nodo *nodo);
    QModelIndex indiceDe(const Nodo *nodo) const;
    int filaDe(const Nodo *nodo) const;

    // Every node in the order of addition; a removed one stays, marked, until vaciar.
    std::deque<Nodo> orden;
    std::deque<Nodo::Extra> extras;
    // Every key, one after the other in large blocks that never move.
    std::vector<std::unique_ptr<char16_t[]>> bloquesTexto;
    char16_t *cursorTexto = nullptr;
    qsizetype libreTexto = 0;
    std::vector<Nodo *> grupos;
    QHash<QStringView, Nodo *> porClave;
    int apartados = 0;
    bool enCargaMasiva = false;
};
