#include "support/entorno_prueba.h"

#include "addressbook/arbol_agenda.h"
#include "addressbook/clave_contacto.h"
#include "addressbook/fichero_agenda.h"
#include "app/frm_principal.h"
#include "common/caja_log.h"
#include "common/campos.h"
#include "config/fichero_configuracion.h"
#include "sending/expansion_envio.h"
#include "sending/frm_envio.h"
#include "sending/pagina_respuesta.h"
#include "simulador_pasarelas.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

frmEnvio *ventanaEnvio() {
    return qobject_cast<frmEnvio *>(QApplication::activeModalWidget());
}

// Waits for the send window to finish its send, keeps its log, and closes it.
struct CierreAlTerminar {
    QString log;
    QString respuesta;
    QTimer temporizador;
    explicit CierreAlTerminar(std::function<void(frmEnvio *)> antesDeCerrar = {}) {
        temporizador.setInterval(5);
        QObject::connect(&temporizador, &QTimer::timeout, [this, antesDeCerrar] {
            frmEnvio *envio = ventanaEnvio();
            if (!envio || !envio->btnMostrarNav->isEnabled())
                return;
            temporizador.stop();
            log = envio->textoLog();
            respuesta = envio->textoRespuesta();
            if (antesDeCerrar)
                antesDeCerrar(envio);
            envio->btnCerrar->click();
        });
        temporizador.start();
    }
};

// A main window with an address book, sending through the stand-in as its proxy.
struct Banco {
    EntornoPrueba entorno;
    Simulador::SimuladorPasarelas simulador;
    std::unique_ptr<frmPrincipal> ventana;

    Banco() {
        simulador.iniciar();
        Configuracion propia = Configuracion::porDefecto();
        propia.usarProxy = -1;
        asignarCampo(propia.proxy, QStringLiteral("127.0.0.1"));
        asignarCampo(propia.puerto, QString::number(simulador.puerto()));
        asignarCampo(propia.numero, QStringLiteral("611222333"));
        grabarConfiguracion(propia);
        leerConfiguracion();

        ArbolAgenda arbol;
        arbol.anadirGrupo(QStringLiteral("Ninguno"), QStringLiteral("Ninguno"));
        arbol.anadirGrupo(QStringLiteral("Amigos"), QStringLiteral("Amigos"));
        contacto(arbol, QStringLiteral("Amigos"), QStringLiteral("Ana"), QStringLiteral("600000001"));
        contacto(arbol, QStringLiteral("Amigos"), QStringLiteral("Luis"), QStringLiteral("600000002"));
        contacto(arbol, QStringLiteral("Ninguno"), QStringLiteral("Eva"), QStringLiteral("600000003"));
        contacto(arbol, QStringLiteral("Ninguno"), QStringLiteral("Ana"), QStringLiteral("600000004"));
        grabarArbolAgenda(arbol);

        ventana = std::make_unique<frmPrincipal>();
        ventana->cargarAgenda();
        ventana->cmbPasarela->setCurrentText(QStringLiteral("Navegalia"));
        ventana->ponerTextoMensaje(QStringLiteral("Hola"));
        ventana->show();
    }

    static void contacto(ArbolAgenda &arbol, const QString &grupo, const QString &nombre,
                         const QString &numero) {
        const ClaveContacto clave{nombre, QStringLiteral("34"), numero, false};
        arbol.anadirContacto(grupo, clave.clave(), clave.texto());
    }

    // The numbers the gateway's form received, in order.
    QStringList numerosRecibidos() const {
        QStringList numeros;
        for (const Simulador::PeticionRecibida &peticion : simulador.peticiones())
            numeros.append(peticion.campo(QStringLiteral("tNumber")));
        return numeros;
    }

    static void seleccionar(QAbstractItemView *lista, const QString &texto) {
        lista->setCurrentIndex(
            lista->model()
                ->match(lista->model()->index(0, 0), Qt::DisplayRole, texto, 1, Qt::MatchExactly)
                .first());
    }
};

} // namespace

class PruebaEnvio : public QObject {
    Q_OBJECT
private slots:
    void listaDeDestinatarios() {
        Banco banco;
        banco.ventana->lstEnvio->addItems({QStringLiteral("#Ana"),
                                           QStringLiteral("&Amigos                  "),
                                           QStringLiteral("@+34:600000009")});
        CierreAlTerminar cierre;
        banco.ventana->btnEnviar->click();
        // Both table entries named Ana, then the group (Ana again), then the typed number.
        QCOMPARE(banco.numerosRecibidos(),
                 QStringList({QStringLiteral("600000001"), QStringLiteral("600000004"),
                              QStringLiteral("600000001"), QStringLiteral("600000002"),
                              QStringLiteral("600000009")}));
        QVERIFY(cierre.log.startsWith(
            QStringLiteral("Enviando mensaje a +34:600000001 a traves de Navegalia\r\n")));
        QCOMPARE(cierre.log.count(QStringLiteral("Mensaje enviado correctamente\r\n")), 5);
        QCOMPARE(banco.ventana->lstEnvio->count(), 3); // the list stays as it was
    }

