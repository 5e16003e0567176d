#include "config/frm_opciones.h"

#include "common/avisos.h"
#include "common/campos.h"
#include "common/carpeta.h"
#include "common/dialogos.h"
#include "common/ventanas.h"
#include "config/fichero_configuracion.h"
#include "config/muestra_color.h"
#include "config/registro.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

// Fields behind the indexed controls, in index order.
QByteArray Configuracion::*const camposServidor[4] = {
    &Configuracion::servidorNacionales, &Configuracion::servidorAirtel, &Configuracion::servidorAmena,
    &Configuracion::servidorInternacional};
quint32 Configuracion::*const camposColor[4] = {
    &Configuracion::colorFondoCampos, &Configuracion::colorTextoCampos, &Configuracion::colorTextoPrincipal,
    &Configuracion::colorFondoPantalla};

QString nombreIndexado(const char *nombre, int indice) {
    return QString::fromUtf8(nombre) + QStringLiteral("(%1)").arg(indice);
}

// A label and its control on one row of a page.
QLabel *fila(QGridLayout *rejilla, const char *nombre, const QString &texto, QWidget *control) {
    const int numero = rejilla->rowCount();
    auto *etiqueta = conNombre(new QLabel(texto, control->parentWidget()), nombre);
    etiqueta->setBuddy(control);
    rejilla->addWidget(etiqueta, numero, 0);
    rejilla->addWidget(control, numero, 1);
    return etiqueta;
}

QLineEdit *caja(QWidget *padre, const char *nombre, int maximo = 0) {
    auto *texto = conNombre(new QLineEdit(padre), nombre);
    if (maximo > 0)
        texto->setMaxLength(maximo);
    return texto;
}

// Selects `texto` in a drop-down list. A stored name the list does not offer is
// added, so that it is carried back unchanged when the settings are saved.
void ponerEnLista(QComboBox *lista, const QString &texto) {
    int indice = lista->findText(texto, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (indice < 0 && !texto.isEmpty()) {
        lista->addItem(texto);
        indice = lista->count() - 1;
    }
    lista->setCurrentIndex(indice);
}

} // namespace

frmOpciones::frmOpciones(QWidget *padre) : QDialog(padre) {
    setObjectName(QStringLiteral("frmOpciones"));
    setWindowTitle(QStringLiteral("Opciones"));

    tabSeleccion = conNombre(new QTabBar(this), QStringLiteral("tabSeleccion"));
    for (const QString &titulo : {QStringLiteral("General"), QStringLiteral("Servidores"),
                                  QStringLiteral("Proxy"), QStringLiteral("Apariencia")})
        tabSeleccion->addTab(titulo);

    // The four pages share one place; only the current one is visible and enabled.
    auto *paginas = new QGridLayout;
    const std::array<QFrame *, 4> creadas = {crearPaginaGeneral(), crearPaginaServidores(),
                                             crearPaginaProxy(), crearPaginaApariencia()};
    for (int i = 1; i <= 4; ++i) {
        Frame[i] = creadas[i - 1];
        paginas->addWidget(Frame[i], 0, 0);
        Frame[i]->setVisible(i == pagina);
        Frame[i]->setEnabled(i == pagina);
    }

    btnOK = conNombre(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("btnOK"));
    btnOK->setDefault(true);

    auto *columna = new QVBoxLayout(this);
    columna->addWidget(tabSeleccion);
    columna->addLayout(paginas, 1);
    columna->addWidget(btnOK, 0, Qt::AlignRight);

    connect(tabSeleccion, &QTabBar::currentChanged, this,
            [this](int indice) { seleccionarPagina(indice + 1); });
    connect(chkProxy, &QCheckBox::toggled, this, &frmOpciones::habilitarProxy);
    connect(chkArrancar, &QCheckBox::toggled, this, &frmOpciones::aplicarArranque);
    for (int i = 0; i < 4; ++i)
        connect(pctPicture[i], &MuestraColor::elegir, this, [this, i] { elegirColor(i); });
    connect(btnOK, &QPushButton::clicked, this, &frmOpciones::aceptar);

    habilitarProxy(false);
    setMinimumWidth(420);
    adjustSize();
    centrarEnPantalla(this);
}

QFrame *frmOpciones::crearPagina(int numero) {
    auto *marco = conNombre(new QFrame(this), nombreIndexado("Frame", numero));
    marco->setFrameShape(QFrame::StyledPanel);
    return marco;
}

