#pragma once
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QLocalServer;
class QLocalSocket;

namespace platform {

// Window messages between programs, carried over a local socket named after
// the receiving window's identifier. A request is 12 bytes (message, wParam,
// lParam; little-endian), each answered in order by 4 bytes (the result).
class LocalEndpoint : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<uint32_t(uint32_t message, uint32_t wParam, int32_t lParam)>;

    explicit LocalEndpoint(QObject* parent = nullptr);
    ~LocalEndpoint() override;

    // Fails when another live process already serves the name.
    bool listen(const QString& identifier, QString* error = nullptr);
    void close();
    bool isListening() const;
    void setHandler(Handler handler) { m_handler = std::move(handler); }

    // Bounds that keep one client from holding the program: a request left
    // unfinished for partialTimeoutMs ends its connection; beyond
    // maxConnections a newcomer takes the place of the oldest connection that
    // never sent a whole request, or is closed when there is none.
    void setLimits(int partialTimeoutMs, int maxConnections);
    int connectionCount() const;

    static QString socketPath(const QString& identifier);

    static constexpr int kPartialTimeoutMs = 2000;
    static constexpr int kMaxConnections = 64;
    // Requests handled for one client before the others get their turn.
    static constexpr int kRequestsPerTurn = 16;

private:
    void onNewConnection();
    void onReadyRead(QLocalSocket* socket);

    std::unique_ptr<QLocalServer> m_server;
    Handler m_handler;
    int m_partialTimeoutMs = kPartialTimeoutMs;
    int m_maxConnections = kMaxConnections;
};

// The sending side. Every wait is bounded; a peer that cannot be reached is
// "window not found" (nullopt / false).
class LocalClient {
public:
    LocalClient();
    ~LocalClient();

    bool connectTo(const QString& identifier, int timeoutMs = 2000);
    bool isConnected() const;
    void disconnect();
    // Send: waits for the answer; nullopt when it did not come in time.
    std::optional<uint32_t> send(uint32_t message, uint32_t wParam, int32_t lParam, int timeoutMs = 2000);
    // Post: the answer is not awaited.
    bool post(uint32_t message, uint32_t wParam, int32_t lParam, int timeoutMs = 2000);

    // One-shot forms on a fresh connection.
    static std::optional<uint32_t> sendTo(const QString& identifier, uint32_t message, uint32_t wParam,
                                          int32_t lParam, int timeoutMs = 2000);
    static bool postTo(const QString& identifier, uint32_t message, uint32_t wParam, int32_t lParam,
                       int timeoutMs = 2000);
    static bool isServed(const QString& identifier, int timeoutMs = 500);

private:
    bool writeRequest(uint32_t message, uint32_t wParam, int32_t lParam, int timeoutMs);
    std::unique_ptr<QLocalSocket> m_socket;
    int m_pendingAnswers = 0;  // answers to posts still to be skipped
};

} // namespace platform
