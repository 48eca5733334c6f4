#include "app/instancelink.h"

#include "app/instancemessage.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <memory>
#include <unistd.h>

QString InstanceLink::defaultName() { return QStringLiteral("rationix-%1").arg(::getuid()); }

InstanceLink::InstanceLink(const QString &name, QObject *parent) : QObject(parent), m_name(name) { }

bool InstanceLink::sendToRunning(const QStringList &paths, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(InstanceMessage::encode(paths));
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The running program answers once it has the whole message.
    if (!socket.waitForReadyRead(timeoutMs))
        return false;
    return socket.readAll().startsWith("OK");
}

bool InstanceLink::listen()
{
    if (m_server)
        return true;
    // A program that is alive, even one that did not answer in time, keeps
    // its socket: listening with access limited to the user would silently
    // put a new socket in its place. One that nobody listens on was left
    // by a program that is gone.
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(1000))
        return false;
    QLocalServer::removeServer(m_name);
    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_name)) {
        delete server;
        return false;
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, &InstanceLink::acceptConnections);
    return true;
}

void InstanceLink::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        // Lives as long as the connection below, that is as the socket.
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A client that never finishes its message is dropped.
        QTimer::singleShot(10000, socket, &QLocalSocket::abort);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
            *buffer += socket->readAll();
            if (buffer->size() > InstanceMessage::MaxSize) {
                socket->abort();
                return;
            }
            const std::optional<QStringList> paths = InstanceMessage::decode(*buffer);
            if (!paths)
                return;
            buffer->clear();
            socket->write("OK\n");
            socket->flush();
            socket->disconnectFromServer();
            Q_EMIT filesReceived(*paths);
        });
    }
}
