// The window-message endpoint as another program reaches it: whatever bytes
// a client writes to the program's local socket, decoded into requests and
// handled as message 1090 is (the radio behind a recording port). Every
// whole request is answered; nothing else is taken as one.
#include "FuzzTarget.h"

#include "corvane/core/CatLink.h"
#include "corvane/frontpanel/RemoteCommand.h"
#include "platform/LocalMessaging.h"
#include "platform/RecordingSerialPort.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <cstdlib>
#include <memory>

namespace {

class Panel final : public CRemotePanel {
public:
    explicit Panel(CCatLink& link) : m_link(link) {}
    uint32_t GetFrequency() const override { return m_nHz; }
    void SetFrequency(uint32_t nHz) override
    {
        m_nHz = nHz;
        m_link.SetFrequencyHz(nHz);
    }
    void PollRadio(bool) override
    {
        uint32_t bytes = 0;
        uint8_t mode = 0;
        m_link.ReadFrequencyAndMode(bytes, mode);
    }
    bool IsAttenuatorOn() const override { return true; }
    bool IsIpoOn() const override { return false; }
    bool IsNarrowOn() const override { return true; }
    bool IsNoiseBlankerOn() const override { return false; }
    uint8_t GetMode() const override { return 0x0A; }
    int GetSMeter() const override { return 5; }
    int GetAgc() const override { return 2; }
    bool IsShowingTxMeter() const override { return false; }
    int GetTxMeter() const override { return 0; }
    int GetAlcMeter() const override { return 0; }

private:
    CCatLink& m_link;
    uint32_t m_nHz = 14070000;
};

struct Program {
    Program()
    {
        platform::setSerialPortFactory([] {
            auto port = std::make_unique<platform::RecordingSerialPort>();
            port->m_responder = [](const QByteArray& frame) -> QByteArray {
                switch (frame.size() == 5 ? uint8_t(frame[4]) : 0) {
                case 0x03: return QByteArray::fromHex("0140700001");
                case 0xBB: return QByteArray::fromHex("C411");
                default: return QByteArray(1, '\0');
                }
            };
            return port;
        });
        QString error;
        link.Open(QStringLiteral("/dev/fuzz"), QStringLiteral("38400"), error);
        platform::setSerialPortFactory(nullptr);
        CRemoteCommand::Hooks hooks;
        hooks.panel = [this]() -> CRemotePanel* { return &panel; };
        hooks.closing = [] { return false; };
        hooks.activate = [] {};
        remote = std::make_unique<CRemoteCommand>(link, hooks);
        endpoint.setHandler([this](uint32_t message, uint32_t wParam, int32_t lParam) -> uint32_t {
            ++handled;
            return message == CRemoteCommand::WM_REMOTE_COMMAND ? remote->Handle(wParam, lParam) : 0;
        });
        endpoint.setLimits(5, 64);
        if (!endpoint.listen(QStringLiteral("Corvane-Fuzz-Endpoint")))
            std::abort();
    }
    CCatLink link;
    Panel panel{link};
    std::unique_ptr<CRemoteCommand> remote;
    platform::LocalEndpoint endpoint;
    int handled = 0;
};

} // namespace

CORVANE_FUZZ_TARGET(LocalRequests)
{
    static Program program;
    program.handled = 0;
    const int whole = int(size / 12);
    QLocalSocket client;
    client.connectToServer(platform::LocalEndpoint::socketPath(QStringLiteral("Corvane-Fuzz-Endpoint")));
    if (!client.waitForConnected(2000))
        std::abort();
    client.write(reinterpret_cast<const char*>(data), qint64(size));
    QByteArray answers;
    QElapsedTimer clock;
    clock.start();
    // The endpoint runs on this thread: let it work until every whole request
    // is answered (and a trailing part has been dropped), within a bound.
    while (clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        client.flush();
        answers += client.readAll();
        const bool partial = size % 12 != 0;
        if (answers.size() >= 4 * whole && (!partial || client.state() != QLocalSocket::ConnectedState))
            break;
    }
    if (answers.size() != 4 * whole || program.handled != whole)
        std::abort();
    client.abort();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return 0;
}
