// FT-817 Corvane as its own process on the simulator runs Tools > Stress Test
// as an operator does (Start, the random pictures for a while, Stop,
// Cancel) while its front panel goes on polling the radio. Afterwards the
// panel shows what the radio reports, not the test's random frequency,
// S-meter or transmit bars, at once and from then on, in receive and while
// the radio transmits.
#include "support/CorvaneProcess.h"
#include "support/ProbeClient.h"
#include "support/ProgramProcess.h"

#include "support/Simulator.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kProbe = QStringLiteral("corvane-panel-probe");

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

// The program with its probe, coming up on the radio as CorvaneProcess does.
class ProbedCorvane : public ProgramProcess {
public:
    explicit ProbedCorvane(const QString& radioPort)
        : ProgramProcess(QString::fromUtf8(CORVANE_PROBED_PROGRAM), QStringLiteral("FT-817 Corvane"),
                         QStringLiteral("CORVANE_DATA_DIR"))
    {
        SetStoredValue(QStringLiteral("Startup port"), radioPort);
        SetStoredValue(QStringLiteral("Startup speed"), QStringLiteral("38400"));
        SetStoredValue(QStringLiteral("CStartup::m_bAuto"), 0);
        Start({{QStringLiteral("CORVANE_EXTRA_PORTS"), radioPort},
               {QStringLiteral("CORVANE_AUTOCONNECT"), QStringLiteral("1")},
               {QStringLiteral("CORVANE_PROBE"), kProbe}});
    }
    QString Ask(const QString& command) { return m_probe.Ask(command); }

private:
    ProbeClient m_probe{kProbe};
};

// What the radio last answered to a read with this opcode.
QByteArray LastReply(const testsupport::Simulator& sim, uint8_t opcode)
{
    const QList<testsupport::Simulator::Exchange> all = sim.exchanges();
    for (auto it = all.crbegin(); it != all.crend(); ++it)
        if (it->frame.size() == 5 && uint8_t(it->frame[4]) == opcode && !it->reply.isEmpty())
            return it->reply;
    return {};
}

// The frequency display's digit row for the radio's four BCD bytes:
// leading zeros blank, dots after the MHz and kHz digits.
QString DigitsOf(const QByteArray& bcd)
{
    QString digits;
    bool leading = true;
    for (int k = 0; k < 8; ++k) {
        const int nibble = (uint8_t(bcd[k / 2]) >> (k % 2 ? 0 : 4)) & 0x0F;
        if (leading && nibble == 0) {
            digits += QLatin1Char('_');
        } else {
            leading = false;
            digits += QChar(u'0' + nibble);
        }
        if (k == 2 || k == 5)
            digits += QLatin1Char('.');
    }
    return digits;
}

// What the panel must show for the radio's last answers.
QString RadioPanel(const testsupport::Simulator& sim)
{
    const QByteArray frequency = LastReply(sim, 0x03);
    if (frequency.size() != 5)
        return QStringLiteral("no frequency reading");
    const QByteArray txStatus = LastReply(sim, 0xF7);
    const bool transmitting = !txStatus.isEmpty() && uint8_t(txStatus[0]) != 0xFF;
    QString text = QStringLiteral("digits=%1 receiving=%2").arg(DigitsOf(frequency)).arg(int(!transmitting));
    if (!transmitting) {
        const QByteArray rxStatus = LastReply(sim, 0xE7);
        const int s = rxStatus.isEmpty() ? -1 : uint8_t(rxStatus[0]) & 0x0F;
        return text + QStringLiteral(" smeter=%1 bars=0,0,0").arg(s);
    }
    const QByteArray meter = LastReply(sim, 0xBD);
    if (meter.size() != 2)
        return text + QStringLiteral(" no meter reading");
    const int alc = uint8_t(meter[0]) & 0x0F, power = uint8_t(meter[0]) >> 4;
    const int mod = uint8_t(meter[1]) & 0x0F, swr = uint8_t(meter[1]) >> 4;
    return text + QStringLiteral(" power=%1 bars=%2,%3,%4").arg(power).arg(alc).arg(mod).arg(swr);
}

// A probe front-panel answer in the same form, less what does not apply
// (the S-meter while transmitting, the power meter in receive).
QString Shown(const QString& answer)
{
    const QString receiving = ProbeClient::Field(answer, QStringLiteral("receiving"));
    QString text = QStringLiteral("digits=%1 receiving=%2")
                       .arg(ProbeClient::Field(answer, QStringLiteral("digits")), receiving);
    if (receiving == QLatin1String("1"))
        return text + QStringLiteral(" smeter=%1 bars=%2")
                          .arg(ProbeClient::Field(answer, QStringLiteral("smeter")),
                               ProbeClient::Field(answer, QStringLiteral("bars")));
    return text + QStringLiteral(" power=%1 bars=%2")
                      .arg(ProbeClient::Field(answer, QStringLiteral("power")),
                           ProbeClient::Field(answer, QStringLiteral("bars")));
}

class StressTestPanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::Simulator::Options o;
        o.sMeter = 7;
        sim = std::make_unique<testsupport::Simulator>(o);
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        corvane = std::make_unique<ProbedCorvane>(sim->portPath());
        ASSERT_TRUE(Poll([&] {
            const std::optional<uint32_t> f = CorvaneProcess::Send(2, 0, 1000);
            return !corvane->IsRunning() || (f && *f != 0);
        }, testsupport::longestWaitMs()));
        ASSERT_TRUE(corvane->IsRunning()) << corvane->Diagnostics().toStdString();
        ASSERT_EQ(corvane->Ask(QStringLiteral("ping")), QStringLiteral("ok"));
    }

    // The panel shows the radio's state within a few polls.
    bool ShowsTheRadio(int ms = 5000)
    {
        return Poll([&] { return Shown(corvane->Ask(QStringLiteral("front-panel"))) == RadioPanel(*sim); }, ms);
    }

    // Start, pictures, Stop, Cancel; the panel shows the radio at once and
    // keeps showing it.
    void StressTestThenTheRadio()
    {
        const QString expected = RadioPanel(*sim);
        const QString run = corvane->Ask(QStringLiteral("stress-test"));
        ASSERT_TRUE(run.startsWith(QLatin1String("ticks="))) << run.toStdString();
        const QString during = Shown(run.section(QStringLiteral(" during "), 1));
        EXPECT_NE(during, expected) << "the stress test drew nothing of its own: " << run.toStdString();
        EXPECT_EQ(Shown(corvane->Ask(QStringLiteral("front-panel"))).toStdString(), expected.toStdString())
            << "at once after Cancel, while the test drew " << during.toStdString();
        // The radio is unchanged: so is the panel, poll after poll.
        QThread::msleep(1200);
        EXPECT_EQ(RadioPanel(*sim).toStdString(), expected.toStdString());
        EXPECT_EQ(Shown(corvane->Ask(QStringLiteral("front-panel"))).toStdString(), expected.toStdString())
            << "after several polls";
    }

    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<ProbedCorvane> corvane;
};

} // namespace

TEST_F(StressTestPanel, ReceivingThePanelShowsTheRadiosFrequencyAndSMeterWithTheBarsDark)
{
    // A frequency of the radio's own, not the one it starts on.
    ASSERT_TRUE(CorvaneProcess::Send(10, 14071230).has_value());
    ASSERT_TRUE(Poll([&] { return RadioPanel(*sim).startsWith(QLatin1String("digits=_14.071.23 receiving=1 smeter=7 ")); },
                     5000))
        << RadioPanel(*sim).toStdString();
    ASSERT_TRUE(ShowsTheRadio()) << corvane->Ask(QStringLiteral("front-panel")).toStdString() << " / "
                                 << RadioPanel(*sim).toStdString();

    StressTestThenTheRadio();

    // And it follows the radio again: a retune shows.
    ASSERT_TRUE(CorvaneProcess::Send(10, 7035150).has_value());
    EXPECT_TRUE(Poll([&] { return RadioPanel(*sim).startsWith(QLatin1String("digits=__7.035.15")); }, 5000))
        << RadioPanel(*sim).toStdString();
    EXPECT_TRUE(ShowsTheRadio()) << corvane->Ask(QStringLiteral("front-panel")).toStdString();
    EXPECT_TRUE(corvane->IsRunning());
}

TEST_F(StressTestPanel, TransmittingThePanelShowsTheRadiosMeters)
{
    // Keyed as another program keys it.
    ASSERT_TRUE(CorvaneProcess::Send(3, 0).value_or(0) != 0);
    ASSERT_TRUE(Poll([&] { return RadioPanel(*sim).contains(QLatin1String("receiving=0 power=")); }, 5000))
        << RadioPanel(*sim).toStdString();
    ASSERT_TRUE(ShowsTheRadio()) << corvane->Ask(QStringLiteral("front-panel")).toStdString() << " / "
                                 << RadioPanel(*sim).toStdString();

    StressTestThenTheRadio();

    // Back to receive: the bars go dark.
    ASSERT_TRUE(CorvaneProcess::Send(4, 0).has_value());
    EXPECT_TRUE(Poll([&] { return RadioPanel(*sim).contains(QLatin1String("receiving=1")); }, 5000))
        << RadioPanel(*sim).toStdString();
    EXPECT_TRUE(ShowsTheRadio()) << corvane->Ask(QStringLiteral("front-panel")).toStdString();
    EXPECT_TRUE(corvane->IsRunning());
}
