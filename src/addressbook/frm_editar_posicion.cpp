#include "addressbook/frm_editar_posicion.h"

#include "addressbook/arbol_agenda.h"
#include "addressbook/campos_contacto.h"
#include "addressbook/clave_contacto.h"
#include "addressbook/edicion_agenda.h"
#include "addressbook/vista_agenda.h"
#include "common/avisos.h"
#include "common/ventanas.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

frmEditarPosicion::frmEditarPosicion(ArbolAgenda &arbol, const QModelIndex &contacto,
                                     const QStringList &grupos, QWidget *padre)
    : QDialog(padre), arbol(arbol), contacto(contacto) {
    setObjectName(QStringLiteral("frmEditarPosicion"));
    setWindowTitle(QStringLiteral("Editar posición"));
    auto *formulario = new QFormLayout;
    crearCampos(this, formulario);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    auto *botones = new QDialogButtonBox(this);
    botones->addButton(btnOK, QDialogButtonBox::AcceptRole);
    botones->addButton(btnCancelar, QDialogButtonBox::RejectRole);
    // The buttons act themselves; the box only lays them out.
    disconnect(botones, nullptr, this, nullptr);
    connect(btnOK, &QPushButton::clicked, this, &frmEditarPosicion::aceptar);
    connect(btnCancelar, &QPushButton::clicked, this, &frmEditarPosicion::cancelar);

    auto *columna = new QVBoxLayout(this);
    columna->addLayout(formulario);
    columna->addWidget(botones);

    cmbGrupos->addItems(grupos);
    rellenar(ClaveContacto::desdeClave(arbol.clave(contacto)), arbol.texto(contacto.parent()));
    adjustSize();
    centrarEnPantalla(this);
}

void frmEditarPosicion::aceptar() {
    EdicionAgenda::Ficha ficha;
    QString error = prepararFicha(ficha);
    if (error.isEmpty()) {
        const EdicionAgenda::Resultado resultado = EdicionAgenda::reemplazarContacto(arbol, contacto, ficha);
        error = resultado.error;
        nuevo = resultado.nodo;
    }
    if (!error.isEmpty()) {
        Avisos::aviso(error);
        return;
    }
    vaciar();
    accept();
}

void frmEditarPosicion::cancelar() {
    vaciar();
    reject();
}
