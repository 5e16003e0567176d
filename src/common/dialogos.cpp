#include "common/dialogos.h"

#include "common/avisos.h"
#include "common/colores.h"
#include "common/filtro_dialogos.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QQueue>

namespace Dialogos {

namespace {

struct Respuestas {
    bool pruebas = false;
    QQueue<QString> ficheros;
    QQueue<std::optional<quint32>> colores;
    Peticion ultima;
};

Respuestas &respuestas() {
    static Respuestas estado;
    return estado;
}

void anotar(Peticion::Tipo tipo, QWidget *propietario, const QString &filtro, const QString &titulo,
            const QString &carpeta) {
    respuestas().ultima = Peticion{tipo, propietario, filtro, titulo, carpeta};
}

template <typename T> std::optional<T> respuestaPreparada(QQueue<T> &cola, const char *dialogo) {
    if (!cola.isEmpty())
        return cola.dequeue();
    if (respuestas().pruebas) {
        qWarning("Dialogos: %s sin respuesta preparada; se cancela", dialogo);
        return T{};
    }
    return std::nullopt;
}

QString elegirFichero(QFileDialog::AcceptMode modo, QWidget *propietario, const QString &filtro,
                      const QString &titulo, const QString &carpetaInicial) {
    anotar(modo == QFileDialog::AcceptOpen ? Peticion::Abrir : Peticion::Guardar, propietario, filtro, titulo,
           carpetaInicial);
    if (const auto preparada = respuestaPreparada(respuestas().ficheros, "dialogo de fichero"))
        return *preparada;

    QFileDialog dialogo(propietario, titulo, carpetaInicial, filtroPlataforma(filtro));
    dialogo.setAcceptMode(modo);
    // Opening needs an existing file; saving asks before overwriting (Qt's default)
    // and, below, before creating a new file: a No returns to the dialog.
    dialogo.setFileMode(modo == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    for (;;) {
        if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
            return QString();
        const QString ruta = QDir::toNativeSeparators(dialogo.selectedFiles().constFirst());
        if (modo == QFileDialog::AcceptOpen || QFileInfo::exists(ruta) ||
            Avisos::pregunta(ruta + QStringLiteral("\nEl fichero no existe.\n¿Desea crearlo?")))
            return ruta;
    }
}

void vaciarColoresPersonalizados() {
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, QColor(Qt::black));
}

} // namespace

QString abrirFichero(QWidget *propietario, const QString &filtro, const QString &titulo,
                     const QString &carpetaInicial) {
    return elegirFichero(QFileDialog::AcceptOpen, propietario, filtro, titulo, carpetaInicial);
}

QString guardarFichero(QWidget *propietario, const QString &filtro, const QString &titulo,
                       const QString &carpetaInicial) {
    return elegirFichero(QFileDialog::AcceptSave, propietario, filtro, titulo, carpetaInicial);
}

quint32 elegirColor(QWidget *propietario, quint32 colorActual) {
    anotar(Peticion::Color, propietario, QString(), QString(), QString());
    if (const auto preparada = respuestaPreparada(respuestas().colores, "dialogo de color"))
        return preparada->value_or(colorActual);

    // Custom colours are shared by every QColorDialog of the process: cleared before
    // and after so that none is kept between calls.
    vaciarColoresPersonalizados();
    QColorDialog dialogo(QColor(Qt::black), propietario);
    const bool aceptado = dialogo.exec() == QDialog::Accepted;
    vaciarColoresPersonalizados();
    return aceptado ? colorARegistro(dialogo.selectedColor()) : colorActual;
}

void siguienteFichero(const QString &ruta) {
    respuestas().ficheros.enqueue(ruta);
}

void siguienteColor(std::optional<quint32> color) {
    respuestas().colores.enqueue(color);
}

Peticion ultimaPeticion() {
    return respuestas().ultima;
}

void modoPrueba(bool activo) {
    respuestas() = Respuestas{};
    respuestas().pruebas = activo;
}

} // namespace Dialogos
