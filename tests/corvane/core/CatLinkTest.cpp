// The serial link itself: opening, line settings, short and missing replies.
#include "CatLinkTestSupport.h"

#include "platform/RecordingSerialPort.h"
#include "shared/Registry.h"
#include "support/TestEnvironment.h"
#include <QThread>

using namespace cattest;

namespace {
struct FactoryGuard {
    ~FactoryGuard() { platform::setSerialPortFactory(nullptr); }
};
} // namespace

TEST(CatLink, OpenLogsEachStepAndSetsTheLine)
{
    RecordingLog log;
    CRadioApp::SetIoLogSink(&log);
    FactoryGuard guard;
    platform::RecordingSerialPort* port = nullptr;
    platform::setSerialPortFactory([&] {
        auto p = std::make_unique<platform::RecordingSerialPort>();
        port = p.get();
        return p;
    });
    CRegistry().WriteBool(QStringLiteral("Startup - DTR"), 1);
    CRegistry().WriteBool(QStringLiteral("Startup - RTS"), 0);
    {
        CCatLink link;
        QString error;
        ASSERT_TRUE(link.Open(QStringLiteral("COM1"), QStringLiteral("38400"), error));
        EXPECT_TRUE(link.IsOpen());
        ASSERT_NE(port, nullptr);
        EXPECT_EQ(port->m_portName, QStringLiteral("COM1"));
        EXPECT_EQ(port->m_settings.baud, 38400);
        EXPECT_EQ(port->m_settings.parity, 'n');
        EXPECT_EQ(port->m_settings.dataBits, 8);
        EXPECT_EQ(port->m_settings.stopBits, 2);
        EXPECT_TRUE(port->m_settings.dtr);
        EXPECT_FALSE(port->m_settings.rts);
        EXPECT_EQ(port->m_timeouts.readInterval, 200);
        EXPECT_EQ(port->m_timeouts.readTotalMultiplier, 200);
        EXPECT_EQ(port->m_timeouts.readTotalConstant, 500);
        EXPECT_EQ(port->m_timeouts.writeTotalMultiplier, 100);
        EXPECT_EQ(port->m_timeouts.writeTotalConstant, 500);
    }
    CRadioApp::SetIoLogSink(nullptr);
    const QStringList texts = log.texts();
    ASSERT_EQ(texts.size(), 10) << texts.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(texts[0], QStringLiteral("Opened: COM1"));
    EXPECT_EQ(texts[1], QStringLiteral("Build DCB: 38400,n,8,2"));
    EXPECT_TRUE(texts[2].startsWith(QStringLiteral("Set DCB: ")));
    EXPECT_EQ(texts[3], QStringLiteral("Set timeouts:"));
    EXPECT_EQ(texts[4], QStringLiteral("  Read interval timeout ...........: 200"));
    EXPECT_EQ(texts[8], QStringLiteral("  Write Total Timeout Constant ....: 500"));
    EXPECT_EQ(texts[9], QStringLiteral("Closed"));
}

