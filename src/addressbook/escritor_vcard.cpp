#include "addressbook/escritor_vcard.h"

#include "addressbook/arbol_agenda.h"
#include "addressbook/clave_contacto.h"

namespace {
QString escapar(QString texto) {
    return texto.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u',', QStringLiteral("\\,"))
        .replace(u';', QStringLiteral("\\;"))
        .replace(u'\n', QStringLiteral("\\n"));
}

// Folds after 75 bytes, never inside a character; a folded line starts with a space.
void anadirLinea(QByteArray &datos, const QString &linea) {
    const QByteArray utf8 = linea.toUtf8();
    qsizetype inicio = 0;
    qsizetype sitio = 75;
    while (utf8.size() - inicio > sitio) {
        qsizetype corte = inicio + sitio;
        while ((quint8(utf8.at(corte)) & 0xC0) == 0x80)
            --corte;
        datos += utf8.mid(inicio, corte - inicio) + "\r\n ";
        inicio = corte;
        sitio = 74;
    }
    datos += utf8.mid(inicio) + "\r\n";
}
} // namespace

TextoExportado exportarVCard(const ArbolAgenda &arbol) {
    TextoExportado resultado;
    arbol.recorrer([&](const ArbolAgenda::Nodo &nodo) {
        if (nodo.tipo == ArbolAgenda::Tipo::Grupo)
            return;
        const ClaveContacto contacto = ClaveContacto::desdeClave(nodo.claveGuardada());
        const QString nombre = escapar(contacto.nombre);
        const QString grupo = nodo.padre ? nodo.padre->texto().trimmed() : QString();
        anadirLinea(resultado.datos, QStringLiteral("BEGIN:VCARD"));
        anadirLinea(resultado.datos, QStringLiteral("VERSION:3.0"));
        anadirLinea(resultado.datos, QStringLiteral("FN:") + nombre);
        anadirLinea(resultado.datos, QStringLiteral("N:;%1;;;").arg(nombre));
        anadirLinea(resultado.datos,
                    QStringLiteral("TEL;TYPE=CELL:+") + contacto.prefijo + contacto.telefono);
        if (!grupo.isEmpty() && grupo != ArbolAgenda::grupoNinguno())
            anadirLinea(resultado.datos, QStringLiteral("CATEGORIES:") + escapar(grupo));
        anadirLinea(resultado.datos, QStringLiteral("END:VCARD"));
        resultado.nombres.append(contacto.nombre);
    });
    return resultado;
}
