// FT-817 Corvane as a process when the radio's USB adapter is pulled out
// and plugged back in: the front panel shows the radio lost (its polls
// fail), a command tried meanwhile changes nothing, and once the device is
// back under its name the program opens it again and polls by itself.
#include "support/CorvaneProcess.h"
#include "support/ProbeClient.h"
#include "support/Simulator.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {
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
} // namespace

TEST(LineUnplugged, AdapterPulledOutAndPluggedBackIsSurvived)
{
    // The radio by a name of its own, as udev names an adapter.
    testsupport::Simulator sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    const QString probeName = QStringLiteral("corvane-unplug-probe");
    CorvaneProcess corvane(QString::fromUtf8(CORVANE_PROBED_PROGRAM), sim.portPath(),
                           {{QStringLiteral("CORVANE_PROBE"), probeName}});
    ProbeClient probe(probeName);
    ASSERT_TRUE(corvane.WaitUntilServing()) << corvane.Diagnostics().toStdString();
    ASSERT_EQ(probe.Ask(QStringLiteral("panel")), QStringLiteral("failed=0"));
    const QByteArray before = sim.eeprom();

    ASSERT_TRUE(sim.unplug());
    // The panel's polls on the vanished device fail, and it shows so.
    EXPECT_TRUE(Poll([&] { return probe.Ask(QStringLiteral("panel")) == QLatin1String("failed=1"); }, 15000))
        << "the panel still shows a radio that is gone: " << probe.Ask(QStringLiteral("front-panel")).toStdString();
    // Remote commands are still answered; a front-panel command meanwhile
    // (noise blanker on) reaches nothing.
    EXPECT_TRUE(CorvaneProcess::Send(2, 0, 3000).has_value());
    EXPECT_TRUE(CorvaneProcess::Send(12, 0x10, 3000).has_value());
    ASSERT_TRUE(corvane.IsRunning()) << corvane.Diagnostics().toStdString();

    ASSERT_TRUE(sim.plugBack());
    const QByteArray readFrequency = QByteArray::fromHex("0000000003");
    const qsizetype polls = sim.frames().count(readFrequency);
    EXPECT_TRUE(Poll([&] { return sim.frames().count(readFrequency) >= polls + 3; }, 20000))
        << "the radio is back under its name but the program does not poll it: "
        << corvane.Diagnostics().toStdString();
    EXPECT_EQ(CorvaneProcess::Send(2, 0, 2000), std::optional<uint32_t>(14070000u));
    EXPECT_TRUE(Poll([&] { return probe.Ask(QStringLiteral("panel")) == QLatin1String("failed=0"); }, 15000));
    EXPECT_EQ(sim.eeprom(), before) << "nothing of the command was stored";
    EXPECT_TRUE(corvane.IsRunning());
}
