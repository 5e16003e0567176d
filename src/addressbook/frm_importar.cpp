#include "addressbook/frm_importar.h"

#include "addressbook/arbol_agenda.h"
#include "addressbook/fichero_agenda.h"
#include "addressbook/importacion.h"
#include "common/avisos.h"
#include "common/caja_log.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

namespace {
// Work done per turn of the event loop before input and painting get theirs.
constexpr qint64 milisegundosPorTanda = 20;
constexpr qsizetype entradasPorPaso = 64;
} // namespace

frmImportar::frmImportar(QWidget *padre)
    : VentanaRegistroAgenda(QStringLiteral("Importar agenda..."), padre), temporizador(new QTimer(this)) {
    temporizador->setInterval(0);
    connect(temporizador, &QTimer::timeout, this, &frmImportar::procesarTanda);
}

frmImportar::~frmImportar() = default;

void frmImportar::anotar(const QString &linea) {
    txtLog->anotar(linea);
}

bool frmImportar::importando() const {
    return importador != nullptr;
}

void frmImportar::empezar() {
    btnCerrar->setEnabled(false);
    arbol->vaciar();
    const QStringList ilegibles = cargarArbolAgenda(*arbol);
    agendaLeida = ilegibles.isEmpty();
    if (!agendaLeida) {
        anotar(avisoAgendaIlegible(ilegibles) + QStringLiteral(" No se importa nada."));
        btnCerrar->setEnabled(true);
        emit importacionTerminada();
        return;
    }
    Importacion::Fuente fuente = Importacion::leerFuente(tipoImportacion, ficheroImportar);
    if (!fuente.error.isEmpty())
        anotar(fuente.error);
    importador =
        std::make_unique<Importacion::Importador>(*arbol, tipoImportacion, std::move(fuente.entradas));
    temporizador->start();
}

void frmImportar::procesarTanda() {
    QElapsedTimer reloj;
    reloj.start();
    while (!importador->terminado() && reloj.elapsed() < milisegundosPorTanda) {
        for (const QString &linea : importador->procesar(entradasPorPaso))
            anotar(linea);
    }
    if (importador->terminado())
        terminarImportacion();
}

void frmImportar::terminarImportacion() {
    temporizador->stop();
    importador.reset();
    btnCerrar->setEnabled(true);
    emit importacionTerminada();
}

void frmImportar::done(int resultado) {
    // Closing in the middle keeps what was imported so far; the rest is not added.
    if (importando())
        terminarImportacion();
    if (agendaLeida && arbol->numeroNodos() > 0 && !grabarArbolAgenda(*arbol))
        Avisos::aviso(QStringLiteral("No se ha podido grabar la agenda"));
    arbol->vaciar(); // a next opening starts from the files, not from this copy
    VentanaRegistroAgenda::done(resultado);
}
