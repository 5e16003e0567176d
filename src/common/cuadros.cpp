#include "common/cuadros.h"

#include "common/avisos.h"
#include "common/titulo.h"

#include <QApplication>
#include <QMessageBox>

void instalarCuadrosDeDialogo() {
    Avisos::instalar(
        [](const QString &texto) {
            QMessageBox caja(QMessageBox::Warning, tituloPrograma(), texto, QMessageBox::Ok,
                             QApplication::activeWindow());
            caja.exec();
        },
        [](const QString &texto) {
            QMessageBox caja(QMessageBox::Warning, tituloPrograma(), texto,
                             QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
            caja.setDefaultButton(QMessageBox::No);
            return caja.exec() == QMessageBox::Yes;
        });
}
