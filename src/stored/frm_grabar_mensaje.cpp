#include "stored/frm_grabar_mensaje.h"

#include "common/avisos.h"
#include "common/campos.h"
#include "common/mensaje_en_curso.h"
#include "common/reloj.h"
#include "common/ventanas.h"
#include "stored/fecha_ole.h"
#include "stored/fichero_mensaje.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

frmGrabarMensaje::frmGrabarMensaje(const MensajeEnCurso &mensaje, QWidget *padre)
    : QDialog(padre), mensaje(mensaje) {
    setObjectName(QStringLiteral("frmGrabarMensaje"));
    setWindowTitle(QStringLiteral("Grabar mensaje"));
    const QDateTime ahora = Reloj::ahora();

    lblTitulo = conNombre(new QLabel(QStringLiteral("Título:"), this), "lblTitulo");
    txtTitulo = conNombre(new QLineEdit(this), "txtTitulo");
    lblTitulo->setBuddy(txtTitulo);
    chkFecha = conNombre(new QCheckBox(QStringLiteral("Enviar a una hora determinada"), this), "chkFecha");
    lblFecha = conNombre(new QLabel(QStringLiteral("Fecha envio:"), this), "lblFecha");
    dtFecha = conNombre(new QDateEdit(ahora.date(), this), "dtFecha");
    dtFecha->setDateRange(primeraFechaOle(), ultimaFechaOle());
    dtFecha->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dtFecha->setCalendarPopup(true);
    lblFecha->setBuddy(dtFecha);
    lblHora = conNombre(new QLabel(QStringLiteral("Hora envio:"), this), "lblHora");
    dtHora = conNombre(new QTimeEdit(QTime(ahora.time().hour(), ahora.time().minute()), this), "dtHora");
    dtHora->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    lblHora->setBuddy(dtHora);
    btnGrabar = conNombre(new QPushButton(QStringLiteral("Grabar"), this), "btnGrabar");
    btnGrabar->setDefault(true);
    btnCancelar = conNombre(new QPushButton(QStringLiteral("Cancelar"), this), "btnCancelar");
    btnCancelar->setAutoDefault(false);

    auto *campos = new QFormLayout;
    campos->addRow(lblTitulo, txtTitulo);
    campos->addRow(chkFecha);
    campos->addRow(lblFecha, dtFecha);
    campos->addRow(lblHora, dtHora);
    auto *botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(btnGrabar);
    botones->addWidget(btnCancelar);
    auto *disposicion = new QVBoxLayout(this);
    disposicion->addLayout(campos);
    disposicion->addLayout(botones);

    // The pickers are greyed while no send time is wanted.
    for (QWidget *control : {static_cast<QWidget *>(dtFecha), static_cast<QWidget *>(dtHora)}) {
        control->setEnabled(false);
        connect(chkFecha, &QCheckBox::toggled, control, &QWidget::setEnabled);
    }
    connect(btnGrabar, &QPushButton::clicked, this, &frmGrabarMensaje::grabar);
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::reject);

    adjustSize();
    centrarEnPantalla(this);
}

void frmGrabarMensaje::grabar() {
    const QString titulo = txtTitulo->text();
    if (recortarEspacios(titulo).isEmpty()) {
        Avisos::aviso(QStringLiteral("Debe especificar un título para grabar el mensaje"));
        return;
    }
    const double fecha = chkFecha->isChecked() ? aFechaOle(dtFecha->date(), dtHora->time()) : 0.0;
    // On failure the user has been told; the dialog stays so that they can retry.
    if (grabarMensaje(titulo, fecha, mensaje.entradas(), mensaje.textoMensaje()))
        accept();
}
