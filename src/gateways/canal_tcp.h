#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace Pasarelas {

// A TCP connection as the exchange uses it: Qt's socket, reduced to what the exchange
// calls. The program's connection lives in a library of its own (the network
// library, libzarcel_red), loaded with the first send: Qt's network module and the
// libraries it brings would otherwise be loaded at every start, for a window that
// most starts never use to send.
class CanalTcp {
public:
    enum class Estado { desconectado, enCurso, conectado };

    virtual ~CanalTcp() = default;

    virtual void conectar(const QString &host, quint16 puerto) = 0;
    virtual Estado estado() const = 0;
    virtual bool legible() const = 0;
    virtual QByteArray leerTodo() = 0;
    virtual void escribir(const QByteArray &bytes) = 0;
    // Announces the close (alCerrar), then disconnects once what is written has gone.
    virtual void cerrar() = 0;
    // Drops the connection and whatever it still buffers.
    virtual void abortar() = 0;

    // Qt's socket signals: data arrived, connected, about to close, now unconnected.
    std::function<void()> alLlegarDatos, alConectar, alCerrar, alDesconectar;
};

// A new connection from the network library, which the first call loads: from the
// program's folder, or from wherever the system finds it. Null when it cannot be
// loaded; `error` then says why.
std::unique_ptr<CanalTcp> abrirCanalTcp(QString *error = nullptr);

} // namespace Pasarelas
