#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The help window: "help.txt" of the application folder, read as Windows-1252 text.
class frmAyuda : public QDialog {
    Q_OBJECT
public:
    explicit frmAyuda(QWidget *padre = nullptr);

    QPlainTextEdit *txtAyuda;
    QPushButton *btnCerrar;
};
