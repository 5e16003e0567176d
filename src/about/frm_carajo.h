#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The greetings window, reached only through the About window's hidden sequence.
class frmCarajo : public QDialog {
    Q_OBJECT
public:
    explicit frmCarajo(QWidget *padre = nullptr);

    QPlainTextEdit *txtCarajo;
    QLabel *imgTRP;
    QPushButton *btnCerrar;
};
