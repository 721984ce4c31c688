// The two programs together on the simulated radio: FT-817 Corvane runs as its
// own process on the FT-817 simulator; PSK31 Brevio's main frame runs here on
// the real engine (wave files in place of a sound card) and reaches Corvane
// over the programs' local socket, as on an operator's desktop. What counts is
// what arrives on the radio's CAT line (the simulator's journal) and what
// Brevio shows of the radio.
#include "support/CorvaneProcess.h"

#include "platform/Program.h"
#include "brevio/core/DspLibrary.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/LogView.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RadioToolBar.h"
#include "brevio/core/TxTextWindow.h"
#include "support/ScriptedPrompter.h"
#include "support/Simulator.h"
#include "support/TestEnvironment.h"
#include "support/WaveFiles.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {

constexpr int kRadioFrequency = 14070000;  // the simulator's VFO at start
constexpr int kSMeter = 7;
constexpr int kAlc = 12;                   // bit 31 of the status word set while keyed

// Lets both programs work (this one's timers and engine messages) until the
// condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, int ms = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

QByteArray Frame(const char* hex)
{
    return QByteArray::fromHex(hex);
}

int CountFrames(const testsupport::Simulator& sim, const QByteArray& frame)
{
    return int(sim.frames().count(frame));
}

class BothPrograms : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::Simulator::Options o;
        o.sMeter = kSMeter;
        o.extraArguments << QStringLiteral("--alc") << QString::number(kAlc);
        // AGC Slow in the radio's menu byte (bits 0-1; bit 6 set: unlocked).
        o.pokes << QStringLiteral("0057=C2");
        o.faults << RadioFaults();
        m_sim = std::make_unique<testsupport::Simulator>(o);
        ASSERT_TRUE(m_sim->isRunning()) << m_sim->errorText().toStdString();

        m_corvane = std::make_unique<CorvaneProcess>(QString::fromUtf8(CORVANE_PROGRAM), m_sim->portPath());
        ASSERT_TRUE(m_corvane->WaitUntilServing()) << m_corvane->Diagnostics().toStdString();
        // It started from the settings the test gave it.
        EXPECT_TRUE(m_corvane->StoredValue(QStringLiteral("Startup Flag")).isValid());
        EXPECT_EQ(m_corvane->StoredValue(QStringLiteral("Startup port")).toString(), m_sim->portPath());

        StartBrevio();
    }

    void TearDown() override
    {
        StopBrevio();
        m_corvane.reset();
        m_sim.reset();
    }

    // Brevio as configured by its operator: PTT through FT-817 Corvane, a
    // silent recording in, the transmitted signal out to a file.
    void StartBrevio()
    {
        qputenv("PSKMODEM117_FILE_SPEED", "1");  // real time: a transmission lasts as on air
        platform::setProgram(platform::brevioIdentity());
        const QString dir = testsupport::dataFolder();
        ASSERT_TRUE(testsupport::WriteSilence(dir + QStringLiteral("/silence.wav"), 30 * 8000));
        CPSK31Settings& s = CurrentSettings();
        s.SetDefaults();
        s.m_bPTTFT817 = 1;
        s.m_nTxDelay = 0;
        s.m_strInputWaveFile = dir + QStringLiteral("/silence.wav");
        s.m_bOutputEnable = 1;
        s.m_strOutputWaveFile = dir + QStringLiteral("/transmitted.wav");
        s.m_nOutputLimit = 0;
        s.m_bSoundcardEchoOutput = 0;
        s.Save();
        PreviousSettings() = s;

        TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_LIBRARY_REAL));
        TheApp().SetStartupDialogRunner([](CMainFrame*, int* layout) {
            *layout = 1;
            return int(QDialog::Accepted);
        });
        ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio")}));
        m_frame = TheApp().GetMainFrame();
        ASSERT_NE(m_frame, nullptr);
        m_bar = m_frame->GetRadioBar();
        ASSERT_NE(m_bar, nullptr);
        m_brevioStarted = true;
        // Wave-file input is never remembered: switched on as in the options.
        CurrentSettings().m_bInputEnable = 1;
        SaveAndBroadcastSettings();
        ASSERT_TRUE(BrevioLog().contains(QStringLiteral("Mode .........: 0F"))) << BrevioLog().toStdString();
        ASSERT_TRUE(BrevioLog().contains(QStringLiteral("Starting .....: OK"))) << BrevioLog().toStdString();
    }

    void StopBrevio()
    {
        if (!m_brevioStarted)
            return;
        m_brevioStarted = false;
        m_frame->close();
        TheApp().DestroyWindows();
        TheApp().ExitInstance();
        TheApp().ReleaseMutex();
        TheApp().SetStartupDialogRunner(nullptr);
        TheApp().SetDspLibraryPath(QString());
        ForgetDspLibrary();
        platform::setProgram(platform::corvaneIdentity());
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
        m_frame = nullptr;
        m_bar = nullptr;
    }

    QString BrevioLog() const
    {
        return TheApp().GetLogView() ? TheApp().GetLogView()->toPlainText() : QString();
    }

    bool RadioSaw(const QByteArray& frame, int ms = 5000) const
    {
        return WaitFor([&] { return CountFrames(*m_sim, frame) > 0; }, ms);
    }

    virtual QStringList RadioFaults() const { return {}; }

    std::unique_ptr<testsupport::Simulator> m_sim;
    std::unique_ptr<CorvaneProcess> m_corvane;
    CMainFrame* m_frame = nullptr;
    CRadioToolBar* m_bar = nullptr;
    bool m_brevioStarted = false;
};

