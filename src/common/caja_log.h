#pragma once

#include <QPlainTextEdit>

// A read-only log box. Text is added at the end in constant time however long the
// log grows, and the box shows its end after each addition. texto() is the log as
// the program wrote it, CR LF line breaks included.
class CajaLog : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CajaLog(QWidget *padre = nullptr);

    // Appends `linea` and a CR LF.
    void anotar(const QString &linea);
    // Appends `texto` as it is, with no line break of its own.
    void anadir(const QString &texto);
    const QString &texto() const { return contenido; }

private:
    void volcar();

    QString contenido;
    // Added since the box was last brought up to date. Nothing is painted before
    // the event loop turns, so the box takes all of it in one insertion then:
    // one insertion per line would cost far more than the line itself.
    QString pendiente;
};
