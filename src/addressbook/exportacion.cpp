#include "addressbook/exportacion.h"

#include "addressbook/arbol_agenda.h"
#include "common/campos.h"

TextoExportado exportarTexto(const ArbolAgenda &arbol) {
    static const QByteArray finLinea = QByteArrayLiteral("\r\n");
    TextoExportado resultado;
    arbol.recorrer([&](const ArbolAgenda::Nodo &nodo) {
        if (nodo.tipo == ArbolAgenda::Tipo::Grupo)
            return;
        // The node text is name ":+" prefix number: split at its first ":".
        const QString texto = nodo.texto();
        const qsizetype separador = texto.indexOf(QLatin1Char(':'));
        const QString nombre = separador < 0 ? texto : texto.left(separador);
        const QString numero = separador < 0 ? QString() : texto.mid(separador + 1);
        resultado.datos += aAnsi(nombre) + finLinea + aAnsi(numero) + finLinea;
        resultado.nombres.append(nombre);
    });
    return resultado;
}