TEST_F(BothPrograms, KeyingInBrevioKeysTheRadioThroughCorvane)
{
    ASSERT_TRUE(m_frame->IsRadioLinked());
    EXPECT_EQ(m_frame->GetRadioProgram(), 1);
    const QByteArray pttOn = Frame("0000000008");
    const QByteArray pttOff = Frame("0000000088");
    EXPECT_EQ(CountFrames(*m_sim, pttOn), 0);

    CFormRx* channel1 = m_frame->GetChannelWindow(0);
    ASSERT_NE(channel1, nullptr);
    CTxTextWindow* tx = channel1->GetTxWindow();
    tx->setPlainText(QStringLiteral("CQ CQ"));
    channel1->SetAutoStop(true);
    fnSetTXFrequency(1200);
    m_frame->SetTxChannel(0);
    tx->SendNext();
    m_frame->StartTransmit(true);
    EXPECT_TRUE(BrevioLog().contains(QStringLiteral("Switching radio to Tx")));
    // Corvane keyed the radio before it answered.
    EXPECT_EQ(CountFrames(*m_sim, pttOn), 1);
    EXPECT_EQ(CountFrames(*m_sim, pttOff), 0);

    // While on the air Brevio's radio bar shows the transmit meters Corvane
    // reads from the radio: ALC 12 in bits 28-31 of the status word.
    int meter = -1;
    ASSERT_TRUE(WaitFor([&] {
        if (m_frame->IsTransmitting() && m_bar->IsMeterTransmit())
            meter = m_bar->GetMeterValue();
        return meter >= 0 && (meter & 0x0F) == kAlc;
    })) << "last transmit meter " << meter << "\n" << BrevioLog().toStdString();
    EXPECT_GT(meter >> 4, 0) << "PWR reading";

    // The text is sent; the transmitter stops and the radio is unkeyed.
    ASSERT_TRUE(WaitFor([&] { return BrevioLog().contains(QStringLiteral("Switching radio to Rx")); }, 20000))
        << BrevioLog().toStdString();
    EXPECT_FALSE(tx->HasUnsent());
    ASSERT_TRUE(RadioSaw(pttOff));
    const QList<QByteArray> frames = m_sim->frames();
    EXPECT_EQ(frames.count(pttOn), 1);
    EXPECT_EQ(frames.count(pttOff), 1);
    EXPECT_LT(frames.indexOf(pttOn), frames.indexOf(pttOff));

    // Back in receive: the S-meter again.
    EXPECT_TRUE(WaitFor([&] { return !m_bar->IsMeterTransmit() && m_bar->GetMeterValue() == kSMeter; }));
    EXPECT_TRUE(m_frame->IsRadioLinked());
}

