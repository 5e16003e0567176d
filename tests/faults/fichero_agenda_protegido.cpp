#include "ficheros_protegidos.h"

#include "addressbook/agenda_prueba.h"
#include "addressbook/arbol_agenda.h"
#include "addressbook/fichero_agenda.h"
#include "addressbook/frm_agenda.h"
#include "app/frm_principal.h"
#include "common/ficheros.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const int gruposNuevos = 8;

QStringList clavesAgenda() {
    ArbolAgenda arbol;
    cargarArbolAgenda(arbol);
    return clavesEnOrden(arbol);
}

QStringList clavesAnteriores() {
    return {QStringLiteral("Ninguno"), QStringLiteral("Amigos"), QStringLiteral("Ana:34:600000001:0")};
}

// The user adds a contact to Amigos and some groups in the address-book editor, and closes it.
bool cambiarAgenda() {
    frmPrincipal principal;
    frmAgenda editor(&principal);
    editor.show();
    editor.txtNombre->setText(QStringLiteral("Beto"));
    editor.txtPrefijo->setText(QStringLiteral("34"));
    editor.txtTelefono->setText(QStringLiteral("600000002"));
    editor.cmbGrupos->setCurrentText(QStringLiteral("Amigos"));
    QTest::mouseClick(editor.btnContacto, Qt::LeftButton);
    for (int i = 1; i <= gruposNuevos; ++i) {
        editor.txtGrupo->setText(QStringLiteral("Grupo %1").arg(i));
        QTest::mouseClick(editor.btnGrupo, Qt::LeftButton);
    }
    editor.reject();
    return !editor.isVisible();
}
} // namespace

FicheroProtegido ficheroAgenda() {
    FicheroProtegido fichero;
    fichero.nombre = QStringLiteral("agenda");
    fichero.patrones = {QStringLiteral("contacts.lst"), QStringLiteral("groups.lst")};
    // Both files change, and the groups file outgrows the contacts file: some
    // limits let one file through and stop the other.
    fichero.tamano = (2 + gruposNuevos) * GrupoAgenda::tamano;
    fichero.grabarAnterior = [] {
        grabarFicheroAtomico(rutaGrupos(), grupoCifrado(QStringLiteral("Ninguno")) +
                                               grupoCifrado(QStringLiteral("Amigos")));
        grabarFicheroAtomico(rutaContactos(),
                             contactoCifrado(QStringLiteral("Ana"), QStringLiteral("34"),
                                             QStringLiteral("600000001"), QStringLiteral("Amigos")));
    };
    fichero.grabarNueva = cambiarAgenda;
    fichero.leeAnterior = [] { return clavesAgenda() == clavesAnteriores(); };
    fichero.leeNueva = [] {
        // Read back, the groups come before the contacts.
        QStringList claves = clavesAnteriores() << QStringLiteral("Beto:34:600000002:0");
        for (int i = gruposNuevos; i >= 1; --i)
            claves.insert(2, QStringLiteral("Grupo %1").arg(i));
        return clavesAgenda() == claves;
    };
    return fichero;
}
