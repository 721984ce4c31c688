// The window-message endpoint against clients that misbehave: requests cut
// short, floods, clients that never write or leave before their answer, a
// handler that runs a nested event loop. The endpoint serves on a thread of
// its own, as the receiving program's UI thread; the clients are raw local
// sockets here.
#include "platform/LocalMessaging.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLocalSocket>
#include <QThread>
#include <QtEndian>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace platform;

namespace {

const QString kName = QStringLiteral("Abuse-Test-Identifier");

class Server {
public:
    Server(LocalEndpoint::Handler handler, int partialTimeoutMs = 300, int maxConnections = 8)
    {
        m_thread.reset(QThread::create([=, this] {
            LocalEndpoint endpoint;
            endpoint.setHandler(handler);
            endpoint.setLimits(partialTimeoutMs, maxConnections);
            m_listening = endpoint.listen(kName);
            m_ready = true;
            while (!m_stop) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
                m_connections = endpoint.connectionCount();
                QThread::msleep(1);
            }
        }));
        m_thread->start();
        while (!m_ready)
            QThread::msleep(2);
    }
    ~Server()
    {
        m_stop = true;
        m_thread->wait();
    }
    bool listening() const { return m_listening; }
    int connections() const { return m_connections; }

private:
    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_ready{false}, m_stop{false}, m_listening{false};
    std::atomic<int> m_connections{0};
};

QByteArray Request(uint32_t message, uint32_t wParam, int32_t lParam)
{
    uchar bytes[12];
    qToLittleEndian<uint32_t>(message, bytes);
    qToLittleEndian<uint32_t>(wParam, bytes + 4);
    qToLittleEndian<int32_t>(lParam, bytes + 8);
    return QByteArray(reinterpret_cast<const char*>(bytes), 12);
}

std::unique_ptr<QLocalSocket> Connect()
{
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(LocalEndpoint::socketPath(kName));
    if (!socket->waitForConnected(2000))
        return nullptr;
    return socket;
}

void Write(QLocalSocket& socket, const QByteArray& bytes)
{
    socket.write(bytes);
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(2000)) {
    }
}

// True once the server has closed this client's connection.
bool WaitForClose(QLocalSocket& socket, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (socket.state() == QLocalSocket::ConnectedState && clock.elapsed() < ms)
        socket.waitForReadyRead(20);
    return socket.state() != QLocalSocket::ConnectedState;
}

bool WaitUntil(const std::function<bool()>& condition, int ms = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QThread::msleep(5);
    }
    return true;
}

} // namespace

TEST(LocalEndpointAbuse, RequestCutShortIsNeverHandledAndItsConnectionEnds)
{
    std::atomic<int> handled{0};
    Server server([&](uint32_t, uint32_t, int32_t) -> uint32_t { return ++handled, 5; });
    ASSERT_TRUE(server.listening());

    auto cut = Connect();
    ASSERT_TRUE(cut);
    Write(*cut, Request(1090, 6, 2).left(7));
    // Others are served meanwhile.
    EXPECT_EQ(LocalClient::sendTo(kName, 1090, 2, 0), std::optional<uint32_t>(5));
    EXPECT_TRUE(WaitForClose(*cut, 3000)) << "half a request must not hold the connection";
    EXPECT_EQ(handled.load(), 1);

    // A request of 13 bytes: the twelve are one request, the thirteenth a
    // request that never completes.
    auto longer = Connect();
    ASSERT_TRUE(longer);
    Write(*longer, Request(1090, 2, 0) + QByteArray(1, '\x42'));
    ASSERT_TRUE(longer->waitForReadyRead(2000));
    EXPECT_EQ(longer->read(4).size(), 4);
    EXPECT_TRUE(WaitForClose(*longer, 3000));
    EXPECT_EQ(handled.load(), 2);
}

TEST(LocalEndpointAbuse, TricklingOneByteAtATimeDoesNotKeepAConnection)
{
    std::atomic<int> handled{0};
    Server server([&](uint32_t, uint32_t, int32_t) -> uint32_t { return ++handled; }, 400);
    auto slow = Connect();
    ASSERT_TRUE(slow);
    const QByteArray request = Request(1090, 2, 0);
    QElapsedTimer clock;
    clock.start();
    int sent = 0;
    while (sent < 11 && slow->state() == QLocalSocket::ConnectedState) {
        Write(*slow, request.mid(sent++, 1));
        slow->waitForReadyRead(100);
    }
    EXPECT_TRUE(WaitForClose(*slow, 3000));
    EXPECT_LT(sent, 11) << "closed before the request could complete";
    EXPECT_EQ(handled.load(), 0);
}