TEST_F(BothPrograms, BrevioReadsTheRadioStatusAndTunesItThroughCorvane)
{
    ASSERT_TRUE(m_frame->IsRadioLinked());
    QComboBox* agc = m_bar->GetAgcCombo();
    ASSERT_NE(agc, nullptr);

    // The 200 ms poll: the radio's frequency, S-meter and AGC, and its
    // preamplifier (Corvane reports IPO, the preamplifier switched off).
    ASSERT_TRUE(WaitFor([&] {
        return m_bar->GetFrequency() == kRadioFrequency && m_bar->GetMeterValue() == kSMeter &&
               agc->currentData().toInt() == 2;
    })) << m_bar->GetFrequency() << " S" << m_bar->GetMeterValue() << " AGC " << agc->currentData().toInt();
    EXPECT_EQ(m_bar->GetFrequencyText(), QStringLiteral("14.070.000"));
    EXPECT_FALSE(m_bar->IsMeterTransmit());
    EXPECT_TRUE(m_frame->IsRadioPreamp());
    EXPECT_FALSE(m_frame->IsRadioAtt());
    EXPECT_FALSE(m_frame->IsRadioDig());
    EXPECT_TRUE(agc->isEnabled());

    // Frequency Up and Down: 200 Hz steps, set on the radio and read back.
    m_frame->OnCommand(32813);
    EXPECT_TRUE(RadioSaw(Frame("0140702001")));
    EXPECT_EQ(m_bar->GetFrequency(), kRadioFrequency + 200);
    m_frame->OnCommand(32814);
    EXPECT_EQ(m_bar->GetFrequency(), kRadioFrequency);
    EXPECT_EQ(CountFrames(*m_sim, Frame("0140700001")), 1);

    // A frequency from Brevio (a favourite): 10 Hz units on the radio; the
    // reply is the frequency of Corvane's last poll, the next poll shows the new one.
    m_frame->RadioCommand(10, 7035005);
    EXPECT_TRUE(RadioSaw(Frame("0070350001")));
    EXPECT_TRUE(WaitFor([&] { return m_bar->GetFrequency() == 7035000; })) << m_bar->GetFrequency();

    // The switches: DIG mode, attenuator, preamplifier off, AGC Fast.
    m_frame->OnCommand(130);
    EXPECT_TRUE(RadioSaw(Frame("0A00000007")));
    EXPECT_TRUE(WaitFor([&] { return m_frame->IsRadioDig(); }));
    EXPECT_FALSE(m_frame->IsCommandEnabled(130));

    m_frame->OnCommand(113);
    EXPECT_TRUE(WaitFor([&] { return m_frame->IsRadioAtt(); }));
    m_frame->OnCommand(114);
    EXPECT_TRUE(WaitFor([&] { return !m_frame->IsRadioPreamp(); }));

    agc->setCurrentIndex(agc->findData(1));
    emit agc->activated(agc->currentIndex());
    EXPECT_EQ(m_sim->eepromByte(0x57) & 0x03, 1);
    agc->setCurrentIndex(agc->findData(3));  // shown until the poll says otherwise
    EXPECT_TRUE(WaitFor([&] { return agc->currentData().toInt() == 1; }));
    EXPECT_TRUE(m_frame->IsRadioLinked());
}

TEST_F(BothPrograms, CorvaneAnswersZeroWhileItCloses)
{
    ASSERT_TRUE(m_frame->IsRadioLinked());
    // Corvane asks whether to power the radio down before it closes; while
    // that question is open it still answers, with 0.
    ASSERT_TRUE(m_corvane->RequestClose());
    QElapsedTimer clock;
    clock.start();
    std::optional<uint32_t> answer;
    while (clock.elapsed() < 10000) {
        answer = CorvaneProcess::Send(2, 0);
        if (answer && *answer == 0)
            break;
        QThread::msleep(20);
    }
    ASSERT_TRUE(answer.has_value()) << m_corvane->Diagnostics().toStdString();
    ASSERT_EQ(*answer, 0u);
    EXPECT_TRUE(m_corvane->IsRunning());
    EXPECT_EQ(CorvaneProcess::Send(9, 0), std::optional<uint32_t>(0));

    // Keying now reaches Corvane, which does nothing; Brevio drops the link.
    m_frame->PttOn();
    EXPECT_FALSE(m_frame->IsRadioLinked());
    EXPECT_EQ(m_bar->GetFrequencyText(), QStringLiteral("Radio"));
    EXPECT_FALSE(m_bar->GetAgcCombo()->isEnabled());
    EXPECT_FALSE(m_frame->IsCommandEnabled(32813));
    // Its probe finds the program but no link.
    m_frame->ProbeRadioProgram();
    EXPECT_FALSE(m_frame->IsRadioLinked());
    EXPECT_EQ(CountFrames(*m_sim, Frame("0000000008")), 0);
}

