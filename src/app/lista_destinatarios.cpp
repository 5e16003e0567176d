#include "app/lista_destinatarios.h"

#include "addressbook/destinatarios.h"
#include "addressbook/modelo_lista_agenda.h"
#include "addressbook/tabla_contactos.h"
#include "app/frm_principal.h"
#include "common/avisos.h"
#include "common/campos.h"
#include "common/numero.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

ListaDestinatarios::ListaDestinatarios(frmPrincipal *principal)
    : QObject(principal), principal(principal), modeloContactos(new ModeloListaAgenda(this)),
      modeloGrupos(new ModeloListaAgenda(this)), vistaContactos(principal->lstContactos->viewport()),
      vistaGrupos(principal->lstGrupo->viewport()), vistaEnvio(principal->lstEnvio->viewport()),
      listaContactos(principal->lstContactos), listaGrupos(principal->lstGrupo),
      listaEnvio(principal->lstEnvio), cajaNumero(principal->txtEnvio) {
    connect(principal->btnAnadirAgenda, &QPushButton::clicked, this, &ListaDestinatarios::anadirContacto);
    connect(principal->btnAnadirGrupo, &QPushButton::clicked, this, &ListaDestinatarios::anadirGrupo);
    connect(principal->btnAnadirEsporadico, &QPushButton::clicked, this, &ListaDestinatarios::anadirNumero);
    connect(principal->btnAnadirTodaAgenda, &QPushButton::clicked, this,
            &ListaDestinatarios::anadirTodosContactos);
    connect(principal->btnAnadirTodosGrupos, &QPushButton::clicked, this,
            &ListaDestinatarios::anadirTodosGrupos);
    connect(principal->mnuPopUpBorrar, &QAction::triggered, this, &ListaDestinatarios::borrarSeleccionado);
    connect(principal->mnuPopupBorrarTodos, &QAction::triggered, this, &ListaDestinatarios::borrarTodos);

    // The address book's lists read their rows from models filled in display order.
    principal->lstContactos->setModel(modeloContactos);
    principal->lstGrupo->setModel(modeloGrupos);
    principal->lstEnvio->setSortingEnabled(false);
    for (QListView *lista : std::initializer_list<QListView *>{principal->lstContactos, principal->lstGrupo,
                                                               principal->lstEnvio}) {
        lista->setSelectionMode(QAbstractItemView::SingleSelection);
        lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
        lista->setUniformItemSizes(true);
        lista->viewport()->installEventFilter(this);
        lista->installEventFilter(this); // the keys go to the list, the mouse to its viewport
    }
    principal->lstContactos->setMouseTracking(true);
    principal->txtEnvio->installEventFilter(this);
}

void ListaDestinatarios::cargarAgenda() {
    DatosAgenda datos = leerDatosAgenda();
    modeloContactos->cargar(std::move(datos.contactos), std::move(datos.ordenContactos), [](int indice) {
        return tablaContactos.campo(indice, ContactoAgenda::campoTelefono);
    });
    modeloGrupos->cargar(std::move(datos.grupos), std::move(datos.ordenGrupos));
}

void ListaDestinatarios::anadirContacto() {
    anadirSeleccion(principal->lstContactos, Destinatarios::entradaContacto,
                    QStringLiteral("El contacto a añadir ya está en la lista"));
}

void ListaDestinatarios::anadirGrupo() {
    anadirSeleccion(principal->lstGrupo, Destinatarios::entradaGrupo,
                    QStringLiteral("El grupo a añadir ya está en la lista"));
}

void ListaDestinatarios::anadirSeleccion(QAbstractItemView *origen, Entrada entrada,
                                         const QString &mensajeRepetido) {
    const QModelIndex seleccion = filaSeleccionada(origen);
    if (!seleccion.isValid()) {
        Avisos::aviso(QStringLiteral("No hay nada seleccionado para añadir"));
        return;
    }
    const QString linea = entrada(seleccion.data().toString());
    if (estaEnLista(linea)) {
        Avisos::aviso(mensajeRepetido);
        return;
    }
    principal->lstEnvio->addItem(linea);
}

void ListaDestinatarios::anadirNumero() {
    const QString numero = principal->txtEnvio->text();
    if (!esNumeroValido(recortarEspacios(numero))) {
        Avisos::aviso(QStringLiteral("El número de teléfono contiene caracteres incorrectos"));
        return;
    }
    const QString entrada = Destinatarios::entradaNumero(principal->txtPrefijo->text(), numero);
    if (estaEnLista(entrada)) {
        Avisos::aviso(QStringLiteral("El telefono a añadir ya está en la lista"));
        return;
    }
    principal->lstEnvio->addItem(entrada);
    principal->txtEnvio->clear();
    principal->txtPrefijo->clear();
}

