#include "sending/frm_envio.h"

#include "addressbook/clave_contacto.h"
#include "addressbook/tabla_contactos.h"
#include "common/avisos.h"
#include "common/caja_log.h"
#include "common/campos.h"
#include "common/mensaje_en_curso.h"
#include "common/navegador.h"
#include "common/numero.h"
#include "common/reloj.h"
#include "common/ventanas.h"
#include "config/fichero_configuracion.h"
#include "gateways/despacho.h"
#include "gateways/intercambio.h"
#include "sending/expansion_envio.h"
#include "sending/pagina_respuesta.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr int twipsCompacta = 3255;
constexpr int twipsConDepuracion = 7740;
} // namespace

frmEnvio::frmEnvio(MensajeEnCurso &mensaje, QWidget *padre) : QDialog(padre), mensaje(mensaje) {
    setObjectName(QStringLiteral("frmEnvio"));
    setWindowTitle(QStringLiteral("Envio de mensajes"));
    setModal(true);

    btnMostrarNav = new QPushButton(QStringLiteral("Mostrar en navegador"), this);
    btnMostrarNav->setObjectName(QStringLiteral("btnMostrarNav"));
    txtDebug = new QPlainTextEdit(this);
    txtDebug->setObjectName(QStringLiteral("txtDebug"));
    txtDebug->setReadOnly(true);
    txtDebug->setAccessibleName(QStringLiteral("Respuesta del servidor"));
    txtDebug->hide();
    btnDebug = new QPushButton(QStringLiteral("&Debug"), this);
    btnDebug->setObjectName(QStringLiteral("btnDebug"));
    txtEnvio = new CajaLog(this);
    txtEnvio->setObjectName(QStringLiteral("txtEnvio"));
    txtEnvio->setAccessibleName(QStringLiteral("Registro del envio"));
    btnCerrar = new QPushButton(QStringLiteral("&Cancelar"), this);
    btnCerrar->setObjectName(QStringLiteral("btnCerrar"));
    btnCerrar->setAutoDefault(false);

    auto *botones = new QHBoxLayout;
    botones->addWidget(btnMostrarNav);
    botones->addWidget(btnDebug);
    botones->addStretch(1);
    botones->addWidget(btnCerrar);
    auto *columna = new QVBoxLayout(this);
    columna->addWidget(txtEnvio, 1);
    columna->addWidget(txtDebug, 2);
    columna->addLayout(botones);

    connect(btnCerrar, &QPushButton::clicked, this, &frmEnvio::pulsarCerrar);
    connect(btnDebug, &QPushButton::clicked, this, &frmEnvio::alternarDepuracion);
    connect(btnMostrarNav, &QPushButton::clicked, this, &frmEnvio::mostrarEnNavegador);
    // Esc is the close button, wherever the focus is: first it cancels, then it closes.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, btnCerrar, &QPushButton::click);

    resize(520, alturaEnTwips(twipsCompacta));
    centrarEnPantalla(this);
    leerConfiguracion();
}

int frmEnvio::alturaEnTwips(int twips) const {
    return twips * logicalDpiY() / 1440;
}

void frmEnvio::showEvent(QShowEvent *evento) {
    QDialog::showEvent(evento);
    // Once per opening: a message box closing over the window shows it again.
    if (iniciado)
        return;
    iniciado = true;
    QTimer::singleShot(0, this, &frmEnvio::enviar);
}

void frmEnvio::enviar() {
    cancelacion = false;
    btnMostrarNav->setEnabled(false);
    txtDebug->clear();
    respuestaServidor.clear();

    if (modo == Modo::Prueba) {
        const QDateTime ahora = Reloj::ahora();
        enviarA(QStringLiteral("34"), textoCampo(configuracion.numero),
                QStringLiteral("Mensaje de prueba de Zarcel. Enviado el ") + Reloj::fechaCorta(ahora) +
                    QStringLiteral(" a las ") + Reloj::horaCorta(ahora),
                false);
    } else if (!enviarADestinatarios()) {
        return;
    }
    terminar();
}

