#include "about/frm_about.h"
#include "about/frm_ayuda.h"
#include "addressbook/frm_agenda.h"
#include "addressbook/frm_exportar.h"
#include "addressbook/frm_importar.h"
#include "app/arranque.h"
#include "app/frm_principal.h"
#include "common/avisos.h"
#include "common/campos.h"
#include "common/carpeta.h"
#include "common/dialogos.h"
#include "config/fichero_configuracion.h"
#include "config/frm_opciones.h"
#include "sending/frm_envio.h"
#include "stored/frm_envio_retardado.h"
#include "stored/frm_grabar_mensaje.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QPushButton>

void frmPrincipal::conectarComandos() {
    connect(btnEnviar, &QPushButton::clicked, this, &frmPrincipal::btnEnviar_Click);
    connect(btnAlmacenar, &QPushButton::clicked, this, &frmPrincipal::almacenar);
    connect(btnEnviarAtrasados, &QPushButton::clicked, this, &frmPrincipal::almacenados);
    connect(btnAgenda, &QPushButton::clicked, this, &frmPrincipal::editarAgenda);
    connect(btnOpciones, &QPushButton::clicked, this, &frmPrincipal::opcionesBoton);

    connect(mnuOpciones, &QAction::triggered, this, &frmPrincipal::opcionesMenu);
    connect(mnuArchivoMinimizar, &QAction::triggered, this, &frmPrincipal::minimizar);
    connect(mnuArchivoCerrar, &QAction::triggered, this, [this] { cerrarPrograma(this); });
    connect(mnuMensajesNuevo, &QAction::triggered, this, &frmPrincipal::nuevoMensaje);
    connect(mnuMensajesEnviarAhora, &QAction::triggered, this, &frmPrincipal::btnEnviar_Click);
    connect(mnuMensajesAlmacenar, &QAction::triggered, this, &frmPrincipal::almacenar);
    connect(mnuMensajesAlmacenados, &QAction::triggered, this, &frmPrincipal::almacenados);
    connect(mnuMensajesPrueba, &QAction::triggered, this, &frmPrincipal::mensajePrueba);
    connect(mnuAgendaEditar, &QAction::triggered, this, &frmPrincipal::editarAgenda);
    connect(mnuAgendaImportarZarcel, &QAction::triggered, this,
            [this] { importar(Importacion::Tipo::Agenda1); });
    connect(mnuAgendaImportarFicheroTexto, &QAction::triggered, this,
            [this] { importar(Importacion::Tipo::Texto); });
    connect(mnuAgendaImportarZarcel2, &QAction::triggered, this,
            [this] { importar(Importacion::Tipo::Agenda2); });
    connect(mnuAgendaImportarVCard, &QAction::triggered, this,
            [this] { importar(Importacion::Tipo::VCard); });
    connect(mnuAgendaImportarCsv, &QAction::triggered, this, [this] { importar(Importacion::Tipo::Csv); });
    connect(mnuAgendaExportarFicheroTexto, &QAction::triggered, this, [this] { exportar(1); });
    connect(mnuAgendaExportarVCard, &QAction::triggered, this, [this] { exportar(2); });
    connect(mnuAyudaContenido, &QAction::triggered, this, &frmPrincipal::ayuda);
    connect(mnuAyudaAbout, &QAction::triggered, this, &frmPrincipal::acercaDe);
}

void frmPrincipal::btnEnviar_Click() {
    // Only spaces count as empty: a message of line breaks still goes out.
    if (recortarEspacios(textoMensaje()).isEmpty()) {
        Avisos::aviso(QStringLiteral("El mensaje esta vacio"));
        return;
    }
    frmEnvio envio(*this, this);
    envio.modo = frmEnvio::Modo::Normal;
    envio.exec();
}

void frmPrincipal::mensajePrueba() {
    if (textoCampo(configuracion.numero).isEmpty()) {
        Avisos::aviso(QStringLiteral("No has especificado tu número de teléfono en la configuración"));
        return;
    }
    frmEnvio envio(*this, this);
    envio.modo = frmEnvio::Modo::Prueba;
    envio.exec();
}

void frmPrincipal::almacenar() {
    if (recortarEspacios(textoMensaje()).isEmpty()) {
        Avisos::aviso(QStringLiteral("Debe escribir algo en el mensaje para poder grabarlo"));
        return;
    }
    if (lstEnvio->count() == 0) {
        Avisos::aviso(QStringLiteral(
            "Debe tener algún destinatario en la lista de envio para poder grabar el mensaje"));
        return;
    }
    frmGrabarMensaje dialogo(*this, this);
    dialogo.exec();
}

void frmPrincipal::almacenados() {
    frmEnvioRetardado ventana(*this, this);
    ventana.exec();
}

void frmPrincipal::editarAgenda() {
    frmAgenda agenda(*this, this);
    agenda.exec();
}

void frmPrincipal::opcionesBoton() {
    opcionesMenu();
    cargarConfiguracion(); // a new signature shows at the next edit or gateway choice
}

// The settings in memory stay as they were: only the button's Opciones re-reads them.
void frmPrincipal::opcionesMenu() {
    frmOpciones opciones(this);
    opciones.exec();
}

void frmPrincipal::importar(Importacion::Tipo tipo) {
    // The open dialog's title and filter, by kind.
    static const char16_t *const peticiones[][2]{
        {u"Agenda a importar...", u"Agenda version 1.x|zarcel.lst"},
        {u"Fichero a importar...", u"Fichero de texto|*.*"},
        {u"Agenda a importar...", u"Agenda version 2.x|contactos.lst"},
        {u"Fichero a importar...", u"Fichero vCard|*.vcf|Todos los ficheros|*.*"},
        {u"Fichero a importar...", u"Fichero CSV|*.csv|Todos los ficheros|*.*"}};
    const bool agenda2 = tipo == Importacion::Tipo::Agenda2;
    const auto &[titulo, filtro] = peticiones[int(tipo) - 1];
    QString fichero = Dialogos::abrirFichero(this, QString::fromUtf16(filtro), QString::fromUtf16(titulo),
                                             rutaAplicacion());
    if (recortarEspacios(fichero).isEmpty())
        return;
    // Version 2.x is a pair of files: the import wants the folder holding them.
    if (agenda2)
        fichero = fichero.left(qMax<qsizetype>(0, fichero.lastIndexOf(QDir::separator())));
    frmImportar ventana(this);
    ventana.tipoImportacion = tipo;
    ventana.ficheroImportar = fichero;
    ventana.exec();
    cargarAgenda();
    activateWindow();
}

void frmPrincipal::exportar(int tipo) {
    frmExportar ventana(this);
    ventana.tipoExportacion = qint16(tipo);
    ventana.exec();
    activateWindow();
}

void frmPrincipal::ayuda() {
    frmAyuda ventana(this);
    ventana.exec();
}

void frmPrincipal::acercaDe() {
    frmAbout ventana(this);
    ventana.exec();
}
