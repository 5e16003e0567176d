#pragma once

// Helpers for tests that drive the main window and the address-book windows.
// Lists are reached through QAbstractItemView only, so a list widget and a view
// over a model both work.

#include "addressbook/agenda_prueba.h"
#include "support/entorno_prueba.h"

#include <QAbstractItemView>
#include <QTimer>

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

struct ContactoPrueba {
    QString nombre, telefono, grupo;
    qint16 reves = 0;
    QString prefijo = QStringLiteral("34");
};

// Writes groups.lst and contacts.lst of an address book.
inline void escribirAgenda(const EntornoPrueba &entorno, const QStringList &grupos,
                           const QList<ContactoPrueba> &contactos) {
    QByteArray bytesGrupos, bytesContactos;
    for (const QString &grupo : grupos)
        bytesGrupos += grupoCifrado(grupo);
    for (const ContactoPrueba &c : contactos)
        bytesContactos += contactoCifrado(c.nombre, c.prefijo, c.telefono, c.grupo, c.reves);
    entorno.escribirFichero(QStringLiteral("groups.lst"), bytesGrupos);
    entorno.escribirFichero(QStringLiteral("contacts.lst"), bytesContactos);
}
