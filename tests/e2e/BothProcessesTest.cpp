// Both programs as processes of their own, started as scripts/run --both
// starts them: FT-817 Corvane connects to the simulated radio by itself,
// PSK31 Brevio takes its stored choices (PTT through FT-817 Corvane) and
// hears a recording in place of a sound card.
#include "support/CorvaneProcess.h"
#include "support/ProgramProcess.h"

#include "support/Simulator.h"
#include "support/TestEnvironment.h"
#include "support/WaveFiles.h"

#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

namespace {

constexpr const char* kBrevioIdentifier = "PSK31-Brevio-QT9XVK-Application";
const QString kPttThroughCorvane = QStringLiteral("PSK31Options 2.2 PSK31 m_bPTTFT817 .............:");

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

TEST(BothProcesses, BrevioComesUpByItselfAndUnkeysTheRadioThroughCorvaneAsItCloses)
{
    testsupport::Simulator sim;
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    CorvaneProcess corvane(QString::fromUtf8(CORVANE_PROGRAM), sim.portPath());
    ASSERT_TRUE(corvane.WaitUntilServing()) << corvane.Diagnostics().toStdString();

    const QString recording = testsupport::dataFolder() + QStringLiteral("/silence.wav");
    ASSERT_TRUE(testsupport::WriteSilence(recording, 2 * 8000));
    ProgramProcess brevio(QString::fromUtf8(BREVIO_PROGRAM), QStringLiteral("PSK31 Brevio"),
                          QStringLiteral("BREVIO_DATA_DIR"));
    brevio.SetStoredValue(kPttThroughCorvane, 1);
    ASSERT_TRUE(brevio.Start({{QStringLiteral("BREVIO_AUTOSTART"), QStringLiteral("1")},
                              {QStringLiteral("PSKMODEM117_SOUNDCARD_FILE"), recording}}))
        << brevio.Diagnostics().toStdString();

    // Its start-up dialog passed by itself.
    ASSERT_TRUE(Poll([&] { return brevio.StoredValue(QStringLiteral("Started at least once")).toInt() == 1; }, 30000))
        << brevio.Diagnostics().toStdString();
    EXPECT_TRUE(brevio.IsRunning());
    const QByteArray pttOff = QByteArray::fromHex("0000000088");
    EXPECT_EQ(sim.frames().count(pttOff), 0);

    // Closing, it unkeys the radio through FT-817 Corvane: it was linked.
    ASSERT_TRUE(Poll([&] {
        ProgramProcess::RequestClose(QString::fromLatin1(kBrevioIdentifier));
        return brevio.WaitForExit(500);
    }, 20000)) << brevio.Diagnostics().toStdString();
    EXPECT_TRUE(Poll([&] { return sim.frames().count(pttOff) == 1; }, 5000));
    EXPECT_EQ(brevio.StoredValue(kPttThroughCorvane).toInt(), 1);
    EXPECT_TRUE(corvane.IsRunning());
}

} // namespace
