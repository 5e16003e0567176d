#include "app/frm_principal.h"

#include "app/caja_mensaje.h"
#include "app/contador_mensaje.h"
#include "app/frm_minimizado.h"
#include "app/lista_destinatarios.h"
#include "common/campos.h"
#include "common/colores.h"
#include "common/saltos.h"
#include "common/titulo.h"
#include "common/ventanas.h"
#include "config/fichero_configuracion.h"
#include "gateways/catalogo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTcpSocket>
#include <QVBoxLayout>

namespace {
QPushButton *crearBoton(QWidget *padre, const char *nombre, const QString &texto, const QString &ayuda) {
    auto *boton = conNombre(new QPushButton(texto, padre), nombre);
    boton->setToolTip(ayuda);
    boton->setAutoDefault(true); // Return presses the focused button, as in a dialog
    return boton;
}

QLabel *crearEtiqueta(QWidget *padre, const char *nombre, const QString &texto) {
    return conNombre(new QLabel(texto, padre), nombre);
}

QListWidget *crearLista(QWidget *padre, const char *nombre) {
    return conNombre(new QListWidget(padre), nombre);
}

void ponerColores(QWidget *control, QPalette::ColorRole fondo, const QColor &colorFondo,
                  QPalette::ColorRole texto, const QColor &colorTexto) {
    QPalette paleta = control->palette();
    if (colorFondo.isValid())
        paleta.setColor(fondo, colorFondo);
    if (colorTexto.isValid())
        paleta.setColor(texto, colorTexto);
    control->setPalette(paleta);
}
} // namespace

frmPrincipal::frmPrincipal(QWidget *padre) : QMainWindow(padre) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(tituloPrograma());

    socket = new QTcpSocket(this);
    socket->setObjectName(QStringLiteral("socket"));

    crearMenus();

    auto *central = new QWidget(this);
    auto *columna = new QVBoxLayout(central);
    columna->setContentsMargins(10, 8, 10, 10);
    columna->setSpacing(8);
    columna->addWidget(crearMarcoMensaje(), 2);
    columna->addWidget(crearMarcoDestinatarios(), 3);
    columna->addWidget(crearBotones());
    setCentralWidget(central);
    central->setAutoFillBackground(true);

    // Menu shortcuts act wherever the focus is: text boxes must not claim them first.
    for (QWidget *control : central->findChildren<QWidget *>())
        control->installEventFilter(this);

    connect(txtMensaje, &QPlainTextEdit::textChanged, this, &frmPrincipal::actualizarContadores);
    connect(cmbPasarela, &QComboBox::currentTextChanged, this, &frmPrincipal::actualizarContadores);
    // Choosing the same gateway again recounts too (the signature may have changed).
    connect(cmbPasarela, &QComboBox::activated, this, &frmPrincipal::actualizarContadores);
    conectarComandos();
    destinatarios = new ListaDestinatarios(this);

    resize(640, 600);
    setMinimumSize(520, 480);
    centrarEnPantalla(this);
}

frmPrincipal::~frmPrincipal() = default;