void ListaDestinatarios::anadirTodosContactos() {
    anadirTodos(modeloContactos, Destinatarios::entradaContacto);
}

void ListaDestinatarios::anadirTodosGrupos() {
    anadirTodos(modeloGrupos, Destinatarios::entradaGrupo);
}

void ListaDestinatarios::anadirTodos(const ModeloListaAgenda *modelo, Entrada entrada) {
    // A set of what is listed keeps adding a long address book linear.
    const QStringList listadas = principal->entradas();
    QSet<QString> presentes(listadas.begin(), listadas.end());
    QListWidget *envio = principal->lstEnvio;
    const int total = modelo->rowCount();
    for (int i = 0; i < total; ++i) {
        const QString linea = entrada(modelo->texto(i));
        if (!presentes.contains(linea)) {
            presentes.insert(linea);
            envio->addItem(linea);
        }
    }
}

bool ListaDestinatarios::estaEnLista(const QString &entrada) const {
    return principal->entradas().contains(entrada);
}

void ListaDestinatarios::borrarSeleccionado() {
    QListWidget *envio = principal->lstEnvio;
    const QList<QListWidgetItem *> seleccion = envio->selectedItems();
    if (seleccion.isEmpty()) {
        Avisos::aviso(QStringLiteral("No hay ningun elemento seleccionado para borrar"));
        return;
    }
    delete seleccion.first();
    envio->clearSelection();
}

void ListaDestinatarios::borrarTodos() {
    principal->lstEnvio->clear();
}

void ListaDestinatarios::mostrarAyudaContacto(const QPoint &posicion) {
    const QModelIndex fila = principal->lstContactos->indexAt(posicion);
    if (fila.isValid())
        principal->lstContactos->setToolTip(fila.data(Qt::ToolTipRole).toString());
}

void ListaDestinatarios::seleccionarFilaActual(QAbstractItemView *lista) {
    // The row the keyboard is on is the one to act on, whether or not it was selected.
    const QModelIndex actual = lista->currentIndex();
    if (actual.isValid())
        lista->selectionModel()->select(actual, QItemSelectionModel::ClearAndSelect);
}

bool ListaDestinatarios::teclaPulsada(QObject *objeto, int tecla) {
    const bool intro = tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
    if (intro && objeto == cajaNumero) {
        anadirNumero(); // the box never sees the Enter key
    } else if (intro && objeto == listaContactos) {
        seleccionarFilaActual(principal->lstContactos);
        anadirContacto();
    } else if (intro && objeto == listaGrupos) {
        seleccionarFilaActual(principal->lstGrupo);
        anadirGrupo();
    } else if (tecla == Qt::Key_Delete && objeto == listaEnvio && principal->lstEnvio->currentItem()) {
        seleccionarFilaActual(principal->lstEnvio);
        borrarSeleccionado();
    } else {
        return false;
    }
    return true;
}

bool ListaDestinatarios::eventFilter(QObject *objeto, QEvent *evento) {
    switch (evento->type()) {
    case QEvent::KeyPress:
        return teclaPulsada(objeto, static_cast<QKeyEvent *>(evento)->key());
    case QEvent::MouseButtonDblClick:
        if (objeto == vistaContactos)
            anadirContacto();
        else if (objeto == vistaGrupos)
            anadirGrupo();
        else if (objeto == vistaEnvio && !principal->lstEnvio->selectedItems().isEmpty())
            borrarSeleccionado();
        return objeto == vistaContactos || objeto == vistaGrupos || objeto == vistaEnvio;
    case QEvent::MouseMove:
        if (objeto == vistaContactos)
            mostrarAyudaContacto(static_cast<QMouseEvent *>(evento)->position().toPoint());
        return false;
    case QEvent::MouseButtonRelease: {
        const auto *raton = static_cast<QMouseEvent *>(evento);
        if (objeto == vistaEnvio && raton->button() == Qt::RightButton)
            principal->mnuPopUpLista->popup(raton->globalPosition().toPoint());
        return false;
    }
    default:
        return false;
    }
}

QModelIndex filaSeleccionada(const QAbstractItemView *lista) {
    const QModelIndexList seleccion = lista->selectionModel()->selectedIndexes();
    return seleccion.isEmpty() ? QModelIndex() : seleccion.first();
}
