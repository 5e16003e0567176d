#pragma once

#include "common/mensaje_en_curso.h"

#include <QMainWindow>
#include <QPointer>

class CajaMensaje;
class ListaDestinatarios;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QMenu;
class QPushButton;
class QTcpSocket;
namespace Importacion {
enum class Tipo : qint16;
}

// The main window: the message being prepared, its recipients and every command.
// The windows it opens see its message through MensajeEnCurso.
class frmPrincipal : public QMainWindow, public MensajeEnCurso {
    Q_OBJECT
public:
    explicit frmPrincipal(QWidget *padre = nullptr);
    ~frmPrincipal() override;

    QString textoMensaje() const override;
    void ponerTextoMensaje(const QString &textoCRLF) override;
    QString pasarela() const override;
    QStringList entradas() const override;
    void anadirEntradas(const QStringList &lineas) override;
    Seleccion seleccion() const override;
    void vaciar() override;
    void enviar() override;
    void agendaGrabada() override;
    QTcpSocket &conexion() override;

    // Reads "zarcel.cfg" (writing the defaults first when missing) and applies the colours.
    void cargarConfiguracion();
    // Selects the gateway named in the settings, when the box offers it.
    void preseleccionarPasarela();
    void actualizarContadores();
    // Fills lstContactos, lstGrupo and tablaContactos from the address book files.
    void cargarAgenda();

    void nuevoMensaje();
    void minimizar();
    // Gives the keyboard focus back to the control that had it when the window
    // was hidden, or to txtMensaje.
    void devolverFoco();
    // Brings the window back from the tray or the taskbar, focus where it was.
    void restaurar();
    // The end of a "--hide" start; without a tray the window shows, since an icon in a
    // taskbar that may not exist is no window at all.
    void terminarArranqueOculto(bool hayBandeja);
    // Commands of the buttons and menus. Each one that opens a window does so modally.
    void btnEnviar_Click(); // Send: the message to the recipients
    void mensajePrueba();   // Test message to the own number
    void almacenar();       // Store the message for later
    void almacenados();     // The stored messages
    void editarAgenda();    // The address book editor
    void opcionesBoton();   // Options, then the settings and colours are reloaded
    void opcionesMenu();    // Options, nothing reloaded
    void importar(Importacion::Tipo tipo);
    void exportar(int tipo); // 1 text, 2 vCard
    void ayuda();
    void acercaDe();

    // Lets the next close request through (shutdown); a user's close only hides.
    void permitirCierre() { cierrePermitido = true; }

    // Message frame
    QGroupBox *Frame1;
    CajaMensaje *txtMensaje;
    QLabel *lblCaracteres;
    QLabel *lblPartes;
    QLabel *lblPasarela;
    QComboBox *cmbPasarela;

    // Recipients frame
    QGroupBox *Frame2;
    QLabel *lblAgenda;
    QListView *lstContactos; // rows from the address book: see ListaDestinatarios
    QLabel *lblGrupo;
    QListView *lstGrupo;
    QLabel *lblEnvioEsporadico;
    QLineEdit *txtPrefijo;
    QLineEdit *txtEnvio;
    QListWidget *lstEnvio;
    QPushButton *btnAnadirAgenda;
    QPushButton *btnAnadirTodaAgenda;
    QPushButton *btnAnadirGrupo;
    QPushButton *btnAnadirTodosGrupos;
    QPushButton *btnAnadirEsporadico;
    QMenu *mnuPopUpLista;
    QAction *mnuPopUpBorrar;
    QAction *mnuPopupBorrarTodos;
    ListaDestinatarios *destinatarios;

    // Command buttons
    QPushButton *btnEnviar;
    QPushButton *btnAlmacenar;
    QPushButton *btnEnviarAtrasados;
    QPushButton *btnAgenda;
    QPushButton *btnOpciones;

    // Menus
    QMenu *mnuArchivo;
    QAction *mnuOpciones;
    QAction *mnuArchivoMinimizar;
    QAction *mnuArchivoCerrar;
    QMenu *mnuMensajes;
    QAction *mnuMensajesNuevo;
    QAction *mnuMensajesEnviarAhora;
    QAction *mnuMensajesAlmacenar;
    QAction *mnuMensajesAlmacenados;
    QAction *mnuMensajesPrueba;
    QMenu *mnuAgenda;
    QAction *mnuAgendaEditar;
    QMenu *mnuAgendaImportar;
    QAction *mnuAgendaImportarZarcel;
    QAction *mnuAgendaImportarZarcel2;
    QAction *mnuAgendaImportarFicheroTexto;
    QAction *mnuAgendaImportarVCard;
    QAction *mnuAgendaImportarCsv;
    QMenu *mnuAgendaExportar;
    QAction *mnuAgendaExportarFicheroTexto;
    QAction *mnuAgendaExportarVCard;
    QMenu *mnuAyuda;
    QAction *mnuAyudaContenido;
    QAction *mnuAyudaAbout;

protected:
    void closeEvent(QCloseEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void crearMenus();
    void conectarComandos();
    QWidget *crearMarcoMensaje();
    QWidget *crearMarcoDestinatarios();
    QWidget *crearBotones();
    void aplicarColores();

    QList<QAction *> accionesConAtajo;
    QPointer<QWidget> focoAlOcultar;
    bool cierrePermitido = false;
    QTcpSocket *socket;
};
