// "[stop]" in the Super Browser's transmit window, on the real engine with
// wave files in place of a sound card: a start with "[stop]" at the sent
// boundary passes over it and sends what follows; a "[stop]" further on ends
// the transmission after the words before it, and what follows it waits for
// the next start. What went on air is decoded from the output file.
#include "brevio/display/DisplayComponents.h"
#include "brevio/display/SuperView.h"

#include "platform/Program.h"
#include "platform/Sleeper.h"
#include "brevio/core/Components.h"
#include "brevio/core/DspCalls.h"
#include "brevio/core/DspLibrary.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/LogView.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/TxTextWindow.h"
#include "brevio/display/DisplayCanvasServices.h"
#include "shared/RegisteredEvent.h"
#include "support/BrevioLog.h"
#include "support/TestEnvironment.h"
#include "support/WaveFiles.h"

#include <QCoreApplication>
#include <QDialog>
#include <gtest/gtest.h>

#ifdef DSP_LIBRARY_REAL

namespace {

constexpr int kFrequency = 1200;

// The received characters the main frame hands a channel window.
class Received : public QObject {
public:
    explicit Received(QObject* form) : m_form(form) { form->installEventFilter(this); }
    ~Received() override { m_form->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (auto* r = CRegisteredEvent::As(e, RegisteredMessage::nMsgCharRdy))
            if (r->lParam() == 0)
                m_text += QChar(char(r->wParam()));
        return false;
    }
    QObject* m_form;
    QString m_text;
};

class SuperBrowserStop : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("PSKMODEM117_FILE_SPEED", "0");
        platform::setProgram(platform::brevioIdentity());
        platform::Sleeper::setInstance(&m_sleeper);
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
        InstallDisplayComponents();
        TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_LIBRARY_REAL));
        TheApp().SetStartupDialogRunner([](CMainFrame*, int* layout) {
            *layout = 0;  // the Super Browser
            return int(QDialog::Accepted);
        });
        ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio"), QStringLiteral("-nologo")}));
        frame = TheApp().GetMainFrame();
        view = dynamic_cast<CSuperView*>(TheApp().GetSuperView());
        ASSERT_NE(view, nullptr);
        if (!view->IsTxPanelShown())
            view->OnCommand(CSuperView::IDC_TX_PANEL);
        ASSERT_TRUE(view->IsTxPanelShown());
        tx = view->GetTxWindow();
        dir = testsupport::dataFolder();
        ASSERT_TRUE(testsupport::WriteSilence(dir + QStringLiteral("/silence.wav"), 800));
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
        PskComponents().createDisplayBar = nullptr;
        PskComponents().createSuperView = nullptr;
        CDisplayCanvasServices::SetInstance(nullptr);
        platform::Sleeper::setInstance(nullptr);
        platform::setProgram(platform::corvaneIdentity());
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
    }

    // Silence in, what goes on air out to the file; the panel's channel, and
    // with it the transmitter, on kFrequency.
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
        view->RetuneSelected(kFrequency);
        TheApp().GetLogView()->Erase();
    }

    // A start of the panel (F1 or F2 there), to the end of the transmission.
    bool Transmit(int nCommand)
    {
        view->OnCommand(nCommand);
        // Two waits in a case: each within half of what one may take.
        const bool ended = testsupport::WaitForLog(QStringLiteral("Status: [0] In Receive mode"), testsupport::longestWaitMs() / 2);
        QCoreApplication::processEvents();
        return ended && !frame->IsTransmitting();
    }

    // What channel 1 decodes of a file at kFrequency.
    QString Decode(const QString& file)
    {
        CFormRx* channel = frame->GetChannelWindow(0);
        EXPECT_NE(channel, nullptr);
        if (!channel)
            return QString();
        Received received(channel);
        fnSetRXFrequency(kFrequency, 0, 0);
        fnSetSquelchThreshold(50, 0, 0);
        fnEnableRXChannel(0, 1);
        CPSK31Settings& s = CurrentSettings();
        s.m_strInputWaveFile = file;
        s.m_strOutputWaveFile = dir + QStringLiteral("/scratch.wav");
        TheApp().GetLogView()->Erase();
        SaveAndBroadcastSettings();
        EXPECT_TRUE(testsupport::WaitForLog(QStringLiteral("Status: [4] Input wave file finished reading."),
                                            testsupport::longestWaitMs() / 2))
            << TheApp().GetLogView()->toPlainText().toStdString();
        QCoreApplication::processEvents();
        return received.m_text;
    }

    platform::FakeSleeper m_sleeper;
    CMainFrame* frame = nullptr;
    CSuperView* view = nullptr;
    CTxTextWindow* tx = nullptr;
    QString dir;
};

} // namespace

// F2 with "[stop]" first: it is passed over at the start, the rest goes on
// air at once (no key is needed to set it going), and autostop ends it.
TEST_F(SuperBrowserStop, AStartAtAStopSendsWhatFollowsIt)
{
    const QString file = dir + QStringLiteral("/after.wav");
    TransmitInto(file);
    const QString text = QStringLiteral("[stop]de qt9xvk pse k");
    tx->setPlainText(text);
    ASSERT_TRUE(Transmit(CSuperView::IDC_START_AUTOSTOP))
        << "the transmission never ended: " << TheApp().GetLogView()->toPlainText().toStdString();
    EXPECT_EQ(tx->GetSentCount(), int(text.size()));
    const QString onAir = Decode(file);
    EXPECT_TRUE(onAir.contains(QLatin1String("de qt9xvk pse"))) << onAir.toStdString();
    EXPECT_FALSE(onAir.contains(QLatin1String("stop"))) << onAir.toStdString();
}

// F1 (no autostop): the words before "[stop]" go on air, the transmission
// ends there, and the next start sends the rest.
TEST_F(SuperBrowserStop, AStopInTheTextEndsTheTransmissionAndTheRestWaits)
{
    const QString first = dir + QStringLiteral("/first.wav");
    TransmitInto(first);
    const QString text = QStringLiteral("cq de qt9xvk [stop] after the stop k");
    tx->setPlainText(text);
    ASSERT_TRUE(Transmit(CSuperView::IDC_START))
        << "the transmission never ended: " << TheApp().GetLogView()->toPlainText().toStdString();
    EXPECT_EQ(tx->GetSentCount(), int(text.indexOf(QLatin1String("[stop]")) + 6));
    QString onAir = Decode(first);
    EXPECT_TRUE(onAir.contains(QLatin1String("de qt9xvk"))) << onAir.toStdString();
    EXPECT_FALSE(onAir.contains(QLatin1String("stop"))) << onAir.toStdString();
    EXPECT_FALSE(onAir.contains(QLatin1String("after"))) << onAir.toStdString();

    const QString second = dir + QStringLiteral("/second.wav");
    TransmitInto(second);
    ASSERT_TRUE(Transmit(CSuperView::IDC_START_AUTOSTOP))
        << "the transmission never ended: " << TheApp().GetLogView()->toPlainText().toStdString();
    EXPECT_FALSE(tx->HasUnsent());
    onAir = Decode(second);
    EXPECT_TRUE(onAir.contains(QLatin1String("the stop k"))) << onAir.toStdString();
    EXPECT_FALSE(onAir.contains(QLatin1String("qt9xvk"))) << onAir.toStdString();
}

#endif