void frmPrincipal::crearMenus() {
    auto menu = [this](const char *nombre, const QString &texto) {
        QMenu *m = menuBar()->addMenu(texto);
        m->setObjectName(QString::fromUtf8(nombre));
        return m;
    };
    auto accion = [this](QMenu *m, const char *nombre, const QString &texto, const QKeySequence &atajo) {
        QAction *a = m->addAction(texto);
        a->setObjectName(QString::fromUtf8(nombre));
        if (!atajo.isEmpty()) {
            a->setShortcut(atajo);
            a->setShortcutContext(Qt::WindowShortcut);
            accionesConAtajo.append(a);
        }
        return a;
    };
    auto separador = [](QMenu *m, const char *nombre) {
        m->addSeparator()->setObjectName(QString::fromUtf8(nombre));
    };

    mnuArchivo = menu("mnuArchivo", QStringLiteral("&Archivo"));
    mnuOpciones = accion(mnuArchivo, "mnuOpciones", QStringLiteral("&Opciones"),
                         QKeySequence(QStringLiteral("Ctrl+O")));
    mnuArchivoMinimizar = accion(mnuArchivo, "mnuArchivoMinimizar", QStringLiteral("&Minimizar"),
                                 QKeySequence(QStringLiteral("Ctrl+M")));
    separador(mnuArchivo, "mnuArchivoSeparador1");
    mnuArchivoCerrar = accion(mnuArchivo, "mnuArchivoCerrar", QStringLiteral("&Cerrar"),
                              QKeySequence(QStringLiteral("Ctrl+Q")));

    mnuMensajes = menu("mnuMensajes", QStringLiteral("&Mensajes"));
    mnuMensajesNuevo = accion(mnuMensajes, "mnuMensajesNuevo", QStringLiteral("&Nuevo mensaje"),
                              QKeySequence(QStringLiteral("Ctrl+N")));
    mnuMensajesEnviarAhora = accion(mnuMensajes, "mnuMensajesEnviarAhora", QStringLiteral("&Enviar ahora"),
                                    QKeySequence(QStringLiteral("Ctrl+E")));
    mnuMensajesAlmacenar = accion(mnuMensajes, "mnuMensajesAlmacenar", QStringLiteral("&Almacenar"),
                                  QKeySequence(QStringLiteral("Ctrl+G")));
    mnuMensajesAlmacenados = accion(mnuMensajes, "mnuMensajesAlmacenados", QStringLiteral("A&lmacenados"),
                                    QKeySequence(QStringLiteral("Ctrl+A")));
    separador(mnuMensajes, "mnuMensajesSeparador");
    mnuMensajesPrueba = accion(mnuMensajes, "mnuMensajesPrueba", QStringLiteral("&Mensaje de prueba"),
                               QKeySequence(QStringLiteral("Ctrl+P")));

    mnuAgenda = menu("mnuAgenda", QStringLiteral("A&genda"));
    mnuAgendaEditar = accion(mnuAgenda, "mnuAgendaEditar", QStringLiteral("&Editar"),
                             QKeySequence(QStringLiteral("Ctrl+B")));
    mnuAgendaImportar = mnuAgenda->addMenu(QStringLiteral("&Importar"));
    mnuAgendaImportar->setObjectName(QStringLiteral("mnuAgendaImportar"));
    mnuAgendaImportarZarcel = accion(mnuAgendaImportar, "mnuAgendaImportarZarcel",
                                     QStringLiteral("Importar &agenda de Zarcel v1.x"), QKeySequence());
    mnuAgendaImportarZarcel2 = accion(mnuAgendaImportar, "mnuAgendaImportarZarcel2",
                                      QStringLiteral("Importar a&genda de Zarcel v2.x"), QKeySequence());
    mnuAgendaImportarFicheroTexto =
        accion(mnuAgendaImportar, "mnuAgendaImportarFicheroTexto",
               QStringLiteral("Importar &desde fichero de texto"), QKeySequence());
    mnuAgendaImportarVCard = accion(mnuAgendaImportar, "mnuAgendaImportarVCard",
                                    QStringLiteral("Importar desde fichero &vCard..."), QKeySequence());
    mnuAgendaImportarCsv = accion(mnuAgendaImportar, "mnuAgendaImportarCsv",
                                  QStringLiteral("Importar desde fichero &CSV..."), QKeySequence());
    mnuAgendaExportar = mnuAgenda->addMenu(QStringLiteral("E&xportar"));
    mnuAgendaExportar->setObjectName(QStringLiteral("mnuAgendaExportar"));
    mnuAgendaExportarFicheroTexto = accion(mnuAgendaExportar, "mnuAgendaExportarFicheroTexto",
                                           QStringLiteral("&Exportar a fichero de texto"), QKeySequence());
    mnuAgendaExportarVCard = accion(mnuAgendaExportar, "mnuAgendaExportarVCard",
                                    QStringLiteral("Exportar a fichero v&Card..."), QKeySequence());

    mnuAyuda = menu("mnuAyuda", QStringLiteral("A&yuda"));
    mnuAyudaContenido = accion(mnuAyuda, "mnuAyudaContenido", QStringLiteral("Contenido"), QKeySequence());
    separador(mnuAyuda, "mnuAyudaSeparador");
    mnuAyudaAbout = accion(mnuAyuda, "mnuAyudaAbout", QStringLiteral("About..."), QKeySequence());
}

