// The program on the real engine with wave files in place of a sound card:
// channel 1 transmits its text into a file, and the program started on that
// file decodes it into channel 1's window.
#include "FrameFixture.h"
#include "platform/Program.h"
#include "platform/Sleeper.h"
#include "brevio/core/RegisteredMessages.h"
#include "shared/RegisteredEvent.h"
#include "support/BrevioLog.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"
#include "support/WaveFiles.h"

#include <QDialog>
#include <QFile>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

#ifdef DSP_LIBRARY_REAL

namespace {

TEST(WaveFileEndToEnd, ChannelOneDecodesTheTextOfAWaveFile)
{
    qputenv("PSKMODEM117_FILE_SPEED", "0");  // files as fast as the engine can go
    platform::setProgram(platform::brevioIdentity());
    platform::FakeSleeper sleeper;
    platform::Sleeper::setInstance(&sleeper);
    CurrentSettings().SetDefaults();
    PreviousSettings().SetDefaults();
    TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_LIBRARY_REAL));
    TheApp().SetStartupDialogRunner([](CMainFrame*, int* layout) {
        *layout = 1;
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio")}));
    CMainFrame* frame = TheApp().GetMainFrame();
    CFormRx* channel1 = frame->GetChannelWindow(0);
    ASSERT_TRUE(TheApp().GetChannelFrame(0)->isVisible());

    const QString dir = testsupport::dataFolder();
    const QString silence = dir + QStringLiteral("/silence.wav");
    const QString signal = dir + QStringLiteral("/signal.wav");
    ASSERT_TRUE(testsupport::WriteSilence(silence, 800));

    // Transmit: silence in, the signal out to a file, as the options set it.
    CPSK31Settings& s = CurrentSettings();
    s.m_nTxDelay = 0;
    s.m_bInputEnable = 1;
    s.m_strInputWaveFile = silence;
    s.m_bOutputEnable = 1;
    s.m_strOutputWaveFile = signal;
    s.m_nOutputLimit = 0;
    s.m_bSoundcardEchoOutput = 0;
    SaveAndBroadcastSettings();
    ASSERT_TRUE(TheApp().GetLogView()->toPlainText().contains(QStringLiteral("Mode .........: 0F")));

    const QString text = QStringLiteral("CQ CQ de QT9XVK pse k");
    CTxTextWindow* tx = channel1->GetTxWindow();
    tx->setPlainText(text);
    channel1->SetAutoStop(true);
    fnSetTXFrequency(1200);  // the channel window's transmit frequency
    frame->SetTxChannel(0);
    tx->SendNext();
    frame->StartTransmit(true);
    ASSERT_TRUE(testsupport::WaitForLog(QStringLiteral("Status: [0] In Receive mode")));
    EXPECT_FALSE(tx->HasUnsent());
    EXPECT_TRUE(QFile(signal).size() > 44 + 8000);

    // Receive: the program reads the file on channel 1 (enabled and tuned
    // as its window does while it is shown).
    testsupport::MessageRecorder received(channel1);
    fnSetRXFrequency(1200, 0, 0);
    fnSetSquelchThreshold(50, 0, 0);
    fnEnableRXChannel(0, 1);
    // No sound card here: the output goes to a scratch file as well.
    s.m_strInputWaveFile = signal;
    s.m_strOutputWaveFile = dir + QStringLiteral("/scratch.wav");
    TheApp().GetLogView()->Erase();
    SaveAndBroadcastSettings();
    ASSERT_TRUE(TheApp().GetLogView()->toPlainText().contains(QStringLiteral("Starting .....: OK")));
    ASSERT_TRUE(testsupport::WaitForLog(QStringLiteral("Status: [4] Input wave file finished reading.")));
    QCoreApplication::processEvents();
    QString decoded;
    for (const auto& m : received.Of(RegisteredMessage::nMsgCharRdy))
        if (m.lParam == 0)
            decoded += QChar(char(m.wParam));
    EXPECT_TRUE(decoded.contains(text)) << decoded.toStdString() << "\n" << TheApp().GetLogView()->toPlainText().toStdString();
    EXPECT_TRUE(frame->IsDataFlowing());

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

} // namespace

#endif