    void seleccionSinLista_data() {
        QTest::addColumn<QString>("contacto");
        QTest::addColumn<QString>("grupo");
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<QString>("prefijo");
        QTest::addColumn<QStringList>("numeros");
        QTest::addColumn<QStringList>("avisos");
        const QString sinDestino =
            QStringLiteral("Debe añadir a alguien en la lista de destinatarios para poder enviar el mensaje");
        QTest::newRow("contacto") << "Ana"
                                  << ""
                                  << ""
                                  << ""
                                  << QStringList{QStringLiteral("600000001"), QStringLiteral("600000004")}
                                  << QStringList{};
        QTest::newRow("grupo") << ""
                               << "Amigos                   "
                               << ""
                               << "" << QStringList{QStringLiteral("600000001"), QStringLiteral("600000002")}
                               << QStringList{};
        QTest::newRow("numero escrito") << ""
                                        << ""
                                        << " 600000008 "
                                        << "" << QStringList{QStringLiteral("600000008")} << QStringList{};
        QTest::newRow("contacto y grupo") << "Eva"
                                          << "Amigos                   "
                                          << ""
                                          << "" << QStringList{} << QStringList{sinDestino};
        QTest::newRow("nada") << ""
                              << ""
                              << ""
                              << "" << QStringList{} << QStringList{sinDestino};
    }
    void seleccionSinLista() {
        QFETCH(QString, contacto);
        QFETCH(QString, grupo);
        QFETCH(QString, escrito);
        QFETCH(QString, prefijo);
        QFETCH(QStringList, numeros);
        QFETCH(QStringList, avisos);
        Banco banco;
        if (!contacto.isEmpty())
            Banco::seleccionar(banco.ventana->lstContactos, contacto);
        if (!grupo.isEmpty())
            Banco::seleccionar(banco.ventana->lstGrupo, grupo);
        banco.ventana->txtEnvio->setText(escrito);
        banco.ventana->txtPrefijo->setText(prefijo);
        CierreAlTerminar cierre;
        banco.ventana->btnEnviar->click(); // a refused send closes the window itself
        QCOMPARE(banco.numerosRecibidos(), numeros);
        QCOMPARE(banco.entorno.avisos, avisos);
        if (!escrito.isEmpty())
            QVERIFY(cierre.log.startsWith(QStringLiteral("Enviando mensaje a +34:600000008")));
    }

    void numeroEscritoIncorrecto() {
        Banco banco;
        banco.ventana->txtEnvio->setText(QStringLiteral("600 000 001"));
        bool comprobado = false;
        alAbrirseModal([&](QWidget *) {
            QTRY_COMPARE(banco.entorno.avisos.size(), 1);
            frmEnvio *envio = ventanaEnvio();
            QCOMPARE(envio->btnCerrar->text(), QStringLiteral("&Cancelar"));
            QVERIFY(!envio->btnMostrarNav->isEnabled());
            comprobado = true;
        });
        banco.ventana->btnEnviar->click();
        QVERIFY(comprobado);
        QCOMPARE(banco.entorno.avisos,
                 QStringList{QStringLiteral("El número de teléfono contiene caracteres incorrectos")});
        QVERIFY(banco.simulador.peticiones().isEmpty());
    }

    void cancelarEnLaTerceraDeCinco() {
        Banco banco;
        for (int i = 1; i <= 5; ++i)
            banco.ventana->lstEnvio->addItem(QStringLiteral("@+34:60000000%1").arg(i));
        banco.simulador.opciones.noResponder = true; // each exchange waits until the cancel
        connect(&banco.simulador, &Simulador::SimuladorPasarelas::peticionRecibida, this, [&] {
            if (banco.simulador.peticiones().size() < 3) {
                banco.simulador.opciones.noResponder = false;
                return;
            }
            QTimer::singleShot(0, [] { ventanaEnvio()->btnCerrar->click(); });
        });
        banco.simulador.opciones.noResponder = false;
        QStringList lineas;
        alAbrirseModal([&](QWidget *ventana) {
            auto *envio = static_cast<frmEnvio *>(ventana);
            QTRY_COMPARE_WITH_TIMEOUT(envio->btnCerrar->text(), QStringLiteral("&Cerrar"), 10000);
            QTRY_VERIFY(envio->btnMostrarNav->isEnabled());
            lineas = envio->textoLog().split(QStringLiteral("\r\n"));
        });
        banco.ventana->btnEnviar->click();
        QCOMPARE(banco.numerosRecibidos(),
                 QStringList({QStringLiteral("600000001"), QStringLiteral("600000002"),
                              QStringLiteral("600000003")}));
        QVERIFY(!lineas.join(QLatin1Char('|')).contains(QStringLiteral("600000004")));
    }

