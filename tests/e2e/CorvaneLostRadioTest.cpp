// FT-817 Corvane as its own process loses its radio and gets it back: the
// simulator stands for a USB adapter that is unplugged and plugged in again
// under the same name.
#include "support/CorvaneProcess.h"
#include "support/ProbeClient.h"
#include "support/Simulator.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>

namespace {

template <typename F>
bool Poll(F condition, int ms)
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

TEST(CorvaneLostRadio, PollingResumesByItselfWhenTheRadioComesBackOnTheSamePath)
{
    testsupport::Simulator::Options o;
    o.linkPath = testsupport::rootFolder() + QStringLiteral("/ttyFT817");
    auto first = std::make_unique<testsupport::Simulator>(o);
    ASSERT_TRUE(first->isRunning()) << first->errorText().toStdString();
    const QString probeName = QStringLiteral("corvane-lost-probe");
    CorvaneProcess corvane(QString::fromUtf8(CORVANE_PROBED_PROGRAM), o.linkPath,
                           {{QStringLiteral("CORVANE_PROBE"), probeName}});
    ProbeClient probe(probeName);
    ASSERT_TRUE(corvane.WaitUntilServing()) << corvane.Diagnostics().toStdString();
    const std::optional<uint32_t> start = CorvaneProcess::Send(2, 0);
    ASSERT_TRUE(start && *start != 0);

    // The first radio is tuned away, so the second one is told apart by its frequency.
    const uint32_t tuned = *start + 10000;
    ASSERT_TRUE(CorvaneProcess::Send(0, 10000));
    ASSERT_TRUE(Poll([&] { return CorvaneProcess::Send(2, 0) == tuned; }, 5000));

    // Unplugged: the device and its name go, and the program notices at its
    // next poll: the panel's poll fails.
    ASSERT_EQ(probe.Ask(QStringLiteral("panel")), QStringLiteral("failed=0"));
    first->stop();
    first.reset();
    EXPECT_TRUE(Poll([&] { return probe.Ask(QStringLiteral("panel")) == QLatin1String("failed=1"); }, 15000))
        << probe.Ask(QStringLiteral("front-panel")).toStdString();
    ASSERT_TRUE(corvane.IsRunning()) << corvane.Diagnostics().toStdString();

    // Plugged in again: a radio at its power-on frequency answers under the same name.
    testsupport::Simulator second(o);
    ASSERT_TRUE(second.isRunning()) << second.errorText().toStdString();
    EXPECT_TRUE(Poll([&] { return CorvaneProcess::Send(2, 0) == *start; }, 15000))
        << "still " << CorvaneProcess::Send(2, 0).value_or(0) << "\n"
        << corvane.Diagnostics().toStdString();
    EXPECT_TRUE(Poll([&] { return second.frames().count(QByteArray::fromHex("0000000003")) >= 3; }, 5000))
        << "the program polls the new device by itself";
    EXPECT_TRUE(corvane.IsRunning());
    corvane.RequestClose();
}
