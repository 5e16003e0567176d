#include "addressbook/arbol_agenda.h"

#include "common/campos.h"

ArbolAgenda::ArbolAgenda(QObject *padre) : QAbstractItemModel(padre) {}

ArbolAgenda::~ArbolAgenda() = default;

ArbolAgenda::Nodo *ArbolAgenda::crearNodo(Tipo tipo, const QString &clave, const QString &texto,
                                          Nodo *padre) {
    Nodo &nodo = orden.emplace_back();
    nodo.posicion = std::prev(orden.end());
    nodo.tipo = tipo;
    nodo.clave = clave;
    nodo.texto = texto;
    nodo.padre = padre;
    return &nodo;
}

void ArbolAgenda::destruirNodo(Nodo *nodo) {
    porClave.remove(nodo->clave);
    orden.erase(nodo->posicion);
}

QModelIndex ArbolAgenda::anadirGrupo(const QString &clave, const QString &texto) {
    if (porClave.contains(clave))
        return QModelIndex();
    const int fila = int(grupos.size());
    if (!enCargaMasiva)
        beginInsertRows(QModelIndex(), fila, fila);
    Nodo *nodo = crearNodo(Tipo::Grupo, clave, texto, nullptr);
    nodo->filaGrupo = fila;
    grupos.append(nodo);
    porClave.insert(clave, nodo);
    if (!enCargaMasiva)
        endInsertRows();
    return createIndex(fila, 0, nodo);
}

QModelIndex ArbolAgenda::anadirContacto(const QString &claveGrupo, const QString &clave,
                                        const QString &texto) {
    Nodo *grupo = porClave.value(claveGrupo);
    if (!grupo || grupo->tipo != Tipo::Grupo)
        return QModelIndex();
    // One hash lookup: a new key's slot is filled below.
    Nodo *&hueco = porClave[clave];
    if (hueco)
        return QModelIndex();
    const int fila = int(grupo->hijos.size());
    if (!enCargaMasiva)
        beginInsertRows(indiceDe(grupo), fila, fila);
    Nodo *nodo = crearNodo(Tipo::Contacto, clave, texto, grupo);
    grupo->hijos.append(nodo);
    hueco = nodo;
    if (!enCargaMasiva)
        endInsertRows();
    return createIndex(fila, 0, nodo);
}

void ArbolAgenda::apartarRegistro(Tipo tipo, const QByteArray &registroCifrado) {
    Nodo *nodo = crearNodo(tipo, QString(), QString(), nullptr);
    nodo->apartado = true;
    nodo->registro = registroCifrado;
    ++apartados;
}

QModelIndex ArbolAgenda::buscar(const QString &clave) const {
    return indiceDe(porClave.value(clave));
}

const ArbolAgenda::Nodo *ArbolAgenda::nodo(const QModelIndex &indice) const {
    if (!indice.isValid() || indice.model() != this)
        return nullptr;
    return static_cast<const Nodo *>(indice.internalPointer());
}

ArbolAgenda::Tipo ArbolAgenda::tipo(const QModelIndex &indice) const {
    const Nodo *n = nodo(indice);
    return n ? n->tipo : Tipo::Grupo;
}

QString ArbolAgenda::clave(const QModelIndex &indice) const {
    const Nodo *n = nodo(indice);
    return n ? n->clave : QString();
}

QString ArbolAgenda::texto(const QModelIndex &indice) const {
    const Nodo *n = nodo(indice);
    return n ? n->texto : QString();
}

