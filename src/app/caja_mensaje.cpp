#include "app/caja_mensaje.h"

#include "app/contador_mensaje.h"
#include "common/saltos.h"

#include <QTextBlock>

CajaMensaje::CajaMensaje(QWidget *padre) : QPlainTextEdit(padre) {
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChange, this, &CajaMensaje::recortarInsercion);
}

QString CajaMensaje::textoCRLF() const {
    return aCRLF(toPlainText());
}

void CajaMensaje::ponerTextoCRLF(const QString &texto) {
    setPlainText(desdeCRLF(texto));
}

// Cuts what was just typed or pasted so that the text stays within the limit,
// dropping characters from the end of the insertion as a length-limited box does.
void CajaMensaje::recortarInsercion(int posicion, int, int anadidos) {
    if (recortando || anadidos <= 0)
        return;
    int exceso = longitudConSaltos(toPlainText()) - maximo;
    if (exceso <= 0)
        return;
    const int finInsercion = qMin(posicion + anadidos, document()->characterCount() - 1);
    int inicioCorte = finInsercion;
    while (exceso > 0 && inicioCorte > posicion) {
        --inicioCorte;
        exceso -= document()->characterAt(inicioCorte) == QChar::ParagraphSeparator ? 2 : 1;
    }
    QTextCursor cursor(document());
    cursor.setPosition(inicioCorte);
    cursor.setPosition(finInsercion, QTextCursor::KeepAnchor);
    recortando = true;
    cursor.removeSelectedText();
    recortando = false;
}
