#include "app/lista_destinatarios.h"

#include "addressbook/tabla_contactos.h"
#include "app/destinatarios.h"
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

namespace {
// Item roles of lstContactos: the number as a 32-bit value (absent when it does not
// fit) and the text the tooltip shows.
constexpr int rolNumero = Qt::UserRole;
constexpr int rolAyuda = Qt::UserRole + 1;
} // namespace

ListaDestinatarios::ListaDestinatarios(frmPrincipal *principal)
    : QObject(principal), principal(principal), vistaContactos(principal->lstContactos->viewport()),
      vistaGrupos(principal->lstGrupo->viewport()), vistaEnvio(principal->lstEnvio->viewport()),
      cajaNumero(principal->txtEnvio) {
    connect(principal->btnAnadirAgenda, &QPushButton::clicked, this, &ListaDestinatarios::anadirContacto);
    connect(principal->btnAnadirGrupo, &QPushButton::clicked, this, &ListaDestinatarios::anadirGrupo);
    connect(principal->btnAnadirEsporadico, &QPushButton::clicked, this, &ListaDestinatarios::anadirNumero);
    connect(principal->btnAnadirTodaAgenda, &QPushButton::clicked, this,
            &ListaDestinatarios::anadirTodosContactos);
    connect(principal->btnAnadirTodosGrupos, &QPushButton::clicked, this,
            &ListaDestinatarios::anadirTodosGrupos);
    connect(principal->mnuPopUpBorrar, &QAction::triggered, this, &ListaDestinatarios::borrarSeleccionado);
    connect(principal->mnuPopupBorrarTodos, &QAction::triggered, this, &ListaDestinatarios::borrarTodos);

    for (QListWidget *lista : {principal->lstContactos, principal->lstGrupo, principal->lstEnvio}) {
        lista->setSelectionMode(QAbstractItemView::SingleSelection);
        lista->setSortingEnabled(false); // sorted case-insensitively when filled
        lista->setUniformItemSizes(true);
        lista->viewport()->installEventFilter(this);
    }
    principal->lstContactos->setMouseTracking(true);
    principal->txtEnvio->installEventFilter(this);
}

void ListaDestinatarios::cargarAgenda() {
    QListWidget *contactos = principal->lstContactos;
    QListWidget *grupos = principal->lstGrupo;
    contactos->clear();
    grupos->clear();
    DatosAgenda datos = leerDatosAgenda();
    tablaContactos = std::move(datos.contactos);

    contactos->setUpdatesEnabled(false);
    for (const ElementoContacto &elemento : std::as_const(datos.listaContactos)) {
        auto *item = new QListWidgetItem(elemento.texto);
        if (elemento.numero)
            item->setData(rolNumero, *elemento.numero);
        item->setData(rolAyuda, elemento.ayuda());
        contactos->addItem(item);
    }
    contactos->setUpdatesEnabled(true);
    grupos->addItems(datos.listaGrupos);
}

void ListaDestinatarios::anadirContacto() {
    anadirSeleccion(principal->lstContactos, Destinatarios::entradaContacto,
                    QStringLiteral("El contacto a añadir ya está en la lista"));
}

void ListaDestinatarios::anadirGrupo() {
    anadirSeleccion(principal->lstGrupo, Destinatarios::entradaGrupo,
                    QStringLiteral("El grupo a añadir ya está en la lista"));
}

void ListaDestinatarios::anadirSeleccion(QListWidget *origen, Entrada entrada,
                                         const QString &mensajeRepetido) {
    const QList<QListWidgetItem *> seleccion = origen->selectedItems();
    if (seleccion.isEmpty()) {
        Avisos::aviso(QStringLiteral("No hay nada seleccionado para añadir"));
        return;
    }
    const QString linea = entrada(seleccion.first()->text());
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
    anadirTodos(principal->lstContactos, Destinatarios::entradaContacto);
}

void ListaDestinatarios::anadirTodosGrupos() {
    anadirTodos(principal->lstGrupo, Destinatarios::entradaGrupo);
}

void ListaDestinatarios::anadirTodos(QListWidget *origen, Entrada entrada) {
    // A set of what is listed keeps adding a long address book linear.
    QSet<QString> presentes;
    QListWidget *envio = principal->lstEnvio;
    for (int i = 0; i < envio->count(); ++i)
        presentes.insert(envio->item(i)->text());
    const int total = origen->count();
    for (int i = 0; i < total; ++i) {
        const QString linea = entrada(origen->item(i)->text());
        if (!presentes.contains(linea)) {
            presentes.insert(linea);
            envio->addItem(linea);
        }
    }
}

bool ListaDestinatarios::estaEnLista(const QString &entrada) const {
    const QListWidget *envio = principal->lstEnvio;
    for (int i = 0; i < envio->count(); ++i) {
        if (envio->item(i)->text() == entrada)
            return true;
    }
    return false;
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
    const QListWidgetItem *item = principal->lstContactos->itemAt(posicion);
    if (!item)
        return;
    principal->lstContactos->setToolTip(item->data(rolAyuda).toString());
}

bool ListaDestinatarios::eventFilter(QObject *objeto, QEvent *evento) {
    switch (evento->type()) {
    case QEvent::KeyPress: {
        const int tecla = static_cast<QKeyEvent *>(evento)->key();
        if (objeto == cajaNumero && (tecla == Qt::Key_Return || tecla == Qt::Key_Enter)) {
            anadirNumero();
            return true; // the box never sees the Enter key
        }
        return false;
    }
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
