// "[stop]" in a channel's transmit text, on the real engine with wave files
// in place of a sound card: the words before it go on air, the channel says
// "Stopping", the transmission ends, "[stop]" itself never goes on air, and
// the words after it wait for the operator's next start.
#include "FrameFixture.h"
#include "platform/Program.h"
#include "platform/Sleeper.h"
#include "brevio/core/DspCalls.h"
#include "brevio/core/RegisteredMessages.h"
#include "shared/RegisteredEvent.h"
#include "support/BrevioLog.h"
#include "support/TestEnvironment.h"
#include "support/WaveFiles.h"

#include <QDialog>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

#ifdef DSP_LIBRARY_REAL

namespace {

constexpr int kTransmit = 32801;          // "&Transmit", F1
constexpr int kTransmitAutostop = 32799;  // "Transmit with &Autostop", F2

class StopInTransmitText : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("PSKMODEM117_FILE_SPEED", "0");
        platform::setProgram(platform::brevioIdentity());
        platform::Sleeper::setInstance(&m_sleeper);
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
        TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_LIBRARY_REAL));
        TheApp().SetStartupDialogRunner([](CMainFrame*, int* layout) {
            *layout = 1;
            return int(QDialog::Accepted);
        });
        ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio")}));
        frame = TheApp().GetMainFrame();
        channel = frame->GetChannelWindow(0);
        tx = channel->GetTxWindow();
        dir = testsupport::dataFolder();
        ASSERT_TRUE(testsupport::WriteSilence(dir + QStringLiteral("/silence.wav"), 800));
        // Every status text of the channel, in order, and still shown in its frame.
        auto* frameRx = dynamic_cast<CFrameRx*>(TheApp().GetChannelFrame(0));
        tx->SetStatusSink([this, frameRx](const QString& text) {
            statuses.append(text);
            if (frameRx)
                frameRx->SetStatusText(text);
        });
    }

    void TearDown() override
    {
        frame->close();
        TheApp().DestroyWindows();
        TheApp().ExitInstance();
        TheApp().ReleaseMutex();
        TheApp().SetStartupDialogRunner(nullptr);
        TheApp().SetDspLibraryPath(QString());
        ForgetDspLibrary();
        platform::Sleeper::setInstance(nullptr);
        platform::setProgram(platform::corvaneIdentity());
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
    }

    // Silence in, what goes on air out to the file.
    void TransmitInto(const QString& file)
    {
        CPSK31Settings& s = CurrentSettings();
        s.m_nTxDelay = 0;
        s.m_bInputEnable = 1;
        s.m_strInputWaveFile = dir + QStringLiteral("/silence.wav");
        s.m_bOutputEnable = 1;
        s.m_strOutputWaveFile = file;
        s.m_nOutputLimit = 0;
        s.m_bOutputAppend = 0;
        s.m_bSoundcardEchoOutput = 0;
        SaveAndBroadcastSettings();
    }

    // What channel 1 decodes of a file at 1200 Hz.
    QString Decode(const QString& file)
    {
        testsupport::MessageRecorder received(channel);
        fnSetRXFrequency(1200, 0, 0);
        fnSetSquelchThreshold(50, 0, 0);
        fnEnableRXChannel(0, 1);
        CPSK31Settings& s = CurrentSettings();
        s.m_strInputWaveFile = file;
        s.m_strOutputWaveFile = dir + QStringLiteral("/scratch.wav");
        TheApp().GetLogView()->Erase();
        SaveAndBroadcastSettings();
        EXPECT_TRUE(testsupport::WaitForLog(QStringLiteral("Status: [4] Input wave file finished reading.")));
        QCoreApplication::processEvents();
        QString decoded;
        for (const auto& m : received.Of(RegisteredMessage::nMsgCharRdy))
            if (m.lParam == 0)
                decoded += QChar(char(m.wParam));
        return decoded;
    }

    // What the channel showed as its own transmitted text (the echoes).
    static QString Echoed(const testsupport::MessageRecorder& recorder)
    {
        QString echoed;
        for (const auto& m : recorder.Of(RegisteredMessage::nMsgCharRdy))
            if (m.lParam == 1)
                echoed += QChar(char(m.wParam));
        return echoed;
    }

    platform::FakeSleeper m_sleeper;
    CMainFrame* frame = nullptr;
    CFormRx* channel = nullptr;
    CTxTextWindow* tx = nullptr;
    QString dir;
    QStringList statuses;
};

