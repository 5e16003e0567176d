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

    int limite() const { return maximo; }
    void ponerLimite(int caracteres) { maximo = caracteres; }

private:
    void recortarInsercion(int posicion, int quitados, int anadidos);

    int maximo = 1000;
    bool recortando = false;
};
