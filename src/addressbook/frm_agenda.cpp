#include "addressbook/frm_agenda.h"

#include "addressbook/campos_contacto.h"
#include "addressbook/edicion_agenda.h"
#include "addressbook/fichero_agenda.h"
#include "addressbook/frm_editar_posicion.h"
#include "addressbook/vista_agenda.h"
#include "common/avisos.h"
#include "common/campos.h"
#include "common/mensaje_en_curso.h"
#include "common/ventanas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

frmAgenda::frmAgenda(MensajeEnCurso &mensaje, QWidget *padre) : QDialog(padre), mensaje(mensaje) {
    setObjectName(QStringLiteral("frmAgenda"));
    setWindowTitle(QStringLiteral("Agenda"));
    crearControles();
    resize(460, 560);
    centrarEnPantalla(this);
    cargar();
}

void frmAgenda::crearControles() {
    auto *formulario = new QFormLayout;
    crearCampos(this, formulario);
    btnContacto = new QPushButton(QStringLiteral("Añadir contacto"), this);
    btnContacto->setObjectName(QStringLiteral("btnContacto"));
    formulario->addRow(QString(), btnContacto);

    txtGrupo = new QLineEdit(this);
    txtGrupo->setObjectName(QStringLiteral("txtGrupo"));
    btnGrupo = new QPushButton(QStringLiteral("Nuevo grupo"), this);
    btnGrupo->setObjectName(QStringLiteral("btnGrupo"));
    auto *filaGrupo = new QHBoxLayout;
    filaGrupo->addWidget(txtGrupo, 1);
    filaGrupo->addWidget(btnGrupo);
    formulario->addRow(QStringLiteral("Grupo:"), filaGrupo);

    treeAgenda = new QTreeView(this);
    treeAgenda->setObjectName(QStringLiteral("treeAgenda"));
    treeAgenda->setAccessibleName(QStringLiteral("Agenda"));
    prepararVistaAgenda(treeAgenda, &agenda);
    treeAgenda->viewport()->installEventFilter(this);

    lblApartados = new QLabel(this);
    lblApartados->setObjectName(QStringLiteral("lblApartados"));
    lblApartados->setWordWrap(true);

    mnuPopUp = new QMenu(this);
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    mnuPopUpEditar = mnuPopUp->addAction(QStringLiteral("Editar"));
    mnuPopUpEditar->setObjectName(QStringLiteral("mnuPopUpEditar"));
    mnuPopUpBorrar = mnuPopUp->addAction(QStringLiteral("Borrar"));
    mnuPopUpBorrar->setObjectName(QStringLiteral("mnuPopUpBorrar"));

    // Enter in a box must not press a button the user did not mean.
    for (QPushButton *boton : {btnContacto, btnGrupo})
        boton->setAutoDefault(false);

    auto *columna = new QVBoxLayout(this);
    columna->addLayout(formulario);
    columna->addWidget(treeAgenda, 1);
    columna->addWidget(lblApartados);

    connect(btnContacto, &QPushButton::clicked, this, &frmAgenda::anadirContacto);
    connect(btnGrupo, &QPushButton::clicked, this, &frmAgenda::anadirGrupo);
    connect(mnuPopUpEditar, &QAction::triggered, this, &frmAgenda::editar);
    connect(mnuPopUpBorrar, &QAction::triggered, this, &frmAgenda::borrar);
}

void frmAgenda::cargar() {
    ilegibles = cargarArbolAgenda(agenda);
    if (!ilegibles.isEmpty())
        Avisos::aviso(avisoAgendaIlegible(ilegibles));
    const QStringList grupos = agenda.clavesGrupos();
    // The box is as wide as its longest name in characters: measuring the text of
    // each of a full book's 1,000 groups, as the box would, costs more than the tree.
    qsizetype largo = 1;
    for (const QString &grupo : grupos)
        largo = qMax(largo, grupo.size());
    cmbGrupos->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbGrupos->setMinimumContentsLength(int(largo));
    cmbGrupos->setIconSize(QSize(0, 0)); // no group has an icon: the box keeps its height
    cmbGrupos->addItems(grupos);
    cmbGrupos->setCurrentIndex(-1);
    treeAgenda->expandAll();
    // Records that could not be shown are kept in the files as they are; say so.
    lblApartados->setVisible(agenda.numeroApartados() > 0);
    lblApartados->setText(QStringLiteral("Registros de la agenda que no se pueden mostrar (se conservan sin "
                                         "cambios): %1")
                              .arg(agenda.numeroApartados()));
    cambios = false;
}

