#include "app/frm_minimizado.h"

#include "app/arranque.h"
#include "app/clics_bandeja.h"
#include "app/icono.h"
#include "common/tiempos.h"
#include "common/titulo.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {
frmMinimizado *bandejaActual = nullptr;
std::optional<bool> &bandejaForzada() {
    static std::optional<bool> valor;
    return valor;
}
} // namespace

frmMinimizado *ventanaBandeja() {
    return bandejaActual;
}

frmMinimizado::frmMinimizado(QWidget *padre) : QWidget(padre) {
    bandejaActual = this;
    setObjectName(QStringLiteral("frmMinimizado"));
    setWindowTitle(QStringLiteral("Form1"));

    icono = new QSystemTrayIcon(iconoPrograma(), this);
    icono->setObjectName(QStringLiteral("icono"));
    icono->setToolTip(tituloPrograma());

    mnuPrincipal = new QMenu(QStringLiteral("Principal"), this);
    mnuPrincipal->setObjectName(QStringLiteral("mnuPrincipal"));
    mnuPrincipalAbrir = mnuPrincipal->addAction(QStringLiteral("Abrir"));
    mnuPrincipalAbrir->setObjectName(QStringLiteral("mnuPrincipalAbrir"));
    mnuPrincipal->addSeparator()->setObjectName(QStringLiteral("mnuPrincipalSeparador"));
    mnuPrincipalCerrar = mnuPrincipal->addAction(QStringLiteral("Cerrar"));
    mnuPrincipalCerrar->setObjectName(QStringLiteral("mnuPrincipalCerrar"));

    // The desktop announces no new tray to the program: a slow look is cheap and enough.
    esperaBandeja = new QTimer(this);
    esperaBandeja->setInterval(500);
    connect(esperaBandeja, &QTimer::timeout, this, &frmMinimizado::comprobarBandeja);

    clicsBloqueados = std::make_unique<ClicsBandeja>(icono);
    QCoreApplication::instance()->installNativeEventFilter(clicsBloqueados.get());

    connect(mnuPrincipalAbrir, &QAction::triggered, this, &frmMinimizado::restaurarPedido);
    connect(mnuPrincipalCerrar, &QAction::triggered, this, [this] { cerrarPrograma(this); });
    connect(icono, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason motivo) {
        switch (motivo) {
        case QSystemTrayIcon::Trigger:
            eventoBandeja(botonIzquierdo);
            break;
        case QSystemTrayIcon::Context:
            eventoBandeja(botonDerecho);
            break;
        default:
            eventoBandeja(0); // double and middle clicks: nothing
        }
    });
}

frmMinimizado::~frmMinimizado() {
    QCoreApplication::instance()->removeNativeEventFilter(clicsBloqueados.get());
    if (bandejaActual == this)
        bandejaActual = nullptr;
}

void frmMinimizado::ponerIconoBandeja() {
    icono->hide();
    icono->show();
}

void frmMinimizado::quitarIconoBandeja() {
    icono->hide();
}

void frmMinimizado::eventoBandeja(int numero) {
    if (numero == botonDerecho)
        mnuPrincipal->popup(QCursor::pos());
    else if (numero == botonIzquierdo)
        emit restaurarPedido();
}

void frmMinimizado::ocultarEnBandeja() {
    if (bandejaDisponible()) {
        emit arranqueOculto(true);
        return;
    }
    finEspera.setRemainingTime(tiempos().bandejaMs);
    esperaBandeja->start(qMin(500, tiempos().bandejaMs));
}

void frmMinimizado::comprobarBandeja() {
    const bool hayBandeja = bandejaDisponible();
    if (!hayBandeja && !finEspera.hasExpired())
        return;
    esperaBandeja->stop();
    if (hayBandeja)
        ponerIconoBandeja(); // docks in the tray that has just appeared
    emit arranqueOculto(hayBandeja);
}

bool frmMinimizado::bandejaDisponible() {
    if (bandejaForzada().has_value())
        return *bandejaForzada();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void frmMinimizado::forzarBandeja(std::optional<bool> disponible) {
    bandejaForzada() = disponible;
}