QWidget *frmPrincipal::crearMarcoMensaje() {
    Frame1 = new QGroupBox(QStringLiteral("Mensaje"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAutoFillBackground(true);

    txtMensaje = new CajaMensaje(Frame1);
    txtMensaje->setObjectName(QStringLiteral("txtMensaje"));
    txtMensaje->setAccessibleName(QStringLiteral("Mensaje"));
    txtMensaje->setMinimumHeight(90);

    lblCaracteres = crearEtiqueta(Frame1, "lblCaracteres", QStringLiteral("Número de carácteres: 0"));
    lblPartes = crearEtiqueta(Frame1, "lblPartes", QStringLiteral("Partes: 0"));
    lblPasarela = crearEtiqueta(Frame1, "lblPasarela", QStringLiteral("Pasarela:"));
    cmbPasarela = new QComboBox(Frame1);
    cmbPasarela->setObjectName(QStringLiteral("cmbPasarela"));
    cmbPasarela->addItems(Pasarelas::pasarelasDisponibles());
    cmbPasarela->setEditable(false);
    cmbPasarela->setMinimumContentsLength(14);
    lblPasarela->setBuddy(cmbPasarela);

    auto *pie = new QHBoxLayout;
    pie->addWidget(lblCaracteres);
    pie->addSpacing(16);
    pie->addWidget(lblPartes);
    pie->addStretch(1);
    pie->addWidget(lblPasarela);
    pie->addWidget(cmbPasarela);

    auto *disposicion = new QVBoxLayout(Frame1);
    disposicion->addWidget(txtMensaje, 1);
    disposicion->addLayout(pie);
    return Frame1;
}

QWidget *frmPrincipal::crearMarcoDestinatarios() {
    Frame2 = new QGroupBox(QStringLiteral("Destinatarios"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setAutoFillBackground(true);

    lblAgenda = crearEtiqueta(Frame2, "lblAgenda", QStringLiteral("Envio a agenda:"));
    lstContactos = conNombre(new QListView(Frame2), "lstContactos");
    lstContactos->setAccessibleName(QStringLiteral("Contactos"));
    lblGrupo = crearEtiqueta(Frame2, "lblGrupo", QStringLiteral("Envio a grupo:"));
    lstGrupo = conNombre(new QListView(Frame2), "lstGrupo");
    lstGrupo->setAccessibleName(QStringLiteral("Grupos"));
    lblEnvioEsporadico = crearEtiqueta(Frame2, "lblEnvioEsporadico", QStringLiteral("Envio esporádico:"));
    txtPrefijo = new QLineEdit(Frame2);
    txtPrefijo->setObjectName(QStringLiteral("txtPrefijo"));
    txtPrefijo->setToolTip(QStringLiteral("Prefijo de pais"));
    txtPrefijo->setAccessibleName(QStringLiteral("Prefijo de pais"));
    txtPrefijo->setPlaceholderText(QStringLiteral("34"));
    txtPrefijo->setMaximumWidth(56);
    txtEnvio = new QLineEdit(Frame2);
    txtEnvio->setObjectName(QStringLiteral("txtEnvio"));
    txtEnvio->setToolTip(QStringLiteral("Número de teléfono"));
    txtEnvio->setAccessibleName(QStringLiteral("Número de teléfono"));
    lstEnvio = crearLista(Frame2, "lstEnvio");
    lstEnvio->setToolTip(QStringLiteral("Lista de destinatarios del mensaje"));
    lstEnvio->setAccessibleName(QStringLiteral("Lista de destinatarios del mensaje"));

    btnAnadirAgenda =
        crearBoton(Frame2, "btnAñadirAgenda", QStringLiteral("<-"), QStringLiteral("Añadir un contacto"));
    btnAnadirTodaAgenda = crearBoton(Frame2, "btnAñadirTodaAgenda", QStringLiteral("<<-"),
                                     QStringLiteral("Añadir todos los contactos"));
    btnAnadirGrupo =
        crearBoton(Frame2, "btnAñadirGrupo", QStringLiteral("<-"), QStringLiteral("Añadir un grupo"));
    btnAnadirTodosGrupos = crearBoton(Frame2, "btnAñadirTodosGrupos", QStringLiteral("<<-"),
                                      QStringLiteral("Añadir todos los grupos"));
    btnAnadirEsporadico =
        crearBoton(Frame2, "btnAñadirEsporadico", QStringLiteral("<-"), QStringLiteral("Añadir número"));
    for (QPushButton *boton :
         {btnAnadirAgenda, btnAnadirTodaAgenda, btnAnadirGrupo, btnAnadirTodosGrupos, btnAnadirEsporadico}) {
        boton->setAccessibleName(boton->toolTip());
        boton->setFixedWidth(44);
    }

    mnuPopUpLista = new QMenu(this);
    mnuPopUpLista->setObjectName(QStringLiteral("mnuPopUpLista"));
    mnuPopUpBorrar = mnuPopUpLista->addAction(QStringLiteral("Borrar"));
    mnuPopUpBorrar->setObjectName(QStringLiteral("mnuPopUpBorrar"));
    mnuPopupBorrarTodos = mnuPopUpLista->addAction(QStringLiteral("Borrar todos"));
    mnuPopupBorrarTodos->setObjectName(QStringLiteral("mnuPopupBorrarTodos"));

    // The sources on the left, the add buttons in the middle, the recipients on the right.
    auto *numeros = new QHBoxLayout;
    numeros->addWidget(txtPrefijo);
    numeros->addWidget(txtEnvio, 1);

    auto *rejilla = new QGridLayout(Frame2);
    rejilla->setHorizontalSpacing(8);
    rejilla->addWidget(lblAgenda, 0, 0);
    rejilla->addWidget(lstContactos, 1, 0, 2, 1);
    rejilla->addWidget(btnAnadirAgenda, 1, 1, Qt::AlignBottom);
    rejilla->addWidget(btnAnadirTodaAgenda, 2, 1, Qt::AlignTop);
    rejilla->addWidget(lblGrupo, 3, 0);
    rejilla->addWidget(lstGrupo, 4, 0, 2, 1);
    rejilla->addWidget(btnAnadirGrupo, 4, 1, Qt::AlignBottom);
    rejilla->addWidget(btnAnadirTodosGrupos, 5, 1, Qt::AlignTop);
    rejilla->addWidget(lblEnvioEsporadico, 6, 0);
    rejilla->addLayout(numeros, 7, 0);
    rejilla->addWidget(btnAnadirEsporadico, 7, 1);
    rejilla->addWidget(lstEnvio, 0, 2, 8, 1);
    rejilla->setColumnStretch(0, 1);
    rejilla->setColumnStretch(2, 1);
    rejilla->setRowStretch(1, 1);
    rejilla->setRowStretch(2, 1);
    rejilla->setRowStretch(4, 1);
    rejilla->setRowStretch(5, 1);
    return Frame2;
}

QWidget *frmPrincipal::crearBotones() {
    auto *fila = new QWidget(this);
    auto *disposicion = new QHBoxLayout(fila);
    disposicion->setContentsMargins(0, 0, 0, 0);
    btnEnviar = crearBoton(fila, "btnEnviar", QStringLiteral("Enviar ahora"),
                           QStringLiteral("Enviar mensaje actual"));
    btnAlmacenar = crearBoton(fila, "btnAlmacenar", QStringLiteral("Almacenar"),
                              QStringLiteral("Grabar el mensaje actual en disco"));
    btnEnviarAtrasados = crearBoton(fila, "btnEnviarAtrasados", QStringLiteral("Almacenados"),
                                    QStringLiteral("Recuperar mensajes almacenados"));
    btnAgenda = crearBoton(fila, "btnAgenda", QStringLiteral("Agenda"), QStringLiteral("Editar la agenda"));
    btnOpciones = crearBoton(fila, "btnOpciones", QStringLiteral("Opciones"),
                             QStringLiteral("Modificar opciones del programa"));
    for (QPushButton *boton : {btnEnviar, btnAlmacenar, btnEnviarAtrasados, btnAgenda, btnOpciones}) {
        boton->setMinimumHeight(30);
        disposicion->addWidget(boton);
    }
    btnEnviar->setDefault(false);
    return fila;
}

void frmPrincipal::cargarConfiguracion() {
    if (!QFileInfo::exists(rutaConfiguracion()))
        escribirConfiguracionPorDefecto();
    leerConfiguracion();
    aplicarColores();
}

void frmPrincipal::cargarAgenda() {
    destinatarios->cargarAgenda();
}

void frmPrincipal::preseleccionarPasarela() {
    const int indice = cmbPasarela->findText(textoCampo(configuracion.servidorNacionales), Qt::MatchExactly);
    if (indice >= 0)
        cmbPasarela->setCurrentIndex(indice);
}

void frmPrincipal::aplicarColores() {
    const QColor textoPrincipal = colorDesdeRegistro(configuracion.colorTextoPrincipal);
    const QColor textoCampos = colorDesdeRegistro(configuracion.colorTextoCampos);
    const QColor fondoCampos = colorDesdeRegistro(configuracion.colorFondoCampos);
    const QColor fondoPantalla = colorDesdeRegistro(configuracion.colorFondoPantalla);

    for (QWidget *campo : std::initializer_list<QWidget *>{txtMensaje, lstEnvio, lstContactos, lstGrupo,
                                                           txtPrefijo, txtEnvio}) {
        ponerColores(campo, QPalette::Base, fondoCampos, QPalette::Text, textoCampos);
    }
    ponerColores(cmbPasarela, QPalette::Base, fondoCampos, QPalette::Text, textoCampos);
    ponerColores(cmbPasarela, QPalette::Button, fondoCampos, QPalette::ButtonText, textoCampos);

    for (QLabel *etiqueta : {lblCaracteres, lblPartes, lblAgenda, lblGrupo, lblPasarela, lblEnvioEsporadico})
        ponerColores(etiqueta, QPalette::Window, QColor(), QPalette::WindowText, textoPrincipal);

    // Not the QMainWindow itself: its palette would paint the menu bar and menus too.
    for (QWidget *fondo : std::initializer_list<QWidget *>{centralWidget(), Frame1, Frame2}) {
        ponerColores(fondo, QPalette::Window, fondoPantalla, QPalette::WindowText, QColor());
    }
    for (QPushButton *boton :
         {btnEnviar, btnAgenda, btnAlmacenar, btnEnviarAtrasados, btnOpciones, btnAnadirAgenda,
          btnAnadirEsporadico, btnAnadirGrupo, btnAnadirTodaAgenda, btnAnadirTodosGrupos})
        ponerColores(boton, QPalette::Button, fondoPantalla, QPalette::ButtonText, QColor());
}

void frmPrincipal::actualizarContadores() {
    const QString texto = textoMensaje();
    lblCaracteres->setText(QStringLiteral("Número de carácteres: %1").arg(contarCaracteres(texto)));
    lblPartes->setText(textoPartes(texto, cmbPasarela->currentText(), textoCampo(configuracion.firma)));
}

void frmPrincipal::nuevoMensaje() {
    txtMensaje->clear();
    lstEnvio->clear();
    txtMensaje->setFocus();
}

void frmPrincipal::minimizar() {
    focoAlOcultar = focusWidget();
    if (frmMinimizado::bandejaDisponible())
        hide();
    else
        showMinimized();
}

void frmPrincipal::devolverFoco() {
    QWidget *control = focoAlOcultar;
    if (!control || control == this || !control->isEnabled())
        control = txtMensaje;
    control->setFocus(Qt::ActiveWindowFocusReason);
}

void frmPrincipal::restaurar() {
    if (isVisible() && !isMinimized())
        return;
    showNormal();
    activateWindow();
    devolverFoco();
}

void frmPrincipal::terminarArranqueOculto(bool hayBandeja) {
    if (isVisible())
        return;
    if (hayBandeja)
        minimizar();
    else
        showNormal();
}

void frmPrincipal::closeEvent(QCloseEvent *evento) {
    // The close box and the window manager only hide the window: the program
    // lives on in the tray and ends through its Cerrar commands.
    if (cierrePermitido) {
        evento->accept();
        return;
    }
    evento->ignore();
    minimizar();
}

bool frmPrincipal::eventFilter(QObject *objeto, QEvent *evento) {
    if (evento->type() == QEvent::ShortcutOverride) {
        const auto *tecla = static_cast<QKeyEvent *>(evento);
        const QKeySequence pulsada(tecla->keyCombination());
        for (const QAction *accion : std::as_const(accionesConAtajo)) {
            if (accion->shortcut() == pulsada) {
                evento->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(objeto, evento);
}
