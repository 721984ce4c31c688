// The front panel's poll cadence, failure paths and commands against the
// simulator: what goes on the line, and when.
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/PanelForm.h"
#include "corvane/frontpanel/RadioPanel.h"
#include "corvane/frontpanel/SMeterChartSettings.h"
#include "PanelTestSupport.h"
#include "shared/Registry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

using namespace paneltest;

namespace {
class Host : public CRadioPanelHost {
public:
    void RenderPanel(const CPanelUpdate& u) override { ++renders; lastUpdate = u; }
    void BlankPanel() override { ++blanks; }
    bool RunCommsErrorDialog() override { ++dialogs; return dialogAnswer; }
    void AddChartSample(uint8_t v) override { samples << v; }
    uint32_t GetStepListValue() override { return stepList; }
    void TuningDialKey(int key) override { dialKeys << key; }
    void PushUndo(uint32_t hz, uint8_t mode) override { undo << hz; }
    void SpeakFrequency(bool withMode) override { spoken << (withMode ? "frequency+mode" : "frequency"); }
    void SpeakMode() override { spoken << "mode"; }
    void SpeakText(const QString& text) override { spoken << text; }
    void OutOfBandWarning(bool inBand) override { warnings << inBand; }
    int renders = 0, blanks = 0, dialogs = 0;
    bool dialogAnswer = true;
    uint32_t stepList = 0;
    CPanelUpdate lastUpdate;
    QList<uint8_t> samples;
    QList<int> dialKeys;
    QList<uint32_t> undo;
    QStringList spoken;
    QList<bool> warnings;
};

// Frames other than EEPROM reads.
QStringList withoutReads(const QList<QByteArray>& frames)
{
    QStringList out;
    for (const QString& f : hexTexts(frames))
        if (!f.endsWith(" BB"))
            out << f;
    return out;
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class RadioPanelTest : public SimFixture {
protected:
    void open(const testsupport::Simulator::Options& o = {}, bool fakeSleeper = true)
    {
        start(o, fakeSleeper);
        settings.SetDefaults();
        panel = std::make_unique<CRadioPanel>(*link, settings, &host);
        memory = std::make_unique<SimMemoryList>(sim.get());
        panel->SetMemoryList(memory.get());
    }
    void TearDown() override
    {
        panel.reset();
        SimFixture::TearDown();
    }
    // Frames with one opcode, in order, and the simulator's times for them.
    QList<qint64> timesOf(uint8_t opcode) const
    {
        QList<qint64> t;
        for (const auto& e : sim->exchanges())
            if (e.frame.size() == 5 && uint8_t(e.frame[4]) == opcode)
                t << e.elapsedMs;
        return t;
    }
    CSettings settings;
    Host host;
    std::unique_ptr<CRadioPanel> panel;
    std::unique_ptr<SimMemoryList> memory;
};
} // namespace

TEST_F(RadioPanelTest, PollsEvery200msAndEvery2000msOnceTheRadioStopsAnswering)
{
    testsupport::Simulator::Options o;
    o.faults << "no-answer:op=03,after=4";
    open(o, false);
    panel->StartTimers();
    EXPECT_EQ(panel->PollInterval(), 200);
    // Four good polls, then one frequency read that times out, then 2 s of quiet.
    QElapsedTimer clock;
    clock.start();
    while (timesOf(0x03).size() < 6 && clock.elapsed() < 9000)
        runFor(50);
    panel->StopTimers();
    const QList<qint64> t = timesOf(0x03);
    ASSERT_GE(t.size(), 6);
    for (int i = 1; i < 4; ++i) {
        EXPECT_GE(t[i] - t[i - 1], 185) << i;
        EXPECT_LT(t[i] - t[i - 1], 320) << i;
    }
    // Poll 5 times out on its first read (the link waits 1.5 s for five bytes),
    // then the next comes 2 s later.
    EXPECT_GE(t[5] - t[4], 3200);
    EXPECT_LT(t[5] - t[4], 3900);
    EXPECT_EQ(host.renders, 4);
    EXPECT_GE(host.blanks, 1);
    EXPECT_EQ(host.dialogs, 0);
    EXPECT_EQ(panel->Model().Display().nFrequency, 0xFFFFFFFFu);
    EXPECT_TRUE(panel->LastPollFailed());
}

TEST_F(RadioPanelTest, LostStatusRunsTheDialogWhenAskedTo)
{
    testsupport::Simulator::Options o;
    o.faults << "no-answer:op=F7,count=4";
    open(o);
    settings.m_bNotifyCommsLost = 1;
    host.dialogAnswer = false;
    panel->OnPollTimer();
    EXPECT_EQ(host.dialogs, 1);
    EXPECT_EQ(host.renders, 0);
    EXPECT_EQ(panel->PollInterval(), 2000);
    // The radio answered while the dialog was open: that poll's record is shown.
    host.dialogAnswer = true;
    panel->OnPollTimer();
    EXPECT_EQ(host.dialogs, 2);
    EXPECT_EQ(host.renders, 1);
    EXPECT_EQ(panel->Model().GetFrequency(), 14070000u);
    EXPECT_EQ(panel->PollInterval(), 2000);
    // Without the option the record is rendered as read, and no dialog opens.
    settings.m_bNotifyCommsLost = 0;
    panel->OnPollTimer();  // fault used up: a good poll
    EXPECT_EQ(panel->PollInterval(), 200);
    EXPECT_EQ(host.dialogs, 2);
}

TEST_F(RadioPanelTest, KeyingDuringAPollDropsItsRecord)
{
    testsupport::Simulator::Options o;
    // The closing status read sees the transmitter on.
    o.faults << "corrupt-reply:op=F7,after=1,count=1,xor=FF";
    open(o);
    panel->OnPollTimer();
    EXPECT_EQ(host.renders, 0);
    EXPECT_EQ(host.blanks, 0);
    EXPECT_EQ(panel->PollInterval(), 200);
    EXPECT_FALSE(panel->LastPollFailed());
    panel->OnPollTimer();
    EXPECT_EQ(host.renders, 1);
}

TEST_F(RadioPanelTest, ChartGetsTheAverageOfEachSamplePeriod)
{
    testsupport::Simulator::Options o;
    o.sMeter = 7;
    open(o);
    panel->PollRadio(false);
    panel->PollRadio(false);
    ASSERT_EQ(panel->ChartSamples(), QList<uint8_t>({7, 7}));
    panel->OnChartTimer();
    panel->OnChartTimer();  // no rendered poll since: 0
    EXPECT_EQ(host.samples, QList<uint8_t>({7, 0}));
    EXPECT_TRUE(panel->ChartSamples().isEmpty());
    // A new sample rate takes effect after the tick that sees it.
    EXPECT_EQ(panel->ChartInterval(), 1000);
    GetSMeterChartSettings().m_nSampleRate = 5;
    panel->OnChartTimer();
    EXPECT_EQ(panel->ChartInterval(), 5000);
    // A damaged setting of 0 s does not run the timer flat out.
    GetSMeterChartSettings().m_nSampleRate = 0;
    panel->OnChartTimer();
    EXPECT_EQ(panel->ChartInterval(), 1000);
    GetSMeterChartSettings().m_nSampleRate = 1;
}

TEST_F(RadioPanelTest, PanelCommandsPutTheirFramesOnTheLine)
{
    open();
    panel->PollRadio(false);
    newFrames();
    const struct {
        int id;
        QStringList frames;
    } rows[] = {
        {PanelId::Fm, {"08 00 00 00 07"}},
        {PanelId::Pkt, {"0C 00 00 00 07"}},
        // AGC Auto -> Fast: 0x57 written back with bits 0-1 = 1 (reads left out).
        {PanelId::Agc, {"00 57 C1 30 BC"}},
        // 5.0 W -> 0.5 W.
        {PanelId::Power, {"00 79 03 00 BC"}},
        {PanelId::AB, {"00 00 00 00 81"}},
        {PanelId::Clarifier, {"00 00 00 00 05"}},
        {PanelId::Split, {"00 00 00 00 02"}},
    };
    for (const auto& r : rows) {
        panel->OnCommand(r.id);
        EXPECT_EQ(withoutReads(newFrames()), r.frames) << r.id;
    }
    // Step buttons only choose the size; the plain click of a picture button does nothing.
    panel->OnCommand(PanelId::Step10kHz);
    panel->OnCommand(PanelId::StepUp);
    EXPECT_TRUE(newFrames().isEmpty());
    EXPECT_EQ(panel->GetTuningSize(), 2);
    EXPECT_EQ(GetRegistry().GetInt("Tuning Size", -1), 2);
}

TEST_F(RadioPanelTest, StepFrequencyArithmetic)
{
    open();
    panel->PollRadio(false);  // 14.070.00 MHz
    newFrames();
    panel->SetTuningSize(3);
    panel->StepFrequency(3, true, 1);
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"01 40 71 00 01"}));
    EXPECT_EQ(panel->Model().GetFrequency(), 14071000u);
    // Snapping: 14.234.56 down by 1 kHz lands on 14.234.00, up again 14.235.00.
    settings.m_bTuningDialSnapFrequency = 1;
    link->SetFrequency(1423456);
    panel->PollRadio(false);
    newFrames();
    panel->StepFrequency(3, false, 1);
    panel->StepFrequency(3, true, 1);
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"01 42 34 00 01", "01 42 35 00 01"}));
    // Three wheel notches: six steps; the pointer over the 100 kHz digit picks that size.
    settings.m_bTuningDialSnapFrequency = 0;
    panel->OnMouseWheel(360, false, 4);
    EXPECT_EQ(panel->GetTuningSize(), 2);
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"01 42 95 00 01"}));
    // The step list with Shift or Ctrl: always snapped; no selection sends nothing.
    host.stepList = 5000;
    panel->OnMouseWheel(-120, true, -1);
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"01 42 90 00 01"}));
    host.stepList = 0;
    panel->OnMouseWheel(-120, true, -1);
    EXPECT_TRUE(newFrames().isEmpty());
}