bool ArbolAgenda::renombrarGrupo(const QModelIndex &indice, const QString &texto) {
    auto *n = const_cast<Nodo *>(nodo(indice));
    if (!n || n->tipo != Tipo::Grupo || recortarEspacios(texto).isEmpty())
        return false;
    n->texto = texto;
    emit dataChanged(indice, indice, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

void ArbolAgenda::borrar(const QModelIndex &indice) {
    auto *n = const_cast<Nodo *>(nodo(indice));
    if (!n)
        return;
    QList<Nodo *> &hermanos = n->padre ? n->padre->hijos : grupos;
    const int fila = filaDe(n);
    beginRemoveRows(indice.parent(), fila, fila);
    hermanos.removeAt(fila);
    if (!n->padre) {
        for (int i = fila; i < grupos.size(); ++i)
            grupos.at(i)->filaGrupo = i;
    }
    for (Nodo *hijo : std::as_const(n->hijos))
        destruirNodo(hijo);
    destruirNodo(n);
    endRemoveRows();
}

void ArbolAgenda::vaciar() {
    beginResetModel();
    grupos.clear();
    porClave.clear();
    orden.clear();
    apartados = 0;
    endResetModel();
}

void ArbolAgenda::cargaMasiva(const std::function<void()> &altas) {
    beginResetModel();
    enCargaMasiva = true;
    altas();
    enCargaMasiva = false;
    endResetModel();
}

QModelIndex ArbolAgenda::primerNodo() const {
    for (const Nodo &n : orden) {
        if (!n.apartado)
            return indiceDe(&n);
    }
    return QModelIndex();
}

void ArbolAgenda::recorrer(const std::function<void(const Nodo &)> &visita, bool conApartados) const {
    for (const Nodo &n : orden) {
        if (conApartados || !n.apartado)
            visita(n);
    }
}

QStringList ArbolAgenda::clavesGrupos() const {
    QStringList claves;
    claves.reserve(grupos.size());
    for (const Nodo *grupo : grupos)
        claves.append(grupo->clave);
    return claves;
}

int ArbolAgenda::filaDe(const Nodo *nodo) const {
    if (!nodo->padre)
        return nodo->filaGrupo;
    return int(nodo->padre->hijos.indexOf(const_cast<Nodo *>(nodo)));
}

QModelIndex ArbolAgenda::indiceDe(const Nodo *nodo) const {
    if (!nodo || nodo->apartado)
        return QModelIndex();
    return createIndex(filaDe(nodo), 0, const_cast<Nodo *>(nodo));
}

QModelIndex ArbolAgenda::index(int fila, int columna, const QModelIndex &padre) const {
    if (columna != 0 || fila < 0)
        return QModelIndex();
    if (!padre.isValid())
        return fila < grupos.size() ? createIndex(fila, 0, grupos.at(fila)) : QModelIndex();
    const Nodo *grupo = nodo(padre);
    if (!grupo || fila >= grupo->hijos.size())
        return QModelIndex();
    return createIndex(fila, 0, grupo->hijos.at(fila));
}

QModelIndex ArbolAgenda::parent(const QModelIndex &indice) const {
    const Nodo *n = nodo(indice);
    return n ? indiceDe(n->padre) : QModelIndex();
}

int ArbolAgenda::rowCount(const QModelIndex &padre) const {
    if (!padre.isValid())
        return int(grupos.size());
    if (padre.column() != 0)
        return 0;
    const Nodo *n = nodo(padre);
    return n ? int(n->hijos.size()) : 0;
}

int ArbolAgenda::columnCount(const QModelIndex &) const {
    return 1;
}

QVariant ArbolAgenda::data(const QModelIndex &indice, int rol) const {
    const Nodo *n = nodo(indice);
    if (!n)
        return QVariant();
    switch (rol) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return n->texto;
    case RolImagen:
        return n->tipo == Tipo::Grupo ? QStringLiteral("Grupo") : QStringLiteral("Contacto");
    case RolClave:
        return n->clave;
    default:
        return QVariant();
    }
}

bool ArbolAgenda::setData(const QModelIndex &indice, const QVariant &valor, int rol) {
    if (rol != Qt::EditRole)
        return false;
    return renombrarGrupo(indice, valor.toString());
}

Qt::ItemFlags ArbolAgenda::flags(const QModelIndex &indice) const {
    const Nodo *n = nodo(indice);
    if (!n)
        return Qt::NoItemFlags;
    Qt::ItemFlags banderas = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // A contact's label is never saved (its key is), so only groups are renamed.
    // Contacts never have children: views then skip asking, which a full book feels.
    banderas |= n->tipo == Tipo::Grupo ? Qt::ItemIsEditable : Qt::ItemNeverHasChildren;
    return banderas;
}
