#include "ficheros_protegidos.h"

#include "common/campos.h"
#include "config/fichero_configuracion.h"
#include "config/frm_opciones.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
bool leeProxy(const QString &proxy) {
    configuracion = Configuracion();
    leerConfiguracion();
    return configuracion.usarProxy != 0 && textoCampo(configuracion.proxy) == proxy &&
           textoCampo(configuracion.puerto) == QLatin1String("3128");
}

// The user sets another proxy in Opciones and presses OK.
bool cambiarProxy() {
    frmOpciones ventana;
    ventana.show();
    // The settings are loaded when the window is activated.
    if (!QTest::qWaitForWindowActive(&ventana))
        return false;
    ventana.seleccionarPagina(3);
    ventana.txtProxy->setText(QStringLiteral("nueva.example"));
    QTest::mouseClick(ventana.btnOK, Qt::LeftButton);
    return !ventana.isVisible();
}
} // namespace

FicheroProtegido ficheroConfiguracion() {
    FicheroProtegido fichero;
    fichero.nombre = QStringLiteral("zarcel.cfg");
    fichero.patrones = {QStringLiteral("zarcel.cfg")};
    fichero.tamano = Configuracion::tamano;
    fichero.grabarAnterior = [] {
        Configuracion registro = Configuracion::porDefecto();
        registro.usarProxy = aFlag(true);
        asignarCampo(registro.proxy, QStringLiteral("anterior.example"));
        asignarCampo(registro.puerto, QStringLiteral("3128"));
        grabarConfiguracion(registro);
    };
    fichero.grabarNueva = cambiarProxy;
    fichero.leeAnterior = [] { return leeProxy(QStringLiteral("anterior.example")); };
    fichero.leeNueva = [] { return leeProxy(QStringLiteral("nueva.example")); };
    return fichero;
}