QFrame *frmOpciones::crearPaginaGeneral() {
    QFrame *marco = crearPagina(1);
    chkLogea = conNombre(new QCheckBox(QStringLiteral("Log de mensajes enviados"), marco),
                         QStringLiteral("chkLogea"));
    txtEmail = caja(marco, "txtEmail");
    txtNumero = caja(marco, "txtNumero");
    txtFirma = caja(marco, "txtFirma");
    chkArrancar = conNombre(new QCheckBox(QStringLiteral("Ejecutar el programa al iniciar Windows"), marco),
                            QStringLiteral("chkArrancar"));

    auto *rejilla = new QGridLayout(marco);
    rejilla->addWidget(chkLogea, 0, 0, 1, 2);
    lblEmail = fila(rejilla, "lblEmail", QStringLiteral("E-Mail:"), txtEmail);
    lblNumero = fila(rejilla, "lblNumero", QStringLiteral("Número propio:"), txtNumero);
    lblFirma = fila(rejilla, "lblFirma", QStringLiteral("Firma:"), txtFirma);
    rejilla->addWidget(chkArrancar, rejilla->rowCount(), 0, 1, 2);
    rejilla->setRowStretch(rejilla->rowCount(), 1);
    return marco;
}

QFrame *frmOpciones::crearPaginaServidores() {
    QFrame *marco = crearPagina(2);
    const QStringList nacionales = {QStringLiteral("Amena"),     QStringLiteral("Movistar"),
                                    QStringLiteral("Navegalia"), QStringLiteral("WebServicio"),
                                    QStringLiteral("GsmNet"),    QStringLiteral("PanoramaActual"),
                                    QStringLiteral("SMSYes")};
    const QStringList operadoras = {QStringLiteral("Amena"),     QStringLiteral("Terra"),
                                    QStringLiteral("Navegalia"), QStringLiteral("Latinia"),
                                    QStringLiteral("LaNetro"),   QStringLiteral("SMSYes"),
                                    QStringLiteral("MiNick")};
    const QStringList listas[4] = {
        nacionales, operadoras, operadoras, {QStringLiteral("SMSYes"), QStringLiteral("MiNick")}};
    const QString titulos[4] = {
        QStringLiteral("Servidor por defecto Nacionales:"), QStringLiteral("Servidor por defecto Airtel:"),
        QStringLiteral("Servidor por defecto Amena:"), QStringLiteral("Servidor por defecto Internacional:")};

    auto *rejilla = new QGridLayout(marco);
    for (int i = 0; i < 4; ++i) {
        cmbServidor[i] = conNombre(new QComboBox(marco), nombreIndexado("cmbServidor", i));
        cmbServidor[i]->addItems(listas[i]);
        const QByteArray nombreEtiqueta = nombreIndexado("lblServidor", i).toUtf8();
        lblServidor[i] = fila(rejilla, nombreEtiqueta.constData(), titulos[i], cmbServidor[i]);
        // Only the national default is offered; the other three are kept as stored.
        lblServidor[i]->setVisible(i == 0);
        cmbServidor[i]->setVisible(i == 0);
    }
    rejilla->setRowStretch(rejilla->rowCount(), 1);
    return marco;
}

QFrame *frmOpciones::crearPaginaProxy() {
    QFrame *marco = crearPagina(3);
    chkProxy = conNombre(new QCheckBox(QStringLiteral("Usar proxy para conectar"), marco),
                         QStringLiteral("chkProxy"));
    txtProxy = caja(marco, "txtProxy", 50);
    txtPuerto = caja(marco, "txtPuerto", 5);
    txtUsuario = caja(marco, "txtUsuario", 25);
    txtPassword = caja(marco, "txtPassword", 25);
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // '*'

    auto *rejilla = new QGridLayout(marco);
    rejilla->addWidget(chkProxy, 0, 0, 1, 2);
    lblProxy = fila(rejilla, "lblProxy", QStringLiteral("Proxy:"), txtProxy);
    lblPuerto = fila(rejilla, "lblPuerto", QStringLiteral("Puerto:"), txtPuerto);
    lblUsuario = fila(rejilla, "lblUsuario", QStringLiteral("Usuario:"), txtUsuario);
    lblPassword = fila(rejilla, "lblPassword", QStringLiteral("Password:"), txtPassword);
    rejilla->setRowStretch(rejilla->rowCount(), 1);
    return marco;
}

QFrame *frmOpciones::crearPaginaApariencia() {
    QFrame *marco = crearPagina(4);
    const QString titulos[4] = {QStringLiteral("Color fondo campos:"), QStringLiteral("Color texto campos:"),
                                QStringLiteral("Color texto principal:"),
                                QStringLiteral("Color fondo pantalla:")};
    const Configuracion diseno = Configuracion::porDefecto();

    auto *rejilla = new QGridLayout(marco);
    for (int i = 0; i < 4; ++i) {
        pctPicture[i] = conNombre(new MuestraColor(marco), nombreIndexado("pctPicture", i));
        pctPicture[i]->ponerColor(diseno.*camposColor[i]);
        pctPicture[i]->setAccessibleName(titulos[i].chopped(1));
        pctPicture[i]->setToolTip(QStringLiteral("Doble clic para cambiar el color"));
        const QByteArray nombreEtiqueta = nombreIndexado("lblColor", i).toUtf8();
        lblColor[i] = fila(rejilla, nombreEtiqueta.constData(), titulos[i], pctPicture[i]);
    }
    rejilla->setRowStretch(rejilla->rowCount(), 1);
    return marco;
}

