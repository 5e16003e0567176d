#include "support/entorno_prueba.h"

#include "common/caja_log.h"
#include "common/navegador.h"
#include "common/reloj.h"
#include "sending/frm_envio.h"
#include "sending/pagina_respuesta.h"
#include "simulador_pasarelas.h"

namespace {
frmEnvio *ventanaEnvio() {
    return qobject_cast<frmEnvio *>(QApplication::activeModalWidget());
}

// Once the send window's send is over, runs `alTerminar` on it and closes it; a
// send still running after five seconds fails the test.
void alTerminarEnvio(std::function<void(frmEnvio *)> alTerminar = [](frmEnvio *) {}) {
    alAbrirseModal([alTerminar](QWidget *ventana) {
        auto *envio = qobject_cast<frmEnvio *>(ventana);
        QTRY_VERIFY2_WITH_TIMEOUT(envio->btnMostrarNav->isEnabled(), "the send did not end", 5000);
        alTerminar(envio);
        if (envio->isVisible())
            envio->btnCerrar->click();
    });
}

// A main window with an address book, sending through the stand-in as its proxy.
struct Banco : Escritorio {
    Simulador::SimuladorPasarelas simulador;

    Banco()
        : Escritorio({ninguno, u"Amigos"_s}, {{u"Ana"_s, u"600000001"_s, u"Amigos"_s},
                                              {u"Luis"_s, u"600000002"_s, u"Amigos"_s},
                                              {u"Eva"_s, u"600000003"_s, ninguno},
                                              {u"Ana"_s, u"600000004"_s, ninguno}}) {
        simulador.iniciar();
        Configuracion propia = Configuracion::porDefecto();
        propia.usarProxy = propia.usarLog = -1;
        asignarCampo(propia.proxy, u"127.0.0.1"_s);
        asignarCampo(propia.puerto, QString::number(simulador.puerto()));
        asignarCampo(propia.numero, u"611222333"_s);
        grabarConfiguracion(propia);
        leerConfiguracion();
        principal.cmbPasarela->setCurrentText(u"Navegalia"_s);
        principal.ponerTextoMensaje(u"Año"_s);
        principal.show();
    }

    // The numbers the gateway's form received, in order.
    QStringList numerosRecibidos() const {
        QStringList numeros;
        for (const Simulador::PeticionRecibida &peticion : simulador.peticiones())
            numeros.append(peticion.campo(u"tNumber"_s));
        return numeros;
    }

    void seleccionar(const char *lista, const QString &texto) {
        QAbstractItemView *v = vista(&principal, lista);
        QVERIFY2(textosDe(v).contains(texto), qPrintable(texto));
        v->setCurrentIndex(v->model()->index(int(textosDe(v).indexOf(texto)), 0));
    }
};
} // namespace

