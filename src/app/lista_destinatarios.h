#pragma once

#include <QObject>

class frmPrincipal;
class ModeloListaAgenda;
class QAbstractItemView;
class QModelIndex;

// The recipient frame of the main window: fills the contact and group lists from
// the address book and moves contacts, groups and typed numbers into lstEnvio.
class ListaDestinatarios : public QObject {
    Q_OBJECT
public:
    explicit ListaDestinatarios(frmPrincipal *principal);

    // Refills lstContactos, lstGrupo and tablaContactos from the address book files.
    void cargarAgenda();

    void anadirContacto();
    void anadirGrupo();
    void anadirNumero();
    void anadirTodosContactos();
    void anadirTodosGrupos();
    void borrarSeleccionado();
    void borrarTodos();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    // Destinatarios::entradaContacto or entradaGrupo: the recipient line for a listed name.
    using Entrada = QString (*)(const QString &nombre);
    void anadirSeleccion(QAbstractItemView *origen, Entrada entrada, const QString &mensajeRepetido);
    void anadirTodos(const ModeloListaAgenda *modelo, Entrada entrada);
    bool estaEnLista(const QString &entrada) const;
    void mostrarAyudaContacto(const QPoint &posicion);
    // Enter on a source list adds its current row, Delete takes the current entry off
    // lstEnvio, Enter in txtEnvio adds the number. True when the key was used.
    bool teclaPulsada(QObject *objeto, int tecla);
    static void seleccionarFilaActual(QAbstractItemView *lista);

    frmPrincipal *principal;
    ModeloListaAgenda *modeloContactos;
    ModeloListaAgenda *modeloGrupos;
    // The watched controls, compared by address only: events still arrive while
    // the main window destroys its children.
    QObject *vistaContactos;
    QObject *vistaGrupos;
    QObject *vistaEnvio;
    QObject *listaContactos;
    QObject *listaGrupos;
    QObject *listaEnvio;
    QObject *cajaNumero;
};

// The selected row of lstContactos or lstGrupo; invalid when none is selected.
QModelIndex filaSeleccionada(const QAbstractItemView *lista);
