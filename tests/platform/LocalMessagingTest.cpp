#include "platform/LocalMessaging.h"

#include <QEventLoop>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>

using namespace platform;

namespace {
// The receiving program, on a thread with its own event loop.
class ServerThread {
public:
    explicit ServerThread(LocalEndpoint::Handler handler)
    {
        m_thread.reset(QThread::create([this, handler] {
            LocalEndpoint endpoint;
            endpoint.setHandler(handler);
            m_listening = endpoint.listen(QStringLiteral("Test-Window-Identifier"));
            m_ready = true;
            QEventLoop loop;
            m_loop = &loop;
            QObject::connect(QThread::currentThread(), &QThread::finished, &loop, &QEventLoop::quit);
            while (!m_stop)
                loop.processEvents(QEventLoop::AllEvents, 20);
        }));
        m_thread->start();
        while (!m_ready)
            QThread::msleep(5);
    }
    ~ServerThread()
    {
        m_stop = true;
        m_thread->wait();
    }
    bool listening() const { return m_listening; }

private:
    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_ready{false}, m_stop{false}, m_listening{false};
    QEventLoop* m_loop = nullptr;
};
} // namespace

TEST(LocalMessaging, RequestsAreAnsweredInOrderAndReadUnsigned)
{
    std::atomic<int> posts{0};
    ServerThread server([&](uint32_t message, uint32_t w, int32_t l) -> uint32_t {
        if (w == 3)
            ++posts;
        if (w == 9)
            return 0x80000123u;  // a status word with bit 31 set
        return uint32_t(message + w + uint32_t(l));
    });
    ASSERT_TRUE(server.listening());

    LocalClient client;
    ASSERT_TRUE(client.connectTo(QStringLiteral("Test-Window-Identifier")));
    EXPECT_EQ(client.send(1090, 2, 0), std::optional<uint32_t>(1092));
    EXPECT_TRUE(client.post(1090, 3, 0));
    EXPECT_EQ(client.send(1090, 9, 0), std::optional<uint32_t>(0x80000123u));
    EXPECT_EQ(client.send(1090, 1, -1), std::optional<uint32_t>(1090));
    EXPECT_EQ(posts.load(), 1);
    EXPECT_EQ(LocalClient::sendTo(QStringLiteral("Test-Window-Identifier"), 1, 2, 3), std::optional<uint32_t>(6));
}

TEST(LocalMessaging, MissingPeerIsWindowNotFound)
{
    EXPECT_FALSE(LocalClient::isServed(QStringLiteral("Nobody-Here")));
    EXPECT_EQ(LocalClient::sendTo(QStringLiteral("Nobody-Here"), 1090, 2, 0, 200), std::nullopt);
    EXPECT_FALSE(LocalClient::postTo(QStringLiteral("Nobody-Here"), 1090, 3, 0, 200));
}

TEST(LocalMessaging, HungPeerTimesOut)
{
    ServerThread server([](uint32_t, uint32_t, int32_t) -> uint32_t {
        QThread::msleep(600);
        return 7;
    });
    LocalClient client;
    ASSERT_TRUE(client.connectTo(QStringLiteral("Test-Window-Identifier")));
    EXPECT_EQ(client.send(1090, 2, 0, 200), std::nullopt);
    EXPECT_FALSE(client.isConnected());
}

TEST(LocalMessaging, SecondEndpointOnALiveNameIsRefused)
{
    ServerThread server([](uint32_t, uint32_t, int32_t) -> uint32_t { return 0; });
    LocalEndpoint second;
    QString error;
    EXPECT_FALSE(second.listen(QStringLiteral("Test-Window-Identifier"), &error));
    EXPECT_FALSE(error.isEmpty());
}