class PruebaEnvio : public QObject {
    Q_OBJECT
private slots:
    // Who a send goes to: the list when it has entries, else what is selected or
    // typed; with nobody to send to, the user is told. One send-log entry per number.
    void destinatarios() {
        const QString amigos = u"Amigos                   "_s;
        // list; contact, group, typed number selected; numbers the gateway gets
        const std::tuple<QStringList, QStringList, QStringList> casos[]{
            // Both entries named Ana, then the group (Ana again), then the typed number.
            {{u"#Ana"_s, u"&Amigos                  "_s, u"@+34:600000009"_s},
             {u"Eva"_s, {}, {}},
             {u"600000001"_s, u"600000004"_s, u"600000001"_s, u"600000002"_s, u"600000009"_s}},
            {{u"#ana"_s, u"@600000009"_s}, {{}, {}, {}}, {}},
            {{}, {u"Ana"_s, {}, {}}, {u"600000001"_s, u"600000004"_s}},
            {{}, {{}, amigos, {}}, {u"600000001"_s, u"600000002"_s}},
            {{}, {{}, {}, u" 600000008 "_s}, {u"600000008"_s}},
            {{}, {u"Eva"_s, amigos, {}}, {}},
            {{}, {{}, {}, {}}, {}}};
        for (const auto &[lista, seleccion, numeros] : casos) {
            Banco banco;
            banco.principal.lstEnvio->addItems(lista);
            if (!seleccion[0].isEmpty())
                banco.seleccionar("lstContactos", seleccion[0]);
            if (!seleccion[1].isEmpty())
                banco.seleccionar("lstGrupo", seleccion[1]);
            banco.principal.txtEnvio->setText(seleccion[2]);
            const bool nadie = numeros.isEmpty() && lista.isEmpty(); // the window closes itself
            QString log;
            if (!nadie)
                alTerminarEnvio([&](frmEnvio *envio) { log = envio->textoLog(); });
            banco.principal.btnEnviar->click();
            QCOMPARE(banco.numerosRecibidos(), numeros);
            const QString nadieAQuien =
                u"Debe añadir a alguien en la lista de destinatarios para poder enviar el mensaje"_s;
            QCOMPARE(banco.entorno.avisos, nadie ? QStringList{nadieAQuien} : QStringList());
            QCOMPARE(log.count(u"Mensaje enviado correctamente\r\n"_s), numeros.size());
            // One entry per number, appended in Windows-1252 with CR LF.
            const QDateTime momento = EntornoPrueba::momentoFijo();
            QByteArray entradas;
            for (const QString &numero : numeros)
                entradas += "Zarcel - " +
                            (Reloj::fechaCorta(momento) + u' ' + Reloj::horaCorta(momento)).toUtf8() +
                            "\r\n Pasarela: Navegalia\r\n Enviado al telefono +34:" + numero.toLatin1() +
                            "\r\n Mensaje: A\xF1o\r\n\r\n";
            QCOMPARE(banco.entorno.leerFichero(u"zarcel.log"_s), entradas);
            if (!numeros.isEmpty())
                QVERIFY(
                    log.startsWith(u"Enviando mensaje a +34:%1 a traves de Navegalia\r\n"_s.arg(numeros[0])));
            QCOMPARE(banco.principal.lstEnvio->count(), lista.size());
        }
    }

    // A wrong typed number is refused; the window waits for the user to cancel.
    void numeroEscritoIncorrecto() {
        Banco banco;
        banco.principal.txtEnvio->setText(u"600 000 001"_s);
        bool comprobado = false;
        alAbrirseModal([&](QWidget *) {
            QTRY_VERIFY2_WITH_TIMEOUT(!banco.entorno.avisos.isEmpty(), "no warning was shown", 3000);
            QCOMPARE(ventanaEnvio()->btnCerrar->text(), u"&Cancelar"_s);
            comprobado = true;
        });
        banco.principal.btnEnviar->click();
        QVERIFY(comprobado);
        QCOMPARE(banco.entorno.avisos,
                 QStringList{u"El número de teléfono contiene caracteres incorrectos"_s});
        QVERIFY(banco.simulador.peticiones().isEmpty());
    }

    // Esc at the third of five recipients cancels: the button turns to close, nothing
    // more is sent or retried, and a second Esc closes the window.
    void escapeCancelaYLuegoCierra() {
        Banco banco;
        for (int i = 1; i <= 5; ++i)
            banco.principal.lstEnvio->addItem(u"@+34:60000000%1"_s.arg(i));
        QString textoTrasPrimerEscape;
        connect(&banco.simulador, &Simulador::SimuladorPasarelas::peticionRecibida, this, [&] {
            if (banco.simulador.peticiones().size() == 3) {
                QTest::keyClick(ventanaEnvio()->txtEnvio, Qt::Key_Escape);
                textoTrasPrimerEscape = ventanaEnvio()->btnCerrar->text();
            }
        });
        bool cerradaConEscape = false;
        alTerminarEnvio([&](frmEnvio *envio) {
            QTest::keyClick(envio->txtEnvio, Qt::Key_Escape);
            cerradaConEscape = !envio->isVisible();
        });
        banco.principal.btnEnviar->click();
        QCOMPARE(textoTrasPrimerEscape, u"&Cerrar"_s);
        QVERIFY(cerradaConEscape);
        QCOMPARE(banco.numerosRecibidos(), QStringList({u"600000001"_s, u"600000002"_s, u"600000003"_s}));
    }

