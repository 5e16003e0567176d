#include "app/caja_mensaje.h"

#include "app/contador_mensaje.h"
#include "common/saltos.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

namespace {
// Every line break a text can carry becomes "\n", as the document stores it.
QString conSaltosDelDocumento(QString texto) {
    texto.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (const QChar salto : {QChar(u'\r'), QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator)})
        texto.replace(salto, QLatin1Char('\n'));
    return texto;
}
} // namespace

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

QString CajaMensaje::loQueCabe(const QString &texto) const {
    const QString nuevo = conSaltosDelDocumento(texto);
    const int seleccion = longitudConSaltos(conSaltosDelDocumento(textCursor().selectedText()));
    int libre = maximo - longitudConSaltos(toPlainText()) + seleccion;
    qsizetype cabe = 0;
    for (; cabe < nuevo.size(); ++cabe) {
        libre -= nuevo.at(cabe) == QLatin1Char('\n') ? 2 : 1;
        if (libre < 0)
            break;
    }
    if (cabe > 0 && cabe < nuevo.size() && nuevo.at(cabe - 1).isHighSurrogate())
        --cabe; // never half a character
    return nuevo.left(cabe);
}

void CajaMensaje::keyPressEvent(QKeyEvent *evento) {
    const bool salto = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
    const QString texto = salto ? QStringLiteral("\n") : evento->text();
    // Control and Meta make a shortcut (undo, copy...), unless with Alt: AltGr writes.
    const Qt::KeyboardModifiers modificadores = evento->modifiers();
    const bool atajo =
        (modificadores & (Qt::ControlModifier | Qt::MetaModifier)) && !(modificadores & Qt::AltModifier);
    const bool escribe = salto || (!atajo && !texto.isEmpty() && texto.at(0).isPrint());
    if (escribe && !isReadOnly() && loQueCabe(texto).size() < texto.size()) {
        evento->accept(); // refused without a message, as a length-limited box does
        return;
    }
    QPlainTextEdit::keyPressEvent(evento);
}

void CajaMensaje::inputMethodEvent(QInputMethodEvent *evento) {
    const QString cabe = loQueCabe(evento->commitString());
    if (cabe.size() < evento->commitString().size())
        evento->setCommitString(cabe, evento->replacementStart(), evento->replacementLength());
    QPlainTextEdit::inputMethodEvent(evento);
}

void CajaMensaje::insertFromMimeData(const QMimeData *origen) {
    if (!origen->hasText()) {
        QPlainTextEdit::insertFromMimeData(origen);
        return;
    }
    QMimeData recortado;
    recortado.setText(loQueCabe(origen->text()));
    QPlainTextEdit::insertFromMimeData(&recortado);
}

// Text put in by code (insertPlainText, setPlainText) is cut here after the fact,
// dropping characters from the end of the insertion.
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