    void escapeCancelaYLuegoCierra() {
        Banco banco;
        banco.ventana->lstEnvio->addItem(QStringLiteral("@+34:600000001"));
        banco.simulador.opciones.noResponder = true;
        QString textoTrasPrimerEscape;
        bool canceladoTrasPrimerEscape = false;
        connect(&banco.simulador, &Simulador::SimuladorPasarelas::peticionRecibida, this, [&] {
            QTimer::singleShot(0, [&] {
                frmEnvio *envio = ventanaEnvio();
                QTest::keyClick(envio->txtEnvio, Qt::Key_Escape);
                textoTrasPrimerEscape = envio->btnCerrar->text();
                canceladoTrasPrimerEscape = envio->cancelado();
            });
        });
        QTimer segundo;
        connect(&segundo, &QTimer::timeout, this, [&] {
            frmEnvio *envio = ventanaEnvio();
            if (envio && envio->btnMostrarNav->isEnabled()) {
                segundo.stop();
                QTest::keyClick(envio->txtEnvio, Qt::Key_Escape);
            }
        });
        segundo.start(5);
        banco.ventana->btnEnviar->click(); // returns once the second Esc has closed the window
        QCOMPARE(textoTrasPrimerEscape, QStringLiteral("&Cerrar"));
        QVERIFY(canceladoTrasPrimerEscape);
        QCOMPARE(banco.simulador.peticiones().size(), 1); // no retry after the cancel
    }

    void mensajeDePrueba() {
        Banco banco;
        banco.ventana->ponerTextoMensaje(QString()); // neither text nor list is used
        CierreAlTerminar cierre;
        banco.ventana->mnuMensajesPrueba->trigger();
        QCOMPARE(banco.numerosRecibidos(), QStringList{QStringLiteral("611222333")});
        const QString texto = banco.simulador.peticiones().first().campo(QStringLiteral("mBody"));
        QVERIFY2(texto.startsWith(QStringLiteral("Mensaje de prueba de Zarcel. Enviado el ")),
                 qPrintable(texto));
        QVERIFY(texto.contains(QStringLiteral(" a las ")));
    }

    void comprobacionesDeLosComandos() {
        Banco banco;
        banco.ventana->ponerTextoMensaje(QStringLiteral("   "));
        banco.ventana->btnEnviar->click();
        asignarCampo(configuracion.numero, QStringLiteral("  "));
        banco.ventana->mnuMensajesPrueba->trigger();
        QCOMPARE(
            banco.entorno.avisos,
            QStringList({QStringLiteral("El mensaje esta vacio"),
                         QStringLiteral("No has especificado tu número de teléfono en la configuración")}));
        QVERIFY(banco.simulador.peticiones().isEmpty());
    }

    void mostrarEnNavegador() {
        Banco banco;
        qputenv("TMP", banco.entorno.carpeta().toLocal8Bit());
        banco.ventana->lstEnvio->addItem(QStringLiteral("@+34:600000001"));
        CierreAlTerminar cierre([](frmEnvio *envio) {
            envio->btnDebug->click();
            QVERIFY(envio->txtDebug->isVisible());
            envio->btnMostrarNav->click();
        });
        banco.ventana->btnEnviar->click();
        qunsetenv("TMP");
        // Answer lines end in CR LF, shown as CR CR LF: no blank line is found, the whole answer goes.
        QVERIFY(cierre.respuesta.startsWith(QStringLiteral("HTTP/1.0 200")));
        QCOMPARE(banco.entorno.leerFichero(QStringLiteral("zrc9933.html")),
                 aAnsi(recortarEspacios(cierre.respuesta) + QStringLiteral("\r\n")));
        QCOMPARE(
            banco.entorno.direccionesAbiertas,
            QStringList{QUrl::fromLocalFile(banco.entorno.ruta(QStringLiteral("zrc9933.html"))).toString()});
    }

    void paginaDesdeLaLineaEnBlanco() {
        QCOMPARE(contenidoPaginaRespuesta(QStringLiteral("HTTP/1.0 200 OK\r\n\r\n<p>hola</p>  ")),
                 QStringLiteral("\r\n\r\n<p>hola</p>\r\n"));
        QCOMPARE(contenidoPaginaRespuesta(QStringLiteral(" sin cabecera ")),
                 QStringLiteral("sin cabecera\r\n"));
    }

    void expansionDeEntradas() {
        const QList<EntradaContacto> tabla = {{QStringLiteral("Ana"), QStringLiteral("34"),
                                               QStringLiteral("1"), QStringLiteral("Amigos"), true}};
        QCOMPARE(Envio::expandirEntrada(QStringLiteral("@+44:7700900123"), tabla).first().prefijo,
                 QStringLiteral("44"));
        QCOMPARE(Envio::expandirEntrada(QStringLiteral("@+44:7700900123"), tabla).first().numero,
                 QStringLiteral("7700900123"));
        QVERIFY(Envio::expandirEntrada(QStringLiteral("@7700900123"), tabla).isEmpty());
        QVERIFY(Envio::expandirEntrada(QStringLiteral("#Ana"), tabla).first().ordenInverso);
        QVERIFY(Envio::expandirEntrada(QStringLiteral("?Ana"), tabla).isEmpty());
    }
};

ZARCEL_TEST_MAIN(PruebaEnvio)
#include "tst_envio.moc"