std::array<std::pair<QLineEdit *, QByteArray Configuracion::*>, 7> frmOpciones::cajasDeTexto() const {
    return {{{txtProxy, &Configuracion::proxy},
             {txtPuerto, &Configuracion::puerto},
             {txtUsuario, &Configuracion::usuario},
             {txtPassword, &Configuracion::password},
             {txtEmail, &Configuracion::email},
             {txtNumero, &Configuracion::numero},
             {txtFirma, &Configuracion::firma}}};
}

void frmOpciones::seleccionarPagina(int nueva) {
    if (nueva == pagina || nueva < 1 || nueva > 4)
        return;
    Frame[nueva]->setVisible(true);
    Frame[nueva]->setEnabled(true);
    Frame[pagina]->setVisible(false);
    Frame[pagina]->setEnabled(false);
    pagina = nueva;
    if (tabSeleccion->currentIndex() != pagina - 1)
        tabSeleccion->setCurrentIndex(pagina - 1);
}

void frmOpciones::hideEvent(QHideEvent *evento) {
    // Closed (not merely minimised): the next opening loads the file again.
    if (!evento->spontaneous())
        cargadas = false;
    QDialog::hideEvent(evento);
}

bool frmOpciones::event(QEvent *evento) {
    // Activation comes back whenever a colour dialog or message box closes over the
    // window; loading again then would undo what the user has just chosen.
    if (evento->type() == QEvent::WindowActivate && !cargadas) {
        cargadas = true;
        cargarOpciones();
    }
    return QDialog::event(evento);
}

void frmOpciones::cargarOpciones() {
    leerConfiguracion();
    const Configuracion &leida = configuracion;
    for (int i = 0; i < 4; ++i) {
        ponerEnLista(cmbServidor[i], textoCampo(leida.*camposServidor[i]));
        pctPicture[i]->ponerColor(leida.*camposColor[i]);
    }
    for (const auto &[caja, campo] : cajasDeTexto())
        caja->setText(textoCampo(leida.*campo));
    chkProxy->setChecked(leida.usarProxy != 0);
    chkLogea->setChecked(leida.usarLog != 0);

    // The box shows what the autostart entry says, not the stored flag. Ticking it
    // acts like a click: the entry is written again with this executable's path.
    {
        const QSignalBlocker sinEfecto(chkArrancar);
        chkArrancar->setChecked(false);
    }
    chkArrancar->setChecked(registro::hayArranque());
}

void frmOpciones::habilitarProxy(bool habilitar) {
    for (QWidget *control : std::initializer_list<QWidget *>{txtProxy, txtPuerto, txtUsuario, txtPassword,
                                                             lblProxy, lblPuerto, lblUsuario, lblPassword})
        control->setEnabled(habilitar);
}

void frmOpciones::aplicarArranque() {
    if (chkArrancar->isChecked())
        registro::ponerArranque(rutaEjecutable());
    else
        registro::quitarArranque();
}

void frmOpciones::elegirColor(int indice) {
    pctPicture[indice]->ponerColor(Dialogos::elegirColor(this, pctPicture[indice]->color()));
}

void frmOpciones::aceptar() {
    if (chkProxy->isChecked() && txtProxy->text().isEmpty()) {
        Avisos::aviso(QStringLiteral("Debe especificar un proxy a utilizar"));
        return;
    }
    if (chkProxy->isChecked() && txtPuerto->text().isEmpty()) {
        Avisos::aviso(QStringLiteral("Debe especificar el puerto a utilizar"));
        return;
    }

    // A fresh record: the fields no control edits keep their NULs.
    Configuracion nueva;
    for (int i = 0; i < 4; ++i) {
        asignarCampo(nueva.*camposServidor[i], cmbServidor[i]->currentText());
        nueva.*camposColor[i] = pctPicture[i]->color();
    }
    nueva.usarProxy = aFlag(chkProxy->isChecked());
    nueva.usarLog = aFlag(chkLogea->isChecked());
    nueva.arrancar = aFlag(chkArrancar->isChecked());
    // As typed, not stripped: the field width pads or cuts.
    for (const auto &[caja, campo] : cajasDeTexto())
        asignarCampo(nueva.*campo, caja->text());

    if (!grabarConfiguracion(nueva)) {
        Avisos::aviso(
            QStringLiteral("No se ha podido grabar la configuración en %1. Los cambios no se han "
                           "guardado: compruebe que hay espacio libre en el disco y que puede escribir "
                           "en esa carpeta.")
                .arg(rutaConfiguracion()));
        return;
    }
    aplicarArranque();
    accept();
}
