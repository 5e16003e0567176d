#pragma once

#include "addressbook/edicion_agenda.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QWidget;
struct ClaveContacto;

// The contact boxes both editor windows share: name, prefix, number, group and
// the reverse-order check box. The windows inherit them as their own controls.
class CamposContacto {
public:
    QLineEdit *txtNombre = nullptr;
    QLineEdit *txtPrefijo = nullptr;
    QLineEdit *txtTelefono = nullptr;
    QComboBox *cmbGrupos = nullptr;
    QCheckBox *chkEnvioReves = nullptr;

protected:
    // Creates the boxes on `padre` and lays them out with their captions.
    void crearCampos(QWidget *padre, QFormLayout *disposicion);

    EdicionAgenda::Ficha ficha() const;
    // A blank prefix box becomes "34" before the contact is built.
    void completarPrefijo();
    // Validates the boxes, fills in the prefix and builds the contact: the message to show, or empty.
    QString prepararFicha(EdicionAgenda::Ficha &ficha);
    void rellenar(const ClaveContacto &contacto, const QString &grupo);
    // Empties the name, number and prefix and unchecks the flag; the group stays.
    void vaciar();
};
