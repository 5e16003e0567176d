#include "app/arranque.h"

#include "app/argumentos.h"
#include "app/frm_minimizado.h"
#include "app/frm_principal.h"
#include "app/instancia_unica.h"
#include "app/terminacion.h"
#include "common/avisos.h"
#include "common/carpeta.h"

#include <QApplication>

Programa::Programa() = default;
Programa::~Programa() = default;

bool iniciarPrograma(Programa &programa, const QStringList &argumentos,
                     std::unique_ptr<InstanciaUnica> instancia) {
    if (!instancia->adquirir()) {
        Avisos::aviso(QStringLiteral("Ya hay una instancia de la aplicación ejecutandose"));
        return false;
    }
    if (!instancia->fallo().isEmpty())
        Avisos::aviso(instancia->fallo());
    programa.instancia = std::move(instancia);
    InstanciaUnica *bloqueo = programa.instancia.get();
    Terminacion::alTerminar([bloqueo] { bloqueo->liberar(); });

    programa.principal = std::make_unique<frmPrincipal>(); // titled and centred
    programa.bandeja = std::make_unique<frmMinimizado>();
    programa.bandeja->ponerIconoBandeja();
    programa.principal->cargarConfiguracion();
    programa.principal->cargarAgenda();
    programa.principal->preseleccionarPasarela();
    programa.principal->actualizarContadores();
    QObject::connect(programa.bandeja.get(), &frmMinimizado::restaurarPedido, programa.principal.get(),
                     &frmPrincipal::restaurar);
    QObject::connect(programa.bandeja.get(), &frmMinimizado::arranqueOculto, programa.principal.get(),
                     &frmPrincipal::terminarArranqueOculto);
    if (arrancarOculto(argumentos))
        programa.bandeja->ocultarEnBandeja();
    else
        programa.principal->show();
    // Said once here: every save after this would otherwise fail without a word.
    if (!carpetaEscribible())
        Avisos::aviso(QStringLiteral("No se puede escribir en la carpeta del programa (%1). No se guardarán "
                                     "la configuración, la agenda, los mensajes almacenados ni el log de "
                                     "mensajes enviados.")
                          .arg(rutaAplicacion()));
    return true;
}

void cerrarPrograma(QWidget *ventana) {
    // Modal dialogs first (the innermost last opened), then the other windows.
    const QWidgetList ventanas = QApplication::topLevelWidgets();
    for (QWidget *otra : ventanas) {
        if (otra == ventana || otra->windowTitle() == ventana->windowTitle() || !otra->isWindow())
            continue;
        if (auto *principal = qobject_cast<frmPrincipal *>(otra))
            principal->permitirCierre();
        otra->close();
    }
    if (frmMinimizado *bandeja = ventanaBandeja())
        bandeja->quitarIconoBandeja();
    if (auto *principal = qobject_cast<frmPrincipal *>(ventana))
        principal->permitirCierre();
    ventana->close();
    Terminacion::terminar(0);
}
