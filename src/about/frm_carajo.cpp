#include "about/frm_carajo.h"

#include "about/dibujos.h"
#include "common/ventanas.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// A picture drawn with text characters; it needs a fixed-pitch font.
const char *const dibujoTexto = R"(     ___________
    |  _______  |      Gracias a todos los que
    | |       | |      han probado Zarcel, han
    | | HOLA! | |      enviado sus mensajes y
    | |_______| |      han contado los fallos.
    |  _  _  _  |
    | |_||_||_| |      Un saludo a las pasarelas
    |  _  _  _  |      que dejaron enviar SMS
    | |_||_||_| |      gratis durante tanto tiempo.
    |  _  _  _  |
    | |_||_||_| |           ;-)
    |___________|
)";
} // namespace

frmCarajo::frmCarajo(QWidget *padre) : QDialog(padre) {
    setObjectName(QStringLiteral("frmCarajo"));
    setWindowTitle(QStringLiteral("Some greetings..."));

    txtCarajo = new QPlainTextEdit(this);
    txtCarajo->setObjectName(QStringLiteral("txtCarajo"));
    txtCarajo->setReadOnly(true);
    txtCarajo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    txtCarajo->setFont(courier);
    txtCarajo->setPlainText(QString::fromUtf8(dibujoTexto));
    txtCarajo->setMinimumSize(QFontMetrics(courier).horizontalAdvance(QLatin1Char('M')) * 52,
                              QFontMetrics(courier).lineSpacing() * 14);

    imgTRP = new QLabel(this);
    imgTRP->setObjectName(QStringLiteral("imgTRP"));
    imgTRP->setPixmap(dibujoSaludos(devicePixelRatioF()));
    btnCerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    btnCerrar->setObjectName(QStringLiteral("btnCerrar"));
    btnCerrar->setDefault(true);

    auto *fila = new QHBoxLayout;
    fila->addWidget(imgTRP, 0, Qt::AlignTop);
    fila->addWidget(txtCarajo, 1);
    auto *columna = new QVBoxLayout(this);
    columna->addLayout(fila, 1);
    columna->addWidget(btnCerrar, 0, Qt::AlignRight);

    connect(btnCerrar, &QPushButton::clicked, this, &QDialog::accept);
    adjustSize();
    centrarEnPantalla(this);
}