TEST_F(RadioPanelTest, SteppingPastTheEndsSendsNothing)
{
    open();
    link->SetFrequency(50000);  // 500 kHz
    panel->PollRadio(false);
    ASSERT_EQ(panel->Model().GetFrequency(), 500000u);
    newFrames();
    panel->StepFrequency(0, false, 1);  // 1 MHz down from 500 kHz
    EXPECT_TRUE(newFrames().isEmpty());
    EXPECT_EQ(panel->Model().GetFrequency(), 500000u);
    // Up past 999.999.99 MHz cannot be encoded in eight digits.
    panel->Model().ShowFrequency(CRadioStatus::HzToBcdWord(999999990));
    panel->StepFrequency(0, true, 1);
    EXPECT_TRUE(newFrames().isEmpty());
    // With no frequency shown (radio silent) there is nothing to step from.
    panel->Model().Blank();
    panel->StepFrequency(3, true, 1);
    EXPECT_TRUE(newFrames().isEmpty());
}

TEST_F(RadioPanelTest, ArrowKeysAndAutoRepeat)
{
    open({}, false);
    panel->PollRadio(false);
    panel->SetTuningSize(3);
    newFrames();
    // Up is one size coarser, Down one finer, each stopping at the ends.
    panel->OnKeystroke(CRadioPanel::VK_UP, false, false, true);
    EXPECT_EQ(panel->GetTuningSize(), 2);
    panel->OnKeystroke(CRadioPanel::VK_DOWN, false, false, true);
    panel->OnKeystroke(CRadioPanel::VK_DOWN, false, false, true);
    panel->OnKeystroke(CRadioPanel::VK_DOWN, false, false, true);
    panel->OnKeystroke(CRadioPanel::VK_DOWN, false, false, true);
    EXPECT_EQ(panel->GetTuningSize(), 5);
    // Rotated arrows: Up tunes up, Left is coarser.
    settings.m_bArrowKeys = 1;
    panel->OnKeystroke(CRadioPanel::VK_LEFT, false, false, true);
    EXPECT_EQ(panel->GetTuningSize(), 4);
    panel->OnKeystroke(CRadioPanel::VK_PRIOR, false, false, true);
    EXPECT_EQ(host.dialKeys, QList<int>{CRadioPanel::VK_PRIOR});
    settings.m_bArrowKeys = 0;
    // Shift+Right held 1.5 s: a step at once, at 1000 ms, then every 200 ms, by the step list.
    host.stepList = 2500;
    newFrames();
    QElapsedTimer clock;
    clock.start();
    panel->OnKeystroke(CRadioPanel::VK_RIGHT, false, true, true);
    runFor(1500);
    panel->OnKeystroke(CRadioPanel::VK_RIGHT, true, true, true);
    const qint64 held = clock.elapsed();
    EXPECT_FALSE(panel->IsAutoRepeatActive());
    const QList<qint64> t = timesOf(0x01);
    ASSERT_GE(t.size(), 3);
    EXPECT_NEAR(double(t[1] - t[0]), 1000, 120);
    EXPECT_NEAR(double(t[2] - t[1]), 200, 80);
    EXPECT_EQ(t.size(), 1 + 1 + int((held - 1000) / 200));
    EXPECT_EQ(hexTexts(sim->frames()).filter(" 01").first(), "01 40 72 50 01");
    // Focus outside the panel stops and ignores.
    newFrames();
    panel->OnKeystroke(CRadioPanel::VK_RIGHT, false, false, false);
    EXPECT_TRUE(newFrames().isEmpty());
}

