#include "corvane/organisers/BandScanner.h"
#include "shared/Registry.h"

#include "ScanTestSupport.h"

using namespace scantest;

namespace {

class HostRecord final : public CBandScanHost {
public:
    void ShowProgress(const QString& strCaption) override { captions << strCaption; }
    void ShowScanState(bool bScanning) override { states << bScanning; }
    void AddReading(uint32_t nHz, uint8_t nLevel) override { readings << qMakePair(nHz, nLevel); }
    void ArmReadTimer(bool bArm) override { timer << bArm; }

    QStringList captions;
    QList<bool> states;
    QList<QPair<uint32_t, uint8_t>> readings;
    QList<bool> timer;
};

class BandScannerTest : public SimFixture {
protected:
    void startRadio(int sMeter = 7, const QStringList& faults = {})
    {
        testsupport::Simulator::Options o;
        o.sMeter = sMeter;
        o.faults = faults;
        start(o);
        scanner = std::make_unique<CBandScanner>(*link, panel, host);
    }

    HostRecord host;
    std::unique_ptr<CBandScanner> scanner;
};

} // namespace

TEST_F(BandScannerTest, StartPreparesTheRadioFrameByFrame)
{
    startRadio();
    panel.frequency = 14200000;  // outside the range: the radio goes to its low edge
    const uint8_t vfo = byteAt(0x55), vfoNext = byteAt(0x56);
    const uint8_t power = byteAt(0x79), powerNext = byteAt(0x7A);

    scanner->BeginScan(7100000, 7000000, 2);

    QList<QByteArray> expected;
    expected << maskedWrite(0x55, vfo, vfoNext, 0x08, 0x00);           // PMS off
    expected << frame(0x00, 0x70, 0x00, 0x00, 0x01);                   // 7.000.000
    expected << frame(0x02, 0x00, 0x00, 0x00, 0x07);                   // CW
    expected << maskedWrite(0x79, power, powerNext, 0x60, 0x40);       // scan up
    EXPECT_EQ(hexTexts(newFrames()), hexTexts(expected));
    EXPECT_EQ(host.captions, QStringList({"Setting PMS off...", "Setting start frequency...", "Setting mode...",
                                          "Starting scan..."}));
    EXPECT_EQ(byteAt(0x79) & 0x60, 0x40);
    EXPECT_EQ(byteAt(0x55) & 0x08, 0);
    EXPECT_EQ(scanner->GetLow(), 7000000u);
    EXPECT_EQ(scanner->GetHigh(), 7100000u);
    EXPECT_EQ(GetRegistry().GetDialogInt(354, 1126, 0), 7000000);
    EXPECT_EQ(GetRegistry().GetDialogInt(354, 1131, 0), 7100000);
    EXPECT_TRUE(scanner->IsPlotting());
    EXPECT_EQ(scanner->GetRadioScanning(), CBandScanner::kStarted);
    EXPECT_EQ(host.timer, QList<bool>({true}));

    // A new scanner takes the remembered range.
    CBandScanner again(*link, panel, host);
    EXPECT_EQ(again.GetLow(), 7000000u);
    EXPECT_EQ(again.GetHigh(), 7100000u);
}

TEST_F(BandScannerTest, MemoryModeAndARunningScanGoFirstAndWfmSendsNoMode)
{
    startRadio();
    panel.frequency = 7050000;  // inside: no tuning
    panel.memoryMode = true;
    panel.scanning = true;
    scanner->BeginScan(7000000, 7100000, 6);
    const QStringList frames = hexTexts(newFrames());
    EXPECT_EQ(host.captions, QStringList({"Switching memory off...", "Switching scanning off...", "Setting PMS off...",
                                          "Setting mode...", "Starting scan..."}));
    EXPECT_FALSE(frames.contains("00 70 50 00 01"));
    for (const QString& f : frames)
        EXPECT_FALSE(f.endsWith("07")) << f.toStdString();
    EXPECT_TRUE(panel.tuned.isEmpty());
    EXPECT_EQ(byteAt(0x55) & 0xE0, 0x80);  // VFO operation
}

