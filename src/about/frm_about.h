#pragma once

#include <QDialog>

#include <array>

class EtiquetaPulsable;
class QLabel;
class QPushButton;

// The About window. Esc closes it from any control (none of them takes the key,
// so it reaches the dialog). A hidden click sequence leads to the greetings window: click
// the author line `clicsAutor` times, then the title `clicsZarcel` times, then OK.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr qint16 clicsAutor = 3;  // top value of the first counter
    static constexpr qint16 clicsZarcel = 2; // top value of the second counter

    explicit frmAbout(QWidget *padre = nullptr);

    qint16 contadorAutor() const { return contador1; }
    qint16 contadorZarcel() const { return contador2; }

    // The notice text: nine lines, each ended by CR LF.
    static QString textoAviso();

    EtiquetaPulsable *lblZarcel;
    EtiquetaPulsable *lblAutor;
    QLabel *lblAbout;
    QLabel *pctMoviles;
    QLabel *Label1;
    QLabel *Label2;
    // 0 the program's home page, 1 to 14 the gateways' pages.
    std::array<EtiquetaPulsable *, 15> linkPagina{};
    QPushButton *btnOK;

private:
    void crearEnlaces();
    void pulsarAutor();
    void pulsarZarcel();
    void pulsarOK();

    qint16 contador1 = 0;
    qint16 contador2 = 0;
};
