// A channel window takes over a Super Browser channel: tuned to its
// frequency and squelch, and its text shown under a header.
#include "RecordingDsp.h"
#include "platform/Program.h"
#include "platform/Sleeper.h"
#include "brevio/core/Components.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/RxTextWindow.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "support/TestEnvironment.h"

#include <QDialog>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class FakeSuperView : public ISuperView {
public:
    QWidget* GetWidget() override { return m_pWidget; }
    void OnChannelChar(int, int) override {}
    void OnDspStatus(int) override {}
    void OnChannelImd(int, int, int) override {}
    bool IsRunning() const override { return false; }
    bool IsAutoStop() const override { return false; }
    CTxTextWindow* GetTxWindow() override { return nullptr; }
    IDisplayCanvas* GetCanvas() override { return nullptr; }
    void DisableAllDspChannels() override {}
    void StartBrowser() override {}
    void StopBrowser() override {}
    int GetChannelDspId(int nSlot) const override { return 10 + nSlot; }
    QString GetChannelText(int nSlot) const override
    {
        return nSlot == 5 ? QStringLiteral("cq cq de qt9xvk") : QString();
    }
    int GetSquelchThreshold() const override { return 33; }
    QWidget* m_pWidget = new QWidget;  // the browser's frame owns it
};

TEST(SuperChannel, ChannelWindowTakesOverABrowserChannel)
{
    platform::setProgram(platform::brevioIdentity());
    platform::FakeSleeper sleeper;
    platform::Sleeper::setInstance(&sleeper);
    CurrentSettings().SetDefaults();
    PreviousSettings().SetDefaults();
    testsupport::RecordingDsp dsp;
    ASSERT_TRUE(dsp.IsLoaded());
    FakeSuperView* super = new FakeSuperView;
    PskComponents().createSuperView = [super](QWidget*) -> ISuperView* { return super; };
    TheApp().SetDspLibraryPath(QString::fromUtf8(DSP_RECORDER));
    TheApp().SetStartupDialogRunner([](CMainFrame*, int* pnLayout) {
        *pnLayout = 1;
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(TheApp().InitInstance({QStringLiteral("brevio")}));
    CurrentSettings().m_bRxSlashZero = 0;  // the header's zeros as they are
    CFormRx* form = TheApp().GetMainFrame()->GetChannelWindow(0);
    form->SetIMD(-20, 1);
    form->SetClockError(12);
    dsp.SetResult("fnGetRXFrequency", 1450);
    dsp.Clear();
    SendRegisteredMessage(form, RegisteredMessage::nMsgSuperChannel, uintptr_t(-1), 5);
    const QStringList calls = dsp.Calls();
    EXPECT_TRUE(calls.contains(QStringLiteral("fnGetRXFrequency(15)")));
    EXPECT_TRUE(calls.contains(QStringLiteral("fnSetRXFrequency(1450, 0, 0)")));
    EXPECT_TRUE(calls.contains(QStringLiteral("fnSetSquelchThreshold(33, 0, 0)")));
    EXPECT_EQ(CRegistry().GetInt(CFormRx::ControlValueName(1006, 0), 0), 1450);
    EXPECT_EQ(form->GetImd(), 0);
    EXPECT_EQ(form->GetImdFlag(), 0);
    EXPECT_EQ(form->GetClockError(), 0);
    // The window's earlier text goes; the browser's text follows a header.
    const QString text = form->GetRxWindow()->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Super Browser> 1450Hz - "))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("\ncq cq de qt9xvk"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("RX>")));
    EXPECT_EQ(int(form->RxPath().GetKinds().size()), form->RxPath().Length());
    EXPECT_EQ(form->RxPath().GetKinds().front(), CRxTextPath::Transmitted);
    EXPECT_EQ(form->RxPath().GetKinds().back(), CRxTextPath::Received);

    TheApp().DestroyWindows();
    TheApp().ExitInstance();
    TheApp().ReleaseMutex();
    TheApp().SetStartupDialogRunner(nullptr);
    TheApp().SetDspLibraryPath(QString());
    PskComponents().createSuperView = nullptr;
    platform::Sleeper::setInstance(nullptr);
    platform::setProgram(platform::corvaneIdentity());
}

} // namespace