TEST(CatLink, OpenFailures)
{
    RecordingLog log;
    CRadioApp::SetIoLogSink(&log);
    CCatLink link;
    QString error;
    EXPECT_FALSE(link.Open(QStringLiteral("/dev/no-such-port"), QStringLiteral("38400"), error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Error opening /dev/no-such-port - "))) << error.toStdString();
    EXPECT_GT(error.size(), QStringLiteral("Error opening /dev/no-such-port - ").size());
    EXPECT_FALSE(link.IsOpen());
    EXPECT_TRUE(log.rows.isEmpty()) << "a failed open logs nothing";

    // A port another program holds.
    testsupport::Simulator sim;
    ASSERT_TRUE(sim.isRunning());
    CCatLink holder;
    ASSERT_TRUE(holder.Open(sim.portPath(), QStringLiteral("38400"), error));
    log.rows.clear();
    EXPECT_FALSE(link.Open(sim.portPath(), QStringLiteral("38400"), error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Error opening %1 - ").arg(sim.portPath()))) << error.toStdString();
    EXPECT_FALSE(link.IsOpen());

    // A speed the line cannot take: the port is closed again.
    holder.Close();
    log.rows.clear();
    EXPECT_FALSE(link.Open(sim.portPath(), QStringLiteral("fast"), error));
    EXPECT_EQ(error, QStringLiteral("Error building device control block - The parameter is incorrect."));
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(log.texts(), (QStringList{QStringLiteral("Opened: %1").arg(sim.portPath()), QStringLiteral("Closed")}));
    CRadioApp::SetIoLogSink(nullptr);
}

class CatLinkReplies : public SimLink {};

TEST_F(CatLinkReplies, ShortReplyIsAFailureWithTheRealCount)
{
    testsupport::Simulator::Options o;
    o.faults << QStringLiteral("short-reply:op=03,keep=2,after=1,count=1");
    start(o);
    link->SetTraceAll(true);
    uint32_t frequency = 0;
    uint8_t mode = 0;
    ASSERT_TRUE(link->ReadFrequencyAndMode(frequency, mode));
    EXPECT_NE(frequency, 0u);
    log.rows.clear();

    // Two of five bytes: a failure, and the outputs are not the last read's.
    EXPECT_FALSE(link->ReadFrequencyAndMode(frequency, mode));
    EXPECT_EQ(frequency, 0u);
    EXPECT_EQ(mode, 0);
    ASSERT_EQ(log.rows.size(), 2);
    EXPECT_EQ(log.rows[0].sent, hex("00 00 00 00 03"));
    EXPECT_EQ(log.rows[0].received.size(), 5);
    EXPECT_EQ(log.rows[0].received.mid(2), hex("00 00 00")) << "the missing bytes are zero";
    EXPECT_EQ(log.rows[1].text, QStringLiteral("Read error: 2 / 5 bytes read (Read frequency and mode)"));

    // The link stays usable.
    EXPECT_TRUE(link->ReadFrequencyAndMode(frequency, mode));
    EXPECT_NE(frequency, 0u);
}

TEST_F(CatLinkReplies, NoReplyTracesAZeroReplyBeforeTheErrorLine)
{
    testsupport::Simulator::Options o;
    o.faults << QStringLiteral("no-answer:op=03,count=1");
    start(o);
    link->SetTraceAll(true);
    uint32_t frequency = 0;
    uint8_t mode = 0;
    EXPECT_FALSE(link->ReadFrequencyAndMode(frequency, mode));
    ASSERT_EQ(log.rows.size(), 2);
    EXPECT_EQ(log.rows[0].received, hex("00 00 00 00 00"));
    EXPECT_EQ(log.rows[0].text, QStringLiteral("Read frequency and mode"));
    EXPECT_EQ(log.rows[1].text, QStringLiteral("Read error: 0 / 5 bytes read (Read frequency and mode)"));
    EXPECT_FALSE(log.rows[1].hasSent);
}

TEST_F(CatLinkReplies, LateAnswerDoesNotBecomeTheNextReply)
{
    testsupport::Simulator::Options o;
    o.faults << QStringLiteral("late-answer:op=E7,delay=1200,count=1");
    start(o);
    uint8_t rx = 0;
    EXPECT_FALSE(link->ReadRxStatus(rx));
    QThread::msleep(600);  // the late byte arrives now
    uint8_t tx = 0;
    EXPECT_TRUE(link->ReadTxStatus(tx));
    EXPECT_EQ(tx, 0xFF) << "the late receiver status was taken as this reply";
}

TEST_F(CatLinkReplies, ClosedLinkFailsEveryExchange)
{
    start();
    link->Close();
    log.rows.clear();
    uint8_t tx = 0;
    EXPECT_FALSE(link->ReadTxStatus(tx));
    EXPECT_FALSE(link->SetSplit(true));
    ASSERT_EQ(log.rows.size(), 2);
    EXPECT_TRUE(log.rows[0].text.startsWith(QStringLiteral("Send error: ")));
}

TEST_F(CatLinkReplies, ARadioUnpluggedAndPluggedInAgainIsUsedAgainWithTheSystemsWordsInTheLog)
{
    testsupport::Simulator::Options o;
    o.linkPath = testsupport::rootFolder() + QStringLiteral("/ttyUSB-radio");
    start(o);
    uint32_t frequency = 0;
    uint8_t mode = 0;
    ASSERT_TRUE(link->ReadFrequencyAndMode(frequency, mode));

    // Unplugged: the exchange fails with the system's reason, whole; the
    // next ones say why the port cannot be opened again.
    sim->stop();
    log.rows.clear();
    EXPECT_FALSE(link->ReadFrequencyAndMode(frequency, mode));
    EXPECT_FALSE(link->ReadFrequencyAndMode(frequency, mode));
    EXPECT_EQ(log.texts(), QStringList({"Send error: Input/output error", "Send error: No such file or directory"}));
    EXPECT_TRUE(link->IsOpen()) << "the link keeps its port, to open it again";

    // Plugged in again under the same name: the next exchange gets through,
    // at the line settings the link was opened with.
    testsupport::Simulator again(o);
    ASSERT_TRUE(again.isRunning()) << again.errorText().toStdString();
    log.rows.clear();
    EXPECT_TRUE(link->ReadFrequencyAndMode(frequency, mode));
    EXPECT_TRUE(log.rows.isEmpty());
    EXPECT_EQ(again.frames(), hexList({"00 00 00 00 03"}));
    EXPECT_FALSE(again.exchanges().first().reply.isEmpty()) << "answered: the line was set as before";
}