TEST_F(RadioPanelTest, DualWatchIsSuspendedAroundAVfoChange)
{
    open(withPokes({"0079=18"}));
    panel->PollRadio(false);
    ASSERT_TRUE(panel->Model().IsDualWatch());
    newFrames();
    panel->OnCommand(PanelId::AB);
    EXPECT_EQ(withoutReads(newFrames()), QStringList({"00 79 00 00 BC", "00 00 00 00 81", "00 79 18 00 BC"}));
}

TEST_F(RadioPanelTest, CopyVfoAToB)
{
    open();
    panel->PollRadio(false);
    newFrames();
    panel->CopyVfo(true);
    EXPECT_EQ(hexTexts(newFrames()), QStringList({"00 00 00 00 03", "00 00 00 00 81", "01 00 00 00 07",
                                                  "01 40 70 00 01", "01 00 00 00 07", "00 00 00 00 81"}));
    // VFO B now holds 14.070.00 USB.
    EXPECT_EQ(uint8_t(sim->eeprom()[0x33B + 10]), 0x00);
    panel->PollRadio(false);
    EXPECT_EQ(panel->Model().OtherVfoFrequencyField(), 1407000u);
}

TEST_F(RadioPanelTest, MemoryChannelsStepThroughUsedOnesAndWrap)
{
    // Memory mode on channel 6 (the highest used below 9).
    open(withPokes({"0055=C0", "044F=06"}));
    panel->PollRadio(false);
    ASSERT_EQ(panel->Model().GetMemoryChannel(), 6);
    panel->NextMemoryChannel();
    EXPECT_EQ(panel->Model().GetMemoryChannel(), 9);
    EXPECT_EQ(sim->eepromByte(0x44F), 9);
    panel->NextMemoryChannel();  // 9 is the highest used: wraps to 0
    EXPECT_EQ(panel->Model().GetMemoryChannel(), 0);
    panel->PreviousMemoryChannel();  // below 0 there is none: the highest used
    EXPECT_EQ(panel->Model().GetMemoryChannel(), 9);
    panel->PreviousMemoryChannel();
    EXPECT_EQ(panel->Model().GetMemoryChannel(), 6);
}