TEST_F(StopInTransmitText, WordsBeforeStopGoOutAndTheRestWaitsForTheNextStart)
{
    const QString first = dir + QStringLiteral("/first.wav");
    TransmitInto(first);
    const QString text = QStringLiteral("cq cq de qt9xvk [stop] after the stop pse k");
    tx->setPlainText(text);
    fnSetRXFrequency(1200, 0, 0);  // the channel transmits where it listens
    testsupport::MessageRecorder echoes(channel);

    // F1: no autostop, so only "[stop]" can end this transmission.
    channel->OnCommand(kTransmit);
    ASSERT_TRUE(testsupport::WaitForLog(QStringLiteral("Status: [0] In Receive mode")))
        << TheApp().GetLogView()->toPlainText().toStdString();
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->IsTransmitting());
    EXPECT_TRUE(statuses.contains(QStringLiteral("Stopping"))) << statuses.join(QLatin1Char('|')).toStdString();
    const qsizetype stopping = statuses.lastIndexOf(QStringLiteral("Stopping"));
    EXPECT_FALSE(statuses.mid(stopping).contains(QStringLiteral("Sending, press Escape to stop")))
        << statuses.join(QLatin1Char('|')).toStdString();
    // "[stop]" is marked sent; what follows it is not.
    EXPECT_EQ(tx->GetSentCount(), int(text.indexOf(QLatin1String("[stop]")) + 6));
    EXPECT_EQ(tx->GetUnsentCount(), int(QStringLiteral(" after the stop pse k").size()));
    EXPECT_EQ(Echoed(echoes), QStringLiteral("cq cq de qt9xvk "));

    const QString onAir = Decode(first);
    EXPECT_TRUE(onAir.contains(QLatin1String("de qt9xvk"))) << onAir.toStdString();
    EXPECT_FALSE(onAir.contains(QLatin1String("stop"))) << onAir.toStdString();
    EXPECT_FALSE(onAir.contains(QLatin1String("after"))) << onAir.toStdString();
    EXPECT_FALSE(onAir.contains(QLatin1String("pse"))) << onAir.toStdString();

    // The next start sends what waited, and only that.
    const QString second = dir + QStringLiteral("/second.wav");
    TransmitInto(second);
    TheApp().GetLogView()->Erase();
    statuses.clear();
    testsupport::MessageRecorder echoes2(channel);
    channel->OnCommand(kTransmitAutostop);
    ASSERT_TRUE(testsupport::WaitForLog(QStringLiteral("Status: [0] In Receive mode")))
        << TheApp().GetLogView()->toPlainText().toStdString();
    QCoreApplication::processEvents();
    EXPECT_FALSE(tx->HasUnsent());
    EXPECT_EQ(Echoed(echoes2), QStringLiteral(" after the stop pse k"));
    const QString rest = Decode(second);
    EXPECT_TRUE(rest.contains(QLatin1String("the stop pse"))) << rest.toStdString();
    EXPECT_FALSE(rest.contains(QLatin1String("qt9xvk"))) << rest.toStdString();
}

// A "[stop]" that stands at the sent boundary when the operator starts
// (typed there after the last transmission) is passed over: what follows it
// goes, and the transmission does not sit idle.
TEST_F(StopInTransmitText, AStopAtTheBoundaryWhenStartingIsPassedOver)
{
    const QString file = dir + QStringLiteral("/start.wav");
    TransmitInto(file);
    tx->setPlainText(QStringLiteral("[stop]cq cq de qt9xvk pse k"));
    fnSetRXFrequency(1200, 0, 0);  // the channel transmits where it listens
    testsupport::MessageRecorder echoes(channel);
    channel->OnCommand(kTransmitAutostop);
    ASSERT_TRUE(testsupport::WaitForLog(QStringLiteral("Status: [0] In Receive mode")))
        << TheApp().GetLogView()->toPlainText().toStdString();
    QCoreApplication::processEvents();
    EXPECT_FALSE(tx->HasUnsent());
    EXPECT_EQ(Echoed(echoes), QStringLiteral("cq cq de qt9xvk pse k"));
    const QString onAir = Decode(file);
    EXPECT_TRUE(onAir.contains(QLatin1String("de qt9xvk pse"))) << onAir.toStdString();
    EXPECT_FALSE(onAir.contains(QLatin1String("stop"))) << onAir.toStdString();
}

// With a CW identification after every transmission, the identification
// that follows the stop carries no text: the words after "[stop]" still
// wait for the operator.
TEST_F(StopInTransmitText, IdentificationAfterTheStopTakesNoTextAlong)
{
    CPSK31Settings& s = CurrentSettings();
    s.m_strCWString = QStringLiteral("QT9XVK");
    frame->SetSendCWId(true);
    const QString file = dir + QStringLiteral("/cw.wav");
    TransmitInto(file);
    const QString text = QStringLiteral("aa [stop] bbbb");
    tx->setPlainText(text);
    fnSetRXFrequency(1200, 0, 0);  // the channel transmits where it listens
    channel->OnCommand(kTransmit);
    // The first status 0 starts the identification; its own ends it all.
    ASSERT_TRUE(testsupport::WaitForLog(QStringLiteral("Status: [0] In Receive mode")))
        << TheApp().GetLogView()->toPlainText().toStdString();
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->IsTransmitting());
    EXPECT_EQ(tx->GetUnsentCount(), int(QStringLiteral(" bbbb").size()));
    EXPECT_EQ(fnGetTXCharsRemaining(), 0) << "text was handed to the engine during the identification";
}

} // namespace

#endif
