// Both programs' window-message sockets under abuse, each program a process
// of its own: clients that connect and never write, requests cut short,
// garbage, many clients at once, clients that leave before their answer.
// Meanwhile and afterwards a well-formed request is answered in its time,
// and FT-817 Corvane sends the radio nothing but its polls.
#include "support/CorvaneProcess.h"
#include "support/ProgramProcess.h"

#include "platform/LocalMessaging.h"
#include "support/Simulator.h"
#include "support/TestEnvironment.h"
#include "support/WaveFiles.h"

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QRandomGenerator>
#include <QThread>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

constexpr const char* kBrevioIdentifier = "PSK31-Brevio-QT9XVK-Application";

bool Poll(const std::function<bool()>& condition, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QThread::msleep(50);
    }
    return true;
}

QByteArray Request(uint32_t message, uint32_t wParam, int32_t lParam)
{
    uchar bytes[12];
    qToLittleEndian<uint32_t>(message, bytes);
    qToLittleEndian<uint32_t>(wParam, bytes + 4);
    qToLittleEndian<int32_t>(lParam, bytes + 8);
    return QByteArray(reinterpret_cast<const char*>(bytes), 12);
}

std::unique_ptr<QLocalSocket> Connect(const QString& identifier)
{
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(platform::LocalEndpoint::socketPath(identifier));
    if (!socket->waitForConnected(2000))
        return nullptr;
    return socket;
}

// The abuse, with a well-formed request between each kind; the request
// (message 1090, wParam, 0) must be answered with an answer the check takes.
void Abuse(const QString& identifier, uint32_t wParam, const std::function<bool(uint32_t)>& goodAnswer)
{
    auto wellFormed = [&](const char* during) {
        const std::optional<uint32_t> answer = platform::LocalClient::sendTo(identifier, 1090, wParam, 0, 2000);
        EXPECT_TRUE(answer && goodAnswer(*answer)) << "not answered during: " << during;
    };

    // Clients that connect and never write, and one that stops half-way.
    std::vector<std::unique_ptr<QLocalSocket>> silent;
    for (int i = 0; i < 10; ++i)
        if (auto s = Connect(identifier))
            silent.push_back(std::move(s));
    EXPECT_EQ(silent.size(), 10u);
    auto cut = Connect(identifier);
    ASSERT_TRUE(cut);
    cut->write(Request(1090, wParam, 0).left(5));
    cut->waitForBytesWritten(1000);
    wellFormed("silent clients and a request cut short");

    // Garbage: random bytes, their answers never read. The message numbers
    // the programs act on (activate, close, 1090) are kept out, so no request
    // of it is one a program would act on.
    QRandomGenerator random(817);
    QByteArray garbage;
    while (garbage.size() < 60000) {
        uint32_t message = random.generate();
        if (message == 6 || message == 16 || message == 1090)
            message = 0xDEAD;
        garbage += Request(message, random.generate(), int32_t(random.generate()));
    }
    garbage += QByteArray(7, '\xA5');  // and a tail that is no request
    auto flood = Connect(identifier);
    ASSERT_TRUE(flood);
    flood->write(garbage);
    flood->waitForBytesWritten(200);
    wellFormed("a flood of garbage");

    // Many clients at once.
    std::vector<std::unique_ptr<QLocalSocket>> many;
    for (int i = 0; i < 40; ++i) {
        auto s = Connect(identifier);
        ASSERT_TRUE(s) << "client " << i;
        s->write(Request(1090, wParam, 0));
        many.push_back(std::move(s));
    }
    int answered = 0;
    for (auto& s : many) {
        s->waitForBytesWritten(1000);
        QElapsedTimer clock;
        clock.start();
        while (s->bytesAvailable() < 4 && clock.elapsed() < 5000)
            s->waitForReadyRead(100);
        if (s->bytesAvailable() >= 4 && goodAnswer(qFromLittleEndian<uint32_t>(s->read(4).constData())))
            ++answered;
    }
    EXPECT_EQ(answered, 40);

    // Clients that leave before their answer.
    for (int i = 0; i < 20; ++i) {
        auto s = Connect(identifier);
        ASSERT_TRUE(s);
        s->write(Request(1090, wParam, 0) + Request(1090, wParam, 0));
        s->waitForBytesWritten(500);
        s->abort();
    }
    wellFormed("clients that left before their answers");

    flood->abort();
    cut.reset();
    silent.clear();
    QThread::msleep(300);
    wellFormed("the end");
}

} // namespace

TEST(SocketAbuse, RadioProgramStaysResponsiveAndActsOnNothingMalformed)
{
    testsupport::Simulator sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    CorvaneProcess corvane(QString::fromUtf8(CORVANE_PROGRAM), sim.portPath());
    ASSERT_TRUE(corvane.WaitUntilServing()) << corvane.Diagnostics().toStdString();
    const QByteArray eeprom = sim.eeprom();
    const int framesBefore = int(sim.frames().size());

    Abuse(QString::fromLatin1(CorvaneProcess::kIdentifier), 2, [](uint32_t f) { return f == 14070000u; });

    ASSERT_TRUE(corvane.IsRunning()) << corvane.Diagnostics().toStdString();
    // Only the panel's reads reached the radio: nothing of the abuse acted.
    const QList<QByteArray> frames = sim.frames().mid(framesBefore);
    EXPECT_GT(frames.size(), 10) << "the panel stopped polling";
    for (const QByteArray& f : frames) {
        const uint8_t opcode = uint8_t(f.at(4));
        EXPECT_TRUE(opcode == 0x03 || opcode == 0xBB || opcode == 0xE7 || opcode == 0xF7 || opcode == 0xBD)
            << "sent " << f.toHex(' ').toStdString();
    }
    EXPECT_EQ(sim.eeprom(), eeprom);
}

TEST(SocketAbuse, DigitalModeProgramStaysResponsive)
{
    const QString recording = testsupport::dataFolder() + QStringLiteral("/silence.wav");
    ASSERT_TRUE(testsupport::WriteSilence(recording, 2 * 8000));
    ProgramProcess brevio(QString::fromUtf8(BREVIO_PROGRAM), QStringLiteral("PSK31 Brevio"),
                          QStringLiteral("BREVIO_DATA_DIR"));
    ASSERT_TRUE(brevio.Start({{QStringLiteral("BREVIO_AUTOSTART"), QStringLiteral("1")},
                              {QStringLiteral("PSKMODEM117_SOUNDCARD_FILE"), recording}}))
        << brevio.Diagnostics().toStdString();
    const QString identifier = QString::fromLatin1(kBrevioIdentifier);
    // Message 1090 command 14 asks it to come forward: answered 1 once its
    // main window is up.
    ASSERT_TRUE(Poll([&] {
        const std::optional<uint32_t> a = platform::LocalClient::sendTo(identifier, 1090, 14, 0, 1000);
        return !brevio.IsRunning() || (a && *a == 1);
    }, 30000));
    ASSERT_TRUE(brevio.IsRunning()) << brevio.Diagnostics().toStdString();

    Abuse(identifier, 14, [](uint32_t a) { return a == 1; });

    EXPECT_TRUE(brevio.IsRunning()) << brevio.Diagnostics().toStdString();
}
