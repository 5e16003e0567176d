#include "addressbook/arbol_agenda.h"

#include "addressbook/clave_contacto.h"
#include "common/campos.h"

ArbolAgenda::ArbolAgenda(QObject *padre) : QAbstractItemModel(padre) {}

ArbolAgenda::~ArbolAgenda() = default;

QString ArbolAgenda::Nodo::texto() const {
    return extra ? extra->texto : ClaveContacto::texto(vistaClave);
}

QStringView ArbolAgenda::guardarTexto(QStringView texto) {
    if (libreTexto < texto.size()) {
        // Blocks are left uninitialized: only the part written is ever touched.
        const qsizetype tamano = qMax<qsizetype>(32 * 1024, texto.size());
        bloquesTexto.emplace_back(new char16_t[size_t(tamano)]);
        cursorTexto = bloquesTexto.back().get();
        libreTexto = tamano;
    }
    const QStringView guardado(cursorTexto, texto.size());
    cursorTexto = std::copy(texto.utf16(), texto.utf16() + texto.size(), cursorTexto);
    libreTexto -= texto.size();
    return guardado;
}

void ArbolAgenda::devolverUltimoTexto(QStringView guardado) {
    Q_ASSERT(guardado.utf16() + guardado.size() == cursorTexto);
    cursorTexto -= guardado.size();
    libreTexto += guardado.size();
}

ArbolAgenda::Nodo *ArbolAgenda::crearNodo(Tipo tipo, QStringView clave, Nodo *padre) {
    Nodo &nodo = orden.emplace_back();
    nodo.tipo = tipo;
    nodo.vistaClave = clave;
    nodo.padre = padre;
    return &nodo;
}

ArbolAgenda::Nodo::Extra *ArbolAgenda::crearExtra(Nodo *nodo) {
    nodo->extra = &extras.emplace_back();
    return nodo->extra;
}

void ArbolAgenda::destruirNodo(Nodo *nodo) {
    porClave.remove(nodo->vistaClave);
    nodo->borrado = true;
}

QModelIndex ArbolAgenda::anadirGrupo(const QString &clave, const QString &texto) {
    if (porClave.contains(clave))
        return QModelIndex();
    const int fila = int(grupos.size());
    if (!enCargaMasiva)
        beginInsertRows(QModelIndex(), fila, fila);
    Nodo *nodo = crearNodo(Tipo::Grupo, guardarTexto(clave), nullptr);
    crearExtra(nodo)->texto = texto;
    nodo->filaGrupo = fila;
    grupos.push_back(nodo);
    porClave.insert(nodo->vistaClave, nodo);
    if (!enCargaMasiva)
        endInsertRows();
    return createIndex(fila, 0, nodo);
}

QModelIndex ArbolAgenda::anadirContacto(QStringView claveGrupo, QStringView clave) {
    Nodo *grupo = porClave.value(claveGrupo);
    if (!grupo || grupo->tipo != Tipo::Grupo)
        return QModelIndex();
    // Stored first, so that one hash lookup both checks the key and takes it.
    const QStringView guardada = guardarTexto(clave);
    Nodo *&hueco = porClave[guardada];
    if (hueco) {
        devolverUltimoTexto(guardada);
        return QModelIndex();
    }
    std::vector<Nodo *> &hijos = grupo->extra->hijos;
    const int fila = int(hijos.size());
    if (!enCargaMasiva)
        beginInsertRows(indiceDe(grupo), fila, fila);
    Nodo *nodo = crearNodo(Tipo::Contacto, guardada, grupo);
    hijos.push_back(nodo);
    hueco = nodo;
    if (!enCargaMasiva)
        endInsertRows();
    return createIndex(fila, 0, nodo);
}

void ArbolAgenda::apartarRegistro(Tipo tipo, const QByteArray &registroCifrado) {
    Nodo *nodo = crearNodo(tipo, QStringView(), nullptr);
    nodo->apartado = true;
    crearExtra(nodo)->registro = registroCifrado;
    ++apartados;
}

QModelIndex ArbolAgenda::buscar(QStringView clave) const {
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
    return n ? n->clave() : QString();
}

QString ArbolAgenda::texto(const QModelIndex &indice) const {
    const Nodo *n = nodo(indice);
    return n ? n->texto() : QString();
}

bool ArbolAgenda::renombrarGrupo(const QModelIndex &indice, const QString &texto) {
    auto *n = const_cast<Nodo *>(nodo(indice));
    if (!n || n->tipo != Tipo::Grupo || recortarEspacios(texto).isEmpty())
        return false;
    n->extra->texto = texto;
    emit dataChanged(indice, indice, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

void ArbolAgenda::borrar(const QModelIndex &indice) {
    auto *n = const_cast<Nodo *>(nodo(indice));
    if (!n)
        return;
    std::vector<Nodo *> &hermanos = n->padre ? n->padre->extra->hijos : grupos;
    const int fila = filaDe(n);
    beginRemoveRows(indice.parent(), fila, fila);
    hermanos.erase(hermanos.begin() + fila);
    if (!n->padre) {
        for (int i = fila; i < int(grupos.size()); ++i)
            grupos[size_t(i)]->filaGrupo = i;
    }
    if (n->tipo == Tipo::Grupo) {
        for (Nodo *hijo : std::as_const(n->extra->hijos))
            destruirNodo(hijo);
    }
    destruirNodo(n);
    endRemoveRows();
}

void ArbolAgenda::vaciar() {
    beginResetModel();
    grupos.clear();
    porClave.clear();
    orden.clear();
    extras.clear();
    bloquesTexto.clear();
    cursorTexto = nullptr;
    libreTexto = 0;
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
        if (!n.apartado && !n.borrado)
            return indiceDe(&n);
    }
    return QModelIndex();
}

void ArbolAgenda::recorrer(const std::function<void(const Nodo &)> &visita, bool conApartados) const {
    for (const Nodo &n : orden) {
        if (!n.borrado && (conApartados || !n.apartado))
            visita(n);
    }
}

QStringList ArbolAgenda::clavesGrupos() const {
    QStringList claves;
    claves.reserve(grupos.size());
    for (const Nodo *grupo : grupos)
        claves.append(grupo->clave());
    return claves;
}

int ArbolAgenda::filaDe(const Nodo *nodo) const {
    if (!nodo->padre)
        return nodo->filaGrupo;
    const std::vector<Nodo *> &hermanos = nodo->padre->extra->hijos;
    return int(std::find(hermanos.begin(), hermanos.end(), nodo) - hermanos.begin());
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
        return fila < int(grupos.size()) ? createIndex(fila, 0, grupos[size_t(fila)]) : QModelIndex();
    const Nodo *grupo = nodo(padre);
    if (!grupo || grupo->tipo != Tipo::Grupo || fila >= int(grupo->extra->hijos.size()))
        return QModelIndex();
    return createIndex(fila, 0, grupo->extra->hijos[size_t(fila)]);
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
    return n && n->tipo == Tipo::Grupo ? int(n->extra->hijos.size()) : 0;
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
        return n->texto();
    case RolImagen:
        return n->tipo == Tipo::Grupo ? QStringLiteral("Grupo") : QStringLiteral("Contacto");
    case RolClave:
        return n->clave();
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
