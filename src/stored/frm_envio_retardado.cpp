#include "stored/frm_envio_retardado.h"

#include "addressbook/imagenes_agenda.h"
#include "common/avisos.h"
#include "common/mensaje_en_curso.h"
#include "common/ventanas.h"
#include "stored/imagenes_mensajes.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QPushButton *crearBoton(QWidget *padre, const char *nombre, const QString &texto) {
    auto *boton = conNombre(new QPushButton(texto, padre), nombre);
    boton->setAutoDefault(false);
    return boton;
}
} // namespace

frmEnvioRetardado::frmEnvioRetardado(MensajeEnCurso &enCurso, QWidget *padre)
    : QDialog(padre), enCurso(enCurso) {
    setObjectName(QStringLiteral("frmEnvioRetardado"));
    setWindowTitle(QStringLiteral("Mensajes almacenados"));
    crearImagenes();

    treeMensajes = new QTreeWidget(this);
    treeMensajes->setObjectName(QStringLiteral("treeMensajes"));
    treeMensajes->setAccessibleName(QStringLiteral("Mensajes almacenados"));
    treeMensajes->setHeaderHidden(true);
    treeMensajes->setColumnCount(1);
    treeMensajes->setUniformRowHeights(true);
    treeMensajes->setSelectionMode(QAbstractItemView::SingleSelection);
    treeMensajes->setContextMenuPolicy(Qt::CustomContextMenu);

    btnEnviar = crearBoton(this, "btnEnviar", QStringLiteral("Enviar"));
    btnEditar = crearBoton(this, "btnEditar", QStringLiteral("Editar"));
    btnBorrar = crearBoton(this, "btnBorrar", QStringLiteral("Borrar"));
    btnEnviarTodos = crearBoton(this, "btnEnviarTodos", QStringLiteral("Enviar todos"));
    btnBorrarTodos = crearBoton(this, "btnBorrarTodos", QStringLiteral("Borrar todos"));
    btnCerrar = crearBoton(this, "btnCerrar", QStringLiteral("Cerrar"));
    crearMenu();

    auto *botones = new QVBoxLayout;
    for (QPushButton *boton : {btnEnviar, btnEditar, btnBorrar, btnEnviarTodos, btnBorrarTodos})
        botones->addWidget(boton);
    botones->addStretch(1);
    botones->addWidget(btnCerrar);
    auto *disposicion = new QHBoxLayout(this);
    disposicion->addWidget(treeMensajes, 1);
    disposicion->addLayout(botones);

    connect(btnEnviar, &QPushButton::clicked, this, &frmEnvioRetardado::enviar);
    connect(btnEditar, &QPushButton::clicked, this, &frmEnvioRetardado::editar);
    connect(btnBorrar, &QPushButton::clicked, this, &frmEnvioRetardado::borrar);
    connect(btnEnviarTodos, &QPushButton::clicked, this, &frmEnvioRetardado::enviarTodos);
    connect(btnBorrarTodos, &QPushButton::clicked, this, &frmEnvioRetardado::borrarTodos);
    connect(btnCerrar, &QPushButton::clicked, this, &QDialog::close);
    connect(treeMensajes, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &punto) { mnuPopUp->popup(treeMensajes->viewport()->mapToGlobal(punto)); });

    resize(560, 400);
    centrarEnPantalla(this);
    cargarMensajes();
}

void frmEnvioRetardado::crearImagenes() {
    imgLista.insert(claveImagen(TipoNodo::Titulo), imagenTitulo());
    imgLista.insert(claveImagen(TipoNodo::Hora), imagenHora());
    imgLista.insert(claveImagen(TipoNodo::Contacto), imagenContacto());
    imgLista.insert(claveImagen(TipoNodo::Grupo), imagenGrupo());
    imgLista.insert(claveImagen(TipoNodo::Telefono), imagenTelefono());
    imgLista.insert(claveImagen(TipoNodo::Mensaje), imagenMensaje());
}

void frmEnvioRetardado::crearMenu() {
    mnuPopUp = new QMenu(this);
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    const auto accion = [this](const char *nombre, const QString &texto,
                               void (frmEnvioRetardado::*comando)()) {
        QAction *elemento = mnuPopUp->addAction(texto);
        elemento->setObjectName(QString::fromUtf8(nombre));
        connect(elemento, &QAction::triggered, this, comando);
        return elemento;
    };
    mnuPopUpEnviar = accion("mnuPopUpEnviar", QStringLiteral("Enviar"), &frmEnvioRetardado::enviar);
    mnuPopUpEditar = accion("mnuPopUpEditar", QStringLiteral("Editar"), &frmEnvioRetardado::editar);
    mnuPopUpBorrar = accion("mnuPopUpBorrar", QStringLiteral("Borrar"), &frmEnvioRetardado::borrar);
}

