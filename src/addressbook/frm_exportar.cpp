#include "addressbook/frm_exportar.h"

#include "addressbook/arbol_agenda.h"
#include "addressbook/escritor_vcard.h"
#include "addressbook/exportacion.h"
#include "addressbook/fichero_agenda.h"
#include "common/caja_log.h"
#include "common/campos.h"
#include "common/carpeta.h"
#include "common/dialogos.h"
#include "common/ficheros.h"

#include <QDir>
#include <QPushButton>

frmExportar::frmExportar(QWidget *padre)
    : VentanaRegistroAgenda(QStringLiteral("Exportar agenda..."), padre) {}

void frmExportar::empezar() {
    const bool vcard = tipoExportacion == 2;
    if (tipoExportacion != 1 && !vcard)
        return;
    btnCerrar->setEnabled(false);
    const QString fichero = Dialogos::guardarFichero(
        this, vcard ? QStringLiteral("Fichero vCard|*.vcf") : QStringLiteral("Fichero de texto|*.txt"),
        QStringLiteral("Fichero a exportar..."), rutaAplicacion());
    if (recortarEspacios(fichero).isEmpty()) {
        txtLog->anadir(QStringLiteral("No se exportara ninguna entrada"));
    } else {
        arbol->vaciar();
        const QStringList ilegibles = cargarArbolAgenda(*arbol);
        if (!ilegibles.isEmpty())
            txtLog->anotar(QStringLiteral("No se ha podido leer %1: no se exporta lo que contiene")
                               .arg(ilegibles.join(QStringLiteral(" ni "))));
        const TextoExportado texto = vcard ? exportarVCard(*arbol) : exportarTexto(*arbol);
        if (grabarFicheroAtomico(fichero, texto.datos)) {
            for (const QString &nombre : texto.nombres)
                txtLog->anotar(QStringLiteral("Se ha exportado la entrada: ") + nombre);
        } else {
            txtLog->anotar(QStringLiteral("No se ha podido grabar el fichero ") +
                           QDir::toNativeSeparators(fichero));
        }
    }
    btnCerrar->setEnabled(true);
}
