#pragma once

#include <QPlainTextEdit>

// The message box of the main window. The program sees its text with CR LF line
// breaks, and the box refuses input beyond a limit in which a break takes two.
class CajaMensaje : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CajaMensaje(QWidget *padre = nullptr);

    QString textoCRLF() const;
    void ponerTextoCRLF(const QString &texto);

protected:
    // The user's typing, pastes, drops and input-method text are cut to what fits
    // before they enter the document, so the undo history only ever holds texts
    // within the limit.
    void keyPressEvent(QKeyEvent *evento) override;
    void inputMethodEvent(QInputMethodEvent *evento) override;
    void insertFromMimeData(const QMimeData *origen) override;

private:
    // The longest start of `texto` that fits in place of the selection, with its
    // line breaks as the document will hold them.
    QString loQueCabe(const QString &texto) const;
    void recortarInsercion(int posicion, int quitados, int anadidos);

    static constexpr int maximo = 1000; // characters, a line break counting two
    bool recortando = false;
};