bool frmEnvio::enviarADestinatarios() {
    const MensajeEnCurso::Seleccion elegido = mensaje.seleccion();
    // The window is modal: nothing changes the list while it is read.
    const QStringList entradas = mensaje.entradas();
    Envio::Seleccion seleccion;
    seleccion.entradasLista = int(entradas.size());
    seleccion.contactoSeleccionado = elegido.contacto.has_value();
    seleccion.grupoSeleccionado = elegido.grupo.has_value();
    seleccion.numeroEscrito = recortarEspacios(elegido.numero);

    auto enviarATodos = [this](const QList<Envio::Destino> &destinos) {
        for (const Envio::Destino &destino : destinos)
            enviarA(destino.prefijo, destino.numero, mensaje.textoMensaje(), destino.ordenInverso);
    };

    switch (Envio::decidirCaso(seleccion)) {
    case Envio::Caso::NumeroEscrito: {
        if (!esNumeroValido(seleccion.numeroEscrito)) {
            // Nothing is sent; the window stays as it is until the user cancels and closes it.
            Avisos::aviso(QStringLiteral("El número de teléfono contiene caracteres incorrectos"));
            return false;
        }
        enviarA(prefijoPorDefecto(elegido.prefijo), seleccion.numeroEscrito, mensaje.textoMensaje(), false);
        break;
    }
    case Envio::Caso::ContactoSeleccionado:
        enviarATodos(Envio::contactosLlamados(*elegido.contacto, tablaContactos));
        break;
    case Envio::Caso::GrupoSeleccionado:
        enviarATodos(Envio::contactosDelGrupo(*elegido.grupo, tablaContactos));
        break;
    case Envio::Caso::NadieAQuien:
        Avisos::aviso(QStringLiteral(
            "Debe añadir a alguien en la lista de destinatarios para poder enviar el mensaje"));
        accept();
        return false;
    case Envio::Caso::Lista:
        // A cancel stops before the next entry.
        for (const QString &entrada : entradas) {
            if (cancelacion)
                break;
            enviarATodos(Envio::expandirEntrada(entrada, tablaContactos));
        }
        break;
    }
    return true;
}

void frmEnvio::enviarA(const QString &prefijo, const QString &numero, const QString &texto,
                       bool ordenInverso) {
    Pasarelas::Intercambio intercambio(mensaje.conexion(), *this);
    intercambioActual = &intercambio;
    Pasarelas::enviarMensaje(intercambio, mensaje.pasarela(), prefijo, numero, texto, ordenInverso);
    intercambioActual = nullptr;
}

void frmEnvio::terminar() {
    dejarCerrar();
    btnMostrarNav->setEnabled(true);
}

void frmEnvio::pulsarCerrar() {
    if (cancelable)
        cancelar();
    else
        accept();
}

void frmEnvio::cancelar() {
    Pasarelas::despacho.enviado = true;
    cancelacion = true;
    // Closing the connection ends any wait at once, the pause between attempts included.
    if (intercambioActual)
        intercambioActual->cancelar();
    else
        mensaje.conexion().close();
    dejarCerrar();
}

void frmEnvio::dejarCerrar() {
    cancelable = false;
    btnCerrar->setText(QStringLiteral("&Cerrar"));
}

void frmEnvio::closeEvent(QCloseEvent *evento) {
    if (cancelable)
        cancelar();
    QDialog::closeEvent(evento);
}

void frmEnvio::logea(const QString &linea) {
    txtEnvio->anotar(linea);
}

QString frmEnvio::textoLog() const {
    return txtEnvio->texto();
}

void frmEnvio::mostrarRespuesta(const QString &respuesta) {
    respuestaServidor = respuesta;
    txtDebug->setPlainText(respuestaEnLineas(respuesta));
}

void frmEnvio::alternarDepuracion() {
    if (height() != alturaEnTwips(twipsCompacta)) {
        txtDebug->hide();
        resize(width(), alturaEnTwips(twipsCompacta));
    } else {
        txtDebug->show();
        resize(width(), alturaEnTwips(twipsConDepuracion));
    }
}

void frmEnvio::mostrarEnNavegador() {
    if (recortarEspacios(respuestaServidor).isEmpty()) {
        Avisos::aviso(QStringLiteral("No se ha recibido ningun resultado del servidor"));
        return;
    }
    const QString ruta = rutaPaginaRespuesta();
    if (!grabarPaginaRespuesta(ruta, respuestaServidor)) {
        Avisos::aviso(QStringLiteral("No se ha podido escribir el fichero ") + ruta);
        return;
    }
    Navegador::abrirDireccion(QUrl::fromLocalFile(ruta).toString(), [ruta] {
        Avisos::aviso(
            QStringLiteral("No se ha podido abrir el navegador. La respuesta del servidor está en el "
                           "fichero ") +
            ruta);
    });
}
