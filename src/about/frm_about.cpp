#include "about/frm_about.h"

#include "about/dibujos.h"
#include "about/etiqueta_pulsable.h"
#include "about/frm_carajo.h"
#include "common/navegador.h"
#include "common/titulo.h"
#include "common/ventanas.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString lineaTitulo =
    QStringLiteral("Zarcel v.3.0.2 - Envío de SMS a través de pasarelas web gratuitas");
const QString lineaAutor = QStringLiteral("Programa creado por el equipo de desarrollo de Zarcel");

struct Enlace {
    const char *texto; // caption; empty: the address itself
    const char *direccion;
};

// By index: the home page, then the gateways. Totalise shows an address and opens none.
const Enlace enlaces[15] = {
    {"", "https://zarcel.sourceforge.net/"},
    {"Terra", "http://www.terra.es/"},
    {"Latinia", "http://www.latinia.com/"},
    {"Navegalia", "http://www.navegalia.com/"},
    {"PanoramaActual", "http://www.panoramaactual.com/"},
    {"SMSYes", "http://www.smsyes.com/"},
    {"http://www.totalise.co.uk", ""},
    {"Amena", "http://www.amena.com/"},
    {"LaNetro", "http://www.lanetro.com/"},
    {"MiNick", "http://www.minick.net/"},
    {"Jumpy", "http://www.jumpy.es/"},
    {"Unimobile", "http://www.unimobile.com/"},
    {"WebServicio", "http://www.webservicio.net/"},
    {"Movistar", "http://www.movistar.es/"},
    {"GsmNet", "http://www.gsmnet.es/"},
};

// The next value of a click counter: after its top value it starts again at 0.
qint16 avanzar(qint16 contador, qint16 tope) {
    return contador >= tope ? qint16(0) : qint16(contador + 1);
}

} // namespace

QString frmAbout::textoAviso() {
    const QString lineas[9] = {lineaTitulo, lineaAutor, QString(), QString(), QString(),
                               QString(),   QString(),  QString(), QString()};
    QString texto;
    for (const QString &linea : lineas)
        texto += linea + QStringLiteral("\r\n");
    return texto;
}

frmAbout::frmAbout(QWidget *padre) : QDialog(padre) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About..."));

    lblZarcel = new EtiquetaPulsable(tituloPrograma(), this);
    lblZarcel->setObjectName(QStringLiteral("lblZarcel"));
    QFont grande = lblZarcel->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.6);
    grande.setBold(true);
    lblZarcel->setFont(grande);
    lblAutor = new EtiquetaPulsable(lineaAutor, this);
    lblAutor->setObjectName(QStringLiteral("lblAutor"));
    lblAbout = new QLabel(this);
    lblAbout->setObjectName(QStringLiteral("lblAbout"));
    lblAbout->setTextFormat(Qt::PlainText);
    lblAbout->setWordWrap(true);
    // The notice ends in empty lines: shown as they are, they open a gap above the links.
    lblAbout->setText(textoAviso().remove(QLatin1Char('\r')).trimmed());
    pctMoviles = new QLabel(this);
    pctMoviles->setObjectName(QStringLiteral("pctMoviles"));
    pctMoviles->setPixmap(dibujoMoviles(devicePixelRatioF()));
    Label1 = new QLabel(QStringLiteral("Página web del programa:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Páginas de las pasarelas utilizadas:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    crearEnlaces();

    auto *cabecera = new QGridLayout;
    cabecera->addWidget(pctMoviles, 0, 0, 3, 1, Qt::AlignTop);
    cabecera->addWidget(lblZarcel, 0, 1);
    cabecera->addWidget(lblAutor, 1, 1);
    cabecera->addWidget(lblAbout, 2, 1);
    cabecera->setColumnStretch(1, 1);

    auto *pasarelas = new QGridLayout;
    for (int i = 1; i < 15; ++i)
        pasarelas->addWidget(linkPagina[i], (i - 1) / 3, (i - 1) % 3);

    auto *columna = new QVBoxLayout(this);
    columna->addLayout(cabecera);
    columna->addWidget(Label1);
    columna->addWidget(linkPagina[0]);
    columna->addWidget(Label2);
    columna->addLayout(pasarelas);
    columna->addWidget(btnOK, 0, Qt::AlignRight);

    connect(lblAutor, &EtiquetaPulsable::pulsada, this, &frmAbout::pulsarAutor);
    connect(lblZarcel, &EtiquetaPulsable::pulsada, this, &frmAbout::pulsarZarcel);
    connect(btnOK, &QPushButton::clicked, this, &frmAbout::pulsarOK);
    adjustSize();
    centrarEnPantalla(this);
}

void frmAbout::crearEnlaces() {
    for (int i = 0; i < 15; ++i) {
        const QString direccion = QString::fromUtf8(enlaces[i].direccion);
        const QString texto = *enlaces[i].texto ? QString::fromUtf8(enlaces[i].texto) : direccion;
        linkPagina[i] = new EtiquetaPulsable(texto, this);
        linkPagina[i]->setObjectName(QStringLiteral("linkPagina(%1)").arg(i));
        linkPagina[i]->hacerEnlace(direccion);
        connect(linkPagina[i], &EtiquetaPulsable::pulsada, this, [etiqueta = linkPagina[i]] {
            // A link with no address (Totalise) has nothing to open.
            if (!etiqueta->direccion().isEmpty())
                Navegador::abrirDireccion(etiqueta->direccion());
        });
    }
}

void frmAbout::pulsarAutor() {
    contador1 = avanzar(contador1, clicsAutor);
}

void frmAbout::pulsarZarcel() {
    if (contador1 == clicsAutor)
        contador2 = avanzar(contador2, clicsZarcel);
}

void frmAbout::pulsarOK() {
    if (contador2 != clicsZarcel) {
        accept();
        return;
    }
    frmCarajo saludos(this);
    saludos.exec();
    contador1 = 0;
    contador2 = 0;
}