void frmAgenda::anadirContacto() {
    cambios = true;
    EdicionAgenda::Ficha ficha;
    QString error = prepararFicha(ficha);
    if (error.isEmpty()) {
        const EdicionAgenda::Resultado resultado = EdicionAgenda::anadirContacto(agenda, ficha);
        error = resultado.error;
        if (error.isEmpty()) {
            mostrarNodo(resultado.nodo);
            vaciar();
        }
    }
    if (!error.isEmpty())
        Avisos::aviso(error);
}

void frmAgenda::anadirGrupo() {
    cambios = true;
    const EdicionAgenda::Resultado resultado = EdicionAgenda::anadirGrupo(agenda, txtGrupo->text());
    if (!resultado.error.isEmpty()) {
        Avisos::aviso(resultado.error);
        return;
    }
    cmbGrupos->addItem(agenda.clave(resultado.nodo));
    txtGrupo->clear();
}

static QModelIndex nodoSeleccionado(const QTreeView *vista) {
    const QModelIndexList seleccion = vista->selectionModel()->selectedIndexes();
    return seleccion.isEmpty() ? QModelIndex() : seleccion.first();
}

void frmAgenda::editar() {
    const QModelIndex nodo = nodoSeleccionado(treeAgenda);
    if (!nodo.isValid())
        return;
    if (agenda.tipo(nodo) == ArbolAgenda::Tipo::Grupo) {
        treeAgenda->edit(nodo);
        cambios = true;
        return;
    }
    QStringList grupos;
    for (int i = 0; i < cmbGrupos->count(); ++i)
        grupos.append(cmbGrupos->itemText(i));
    frmEditarPosicion dialogo(agenda, nodo, grupos, this);
    dialogo.exec();
    cambios = true;
    if (dialogo.nodoNuevo().isValid())
        mostrarNodo(dialogo.nodoNuevo());
}

void frmAgenda::borrar() {
    const QModelIndex nodo = nodoSeleccionado(treeAgenda);
    if (!nodo.isValid() || nodo == agenda.primerNodo())
        return;
    if (agenda.tipo(nodo) == ArbolAgenda::Tipo::Grupo) {
        // The box lists groups by the name they had when loaded, which is their key.
        const QString nombre = recortarEspacios(agenda.texto(nodo));
        const QString clave = agenda.clave(nodo);
        for (int i = cmbGrupos->count() - 1; i >= 0; --i) {
            const QString entrada = recortarEspacios(cmbGrupos->itemText(i));
            if (entrada == nombre || entrada == clave)
                cmbGrupos->removeItem(i);
        }
    }
    agenda.borrar(nodo);
    cambios = true;
}

void frmAgenda::mostrarNodo(const QModelIndex &nodo) {
    treeAgenda->expand(nodo.parent());
    treeAgenda->scrollTo(nodo);
}

bool frmAgenda::eventFilter(QObject *objeto, QEvent *evento) {
    if (objeto == treeAgenda->viewport() && evento->type() == QEvent::MouseButtonRelease) {
        const auto *raton = static_cast<QMouseEvent *>(evento);
        const QModelIndex nodo = nodoSeleccionado(treeAgenda);
        if (raton->button() == Qt::RightButton && nodo.isValid() && !agenda.texto(nodo).isEmpty())
            mnuPopUp->popup(raton->globalPosition().toPoint());
    }
    return QDialog::eventFilter(objeto, evento);
}

bool frmAgenda::terminar() {
    if (terminado)
        return true;
    if (cambios && !ilegibles.isEmpty()) {
        if (!Avisos::pregunta(avisoAgendaIlegible(ilegibles) +
                              QStringLiteral(" ¿Desea cerrar sin guardar los cambios?")))
            return false;
    } else if (cambios) {
        if (!grabarArbolAgenda(agenda) &&
            !Avisos::pregunta(
                QStringLiteral("No se ha podido grabar la agenda. ¿Desea cerrar sin guardar los "
                               "cambios?")))
            return false;
        mensaje.agendaGrabada();
    }
    terminado = true;
    return true;
}

void frmAgenda::done(int resultado) {
    if (terminar())
        QDialog::done(resultado);
}
