#include "config/configuracion.h"

#include "common/campos.h"

namespace {

struct CampoTexto {
    QByteArray Configuracion::*miembro;
    int posicion;
    int ancho;
};
struct CampoFlag {
    qint16 Configuracion::*miembro;
    int posicion;
};
struct CampoColor {
    quint32 Configuracion::*miembro;
    int posicion;
};

const CampoTexto tablaTextos[] = {
    {&Configuracion::servidorNacionales, 0, 20},
    {&Configuracion::servidorAirtel, 20, 20},
    {&Configuracion::servidorAmena, 40, 20},
    {&Configuracion::servidorInternacional, 60, 20},
    {&Configuracion::proxy, 82, 50},
    {&Configuracion::puerto, 132, 5},
    {&Configuracion::usuario, 137, 25},
    {&Configuracion::password, 162, 25},
    {&Configuracion::email, 189, 60},
    {&Configuracion::numero, 249, 25},
    {&Configuracion::firma, 274, 25},
    {&Configuracion::reservado1, 299, 25},
    {&Configuracion::reservado2, 324, 25},
    {&Configuracion::skin, 351, 100},
    {&Configuracion::reservado3, 467, 50},
    {&Configuracion::reservado4, 517, 50},
};
const CampoFlag camposFlag[] = {
    {&Configuracion::usarProxy, 80},
    {&Configuracion::arrancar, 187},
    {&Configuracion::usarLog, 349},
};
const CampoColor camposColor[] = {
    {&Configuracion::colorTextoPrincipal, 451},
    {&Configuracion::colorTextoCampos, 455},
    {&Configuracion::colorFondoCampos, 459},
    {&Configuracion::colorFondoPantalla, 463},
};

} // namespace

Configuracion::Configuracion() {
    for (const CampoTexto &campo : tablaTextos)
        (this->*campo.miembro) = QByteArray(campo.ancho, '\0');
}

Configuracion Configuracion::porDefecto() {
    Configuracion registro;
    asignarCampo(registro.servidorNacionales, QStringLiteral("Movistar"));
    asignarCampo(registro.servidorAirtel, QStringLiteral("Navegalia"));
    asignarCampo(registro.servidorAmena, QStringLiteral("Amena"));
    asignarCampo(registro.servidorInternacional, QStringLiteral("SMSYes"));
    registro.usarProxy = aFlag(false);
    for (QByteArray *campo :
         {&registro.proxy, &registro.puerto, &registro.usuario, &registro.password, &registro.numero,
          &registro.firma, &registro.reservado1, &registro.reservado2, &registro.skin})
        asignarCampo(*campo, QString());
    registro.arrancar = aFlag(true);
    asignarCampo(registro.email, QStringLiteral("usuario@example.com"));
    registro.usarLog = aFlag(false);
    registro.colorTextoPrincipal = 0;
    registro.colorTextoCampos = 0;
    registro.colorFondoCampos = 0x00FFFFFF;
    registro.colorFondoPantalla = 0x00C0C0C0;
    return registro;
}

QByteArray Configuracion::escribir() const {
    QByteArray datos(tamano, '\0');
    for (const CampoTexto &campo : tablaTextos)
        datos.replace(campo.posicion, campo.ancho, campoFijo(this->*campo.miembro, campo.ancho));
    for (const CampoFlag &campo : camposFlag)
        escribirInt16(datos, campo.posicion, this->*campo.miembro);
    for (const CampoColor &campo : camposColor)
        escribirUInt32(datos, campo.posicion, this->*campo.miembro);
    return datos;
}

Configuracion Configuracion::leer(const QByteArray &datos, const Configuracion &base) {
    Configuracion registro = base;
    const qsizetype disponible = datos.size();
    for (const CampoTexto &campo : tablaTextos) {
        if (campo.posicion + campo.ancho <= disponible)
            registro.*campo.miembro = datos.mid(campo.posicion, campo.ancho);
    }
    for (const CampoFlag &campo : camposFlag) {
        if (campo.posicion + 2 <= disponible)
            registro.*campo.miembro = leerInt16(datos, campo.posicion);
    }
    for (const CampoColor &campo : camposColor) {
        if (campo.posicion + 4 <= disponible)
            registro.*campo.miembro = leerUInt32(datos, campo.posicion);
    }
    return registro;
}

QList<QByteArray *> Configuracion::camposTexto() {
    QList<QByteArray *> campos;
    for (const CampoTexto &campo : tablaTextos)
        campos.append(&(this->*campo.miembro));
    return campos;
}

void asignarCampo(QByteArray &campo, const QString &valor) {
    campo = campoFijo(valor, int(campo.size()));
}
