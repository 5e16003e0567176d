#include "addressbook/campos_contacto.h"

#include "addressbook/clave_contacto.h"
#include "common/ventanas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

void CamposContacto::crearCampos(QWidget *padre, QFormLayout *disposicion) {
    txtNombre = conNombre(new QLineEdit(padre), "txtNombre");
    txtPrefijo = conNombre(new QLineEdit(padre), "txtPrefijo");
    txtTelefono = conNombre(new QLineEdit(padre), "txtTelefono");
    cmbGrupos = new QComboBox(padre);
    cmbGrupos->setObjectName(QStringLiteral("cmbGrupos"));
    // The user may type a group's name as well as choose it.
    cmbGrupos->setEditable(true);
    cmbGrupos->setInsertPolicy(QComboBox::NoInsert);
    chkEnvioReves = new QCheckBox(QStringLiteral("Mensajes en orden inverso"), padre);
    chkEnvioReves->setObjectName(QStringLiteral("chkEnvioReves"));

    disposicion->addRow(QStringLiteral("Nombre:"), txtNombre);
    disposicion->addRow(QStringLiteral("Prefijo internacional:"), txtPrefijo);
    disposicion->addRow(QStringLiteral("Teléfono:"), txtTelefono);
    disposicion->addRow(QStringLiteral("Grupo:"), cmbGrupos);
    disposicion->addRow(QString(), chkEnvioReves);
}

EdicionAgenda::Ficha CamposContacto::ficha() const {
    return {txtNombre->text(), txtPrefijo->text(), txtTelefono->text(), cmbGrupos->currentText(),
            chkEnvioReves->isChecked()};
}

void CamposContacto::completarPrefijo() {
    txtPrefijo->setText(prefijoPorDefecto(txtPrefijo->text()));
}

QString CamposContacto::prepararFicha(EdicionAgenda::Ficha &resultado) {
    const QString error = EdicionAgenda::validar(ficha());
    if (error.isEmpty()) {
        completarPrefijo();
        resultado = ficha();
    }
    return error;
}

void CamposContacto::rellenar(const ClaveContacto &contacto, const QString &grupo) {
    txtNombre->setText(contacto.nombre);
    txtPrefijo->setText(contacto.prefijo);
    txtTelefono->setText(contacto.telefono);
    chkEnvioReves->setChecked(contacto.envioReves);
    cmbGrupos->setCurrentText(grupo);
}

void CamposContacto::vaciar() {
    txtNombre->clear();
    txtTelefono->clear();
    txtPrefijo->clear();
    chkEnvioReves->setChecked(false);
}
