#include "addressbook/ventana_registro_agenda.h"

#include "addressbook/arbol_agenda.h"
#include "addressbook/vista_agenda.h"
#include "common/caja_log.h"
#include "common/ventanas.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

VentanaRegistroAgenda::VentanaRegistroAgenda(const QString &titulo, QWidget *padre)
    : QDialog(padre), txtLog(new CajaLog(this)), treeAgenda(new QTreeView(this)),
      btnCerrar(new QPushButton(QStringLiteral("&Cerrar"), this)), arbol(new ArbolAgenda(this)),
      inicio(new QTimer(this)) {
    setWindowTitle(titulo);
    txtLog->setObjectName(QStringLiteral("txtLog"));
    treeAgenda->setObjectName(QStringLiteral("treeAgenda"));
    btnCerrar->setObjectName(QStringLiteral("btnCerrar"));
    txtLog->setAccessibleName(QStringLiteral("Registro"));
    treeAgenda->setAccessibleName(QStringLiteral("Agenda"));
    // Collapsed groups keep the view's work per added node constant during an import.
    prepararVistaAgenda(treeAgenda, arbol);

    auto *contenido = new QHBoxLayout;
    contenido->addWidget(txtLog, 3);
    contenido->addWidget(treeAgenda, 2);
    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(btnCerrar);
    auto *principal = new QVBoxLayout(this);
    principal->addLayout(contenido);
    principal->addLayout(botones);
    resize(600, 400);
    connect(btnCerrar, &QPushButton::clicked, this, &QDialog::accept);
    inicio->setSingleShot(true);
    inicio->setInterval(0);
    connect(inicio, &QTimer::timeout, this, &VentanaRegistroAgenda::empezar);
}

void VentanaRegistroAgenda::showEvent(QShowEvent *evento) {
    QDialog::showEvent(evento);
    if (iniciada)
        return;
    iniciada = true;
    centrarEnPantalla(this);
    inicio->start();
}

void VentanaRegistroAgenda::done(int resultado) {
    inicio->stop();
    iniciada = false;
    QDialog::done(resultado);
}