TEST_F(BandScannerTest, ReadRoundsPlotAndKeepTheRadioCyclingThroughTheRange)
{
    startRadio(9);
    panel.frequency = 14070000;
    scanner->BeginScan(7000000, 7003000, 2);
    newFrames();

    // The radio scans up from the bottom edge, 1 kHz a read.
    scanner->OnReadTimer(true);
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"00 00 00 00 03", "00 00 00 00 E7"}));
    ASSERT_EQ(host.readings.size(), 1);
    EXPECT_EQ(host.readings[0], qMakePair(7001000u, uint8_t(9)));
    scanner->OnReadTimer(true);
    scanner->OnReadTimer(true);
    // Exactly at the top edge: plotted.
    EXPECT_EQ(host.readings.last().first, 7003000u);
    EXPECT_EQ(host.readings.size(), 3);
    // Past it: back to the bottom edge, and the next sweep starts there.
    newFrames();
    scanner->OnReadTimer(true);
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"00 00 00 00 03", "00 00 00 00 E7", "00 70 00 00 01"}));
    EXPECT_EQ(panel.tuned.last(), 7000000u);
    EXPECT_EQ(host.readings.size(), 3);
    scanner->OnReadTimer(true);
    EXPECT_EQ(host.readings.last().first, 7001000u);
    // Below the bottom edge: to the top.
    scanner->Plot(6999990, 3);
    EXPECT_EQ(panel.tuned.last(), 7003000u);
    EXPECT_EQ(host.readings.size(), 4);

    // Hidden: no reading, but the round goes on.
    newFrames();
    scanner->OnReadTimer(false);
    EXPECT_TRUE(newFrames().isEmpty());
    EXPECT_TRUE(scanner->IsTimerArmed());
    // Stopped: the round ends and is not armed again.
    scanner->Stop();
    host.timer.clear();
    scanner->OnReadTimer(true);
    EXPECT_EQ(host.timer, QList<bool>({false}));
}

TEST_F(BandScannerTest, AFailedReadIsSkippedNotTakenForZeroHertz)
{
    startRadio(5, {QStringLiteral("no-answer:op=03,count=1")});
    panel.frequency = 7000000;
    scanner->BeginScan(7000000, 7100000, 2);
    link->SetFrequency(705000);
    panel.tuned.clear();
    newFrames();
    scanner->OnReadTimer(true);
    EXPECT_TRUE(panel.tuned.isEmpty());
    EXPECT_TRUE(host.readings.isEmpty());
    EXPECT_TRUE(scanner->IsTimerArmed());
    scanner->OnReadTimer(true);
    EXPECT_EQ(host.readings.size(), 1) << hexTexts(sim->frames()).join(QLatin1Char('|')).toStdString()
                                       << sim->journalLines().join(QLatin1Char('\n')).toStdString();
}

TEST_F(BandScannerTest, ObservationsOfTheScanningFlag)
{
    startRadio();
    panel.frequency = 7000000;
    scanner->BeginScan(7000000, 7100000, 2);

    // The panel has not polled since the start: its flag is old news.
    scanner->OnStateTimer();
    scanner->OnScanning(7000000, 3, true);
    EXPECT_EQ(scanner->GetRadioScanning(), CBandScanner::kStarted);
    EXPECT_TRUE(host.states.isEmpty());
    EXPECT_TRUE(host.readings.isEmpty());

    // The next poll sees the radio scanning.
    panel.polls = 1;
    panel.scanning = true;
    scanner->OnStateTimer();
    EXPECT_EQ(scanner->GetRadioScanning(), 1);
    EXPECT_EQ(host.states, QList<bool>({true}));
    scanner->OnScanning(7020000, intptr_t(0x80000000u | 6u), true);
    EXPECT_EQ(host.readings.size(), 1);
    EXPECT_EQ(host.readings[0], qMakePair(7020000u, uint8_t(6)));
    scanner->OnScanning(7030000, intptr_t(0x80000000u | 6u), false);  // hidden: not plotted
    EXPECT_EQ(host.readings.size(), 1);

    // The radio stops by itself: the window stops too (scan bits, PMS off).
    newFrames();
    const uint8_t power = byteAt(0x79), powerNext = byteAt(0x7A);
    const uint8_t vfo = byteAt(0x55), vfoNext = byteAt(0x56);
    scanner->OnScanning(7040000, 4, true);
    EXPECT_EQ(host.states, QList<bool>({true, false}));
    EXPECT_FALSE(scanner->IsPlotting());
    QList<QByteArray> expected = maskedWrite(0x79, power, powerNext, 0x60, 0x00);
    expected << maskedWrite(0x55, vfo, vfoNext, 0x08, 0x00);
    EXPECT_EQ(hexTexts(newFrames()), hexTexts(expected));
    EXPECT_EQ(host.timer.last(), false);
    EXPECT_FALSE(scanner->IsTimerArmed());
}

TEST_F(BandScannerTest, PauseStopsOnlyAScanAndResumeWritesItsBits)
{
    startRadio();
    scanner->OnPause();
    EXPECT_TRUE(newFrames().isEmpty());
    scanner->SetRadioScanning(1);
    scanner->OnPause();
    EXPECT_EQ(byteAt(0x79) & 0x60, 0);
    newFrames();
    const uint8_t resume = byteAt(0x5D), next = byteAt(0x5E);
    scanner->SetResume(2);
    EXPECT_EQ(hexTexts(newFrames()), hexTexts(maskedWrite(0x5D, resume, next, 0x03, 0x02)));
    EXPECT_EQ(byteAt(0x5D) & 0x03, 2);
}
