// A save that fails at any point leaves the previous files byte for byte as they
// were, with nothing half-written beside them, and the user is told. Every kind
// of data file, every way a save can fail; and a file that cannot be read is not
// replaced.
#include "support/entorno_prueba.h"

#include "addressbook/fichero_agenda.h"
#include "addressbook/frm_agenda.h"
#include "addressbook/frm_importar.h"
#include "common/caja_log.h"
#include "common/ficheros.h"
#include "config/frm_opciones.h"
#include "stored/fichero_mensaje.h"
#include "stored/registros_mensaje.h"

#include <QSignalSpy>

#include <csignal>
#include <cstdio>
#include <dlfcn.h>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

static bool morirAlReemplazar = false;

// Every save ends by giving the finished temporary file its name: renamed over
// the old file, or linked in where there was none. A child that must die right
// before that point does so here.
extern "C" int rename(const char *desde, const char *hacia) noexcept {
    if (morirAlReemplazar)
        raise(SIGKILL);
    using Funcion = int (*)(const char *, const char *);
    static const auto real = reinterpret_cast<Funcion>(dlsym(RTLD_NEXT, "rename"));
    return real(desde, hacia);
}

extern "C" int linkat(int carpetaDesde, const char *desde, int carpetaHacia, const char *hacia,
                      int opciones) noexcept {
    if (morirAlReemplazar)
        raise(SIGKILL);
    using Funcion = int (*)(int, const char *, int, const char *, int);
    static const auto real = reinterpret_cast<Funcion>(dlsym(RTLD_NEXT, "linkat"));
    return real(carpetaDesde, desde, carpetaHacia, hacia, opciones);
}