TEST_F(RadioPanelTest, RepeaterShiftTunesByTheRecordsOffset)
{
    // VFO A on 2 m: 145.500 FM, minus shift, 600 kHz offset.
    open(withPokes({"0059=CC", "00E5=45"}));
    panel->PollRadio(false);
    newFrames();
    panel->RepeaterShift(false);
    const QStringList frames = hexTexts(newFrames());
    // A poll with the extra bytes (18 frames), then the new frequency.
    ASSERT_EQ(frames.size(), 19);
    EXPECT_EQ(frames[18], "14 49 00 00 01");
    EXPECT_EQ(host.undo, QList<uint32_t>{145500000});
}

TEST_F(RadioPanelTest, ClarifierSpins)
{
    open();
    const struct { int id, delta, expected; } rows[] = {
        {PanelId::ClarifierFine, 250, 250}, {PanelId::ClarifierCoarse, 1, 300},
        {PanelId::ClarifierFine, 650, 950}, {PanelId::ClarifierCoarse, 1, 900},
        {PanelId::ClarifierFine, 5000, 999}, {PanelId::ClarifierFine, -1249, -250},
        {PanelId::ClarifierCoarse, -1, -300}, {PanelId::ClarifierCoarse, 0, -300},
    };
    for (const auto& r : rows)
        EXPECT_EQ(panel->OnClarifierSpin(r.id, r.delta), r.expected) << r.id << " " << r.delta;
    EXPECT_EQ(hexTexts(newFrames()).last(), "FF 00 03 00 F5");
    EXPECT_EQ(CRadioPanel::ClarifierText(-300), "- 3.00");
    EXPECT_EQ(CRadioPanel::ClarifierText(0), "+ 0.00");
    EXPECT_EQ(CRadioPanel::ClarifierText(905), "+ 9.05");
}

