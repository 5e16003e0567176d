#include "red/canal_qt.h"

#include <QTcpSocket>

namespace {
class CanalQt final : public Pasarelas::CanalTcp {
public:
    CanalQt() {
        QObject::connect(&socket, &QIODevice::readyRead, [this] { avisar(alLlegarDatos); });
        QObject::connect(&socket, &QIODevice::aboutToClose, [this] { avisar(alCerrar); });
        QObject::connect(&socket, &QAbstractSocket::connected, [this] { avisar(alConectar); });
        QObject::connect(&socket, &QAbstractSocket::stateChanged,
                         [this](QAbstractSocket::SocketState estado) {
                             if (estado == QAbstractSocket::UnconnectedState)
                                 avisar(alDesconectar);
                         });
    }

    void conectar(const QString &host, quint16 puerto) override { socket.connectToHost(host, puerto); }
    Estado estado() const override {
        switch (socket.state()) {
        case QAbstractSocket::UnconnectedState:
            return Estado::desconectado;
        case QAbstractSocket::ConnectedState:
            return Estado::conectado;
        default:
            return Estado::enCurso;
        }
    }
    bool legible() const override { return socket.isReadable(); }
    QByteArray leerTodo() override { return socket.readAll(); }
    void escribir(const QByteArray &bytes) override { socket.write(bytes); }
    void cerrar() override { socket.close(); }
    void abortar() override { socket.abort(); }

private:
    static void avisar(const std::function<void()> &aviso) {
        if (aviso)
            aviso();
    }

    QTcpSocket socket;
};
} // namespace

Pasarelas::CanalTcp *zarcelCrearCanalTcp() {
    return new CanalQt;
}