    // The commands check the message and the own number; the test message goes to that number.
    void mensajeDePrueba() {
        Banco banco;
        banco.principal.ponerTextoMensaje(u"   "_s);
        banco.principal.btnEnviar->click();
        asignarCampo(configuracion.numero, u"  "_s);
        banco.principal.mnuMensajesPrueba->trigger();
        QCOMPARE(banco.entorno.avisos,
                 QStringList({u"El mensaje esta vacio"_s,
                              u"No has especificado tu número de teléfono en la configuración"_s}));
        QVERIFY(banco.simulador.peticiones().isEmpty());
        leerConfiguracion();
        alTerminarEnvio();
        banco.principal.mnuMensajesPrueba->trigger();
        QCOMPARE(banco.numerosRecibidos(), QStringList{u"611222333"_s});
        const QDateTime ahora = EntornoPrueba::momentoFijo();
        QCOMPARE(banco.simulador.peticiones().first().campo(u"mBody"_s),
                 u"Mensaje de prueba de Zarcel. Enviado el "_s + Reloj::fechaCorta(ahora) + u" a las "_s +
                     Reloj::horaCorta(ahora));
    }

    // Answer lines end in CR LF, shown as CR CR LF: no blank line is found, the whole answer goes.
    void mostrarEnNavegador() {
        Banco banco;
        qputenv("TMP", banco.entorno.carpeta().toLocal8Bit());
        banco.principal.lstEnvio->addItem(u"@+34:600000001"_s);
        // Without TMP the page goes to the user's own folder; a desktop with no browser says so.
        const QString propia = banco.entorno.ruta(u"propia"_s);
        QVERIFY(QDir().mkpath(propia));
        banco.entorno.escribirFichero(u"propia/xdg-open"_s, "#!/bin/sh\nexit 3\n");
        QFile(propia + u"/xdg-open"_s).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        QFile(propia).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray camino = qgetenv("PATH"), tiempoEjecucion = qgetenv("XDG_RUNTIME_DIR");
        QString respuesta;
        alTerminarEnvio([&](frmEnvio *envio) {
            respuesta = envio->textoRespuesta();
            envio->btnDebug->click();
            QVERIFY(envio->txtDebug->isVisible());
            // Grown downward, the window still lies on its screen.
            QVERIFY(envio->screen()->availableGeometry().contains(envio->frameGeometry()));
            QCOMPARE(envio->txtDebug->toPlainText(), respuesta.split(u"\r\r\n"_s).join(u'\n'));
            envio->btnMostrarNav->click();
            qunsetenv("TMP");
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(propia));
            qputenv("PATH", QFile::encodeName(propia) + ':' + camino);
            const auto grabador = Navegador::instalar({});
            envio->btnMostrarNav->click();
            Navegador::instalar(grabador);
            qputenv("PATH", camino);
            qputenv("XDG_RUNTIME_DIR", tiempoEjecucion);
        });
        banco.principal.btnEnviar->click();
        QVERIFY(respuesta.startsWith(u"HTTP/1.0 200"_s));
        for (const QString &pagina : {u"zrc9933.html"_s, u"propia/zrc9933.html"_s})
            QCOMPARE(banco.entorno.leerFichero(pagina), aAnsi(recortarEspacios(respuesta) + u"\r\n"_s));
        QCOMPARE(banco.entorno.direccionesAbiertas,
                 QStringList{QUrl::fromLocalFile(banco.entorno.ruta(u"zrc9933.html"_s)).toString()});
        QTRY_COMPARE(banco.entorno.avisos,
                     QStringList{u"No se ha podido abrir el navegador. La respuesta del "
                                 "servidor está en el fichero "_s +
                                 propia + u"/zrc9933.html"_s});
        QCOMPARE(contenidoPaginaRespuesta(u"HTTP/1.0 200 OK\r\n\r\n<p>hola</p>  "_s),
                 u"\r\n\r\n<p>hola</p>\r\n"_s);
    }
};

ZARCEL_TEST_MAIN(PruebaEnvio)
#include "tst_envio.moc"