TEST_F(RadioPanelTest, ReadOutWaitsForTuningToStopAndBandWarningsSound)
{
    open();
    settings.m_bWhiteStickAuto = 1;
    settings.m_bWhiteStickOOB = 1;
    link->SetFrequency(1434990);  // 14.349.90 MHz: inside 20 m
    panel->PollRadio(false);      // first frequency: band state set silently
    EXPECT_TRUE(host.warnings.isEmpty());
    EXPECT_FALSE(panel->IsReadOutTimerActive());
    link->SetFrequency(1435010);  // 14.350.10 MHz: outside
    panel->PollRadio(false);
    EXPECT_EQ(host.warnings, QList<bool>{false});
    EXPECT_TRUE(panel->IsFrequencyReadOutPending());
    EXPECT_EQ(panel->ReadOutInterval(), 1000);
    link->SetFrequency(1434990);
    panel->PollRadio(false);
    EXPECT_EQ(host.warnings, QList<bool>({false, true}));
    panel->OnReadOutTimer();
    EXPECT_EQ(host.spoken, QStringList{"frequency"});
    // A mode change alone is read at once.
    link->SetMode(CCatLink::MODE_LSB);
    panel->PollRadio(false);
    EXPECT_EQ(panel->ReadOutInterval(), 1);
    panel->OnReadOutTimer();
    EXPECT_EQ(host.spoken, QStringList({"frequency", "mode"}));
    // Switching the warning on outside a band sounds nothing until a crossing.
    settings.m_bWhiteStickOOB = 0;
    link->SetFrequency(1500000);
    panel->PollRadio(false);
    panel->OnCommand(33068);
    EXPECT_FALSE(panel->IsInAmateurBandState());
    EXPECT_EQ(host.spoken.last(), "Out of band , On");
    EXPECT_EQ(host.warnings.size(), 2);
}
