#pragma once

#include "addressbook/agenda_prueba.h"
#include "app/frm_principal.h"
#include "config/fichero_configuracion.h"

#include <QTest>
#include <QtWidgets>

#include <functional>

using namespace Qt::StringLiterals;

// Everything a test needs to run the program's code in isolation: a fresh
// application folder, autostart kept away from the user's files, short waits,
// a recorder answering the message boxes, dialogs that never block, no browser,
// and a fixed clock.
class EntornoPrueba {
public:
    EntornoPrueba();
    ~EntornoPrueba();
    EntornoPrueba(const EntornoPrueba &) = delete;
    EntornoPrueba &operator=(const EntornoPrueba &) = delete;

    QString carpeta() const { return temporal.path(); }
    QString ruta(const QString &nombre) const { return temporal.filePath(nombre); }
    QString carpetaArranque() const { return temporal.filePath(u"autostart"_s); }

    // Texts of the message boxes shown so far, in order.
    QStringList avisos;
    // Answers for the next questions (Yes = true); an empty queue answers No.
    QQueue<bool> respuestas;
    // Addresses the program asked the desktop to open; no browser is launched.
    QStringList direccionesAbiertas;
    // File and colour dialogs take queued answers (Dialogos::siguienteFichero,
    // Dialogos::siguienteColor); one with none queued is answered "cancel".

    // The fixed time the program's clock reports.
    static QDateTime momentoFijo();

    void escribirFichero(const QString &nombre, const QByteArray &datos) const;
    QByteArray leerFichero(const QString &nombre) const;
    // Names of the folder's files that match `patron`, sorted by name.
    QStringList ficheros(const QString &patron) const;

private:
    QTemporaryDir temporal;
};

// The texts of a list's rows, in order.
QStringList textosDe(const QAbstractItemView *lista);

// The control of `ventana` named `nombre`; a missing one ends the test run.
template <typename T> T *buscarControl(QWidget *ventana, const QString &nombre) {
    T *encontrado = ventana->findChild<T *>(nombre);
    if (!encontrado)
        qFatal("falta el control %s", qPrintable(nombre));
    return encontrado;
}

// Runs `accion` on the next modal window once it is shown and active, then closes
// that window if `accion` left it open: a test never blocks on an exec().
// Call it just before the code that opens the window.
void alAbrirseModal(std::function<void(QWidget *ventana)> accion);

// Simulates a full disk: while it lives, no file of this process can grow past
// `bytes` (writes beyond fail with EFBIG). Works for root, unlike read-only folders.
class DiscoLleno {
public:
    explicit DiscoLleno(qint64 bytes);
    ~DiscoLleno();
    DiscoLleno(const DiscoLleno &) = delete;
    DiscoLleno &operator=(const DiscoLleno &) = delete;

private:
    qint64 limiteAnterior;
    qint64 limiteMaximo;
};

// Gives up within three seconds, saying what did not happen.
#define ESPERAR(condicion, que) QTRY_VERIFY2_WITH_TIMEOUT(condicion, que, 3000)

inline QAbstractItemView *vista(QWidget *ventana, const char *nombre) {
    return buscarControl<QAbstractItemView>(ventana, QString::fromLatin1(nombre));
}

// As the platform delivers it: the first click selects, then the double click.
inline void dobleClic(QAbstractItemView *lista, int fila) {
    const QPoint centro = lista->visualRect(lista->model()->index(fila, 0)).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, centro);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, centro);
}

// Runs `orden` and gives "objectName|title" of the modal window it opened (closing
// it at once, so a window opened by mistake never blocks), or "".
inline QString ventanaModalDe(const std::function<void()> &orden) {
    QString nombre;
    QTimer::singleShot(0, [&nombre] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            nombre = modal->objectName() + u'|' + modal->windowTitle();
            modal->close();
        }
    });
    orden();
    QCoreApplication::processEvents(); // lets the timer go when nothing opened
    return nombre;
}

// Runs `accion` on the next modal window, which must be a T.
template <typename T, typename F> void alAbrirse(F accion) {
    alAbrirseModal([accion](QWidget *modal) {
        T *ventana = qobject_cast<T *>(modal);
        QVERIFY2(ventana, qPrintable(modal->objectName()));
        accion(ventana);
    });
}

// The group every address book has.
inline const QString ninguno = u"Ninguno"_s;

struct ContactoPrueba {
    QString nombre, telefono, grupo;
    qint16 reves = 0;
    QString prefijo = u"34"_s;
};

// Writes groups.lst and contacts.lst of an address book.
inline void escribirAgenda(const EntornoPrueba &entorno, const QStringList &grupos,
                           const QList<ContactoPrueba> &contactos) {
    QByteArray bytesGrupos, bytesContactos;
    for (const QString &grupo : grupos)
        bytesGrupos += grupoCifrado(grupo);
    for (const ContactoPrueba &c : contactos)
        bytesContactos += contactoCifrado(c.nombre, c.prefijo, c.telefono, c.grupo, c.reves);
    entorno.escribirFichero(u"groups.lst"_s, bytesGrupos);
    entorno.escribirFichero(u"contacts.lst"_s, bytesContactos);
}

// A fresh folder and a main window over it; given an address book, the book is written
// there and the window's lists are loaded from it.
struct Escritorio {
    Escritorio() = default;
    Escritorio(const QStringList &grupos, const QList<ContactoPrueba> &contactos) {
        escribirAgenda(entorno, grupos, contactos);
        principal.cargarAgenda();
    }
    EntornoPrueba entorno;
    frmPrincipal principal;
};

// main() for a suite: offscreen windows and an application that does not quit
// when its last window hides.
#define ZARCEL_TEST_MAIN(Clase)                                                                              \
    int main(int argc, char *argv[]) {                                                                       \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                  \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                         \
        QApplication aplicacion(argc, argv);                                                                 \
        QApplication::setQuitOnLastWindowClosed(false);                                                      \
        Clase prueba;                                                                                        \
        return QTest::qExec(&prueba, argc, argv);                                                            \
    }
