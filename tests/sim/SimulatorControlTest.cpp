// The simulator's controls for fault tests: faults armed and disarmed while
// it runs, and the line unplugged and plugged back in under its link name.
#include "platform/SerialPort.h"
#include "support/Simulator.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using testsupport::Simulator;

namespace {

const QByteArray kReadFrequency = QByteArray::fromHex("0000000003");

std::unique_ptr<platform::SerialPort> Open(const QString& path)
{
    auto port = platform::createSerialPort();
    QString error;
    if (!port->open(path, &error))
        return nullptr;
    port->configure(platform::SerialLineSettings{}, &error);
    platform::SerialTimeouts t;
    t.readInterval = 50;
    t.readTotalMultiplier = 20;
    t.readTotalConstant = 200;
    port->setTimeouts(t, &error);
    return port;
}

// The reply's bytes; empty when none came or the port failed.
QByteArray Exchange(platform::SerialPort& port, const QByteArray& frame, int replyLength, bool* failed = nullptr)
{
    port.flushInput();
    int written = 0;
    QString error;
    bool ok = port.write(reinterpret_cast<const uint8_t*>(frame.constData()), int(frame.size()), &written, &error);
    QByteArray reply(replyLength, '\0');
    int got = 0;
    ok = ok && port.read(reinterpret_cast<uint8_t*>(reply.data()), replyLength, &got, &error);
    if (failed)
        *failed = !ok;
    reply.truncate(ok ? got : 0);
    return reply;
}

} // namespace

TEST(SimulatorControl, DisarmedFaultsWaitUntilArmedAndCountNothingMeanwhile)
{
    Simulator::Options o;
    o.faults << QStringLiteral("no-answer:op=03,count=1");
    o.faultsDisarmed = true;
    Simulator sim(o);
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    auto port = Open(sim.portPath());
    ASSERT_TRUE(port);
    EXPECT_EQ(Exchange(*port, kReadFrequency, 5).size(), 5) << "disarmed: answered";
    EXPECT_EQ(Exchange(*port, kReadFrequency, 5).size(), 5);
    ASSERT_TRUE(sim.setFaultsArmed(true));
    EXPECT_TRUE(Exchange(*port, kReadFrequency, 5).isEmpty()) << "armed: the first matching frame is hit";
    EXPECT_EQ(Exchange(*port, kReadFrequency, 5).size(), 5) << "count=1 used up";
    ASSERT_TRUE(sim.setFaultsArmed(false));
    EXPECT_EQ(Exchange(*port, kReadFrequency, 5).size(), 5);
}

TEST(SimulatorControl, UnpluggedLineFailsAndComesBackUnderItsLinkName)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("ttyUSB0"));
    Simulator::Options o;
    o.linkPath = link;
    Simulator sim(o);
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    auto port = Open(link);
    ASSERT_TRUE(port);
    ASSERT_EQ(Exchange(*port, kReadFrequency, 5).size(), 5);

    ASSERT_TRUE(sim.unplug());
    EXPECT_FALSE(QFileInfo::exists(link)) << "the device name goes with the adapter";
    bool failed = false;
    for (int i = 0; i < 3 && !failed; ++i)
        EXPECT_TRUE(Exchange(*port, kReadFrequency, 5, &failed).isEmpty());
    EXPECT_TRUE(failed) << "the vanished device must fail, not merely stay silent";
    EXPECT_FALSE(Open(link));

    ASSERT_TRUE(sim.plugBack());
    port->close();
    port = Open(link);
    ASSERT_TRUE(port) << "reopened under the same name";
    EXPECT_EQ(Exchange(*port, kReadFrequency, 5).size(), 5);
}
