#include "app/frm_principal.h"

#include "app/caja_mensaje.h"
#include "app/lista_destinatarios.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

// The main window as the message being prepared that the windows it opens read and change.

QString frmPrincipal::textoMensaje() const {
    return txtMensaje->textoCRLF();
}

void frmPrincipal::ponerTextoMensaje(const QString &textoCRLF) {
    txtMensaje->ponerTextoCRLF(textoCRLF);
}

QString frmPrincipal::pasarela() const {
    return cmbPasarela->currentText();
}

QStringList frmPrincipal::entradas() const {
    QStringList lineas;
    lineas.reserve(lstEnvio->count());
    for (int i = 0; i < lstEnvio->count(); ++i)
        lineas.append(lstEnvio->item(i)->text());
    return lineas;
}

void frmPrincipal::anadirEntradas(const QStringList &lineas) {
    lstEnvio->addItems(lineas);
}

MensajeEnCurso::Seleccion frmPrincipal::seleccion() const {
    const auto fila = [](const QListView *lista) -> std::optional<QString> {
        const QModelIndex indice = filaSeleccionada(lista);
        if (!indice.isValid())
            return std::nullopt;
        return indice.data().toString();
    };
    return {fila(lstContactos), fila(lstGrupo), txtPrefijo->text(), txtEnvio->text()};
}

void frmPrincipal::vaciar() {
    ponerTextoMensaje(QString());
    lstEnvio->clear();
}

void frmPrincipal::enviar() {
    btnEnviar_Click();
}

void frmPrincipal::agendaGrabada() {
    lstEnvio->clear();
    cargarAgenda();
}

QTcpSocket &frmPrincipal::conexion() {
    return *socket;
}