namespace {
// Runs `grabar` in a child process that the system kills at a chosen point, and
// waits for it. `bytes` >= 0: the child dies when a file it writes reaches that
// many bytes (as SIGXFSZ kills a process that outgrows its file size limit);
// `bytes` < 0: it dies right before the finished file takes its name.
// Returns true when the child was killed, as the test expects.
constexpr qint64 antesDeReemplazar = -1;
bool matarDurante(qint64 bytes, const std::function<void()> &grabar) {
    std::fflush(nullptr);
    const pid_t hijo = fork();
    if (hijo == 0) {
        if (bytes >= 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit limite{};
            getrlimit(RLIMIT_FSIZE, &limite);
            limite.rlim_cur = rlim_t(bytes);
            setrlimit(RLIMIT_FSIZE, &limite);
        } else {
            morirAlReemplazar = true;
        }
        grabar();
        _exit(0);
    }
    int estado = 0;
    if (hijo < 0 || waitpid(hijo, &estado, 0) != hijo)
        return false;
    const int senal = bytes >= 0 ? SIGXFSZ : SIGKILL;
    return WIFSIGNALED(estado) && WTERMSIG(estado) == senal;
}

// Runs `grabar` with no file descriptor left, as a process that has hit its
// limit of open files: no file can be opened, not even as root.
bool sinDescriptores(const std::function<bool()> &grabar) {
    rlimit anterior{};
    getrlimit(RLIMIT_NOFILE, &anterior);
    // The lowest free descriptor: below it all are taken, so a limit there leaves
    // none to open while the event loop can still poll the ones it has.
    const int libre = dup(0);
    close(libre);
    rlimit limite = anterior;
    limite.rlim_cur = rlim_t(libre);
    setrlimit(RLIMIT_NOFILE, &limite);
    const bool resultado = grabar();
    setrlimit(RLIMIT_NOFILE, &anterior);
    return resultado;
}

enum class Fallo { ninguno, discoLleno, sinDescriptores, muerte };

// One kind of data file: the names of the files the program reads back, how the warning of a full
// disk begins, the bytes the save writes into the largest, the previous version left on disk, and
// the save done where the user does it (true when its window took it as done).
struct FicheroProtegido {
    QStringList patrones{};
    QString aviso{};
    qint64 tamano = 0;
    std::function<void()> grabarAnterior{};
    std::function<bool()> grabarNueva{};
};

const int gruposNuevos = 8;
const QString texto = u"Nos vemos a las ocho"_s;

// The user sets another proxy in Opciones and presses OK.
bool cambiarProxy() {
    frmOpciones ventana;
    ventana.show();
    if (!QTest::qWaitForWindowActive(&ventana)) // the settings load on activation
        return false;
    ventana.seleccionarPagina(3);
    ventana.txtProxy->setText(u"nueva.example"_s);
    QTest::mouseClick(ventana.btnOK, Qt::LeftButton);
    return !ventana.isVisible();
}

// The user adds a contact to Amigos and some groups in the address-book editor, and closes it.
bool cambiarAgenda() {
    frmPrincipal principal;
    frmAgenda editor(principal, &principal);
    editor.show();
    editor.txtNombre->setText(u"Beto"_s);
    editor.txtPrefijo->setText(u"34"_s);
    editor.txtTelefono->setText(u"600000002"_s);
    editor.cmbGrupos->setCurrentText(u"Amigos"_s);
    QTest::mouseClick(editor.btnContacto, Qt::LeftButton);
    for (int i = 1; i <= gruposNuevos; ++i) {
        editor.txtGrupo->setText(u"Grupo %1"_s.arg(i));
        QTest::mouseClick(editor.btnGrupo, Qt::LeftButton);
    }
    editor.reject();
    return !editor.isVisible();
}

QList<FicheroProtegido> ficherosProtegidos() {
    const auto grabarMensajeA = [](const QString &titulo, const QString &telefono) {
        return grabarMensaje(titulo, 0, {u"@+34:"_s + telefono}, texto);
    };
    return {
        {{u"zarcel.cfg"_s},
         u"No se ha podido grabar la configuración en "_s,
         Configuracion::tamano,
         [] { grabarConfiguracion(Configuracion::porDefecto()); },
         cambiarProxy},
        // Both files change, and the groups file outgrows the contacts file: some
        // limits let one file through and stop the other.
        {{u"contacts.lst"_s, u"groups.lst"_s},
         u"No se ha podido grabar la agenda. ¿Desea cerrar"_s,
         (2 + gruposNuevos) * GrupoAgenda::tamano,
         [] {
             grabarFicheroAtomico(rutaGrupos(), grupoCifrado(ninguno) + grupoCifrado(u"Amigos"_s));
             grabarFicheroAtomico(rutaContactos(),
                                  contactoCifrado(u"Ana"_s, u"34"_s, u"600000001"_s, u"Amigos"_s));
         },
         cambiarAgenda},
        // Header, count, one recipient, the text; storing tells the user itself when it fails.
        {{u"*.zrc"_s},
         u"No se ha podido grabar el mensaje. Compruebe"_s,
         CabeceraMensaje::tamano + 2 + DestinoMensaje::tamano + texto.size(),
         [=] { grabarMensajeA(u"Anterior"_s, u"600000001"_s); },
         [=] { return grabarMensajeA(u"Nuevo"_s, u"600000002"_s); }},
    };
}

// The names and bytes of every file of the kind the program would read back.
QMap<QString, QByteArray> contenido(const EntornoPrueba &entorno, const FicheroProtegido &fichero) {
    QMap<QString, QByteArray> ficheros;
    for (const QString &nombre : QDir(entorno.carpeta()).entryList(fichero.patrones, QDir::Files))
        ficheros.insert(nombre, entorno.leerFichero(nombre));
    return ficheros;
}
} // namespace
Q_DECLARE_METATYPE(FicheroProtegido)

