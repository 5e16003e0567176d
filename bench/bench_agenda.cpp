// The address book at the format's limit: 32,767 contacts in 1,000 groups.
// Times the main window's list fill (cargarAgenda), the tree load and save, and the
// address book editor opening and closing, without and with a change.
// Run: QT_QPA_PLATFORM=offscreen build/dev/bench/bench_agenda
// With "--escribir FOLDER [CONTACTS [GROUPS]]" it only writes such a book into FOLDER
// (bench/arranque.sh starts Zarcel on it).

#include "addressbook/agenda_prueba.h"
#include "addressbook/arbol_agenda.h"
#include "addressbook/fichero_agenda.h"
#include "addressbook/frm_agenda.h"
#include "app/frm_principal.h"
#include "common/carpeta.h"
#include "common/ficheros.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {
int numeroContactos = 32767;
int numeroGrupos = 1000;

void escribirAgenda() {
    QRandomGenerator azar(42);
    numeroGrupos = qMax(numeroGrupos, 1);
    QByteArray grupos;
    for (int g = 0; g < numeroGrupos; ++g)
        grupos += grupoCifrado(QStringLiteral("Grupo %1").arg(g));
    QByteArray contactos;
    for (int c = 0; c < numeroContactos; ++c) {
        // Random names, mixed case, so that sorting has real work to do.
        QString nombre;
        for (int i = 0; i < 10; ++i)
            nombre.append(QChar(char16_t((azar.bounded(2) ? u'a' : u'A') + azar.bounded(26))));
        const QString grupo = QStringLiteral("Grupo %1").arg(azar.bounded(numeroGrupos));
        contactos += contactoCifrado(nombre, QStringLiteral("34"), QString::number(600000000 + c), grupo);
    }
    grabarFicheroAtomico(rutaFichero(QStringLiteral("groups.lst")), grupos);
    grabarFicheroAtomico(rutaFichero(QStringLiteral("contacts.lst")), contactos);
}

long fallosDePagina() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_minflt;
}

// Time and page faults: on this project's virtual machine a page touched for the
// first time costs several microseconds, so memory shows in the time.
template <typename F> void medir(const char *que, F accion) {
    const long fallos = fallosDePagina();
    QElapsedTimer reloj;
    reloj.start();
    accion();
    std::printf("%-40s %7.1f ms %6ld page faults\n", que, double(reloj.nsecsElapsed()) / 1e6,
                fallosDePagina() - fallos);
}
} // namespace

int main(int argc, char *argv[]) {
    QApplication aplicacion(argc, argv);
    const QStringList argumentos = QApplication::arguments();
    if (argumentos.value(1) == QLatin1String("--escribir")) {
        fijarRutaAplicacion(argumentos.value(2));
        numeroContactos = argumentos.value(3, QString::number(numeroContactos)).toInt();
        numeroGrupos = argumentos.value(4, QString::number(numeroGrupos)).toInt();
        escribirAgenda();
        return 0;
    }
    QTemporaryDir carpeta;
    fijarRutaAplicacion(carpeta.path());
    escribirAgenda();
    std::printf("%d contacts, %d groups\n", numeroContactos, numeroGrupos);

    frmPrincipal principal;
    medir("cargarAgenda (lists and table)", [&] { principal.cargarAgenda(); });
    ArbolAgenda arbol;
    medir("cargarArbolAgenda (tree load)", [&] { cargarArbolAgenda(arbol); });
    medir("grabarArbolAgenda (tree save)", [&] { grabarArbolAgenda(arbol); });

    // The editor drawn once on screen, then closed; with a change, closing saves
    // both files and the main window reloads its lists.
    auto abrirYCerrar = [&](bool cambiar) {
        frmAgenda agenda(principal, &principal);
        agenda.show();
        QApplication::processEvents();
        if (cambiar) {
            agenda.txtGrupo->setText(QStringLiteral("Nuevo"));
            agenda.btnGrupo->click();
        }
        agenda.close();
    };
    medir("frmAgenda open, draw, close", [&] { abrirYCerrar(false); });
    medir("frmAgenda open, add group, close", [&] { abrirYCerrar(true); });
    return 0;
}
