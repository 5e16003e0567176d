#include "contactos_fuzz.h"

#include "apoyo_fuzz.h"
#include "comprobar_importacion.h"

#include "addressbook/arbol_agenda.h"
#include "addressbook/escritor_vcard.h"
#include "addressbook/lector_vcard.h"

void comprobarContactosExternos(Importacion::Tipo tipo, const QList<Importacion::Entrada> &entradas) {
    ArbolAgenda arbol;
    comprobarImportacion(arbol, tipo, entradas);
    const QByteArray vcard = exportarVCard(arbol).datos;
    ArbolAgenda vuelta;
    comprobarImportacion(vuelta, Importacion::Tipo::VCard, Importacion::leerVCard(vcard));
    EXIGIR(contactosDe(vuelta) == contactosDe(arbol));
}