class PruebaFallosGrabacion : public QObject {
    Q_OBJECT
private slots:
    void fallo_data() {
        QTest::addColumn<FicheroProtegido>("fichero");
        QTest::addColumn<Fallo>("fallo");
        QTest::addColumn<qint64>("bytes");
        for (const FicheroProtegido &fichero : ficherosProtegidos()) {
            const auto fila = [&](const QString &caso, Fallo fallo, qint64 bytes) {
                QTest::addRow("%s: %s", qPrintable(fichero.patrones.join(u'+')), qPrintable(caso))
                    << fichero << fallo << bytes;
            };
            // The save works when nothing fails, so what the other rows see is the fault's doing.
            fila(u"sin fallo"_s, Fallo::ninguno, 0);
            // Nothing written, one byte, half, all but the last byte.
            for (const qint64 bytes : {qint64(0), qint64(1), fichero.tamano / 2, fichero.tamano - 1}) {
                fila(u"disco lleno a %1 bytes"_s.arg(bytes), Fallo::discoLleno, bytes);
                fila(u"muerto al escribir el byte %1"_s.arg(bytes), Fallo::muerte, bytes);
            }
            fila(u"sin descriptores libres"_s, Fallo::sinDescriptores, 0);
            fila(u"muerto antes de reemplazar"_s, Fallo::muerte, antesDeReemplazar);
        }
    }
    void fallo() {
        QFETCH(FicheroProtegido, fichero);
        QFETCH(Fallo, fallo);
        QFETCH(qint64, bytes);
        EntornoPrueba entorno;
        fichero.grabarAnterior();
        const QMap<QString, QByteArray> anterior = contenido(entorno, fichero);
        QCOMPARE(anterior.size(), fichero.patrones.size());
        if (fallo == Fallo::ninguno) {
            QVERIFY(fichero.grabarNueva());
            QVERIFY(contenido(entorno, fichero) != anterior);
            QVERIFY(entorno.avisos.isEmpty());
            return;
        }
        if (fallo == Fallo::muerte) {
            QVERIFY(matarDurante(bytes, [&] { fichero.grabarNueva(); }));
        } else {
            std::optional<DiscoLleno> disco;
            if (fallo == Fallo::discoLleno)
                disco.emplace(bytes);
            QVERIFY(!(disco ? fichero.grabarNueva() : sinDescriptores(fichero.grabarNueva)));
            QVERIFY2(disco ? entorno.avisos.value(0).startsWith(fichero.aviso) : !entorno.avisos.isEmpty(),
                     qPrintable(entorno.avisos.join(u'\n')));
        }
        // The same files with the same bytes: nothing half-written where the program reads.
        QCOMPARE(contenido(entorno, fichero), anterior);
    }
    // An address book file that exists but cannot be read is never replaced: neither
    // the editor nor an import may save a book that lacks its records.
    void agendaIlegibleNoSeReemplaza() {
        for (const bool importar : {false, true}) {
            EntornoPrueba entorno;
            frmPrincipal principal;
            // The sanitizers need descriptors of their own the first time they meet a
            // type: each window is used once before its reads fail.
            frmAgenda(principal, &principal).hide();
            escribirAgenda(entorno, {u"Amigos"_s}, {{u"Ana"_s, u"600000001"_s, u"Amigos"_s}});
            const FicheroProtegido libro{.patrones = {u"contacts.lst"_s, u"groups.lst"_s}};
            const auto antes = contenido(entorno, libro);
            // With no descriptor left while the book is read, every read fails as on an I/O error.
            QString dicho; // what the user was told
            if (importar) {
                // An import of no file: nothing to add, the book is saved as it was read.
                const auto importarNada = [&](const auto &leer) {
                    frmImportar ventana(&principal);
                    ventana.tipoImportacion = Importacion::Tipo::Texto;
                    QSignalSpy terminada(&ventana, &frmImportar::importacionTerminada);
                    ventana.show(); // the book is read on the next turn of the event loop
                    leer([&] { return QTest::qWaitFor([&] { return !terminada.isEmpty(); }, 5000); });
                    ventana.reject();
                    return ventana.txtLog->texto();
                };
                importarNada([](const std::function<bool()> &esperar) { return esperar(); });
                dicho = importarNada(sinDescriptores);
            } else {
                std::unique_ptr<frmAgenda> editor;
                sinDescriptores([&] {
                    editor = std::make_unique<frmAgenda>(principal, &principal);
                    return true;
                });
                editor->txtGrupo->setText(u"Nuevos"_s);
                QTest::mouseClick(editor->btnGrupo, Qt::LeftButton);
                entorno.respuestas.enqueue(true); // close without saving
                editor->reject();
                dicho = entorno.avisos.join(u'\n');
            }
            QVERIFY2(dicho.contains(u"contacts.lst"_s) && dicho.contains(u"groups.lst"_s), qPrintable(dicho));
            QCOMPARE(contenido(entorno, libro), antes);
        }
    }
};

ZARCEL_TEST_MAIN(PruebaFallosGrabacion)
#include "tst_fallos_grabacion.moc"