void frmEnvioRetardado::cargarMensajes() {
    arbol.cargarMensajes();
    mostrarArbol();
}

QTreeWidgetItem *frmEnvioRetardado::crearNodo(const QString &texto, TipoNodo tipo) const {
    auto *nodo = new QTreeWidgetItem(QStringList(texto));
    nodo->setIcon(0, imgLista.value(claveImagen(tipo)));
    nodo->setData(0, Qt::UserRole, claveImagen(tipo));
    if (tipo == TipoNodo::Mensaje)
        nodo->setToolTip(0, texto);
    return nodo;
}

void frmEnvioRetardado::mostrarArbol() {
    treeMensajes->clear();
    QList<QTreeWidgetItem *> raices;
    raices.reserve(arbol.mensajes().size());
    for (const MensajeArbol &mensaje : arbol.mensajes()) {
        QTreeWidgetItem *raiz = crearNodo(mensaje.titulo, TipoNodo::Titulo);
        QList<QTreeWidgetItem *> hijos;
        hijos.reserve(mensaje.hijos.size());
        for (const NodoMensaje &nodo : mensaje.hijos)
            hijos.append(crearNodo(nodo.texto, nodo.tipo));
        raiz->addChildren(hijos);
        raices.append(raiz);
    }
    treeMensajes->addTopLevelItems(raices);
    if (!raices.isEmpty())
        treeMensajes->setCurrentItem(raices.first());
}

int frmEnvioRetardado::mensajeSeleccionado(int *hijo) const {
    const QList<QTreeWidgetItem *> seleccion = treeMensajes->selectedItems();
    if (seleccion.isEmpty())
        return -1;
    QTreeWidgetItem *nodo = seleccion.first();
    QTreeWidgetItem *raiz = nodo->parent() ? nodo->parent() : nodo;
    if (hijo)
        *hijo = nodo->parent() ? raiz->indexOfChild(nodo) : -1;
    return treeMensajes->indexOfTopLevelItem(raiz);
}

bool frmEnvioRetardado::cargarSeleccionado(const QString &avisoVacio) {
    if (arbol.vacio()) {
        Avisos::aviso(avisoVacio);
        return false;
    }
    const int mensaje = mensajeSeleccionado();
    if (mensaje < 0) {
        Avisos::aviso(QStringLiteral("No hay ningún mensaje seleccionado"));
        return false;
    }
    const CargaMensaje carga = arbol.carga(mensaje);
    enCurso.vaciar();
    enCurso.anadirEntradas(carga.entradas);
    enCurso.ponerTextoMensaje(carga.texto);
    return true;
}

void frmEnvioRetardado::editar() {
    if (cargarSeleccionado(QStringLiteral("No hay ningún mensaje para editar")))
        accept();
}

void frmEnvioRetardado::enviar() {
    if (!cargarSeleccionado(QStringLiteral("No hay ningún mensaje para enviar")))
        return;
    enCurso.enviar();
    enCurso.vaciar();
}

void frmEnvioRetardado::enviarTodos() {
    const int cuenta = treeMensajes->topLevelItemCount();
    for (int i = 0; i < cuenta; ++i) {
        if (QTreeWidgetItem *raiz = treeMensajes->topLevelItem(i)) {
            treeMensajes->setCurrentItem(raiz);
            enviar();
        }
    }
}

void frmEnvioRetardado::borrar() {
    if (arbol.vacio()) {
        Avisos::aviso(QStringLiteral("No hay ningún mensaje para borrar"));
        return;
    }
    int hijo = -1;
    const int mensaje = mensajeSeleccionado(&hijo);
    if (mensaje < 0) {
        Avisos::aviso(QStringLiteral("No hay ningún mensaje seleccionado"));
        return;
    }
    if (!arbol.borrar(mensaje, hijo))
        return;
    QTreeWidgetItem *raiz = treeMensajes->topLevelItem(mensaje);
    delete (hijo < 0 ? raiz : raiz->child(hijo));
    if (treeMensajes->selectedItems().isEmpty() && treeMensajes->currentItem())
        treeMensajes->currentItem()->setSelected(true);
}

void frmEnvioRetardado::borrarTodos() {
    if (!Avisos::pregunta(QStringLiteral("Seguro que quieres borrar todos los mensajes?")))
        return;
    arbol.borrarTodos();
    mostrarArbol();
}