TEST(LocalEndpointAbuse, FloodingClientDoesNotStarveTheOthers)
{
    std::atomic<int> fromFlood{0};
    Server server([&](uint32_t message, uint32_t, int32_t) -> uint32_t {
        if (message == 1)
            ++fromFlood, QThread::msleep(1);
        return message;
    });
    auto flood = Connect();
    ASSERT_TRUE(flood);
    QByteArray many;
    for (int i = 0; i < 3000; ++i)
        many += Request(1, 0, i);
    flood->write(many);  // never reads its answers
    flood->waitForBytesWritten(100);
    ASSERT_TRUE(WaitUntil([&] { return fromFlood.load() > 0; }));

    const std::optional<uint32_t> answer = LocalClient::sendTo(kName, 1090, 9, 0, 2000);
    EXPECT_EQ(answer, std::optional<uint32_t>(1090));
    EXPECT_LT(fromFlood.load(), 3000) << "the other client waited for the whole flood";
}

TEST(LocalEndpointAbuse, SilentClientsMakeRoomForOnesThatAsk)
{
    Server server([](uint32_t, uint32_t, int32_t) -> uint32_t { return 7; }, 300, 8);
    std::vector<std::unique_ptr<QLocalSocket>> silent;
    for (int i = 0; i < 20; ++i) {
        auto s = Connect();
        ASSERT_TRUE(s);
        silent.push_back(std::move(s));
    }
    ASSERT_TRUE(WaitUntil([&] { return server.connections() <= 8; }));
    // Every new client that asks is answered although the silent ones came first.
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(LocalClient::sendTo(kName, 1090, 2, 0), std::optional<uint32_t>(7)) << i;

    // A client that keeps its connection and asks again is not pushed out by
    // newcomers.
    LocalClient regular;
    ASSERT_TRUE(regular.connectTo(kName));
    EXPECT_EQ(regular.send(1090, 2, 0), std::optional<uint32_t>(7));
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(Connect());
    EXPECT_EQ(regular.send(1090, 2, 0), std::optional<uint32_t>(7));
}

TEST(LocalEndpointAbuse, ManyClientsAtOnceAreAllAnswered)
{
    std::atomic<int> handled{0};
    Server server([&](uint32_t, uint32_t w, int32_t) -> uint32_t { return ++handled, w + 1; }, 300, 64);
    std::vector<std::unique_ptr<QLocalSocket>> clients;
    for (int i = 0; i < 40; ++i) {
        auto s = Connect();
        ASSERT_TRUE(s);
        s->write(Request(1090, uint32_t(i), 0));
        clients.push_back(std::move(s));
    }
    for (int i = 0; i < 40; ++i) {
        QLocalSocket& s = *clients[i];
        s.waitForBytesWritten(1000);
        while (s.bytesAvailable() < 4 && s.waitForReadyRead(2000)) {
        }
        ASSERT_EQ(s.bytesAvailable(), 4) << "client " << i;
        EXPECT_EQ(qFromLittleEndian<uint32_t>(s.read(4).constData()), uint32_t(i + 1));
    }
    EXPECT_EQ(handled.load(), 40);
}

TEST(LocalEndpointAbuse, ClientLeavingBeforeItsAnswerLeavesTheServerServing)
{
    std::atomic<int> handled{0};
    Server server([&](uint32_t, uint32_t, int32_t) -> uint32_t {
        QThread::msleep(20);
        return ++handled;
    });
    for (int i = 0; i < 10; ++i) {
        auto s = Connect();
        ASSERT_TRUE(s);
        Write(*s, Request(1090, 2, 0) + Request(1090, 2, 0));
        s->abort();
    }
    ASSERT_TRUE(WaitUntil([&] { return server.connections() == 0; }));
    const int before = handled.load();
    EXPECT_TRUE(LocalClient::sendTo(kName, 1090, 2, 0).has_value());
    EXPECT_GT(handled.load(), before);
}

TEST(LocalEndpointAbuse, HandlerWithANestedEventLoopAnswersInOrder)
{
    // As a handler that opens a modal dialog: the client's next requests
    // arrive while the first is still being handled.
    Server server([](uint32_t, uint32_t w, int32_t) -> uint32_t {
        if (w == 0) {
            QEventLoop loop;
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < 200)
                loop.processEvents(QEventLoop::AllEvents, 10);
        }
        return w * 10;
    });
    auto s = Connect();
    ASSERT_TRUE(s);
    Write(*s, Request(1090, 0, 0));
    QThread::msleep(50);
    Write(*s, Request(1090, 1, 0) + Request(1090, 2, 0));
    QByteArray answers;
    QElapsedTimer clock;
    clock.start();
    while (answers.size() < 12 && clock.elapsed() < 3000) {
        s->waitForReadyRead(50);
        answers += s->readAll();
    }
    ASSERT_EQ(answers.size(), 12);
    EXPECT_EQ(qFromLittleEndian<uint32_t>(answers.constData()), 0u);
    EXPECT_EQ(qFromLittleEndian<uint32_t>(answers.constData() + 4), 10u);
    EXPECT_EQ(qFromLittleEndian<uint32_t>(answers.constData() + 8), 20u);
}
