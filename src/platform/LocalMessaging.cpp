#include "platform/LocalMessaging.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>

#include <algorithm>

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

void LocalEndpoint::setLimits(int partialTimeoutMs, int maxConnections)
{
    m_partialTimeoutMs = std::max(1, partialTimeoutMs);
    m_maxConnections = std::max(1, maxConnections);
}

int LocalEndpoint::connectionCount() const
{
    return int(findChildren<QLocalSocket*>(QString(), Qt::FindDirectChildrenOnly).size());
}

namespace {
// What the endpoint keeps of one connection, as properties of its socket.
const char* const kBusy = "localEndpointBusy";
const char* const kServed = "localEndpointServed";
const char* const kPartialTimer = "localEndpointPartialTimer";
constexpr int kRequestSize = 12;
constexpr int kReadBufferSize = 64 * kRequestSize;
} // namespace

void LocalEndpoint::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        if (connectionCount() >= m_maxConnections) {
            QLocalSocket* idle = nullptr;
            for (QLocalSocket* s : findChildren<QLocalSocket*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (!s->property(kServed).toBool() && s->state() == QLocalSocket::ConnectedState) {
                    idle = s;
                    break;
                }
            }
            if (!idle) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            // Connections that never asked anything cannot lock others out.
            idle->setParent(nullptr);
            idle->abort();
            idle->deleteLater();
        }
        socket->setParent(this);
        // A client that writes faster than its requests are handled waits in
        // the system's socket buffer, not in this program's memory.
        socket->setReadBufferSize(kReadBufferSize);
        auto* partial = new QTimer(socket);
        partial->setSingleShot(true);
        connect(partial, &QTimer::timeout, socket, [socket] {
            // Half a request for too long: the client is stuck or talks
            // another protocol; its bytes are never taken as a request.
            const qint64 waiting = socket->bytesAvailable();
            if (waiting > 0 && waiting < kRequestSize)
                socket->abort();
        });
        socket->setProperty(kPartialTimer, QVariant::fromValue<QObject*>(partial));
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

void LocalEndpoint::onReadyRead(QLocalSocket* socket)
{
    // A handler that opens a dialog runs a nested event loop, where this
    // socket can become readable again: its requests stay in order because
    // only the outer call takes them.
    if (socket->property(kBusy).toBool())
        return;
    QPointer<QLocalSocket> guard(socket);
    socket->setProperty(kBusy, true);
    int handled = 0;
    while (guard && socket->bytesAvailable() >= kRequestSize && handled < kRequestsPerTurn) {
        uchar request[kRequestSize];
        if (socket->read(reinterpret_cast<char*>(request), kRequestSize) != kRequestSize)
            break;
        ++handled;
        socket->setProperty(kServed, true);
        const uint32_t message = qFromLittleEndian<uint32_t>(request);
        const uint32_t wParam = qFromLittleEndian<uint32_t>(request + 4);
        const int32_t lParam = qFromLittleEndian<int32_t>(request + 8);
        const uint32_t result = m_handler ? m_handler(message, wParam, lParam) : 0;
        // The client may have gone (and its socket with it) while the
        // request was handled.
        if (!guard)
            return;
        uchar answer[4];
        qToLittleEndian<uint32_t>(result, answer);
        if (socket->state() == QLocalSocket::ConnectedState)
            socket->write(reinterpret_cast<const char*>(answer), 4);
    }
    if (!guard)
        return;
    socket->setProperty(kBusy, false);
    if (socket->state() != QLocalSocket::ConnectedState)
        return;
    if (socket->bytesAvailable() >= kRequestSize) {
        // More is waiting: the other clients and the program's own events
        // come first, then this client's next turn.
        QTimer::singleShot(0, socket, [this, socket] { onReadyRead(socket); });
        return;
    }
    auto* partial = qobject_cast<QTimer*>(socket->property(kPartialTimer).value<QObject*>());
    if (!partial)
        return;
    // Counted from the first byte of the unfinished request, so a client
    // that trickles one byte at a time cannot keep it alive.
    if (socket->bytesAvailable() == 0)
        partial->stop();
    else if (!partial->isActive())
        partial->start(m_partialTimeoutMs);
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
