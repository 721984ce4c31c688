#include "platform/LocalMessaging.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QtEndian>

namespace platform {

QString LocalEndpoint::socketPath(const QString& identifier)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QLatin1Char('/') + identifier;
}

LocalEndpoint::LocalEndpoint(QObject* parent) : QObject(parent) {}
LocalEndpoint::~LocalEndpoint() { close(); }

bool LocalEndpoint::listen(const QString& identifier, QString* error)
{
    close();
    const QString path = socketPath(identifier);
    if (LocalClient::isServed(identifier)) {
        if (error)
            *error = QStringLiteral("Another process serves %1").arg(path);
        return false;
    }
    QLocalServer::removeServer(path);  // a socket left by a process that died
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(path)) {
        if (error)
            *error = m_server->errorString();
        m_server.reset();
        return false;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, &LocalEndpoint::onNewConnection);
    return true;
}

void LocalEndpoint::close()
{
    if (m_server) {
        m_server->close();
        m_server.reset();
    }
}

bool LocalEndpoint::isListening() const { return m_server && m_server->isListening(); }

void LocalEndpoint::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

void LocalEndpoint::onReadyRead(QLocalSocket* socket)
{
    while (socket->bytesAvailable() >= 12) {
        uchar request[12];
        socket->read(reinterpret_cast<char*>(request), 12);
        const uint32_t message = qFromLittleEndian<uint32_t>(request);
        const uint32_t wParam = qFromLittleEndian<uint32_t>(request + 4);
        const int32_t lParam = qFromLittleEndian<int32_t>(request + 8);
        const uint32_t result = m_handler ? m_handler(message, wParam, lParam) : 0;
        uchar answer[4];
        qToLittleEndian<uint32_t>(result, answer);
        if (socket->state() == QLocalSocket::ConnectedState)
            socket->write(reinterpret_cast<const char*>(answer), 4);
    }
}

LocalClient::LocalClient() = default;
LocalClient::~LocalClient() { disconnect(); }

bool LocalClient::connectTo(const QString& identifier, int timeoutMs)
{
    disconnect();
    m_socket = std::make_unique<QLocalSocket>();
    m_socket->connectToServer(LocalEndpoint::socketPath(identifier));
    if (!m_socket->waitForConnected(timeoutMs)) {
        m_socket.reset();
        return false;
    }
    m_pendingAnswers = 0;
    return true;
}

bool LocalClient::isConnected() const
{
    return m_socket && m_socket->state() == QLocalSocket::ConnectedState;
}

void LocalClient::disconnect()
{
    if (m_socket) {
        m_socket->abort();
        m_socket.reset();
    }
}

bool LocalClient::writeRequest(uint32_t message, uint32_t wParam, int32_t lParam, int timeoutMs)
{
    if (!isConnected())
        return false;
    uchar request[12];
    qToLittleEndian<uint32_t>(message, request);
    qToLittleEndian<uint32_t>(wParam, request + 4);
    qToLittleEndian<int32_t>(lParam, request + 8);
    if (m_socket->write(reinterpret_cast<const char*>(request), 12) != 12)
        return false;
    QElapsedTimer timer;
    timer.start();
    while (m_socket->bytesToWrite() > 0) {
        const int left = timeoutMs - int(timer.elapsed());
        if (left <= 0 || !m_socket->waitForBytesWritten(left))
            return m_socket->bytesToWrite() == 0;
    }
    return true;
}

std::optional<uint32_t> LocalClient::send(uint32_t message, uint32_t wParam, int32_t lParam, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    if (!writeRequest(message, wParam, lParam, timeoutMs))
        return std::nullopt;
    const qint64 needed = 4 * qint64(m_pendingAnswers + 1);
    while (m_socket->bytesAvailable() < needed) {
        const int left = timeoutMs - int(timer.elapsed());
        if (left <= 0 || !m_socket->waitForReadyRead(left)) {
            // A late answer would shift every later one: start afresh next time.
            disconnect();
            return std::nullopt;
        }
    }
    if (m_pendingAnswers > 0) {
        m_socket->read(4 * qint64(m_pendingAnswers));
        m_pendingAnswers = 0;
    }
    uchar answer[4];
    m_socket->read(reinterpret_cast<char*>(answer), 4);
    return qFromLittleEndian<uint32_t>(answer);
}

bool LocalClient::post(uint32_t message, uint32_t wParam, int32_t lParam, int timeoutMs)
{
    if (!writeRequest(message, wParam, lParam, timeoutMs))
        return false;
    ++m_pendingAnswers;
    return true;
}

std::optional<uint32_t> LocalClient::sendTo(const QString& identifier, uint32_t message, uint32_t wParam,
                                            int32_t lParam, int timeoutMs)
{
    LocalClient client;
    QElapsedTimer timer;
    timer.start();
    if (!client.connectTo(identifier, timeoutMs))
        return std::nullopt;
    return client.send(message, wParam, lParam, std::max(1, timeoutMs - int(timer.elapsed())));
}

bool LocalClient::postTo(const QString& identifier, uint32_t message, uint32_t wParam, int32_t lParam, int timeoutMs)
{
    LocalClient client;
    if (!client.connectTo(identifier, timeoutMs))
        return false;
    return client.post(message, wParam, lParam, timeoutMs);
}

bool LocalClient::isServed(const QString& identifier, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(LocalEndpoint::socketPath(identifier));
    const bool served = socket.waitForConnected(timeoutMs);
    socket.abort();
    return served;
}

} // namespace platform