TEST_F(BothPrograms, ClosingCorvaneUnkeysTheRadioItKeyedForBrevio)
{
    ASSERT_TRUE(m_frame->IsRadioLinked());
    const QByteArray pttOn = Frame("0000000008");
    const QByteArray pttOff = Frame("0000000088");
    CFormRx* channel1 = m_frame->GetChannelWindow(0);
    CTxTextWindow* tx = channel1->GetTxWindow();
    tx->setPlainText(QStringLiteral("CQ CQ CQ de QT9XVK QT9XVK QT9XVK pse k"));
    channel1->SetAutoStop(true);
    m_frame->SetTxChannel(0);
    tx->SendNext();
    m_frame->StartTransmit(true);
    ASSERT_EQ(CountFrames(*m_sim, pttOn), 1);

    // From the moment Corvane starts closing Brevio can no longer unkey the
    // radio through it: Corvane does so itself.
    ASSERT_TRUE(m_corvane->RequestClose());
    EXPECT_TRUE(RadioSaw(pttOff)) << m_corvane->Diagnostics().toStdString();
    EXPECT_FALSE(BrevioLog().contains(QStringLiteral("Switching radio to Rx")));
    EXPECT_EQ(CountFrames(*m_sim, pttOff), 1);
    const QList<QByteArray> frames = m_sim->frames();
    EXPECT_LT(frames.indexOf(pttOn), frames.indexOf(pttOff));
}

// A radio that never acknowledges PTT: Corvane cannot key it.
class BothProgramsPttRefused : public BothPrograms {
protected:
    QStringList RadioFaults() const override { return {QStringLiteral("no-answer:op=08")}; }
};

// F1 in channel 1 as the operator presses it, with text typed.
void PressTransmit(CMainFrame* frame, const QString& text)
{
    CFormRx* channel1 = frame->GetChannelWindow(0);
    channel1->GetTxWindow()->setPlainText(text);
    frame->OnCommand(32801);
}

const QString kPttRefused = QStringLiteral(
    "FT-817 Corvane could not switch the radio to transmit: it is not running or it has lost the radio.\n"
    "Nothing was transmitted.");

TEST_F(BothProgramsPttRefused, BrevioSaysSoAndDoesNotTransmit)
{
    ASSERT_TRUE(m_frame->IsRadioLinked());
    testsupport::prompter().clear();
    PressTransmit(m_frame, QStringLiteral("CQ CQ"));
    const QByteArray pttOn = Frame("0000000008");
    const QByteArray pttOff = Frame("0000000088");
    EXPECT_EQ(CountFrames(*m_sim, pttOn), 1);
    // Told, once, in a box; nothing goes to the transmitter, and a radio that
    // keyed without answering is unkeyed again.
    const auto& boxes = testsupport::prompter().m_boxes;
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, kPttRefused);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(RadioSaw(pttOff));
    CTxTextWindow* tx = m_frame->GetChannelWindow(0)->GetTxWindow();
    EXPECT_EQ(tx->GetSentCount(), 0);
    EXPECT_TRUE(tx->HasUnsent());
    for (const QString& line : BrevioLog().split(QLatin1Char('\n')))
        EXPECT_FALSE(line.endsWith(QStringLiteral("Switching radio to Tx"))) << line.toStdString();
    EXPECT_TRUE(BrevioLog().contains(QStringLiteral("Switching radio to Tx failed: FT-817 Corvane did not key the radio")));
    WaitFor([] { return false; }, 1000);
    EXPECT_FALSE(m_frame->IsTransmitting());
}

TEST_F(BothPrograms, ARadioLostToCorvaneShowsAsALostLinkAndIsNotKeyed)
{
    ASSERT_TRUE(WaitFor([&] { return m_bar->GetFrequency() == kRadioFrequency; }));
    // The radio goes away: Corvane's polls fail from now on.
    m_sim->stop();
    ASSERT_TRUE(WaitFor([&] { return !m_frame->IsRadioLinked(); }, 15000)) << m_corvane->Diagnostics().toStdString();
    EXPECT_EQ(m_bar->GetFrequencyText(), QStringLiteral("Radio"));
    // Its probe finds Corvane, but no radio behind it.
    m_frame->ProbeRadioProgram();
    EXPECT_FALSE(m_frame->IsRadioLinked());

    testsupport::prompter().clear();
    PressTransmit(m_frame, QStringLiteral("CQ CQ"));
    const auto& boxes = testsupport::prompter().m_boxes;
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, kPttRefused);
    EXPECT_EQ(m_frame->GetChannelWindow(0)->GetTxWindow()->GetSentCount(), 0);
    WaitFor([] { return false; }, 1000);
    EXPECT_FALSE(m_frame->IsTransmitting());
    EXPECT_TRUE(m_corvane->IsRunning());
}

} // namespace
