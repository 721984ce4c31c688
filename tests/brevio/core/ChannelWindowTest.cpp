// A channel window in the main frame on the recording engine: its remembered
// values, the text from the engine, separators, transmitting, the commands,
// macros, the logbook entry and the status panes.
#include "ChannelFixture.h"
#include "platform/Program.h"
#include "brevio/core/Components.h"
#include "brevio/core/MacroStore.h"
#include "brevio/core/RadioToolBar.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/RxTextWindow.h"
#include "brevio/core/SettingToolbars.h"
#include "brevio/core/SquelchBar.h"
#include "brevio/core/TagStore.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/buttons/OXBitmapButton.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

using testsupport::ChannelFixture;
using testsupport::RadioProgram;

namespace {

constexpr unsigned kChar = CMainFrame::WM_DSP_CHAR;
constexpr unsigned kStatus = CMainFrame::WM_DSP_STATUS;

void Receive(ChannelFixture& f, const char* text, int channel)
{
    for (const char* p = text; *p; ++p)
        f.Engine(kChar, uint8_t(*p), channel);
}

TEST(ChannelWindow, ValuesAreRememberedUnderTheirNames)
{
    EXPECT_EQ(CFormRx::ControlValueName(1002, 2), QStringLiteral("00000089 000003EA 00000002"));
    EXPECT_EQ(CFormRx::MemberValueName("CFormRx::m_lAFC", 2), QStringLiteral("00000089-CFormRx::m_lAFC-00000002"));
    ChannelFixture f(2);
    CRegistry reg;
    // AFC limit and autoscroll are written when they change.
    f.form->SetAFC(250);
    EXPECT_EQ(reg.GetInt(QStringLiteral("00000089-CFormRx::m_lAFC-00000002"), 0), 250);
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnSetAFCLimit")), QStringList{QStringLiteral("fnSetAFCLimit(250, 2)")});
    f.form->OnAutoscroll();
    EXPECT_EQ(reg.GetInt(QStringLiteral("00000089-CFormRx::m_bRxScroll-00000002"), 1), 0);
    // The squelch from the bar.
    SendRegisteredMessage(f.form, RegisteredMessage::nMsgSquelch, 0, 30);
    EXPECT_EQ(reg.GetInt(QStringLiteral("00000089 000003EA 00000002"), 0), 30);
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnSetSquelchThreshold")).last(),
              QStringLiteral("fnSetSquelchThreshold(30, 0, 2)"));

    // Hidden: the values are saved and the channel stops decoding.
    f.dsp.SetResult("fnGetRXFrequency", 1500);
    f.form->ShowTxPane();
    f.Settled();
    f.form->OnTimer(100);  // first sight: visible, enabled, values read back
    EXPECT_EQ(f.form->GetSquelchBar()->GetSquelch(), 30);
    f.form->GetSquelchBar()->SetSquelch(40);
    f.dsp.Clear();
    f.frameRx->hide();
    f.form->OnTimer(100);
    EXPECT_EQ(reg.GetInt(QStringLiteral("00000089 000003EA 00000002"), 0), 40);
    EXPECT_EQ(reg.GetInt(QStringLiteral("00000089 000003EE 00000002"), 0), 1500);
    EXPECT_EQ(reg.GetInt(QStringLiteral("00000089 00000420 00000002"), 0), 1);
    EXPECT_TRUE(f.dsp.Calls().contains(QStringLiteral("fnEnableRXChannel(2, 0)")));
    // Retuned while hidden: that frequency comes back with the window.
    reg.WriteInt(QStringLiteral("00000089 000003EE 00000002"), 1800);
    f.form->GetSquelchBar()->SetSquelch(10);
    f.frameRx->show();
    f.Settled();
    f.form->OnTimer(100);
    EXPECT_TRUE(f.dsp.Calls().contains(QStringLiteral("fnEnableRXChannel(2, 1)")));
    EXPECT_TRUE(f.dsp.Calls().contains(QStringLiteral("fnSetRXFrequency(1800, 0, 2)")));
    EXPECT_EQ(f.form->GetSquelchBar()->GetSquelch(), 40);

    // A new window of the channel picks the values up.
    CFormRx again;
    f.dsp.Clear();
    again.SetChannel(2);
    EXPECT_EQ(again.GetAFC(), 250);
    EXPECT_FALSE(again.IsRxScroll());
    EXPECT_TRUE(again.IsTxPaneShown());
    EXPECT_TRUE(f.dsp.Calls().contains(QStringLiteral("fnSetAFCLimit(250, 2)")));
}

TEST(ChannelWindow, PaneSharesBelowOneCountAsOne)
{
    CRegistry().WriteInt(CFormRx::MemberValueName("m_nResizeRx", 1), 0);
    CRegistry().WriteInt(CFormRx::MemberValueName("m_nResizeTx", 1), -3);
    ChannelFixture f(1);
    f.form->ShowTxPane();
    f.frameRx->resize(400, 500);
    f.Process();
    EXPECT_EQ(f.form->GetResizeRx(), 1);
    EXPECT_EQ(f.form->GetResizeTx(), 1);
    EXPECT_NEAR(f.form->GetRxWindow()->height(), f.form->GetTxWindow()->height(), 1);
    EXPECT_EQ(f.form->GetTxWindow()->y(), f.form->GetRxWindow()->height() + 1);
}

TEST(ChannelWindow, EngineTextArrivesAndWaitsWhileTheOperatorHoldsTheMouse)
{
    ChannelFixture f(2);
    f.form->RxPath().Clear();
    Receive(f, "cq", 2);
    EXPECT_EQ(f.RxText(), QStringLiteral("cq"));
    f.form->SetInputHeldForTest(true);
    Receive(f, " de", 2);
    EXPECT_EQ(f.RxText(), QStringLiteral("cq"));
    EXPECT_TRUE(f.form->IsTimerActive(104));
    f.form->OnTimer(104);
    EXPECT_EQ(f.RxText(), QStringLiteral("cq"));
    f.form->SetInputHeldForTest(false);
    f.form->OnTimer(104);
    EXPECT_EQ(f.RxText(), QStringLiteral("cq de"));
    EXPECT_FALSE(f.form->IsTimerActive(104));
    // A resize holds the text back for a second too; nothing is lost.
    f.frameRx->resize(f.frameRx->width() + 20, f.frameRx->height());
    f.Process();
    Receive(f, " k", 2);
    EXPECT_EQ(f.RxText(), QStringLiteral("cq de"));
    f.form->OnTimer(105);
    f.form->OnTimer(104);
    EXPECT_EQ(f.RxText(), QStringLiteral("cq de k"));
}

TEST(ChannelWindow, ChannelOneStartsWithTheWelcomeLineAndErasingBringsItBack)
{
    ChannelFixture f0(0);
    f0.form->SetTxState(false, true);
    EXPECT_TRUE(f0.RxText().startsWith(QStringLiteral("Press F8 to configure PSK31 Brevio\n\nRX> "))) << f0.RxText().toStdString();
    f0.form->RxPath().Clear();
    f0.form->SetTxState(false, true);
    f0.form->OnEraseRx();
    EXPECT_TRUE(f0.RxText().startsWith(QStringLiteral("Press F8"))) << f0.RxText().toStdString();
}

TEST(ChannelWindow, OtherChannelsStartWithTheSeparatorAlone)
{
    ChannelFixture f(3);
    f.form->RxPath().Clear();
    CurrentSettings().m_bRxSlashZero = 0;  // else the time's zeros are slashed too
    f.form->SetTxState(false, true);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^RX> \\d\\d:\\d\\d:\\d\\d UTC\\n$")).match(f.RxText()).hasMatch())
        << f.RxText().toStdString();
    // Separators are indented back to the margin, the text after them not.
    const QTextDocument* doc = f.form->GetRxWindow()->document();
    EXPECT_EQ(doc->firstBlock().blockFormat().leftMargin(), 0);
    EXPECT_GT(doc->lastBlock().blockFormat().leftMargin(), 0);
}

TEST(ChannelWindow, TransmittingFromTheChannel)
{
    ChannelFixture f(1);
    f.form->RxPath().Clear();
    f.dsp.SetResult("fnGetRXFrequency", 1234);
    f.dsp.SetResult("fnGetTXCharsRemaining", 2);
    f.form->GetTxWindow()->AddText(QStringLiteral("hi"), false, false);
    f.form->OnCommand(CFormRx::IDC_START);
    f.Settled();
    EXPECT_EQ(f.frame->GetTxChannel(), 1);
    EXPECT_TRUE(f.form->IsTxPaneShown());
    EXPECT_EQ(f.form->GetTxFrequency(), 1234);
    const QStringList calls = f.dsp.Calls();
    EXPECT_TRUE(calls.contains(QStringLiteral("fnSetTXFrequency(1234)")));
    EXPECT_TRUE(calls.contains(QStringLiteral("fnStartTX(0)")));
    EXPECT_TRUE(calls.indexOf(QStringLiteral("fnSendTXCharacter(104, 0)")) < calls.indexOf(QStringLiteral("fnStartTX(0)")));

    f.Engine(kStatus, 1, 0);
    f.Settled();
    f.form->OnTimer(104);
    EXPECT_TRUE(f.form->IsTxState());
    EXPECT_TRUE(f.RxText().startsWith(QStringLiteral("TX> "))) << f.RxText().toStdString();
    EXPECT_EQ(f.frameRx->GetStatusText(), QStringLiteral("All text sent, press Escape to stop"));
    Receive(f, "x", 1);  // our own signal: dropped
    f.Engine(kChar, 'h', -1);
    f.Engine(kChar, 'i', -1);
    EXPECT_TRUE(f.RxText().endsWith(QStringLiteral("\nhi"))) << f.RxText().toStdString();
    const auto& kinds = f.form->RxPath().GetKinds();
    EXPECT_EQ(kinds.back(), CRxTextPath::Transmitted);
    EXPECT_EQ(f.form->BuildTitle(), QStringLiteral("Ch 2: 1234Hz [Tx]"));
    EXPECT_TRUE(f.frame->IsCommandEnabled(32819));
    EXPECT_TRUE(f.frame->IsCommandChecked(32801));

    f.Engine(kStatus, 0, 0);
    EXPECT_FALSE(f.form->IsTxState());
    EXPECT_TRUE(f.RxText().contains(QStringLiteral("\nRX> "))) << f.RxText().toStdString();
    EXPECT_EQ(f.form->BuildTitle(), QStringLiteral("Ch 2: 1234Hz"));
}

// A button stays offered only while it has something to do, also in the
// second after the window was moved or sized.
TEST(ChannelWindow, ButtonsFollowTheTransmitterWhileTheWindowSettles)
{
    ChannelFixture f(1);
    f.form->GetTxWindow()->AddText(QStringLiteral("hi"), false, false);
    f.form->OnCommand(CFormRx::IDC_START);
    f.Engine(kStatus, 1, 0);
    f.form->OnTimer(100);
    EXPECT_TRUE(f.form->GetButton(CFormRx::IDC_STOP)->isEnabled());
    EXPECT_FALSE(f.form->GetButton(CFormRx::IDC_START)->isEnabled());
    f.frameRx->resize(f.frameRx->size() + QSize(40, 30));
    f.Process();
    ASSERT_TRUE(f.form->IsSettling());
    f.Engine(kStatus, 0, 0);
    f.form->OnTimer(100);
    EXPECT_FALSE(f.form->GetButton(CFormRx::IDC_STOP)->isEnabled());
    EXPECT_TRUE(f.form->GetButton(CFormRx::IDC_START)->isEnabled());
}

TEST(ChannelWindow, AutostopOnlyTogglesWhileTransmittingAndAbortClears)
{
    ChannelFixture f(2);
    f.frame->SetTxChannel(2);
    f.Engine(kStatus, 1, 0);
    f.dsp.Clear();
    f.form->OnTransmitAutostop();
    EXPECT_TRUE(f.form->IsAutoStop());
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnStartTX")).isEmpty());
    f.form->OnTransmitAutostop();
    EXPECT_FALSE(f.form->IsAutoStop());
    f.frame->SetCWIdPending(true);
    f.form->OnCommand(32819);
    EXPECT_FALSE(f.frame->IsCWIdPending());
    EXPECT_EQ(f.dsp.Calls(), (QStringList{QStringLiteral("fnAbortTX()"), QStringLiteral("fnClearTXBuffer()")}));
}

TEST(ChannelWindow, LockedTransmitFrequencyStaysWhenTheReceiverMoves)
{
    ChannelFixture f(2);
    f.dsp.SetResult("fnGetRXFrequency", 1000);
    f.form->OnLockFrequency();
    EXPECT_TRUE(f.form->IsTxFrequencyLocked());
    EXPECT_EQ(f.frameRx->PaneText(108), QStringLiteral("Tx Lock: 1000 Hz"));
    f.dsp.SetResult("fnGetRXFrequency", 1700);
    f.dsp.Clear();
    f.form->ToggleTransmit();
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnSetTXFrequency")).isEmpty());
    EXPECT_EQ(f.form->GetTxFrequency(), 1000);
    f.Engine(kStatus, 1, 0);
    EXPECT_EQ(f.form->BuildTitle(), QStringLiteral("Ch 3: 1000Hz [Tx Locked]"));
}

TEST(ChannelWindow, SignalSearchWrapsAtTheDisplayEdges)
{
    // Peaks at 500 and 2500 between 100 and 3000.
    auto peak = [](int start, int limit) {
        const int lo = std::min(start, limit), hi = std::max(start, limit);
        const int peaks[] = {500, 2500};
        if (start <= limit) {
            for (int p : peaks)
                if (p >= lo && p <= hi)
                    return p;
        } else {
            for (int i = 1; i >= 0; --i)
                if (peaks[i] >= lo && peaks[i] <= hi)
                    return peaks[i];
        }
        return start;
    };
    EXPECT_EQ(CFormRx::NextSignal(1000, 100, 3000, peak), 2500);
    EXPECT_EQ(CFormRx::NextSignal(2600, 100, 3000, peak), 500);    // wraps to the bottom
    EXPECT_EQ(CFormRx::NextSignal(2995, 100, 3000, peak), 500);    // from the bottom up to f - 10
    EXPECT_EQ(CFormRx::PrevSignal(1000, 100, 3000, peak), 500);
    EXPECT_EQ(CFormRx::PrevSignal(400, 100, 3000, peak), 2500);    // wraps to the top
    EXPECT_EQ(CFormRx::PrevSignal(105, 100, 3000, peak), 2500);    // from the top down to f + 10
}

TEST(ChannelWindow, CentringOnTheFilterAndUndo)
{
    int dial = 0, audio = 0;
    CFormRx::CentreFrequencies(7074000, 1234, 1500, dial, audio);
    EXPECT_EQ(dial, 7073730);
    EXPECT_EQ(audio, 1504);

    ChannelFixture f(2);
    RadioProgram radio(7074000);
    f.frame->ProbeRadioProgram();
    ASSERT_TRUE(f.frame->IsRadioLinked());
    f.frame->RadioCommand(2, 0);
    ASSERT_EQ(f.frame->GetRadioBar()->GetFrequency(), 7074000);
    auto* centre = dynamic_cast<CCentreFrequencyBar*>(f.frame->GetToolBar(CCentreFrequencyBar::kBarId));
    ASSERT_NE(centre, nullptr);
    centre->GetStatic()->SetText(QStringLiteral("1500"));
    EXPECT_EQ(CRegistry().GetInt(QStringLiteral("Center Frequency"), 0), 1500);
    f.dsp.SetResult("fnGetRXFrequency", 1234);
    f.dsp.Clear();
    // As the display's click sends it.
    SendRegisteredMessage(f.form, RegisteredMessage::nMsgCenter, 0, 0);
    EXPECT_EQ(radio.Requests().last().command, 10u);
    EXPECT_EQ(radio.Requests().last().argument, 7073730);
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnSetRXFrequency")), QStringList{QStringLiteral("fnSetRXFrequency(1504, 0, 2)")});
    EXPECT_EQ(CRegistry().GetInt(CFormRx::ControlValueName(1006, 2), 0), 1504);
    EXPECT_TRUE(f.frame->IsCommandEnabled(33562));
    f.frame->OnCommand(33562);
    EXPECT_EQ(radio.Requests().last().argument, 7074000);
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnSetRXFrequency")).last(), QStringLiteral("fnSetRXFrequency(1234, 0, 2)"));
    EXPECT_FALSE(f.frame->IsCommandEnabled(33562));
}

TEST(ChannelWindow, BeaconIsOfferedOnlyWithABeaconBehindIt)
{
    ChannelFixture f(2);
    bool enabled = true, checked = false;
    ASSERT_TRUE(f.form->UpdateCommand(33485, enabled, checked));
    EXPECT_FALSE(enabled);
    EXPECT_FALSE(f.frame->IsCommandEnabled(33485));
}

TEST(ChannelWindow, AfcLimitShowsAsStoredAndTheBarSendsChangesToTheActiveChannel)
{
    ChannelFixture f(2);
    auto* afc = dynamic_cast<CAfcBar*>(f.frame->GetToolBar(CAfcBar::kBarId));
    ASSERT_NE(afc, nullptr);
    // The channel's default of 25 Hz is shown as 25 and not sent back rounded.
    bool enabled = false, checked = false;
    ASSERT_TRUE(f.form->UpdateCommand(33469, enabled, checked));
    EXPECT_TRUE(checked);
    EXPECT_EQ(afc->GetStatic()->text(), QStringLiteral("25"));
    EXPECT_EQ(f.form->GetAFC(), 25);
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnSetAFCLimit")).isEmpty());
    afc->SetAfcLimit(3000);
    EXPECT_EQ(afc->GetStatic()->text(), QStringLiteral("25"));
    // The operator's step goes to the active channel.
    afc->StepSpin(0, true);
    EXPECT_EQ(afc->GetStatic()->text(), QStringLiteral("30"));
    EXPECT_EQ(f.form->GetAFC(), 30);
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnSetAFCLimit")), QStringList{QStringLiteral("fnSetAFCLimit(30, 2)")});
    f.frame->OnCommand(33467);
    EXPECT_EQ(f.form->GetAFC(), 0);
    EXPECT_TRUE(f.frame->IsCommandChecked(33467));
    f.frame->OnCommand(33469);
    EXPECT_EQ(f.form->GetAFC(), 30);
    int valid = 0, value = 0;
    SendRegisteredMessage(f.form, RegisteredMessage::nMsgGetAFC, uintptr_t(&valid), intptr_t(&value));
    EXPECT_EQ(valid, 1);
    EXPECT_EQ(value, 30);
}

TEST(ChannelWindow, TheSentPartTakesNoEditAndCutCopiesFirst)
{
    ChannelFixture f(2);
    CTxTextWindow* tx = f.form->GetTxWindow();
    f.form->ShowTxPane();
    tx->AddText(QStringLiteral("sent rest"), false, false);
    f.dsp.SetResult("fnGetTXCharsRemaining", 2);
    tx->StartStop(1);
    tx->SendNext();
    tx->SendNext();  // "sent" is on air
    ASSERT_EQ(tx->GetSentCount(), 4);
    tx->setFocus();
    QTextCursor c = tx->textCursor();
    c.setPosition(2);
    tx->setTextCursor(c);
    QTest::keyClick(tx, Qt::Key_X);
    QTest::keyClick(tx, Qt::Key_Delete);
    QTest::keyClick(tx, Qt::Key_Backspace);
    EXPECT_EQ(tx->Sender().Text(), QStringLiteral("sent rest"));
    // A selection reaching into the sent part is not cut, pasted over or deleted.
    c.setPosition(2);
    c.setPosition(6, QTextCursor::KeepAnchor);
    tx->setTextCursor(c);
    QApplication::clipboard()->setText(QStringLiteral("zz"));
    tx->CutSelection();
    tx->PasteText();
    QTest::keyClick(tx, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(tx->Sender().Text(), QStringLiteral("sent rest"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("zz"));
    // In the unsent part Cut puts the text on the clipboard before deleting it.
    c.setPosition(5);
    c.setPosition(9, QTextCursor::KeepAnchor);
    tx->setTextCursor(c);
    tx->CutSelection();
    EXPECT_EQ(tx->Sender().Text(), QStringLiteral("sent "));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("rest"));
    tx->PasteText();
    QTest::keyClicks(tx, QStringLiteral("!"));
    EXPECT_EQ(tx->Sender().Text(), QStringLiteral("sent rest!"));
    EXPECT_EQ(tx->GetSentCount(), 4);
}

TEST(ChannelWindow, MacrosCollectTagsAskWhenNeededAndSend)
{
    ChannelFixture f(2);
    Tags().SetDefaults();
    Tags().SetValue(QStringLiteral("My Callsign"), QStringLiteral("QT9XVK"), -1);
    QStringList asked;
    int answer = 1;
    PskComponents().runMacroInput = [&](QWidget*, int channel, const QString& title, const QStringList& names,
                                        const QStringList&, bool, bool, QStringList& values) {
        asked.append(QStringLiteral("%1:%2:%3").arg(channel).arg(title, names.join(QLatin1Char(','))));
        values = {QStringLiteral(" G0ABC "), QStringLiteral("ignored")};
        return answer;
    };
    CMacro reply(QStringLiteral("Reply"), {QStringLiteral("<Callsign> <Callsign> de <My Callsign>"), QStringLiteral("[imd] pse k")}, 0);
    PostRegisteredMessage(f.form, RegisteredMessage::nMsgMacro, 5, reinterpret_cast<intptr_t>(&reply));
    f.Process();
    ASSERT_EQ(asked.size(), 1);  // the Callsign value is missing
    EXPECT_EQ(asked[0], QStringLiteral("2:Reply:Callsign,My Callsign"));
    EXPECT_EQ(f.form->GetTxWindow()->Sender().Text(), QStringLiteral("G0ABC G0ABC de ignored\nunknown pse k"));

    // Cancel: nothing at all.
    answer = 0;
    CMacro erase(QStringLiteral("Erase"), {QStringLiteral("x")}, CMacro::kEraseFirst | CMacro::kAlwaysPrompt);
    f.form->OnMacro(5, &erase);
    EXPECT_EQ(f.form->GetTxWindow()->Sender().Text(), QStringLiteral("G0ABC G0ABC de ignored\nunknown pse k"));

    // Own-station only: no question for the other station's tag, whose
    // placeholder stays; erase first and send at once.
    asked.clear();
    CMacro own(QStringLiteral("Own"), {QStringLiteral("<Callsign> de <My Callsign>")},
               CMacro::kOwnStationOnly | CMacro::kEraseFirst | CMacro::kSendNow);
    f.dsp.Clear();
    f.form->OnMacro(6, &own);
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(f.form->GetTxWindow()->Sender().Text().mid(f.form->GetTxWindow()->GetSentCount() > 0 ? 0 : 0),
              QStringLiteral("<Callsign> de QT9XVK"));
    EXPECT_TRUE(f.dsp.Calls().contains(QStringLiteral("fnClearTXBuffer()")));
    EXPECT_TRUE(f.dsp.Calls().contains(QStringLiteral("fnStartTX(0)")));
    f.form->OnMacro(9, nullptr);  // unknown codes do nothing
    PskComponents().runMacroInput = nullptr;
}

TEST(ChannelWindow, SelectAMacroListsTheFirstFiftyOne)
{
    ChannelFixture f(2);
    Macros().Clear();
    for (int i = 0; i < 60; ++i)
        Macros().Add(QStringLiteral("M%1").arg(i), {QStringLiteral("text %1").arg(i)}, 0);
    int items = 0;
    CTxTextWindow::SetMenuRunner([&](QMenu* menu, const QPoint&) {
        items = int(menu->actions().size());
        return menu->actions().value(50);
    });
    f.form->OnCommand(33573);
    CTxTextWindow::SetMenuRunner(nullptr);
    EXPECT_EQ(items, 51);
    f.Process();
    EXPECT_EQ(f.form->GetTxWindow()->Sender().Text(), QStringLiteral("text 50"));
    Macros().Clear();
}

TEST(ChannelWindow, LogbookEntryGoesToEveryFileThatTakesIt)
{
    ChannelFixture f(2);
    CPSK31Settings& s = CurrentSettings();
    // Nothing configured: the question, and no file.
    testsupport::prompter().m_answers = {platform::IDNO};
    f.form->OnLogbookEntry();
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, QStringLiteral("Logbook not configured - Configure now?"));
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, QStringLiteral("Logbook"));

    const QString good = testsupport::dataFolder() + QStringLiteral("/log2.adi");
    const QString bad = testsupport::dataFolder() + QStringLiteral("/missing/log1.adi");
    s.m_bLogbookEnable1 = 1;
    s.m_strLogbookFile1 = bad;
    s.m_bLogbookEnable2 = 1;
    s.m_strLogbookFile2 = good;
    s.m_bLogbookInclude2 = 1;
    s.m_bLogbookConfirm = 0;
    Tags().SetDefaults();
    Tags().SetValue(QStringLiteral("Callsign"), QStringLiteral("G0ABC"), -1);
    f.form->RxPath().Clear();
    Receive(f, "hello\r", 2);
    f.form->OnLogbookEntry();
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^# hello\\r\\n# \\r\\n<call:5>G0ABC<name:0>.*<EOR>\\r\\n\\r\\n$"),
                                   QRegularExpression::DotMatchesEverythingOption)
                    .match(QString::fromLatin1(bytes))
                    .hasMatch())
        << bytes.constData();
    EXPECT_EQ(f.frameRx->GetStatusText(), QStringLiteral("Logbook error: ") + bad);

    // Confirmation asked for, but no dialog to ask it in: the record goes as built.
    s.m_bLogbookConfirm = 1;
    s.m_bLogbookEnable1 = 0;
    s.m_bLogbookInclude2 = 0;
    f.form->OnLogbookEntry();
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    EXPECT_EQ(after.count("<call:5>G0ABC<name:0>"), 2);
    EXPECT_TRUE(after.startsWith(bytes));
    EXPECT_TRUE(after.endsWith("<EOR>\r\n\r\n"));
    EXPECT_EQ(f.frameRx->GetStatusText(), QStringLiteral("Logbook: updated"));
}

TEST(ChannelWindow, AutosaveWritesWhatWasInsertedAndErasingSavesFirst)
{
    CPSK31Settings& s = CurrentSettings();
    ChannelFixture f(1);
    s.m_bAutosaveEnable = 1;
    s.m_bAutosaveAppend = 0;
    s.m_bAutosaveAddDate = 0;
    s.m_strAutosaveDir = testsupport::dataFolder();
    f.form->RxPath().UnsavedText().clear();
    Receive(f, "abc\r\n", 1);
    f.form->AutosaveText();
    Receive(f, "def", 1);
    f.form->OnCommand(32783);  // erase: saved first
    QFile file(testsupport::dataFolder() + QStringLiteral("/RX_Channel_2.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("abc\r\ndef"));
    EXPECT_FALSE(f.RxText().contains(QStringLiteral("abc")));

    // A failing save says so once and keeps the text.
    s.m_strAutosaveDir = testsupport::dataFolder() + QStringLiteral("/nowhere");
    testsupport::prompter().clear();
    Receive(f, "xyz", 1);
    f.form->AutosaveText();
    f.form->AutosaveText();
    EXPECT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_TRUE(f.form->RxPath().UnsavedText().endsWith("xyz"));
}

TEST(ChannelWindow, StatusPanes)
{
    ChannelFixture f(2);
    f.form->ShowTxPane();
    EXPECT_TRUE(f.frameRx->IsStatusBarShown());
    struct Case {
        int imd, flag;
        const char* text;
    } cases[] = {{0, 0, "IMD:"}, {5, 0, "IMD:"}, {-999, 0, "IMD: Noise"}, {-26, 0, "IMD: -26dB"}, {-26, 1, "IMD: < -26dB"}};
    for (const Case& c : cases) {
        f.form->SetIMD(c.imd, c.flag);
        EXPECT_EQ(f.frameRx->PaneText(106), QString::fromLatin1(c.text));
    }
    EXPECT_TRUE(f.form->IsTimerActive(102));
    f.form->OnTimer(102);
    EXPECT_EQ(f.form->GetImd(), 0);
    EXPECT_EQ(f.frameRx->PaneText(108), QStringLiteral("Tx Lock: off"));
    CurrentSettings().m_nTxSendChars = 2;
    EXPECT_EQ(f.frameRx->PaneText(166), QStringLiteral("Send: Linefeed"));
    CurrentSettings().m_nTxSendChars = 7;
    EXPECT_EQ(f.frameRx->PaneText(166), QStringLiteral("Send: Immediate"));
    f.form->GetTxWindow()->AddText(QStringLiteral("abc"), false, false);
    EXPECT_EQ(f.frameRx->PaneText(127), QStringLiteral("To send: 3"));
    f.Settled();
    EXPECT_FALSE(f.frameRx->IsPaneEnabled(126));
    // The title is set only when it changes.
    f.dsp.SetResult("fnGetRXFrequency", 1200);
    int changes = 0;
    QObject::connect(f.form, &CFormRx::TitleChanged, [&] { ++changes; });
    f.form->OnTimer(100);
    f.form->OnTimer(100);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(f.frameRx->windowTitle(), QStringLiteral("Ch 3: 1200Hz"));
}

// A window narrower than its status panes cuts the last ones off at its
// edge; no pane is drawn over another.
TEST(ChannelWindow, ANarrowWindowKeepsItsStatusPanesApart)
{
    ChannelFixture f(2);
    f.form->ShowTxPane();
    // As narrow as the form lets the operator drag it in the program.
    f.frameRx->SetMinTrackSize(f.form->GetDesignSize());
    f.frameRx->resize(f.form->GetDesignSize().width(), 420);
    f.Process();
    ASSERT_LT(f.frameRx->width(), f.frameRx->GetStatusBar()->minimumSizeHint().width());
    QList<QLabel*> panes;
    for (QLabel* pane : f.frameRx->GetStatusBar()->findChildren<QLabel*>())
        if (pane->property("controlId").isValid())
            panes << pane;
    ASSERT_EQ(panes.size(), 6);
    for (int i = 0; i < panes.size(); ++i)
        for (int j = i + 1; j < panes.size(); ++j)
            EXPECT_FALSE(panes[i]->geometry().intersects(panes[j]->geometry()))
                << panes[i]->property("controlId").toInt() << " and " << panes[j]->property("controlId").toInt();
    // The first pane still starts at the window's left.
    EXPECT_EQ(f.frameRx->GetStatusBar()->mapTo(f.frameRx, QPoint(0, 0)).x(), f.form->geometry().left());
}

TEST(ChannelWindow, DoubleClickedWordsBecomeTagValues)
{
    struct Case {
        const char* text;
        int start, end;
        const char* word;
    } cases[] = {
        {"de G0ABC, pse", 3, 8, "G0ABC,"},    // the comma stays with the callsign
        {"de G0ABC ", 3, 9, "G0ABC"},          // a trailing blank the control took goes again
        {"op Ann\nqth", 3, 4, "Ann"},
        {"end abc", 4, 5, "abc"},              // a run at the very end of the text
    };
    for (const Case& c : cases) {
        int s = c.start, e = c.end;
        const QString text = QString::fromLatin1(c.text);
        CRxTextWindow::WidenToRun(text, s, e);
        EXPECT_EQ(text.mid(s, e - s), QString::fromLatin1(c.word)) << c.text;
    }
    CTagStore tags;
    for (int i = 0; i < 120; ++i)
        tags.Add(QStringLiteral("T%1").arg(i), QString(), i % 3 == 0, 1, 0);
    const auto items = CRxTextWindow::TagMenuItems(tags);
    EXPECT_EQ(items.size(), 66);  // 100 first tags, one in three own-station
    EXPECT_EQ(items.first().first, 33365);
    EXPECT_EQ(items.last().first, 33462);

    ChannelFixture f(2);
    Tags().SetDefaults();
    CTxTextWindow* tx = f.form->GetTxWindow();
    tx->AddText(QStringLiteral("gm <Locator> es <Locator>"), false, false);
    f.form->RxPath().Clear();
    Receive(f, "loc jo01aa ok", 2);
    CRxTextWindow* rx = f.form->GetRxWindow();
    QTextCursor c = rx->textCursor();
    c.setPosition(4);
    c.setPosition(10, QTextCursor::KeepAnchor);
    rx->setTextCursor(c);
    rx->OnTagCommand(33364 + 3);  // "Locator"
    // A locator tag keeps its locator in capitals.
    EXPECT_EQ(Tags().GetValue(QStringLiteral("Locator"), -1), QStringLiteral("JO") + QChar(0xD8) + QStringLiteral("1AA"));
    EXPECT_EQ(tx->Sender().Text(), QStringLiteral("gm jo") + QChar(0xD8) + QStringLiteral("1aa es jo") + QChar(0xD8) + QStringLiteral("1aa"));
    EXPECT_FALSE(rx->textCursor().hasSelection());
}

TEST(ChannelWindow, TagRowsAndBeaconGoToTheTransmitWindow)
{
    ChannelFixture f(2);
    Tags().SetDefaults();
    Tags().SetValue(QStringLiteral("Name"), QStringLiteral(" Ann "), -1);
    f.form->GetTxWindow()->AddText(QStringLiteral("hello"), false, false);
    SendRegisteredMessage(f.form, RegisteredMessage::nMsgTag, 0, 1);
    EXPECT_EQ(f.form->GetTxWindow()->Sender().Text(), QStringLiteral("hello Ann"));
    f.form->BeaconSend(true, QStringLiteral("beacon"));
    EXPECT_EQ(f.form->GetTxWindow()->Sender().Text().mid(0, 6), QStringLiteral("beacon"));
    EXPECT_TRUE(f.dsp.Calls().contains(QStringLiteral("fnStartTX(0)")));
    f.dsp.Clear();
    f.form->BeaconSend(false, QString());
    EXPECT_TRUE(f.dsp.Calls().contains(QStringLiteral("fnAbortTX()")));
}

} // namespace

namespace {

// Notes the path a save chooser starts from.
class PathPrompter : public platform::Prompter {
public:
    int messageBox(QWidget*, const QString&, const QString&, int) override { return platform::IDOK; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&, QString*) override { return {}; }
    QStringList openFileNames(QWidget*, const QString&, const QString&, const QString&, QString*) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString& path, const QString&, QString*) override
    {
        proposed.append(path);
        return answer;
    }
    QString existingFolder(QWidget*, const QString&, const QString&) override { return {}; }
    std::optional<QColor> colour(QWidget*, const QColor&, const QString&) override { return {}; }
    std::optional<QFont> font(QWidget*, const QFont&, const QString&) override { return {}; }
    QStringList proposed;
    QString answer;
};

TEST(ChannelWindow, SaveToFileProposesTheChannelNameThenTheLastPath)
{
    platform::setProgram(platform::brevioIdentity());
    ChannelFixture f(0);
    PathPrompter prompter;
    platform::Prompter::setInstance(&prompter);
    f.form->OnCommand(32804);  // an empty window has nothing to save
    EXPECT_TRUE(prompter.proposed.isEmpty());
    f.form->SetTxState(false, true);
    const QString path = testsupport::dataFolder() + QStringLiteral("/saved.rtf");
    prompter.answer = path;
    f.form->OnCommand(32804);
    ASSERT_EQ(prompter.proposed.size(), 1);
    EXPECT_TRUE(prompter.proposed[0].endsWith(QStringLiteral("PSK31 Brevio channel 1.rtf")))
        << prompter.proposed[0].toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray rtf = file.readAll();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("Press F8 to configure PSK31 Brevio"));
    file.close();
    // The second time it starts from the path chosen before; Cancel writes nothing.
    QFile::remove(path);
    prompter.answer.clear();
    f.form->OnCommand(32804);
    platform::Prompter::setInstance(&testsupport::prompter());
    platform::setProgram(platform::corvaneIdentity());
    ASSERT_EQ(prompter.proposed.size(), 2);
    EXPECT_EQ(prompter.proposed[1], path);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ChannelWindow, CtrlDigitsPickTheMacrosBarsSlots)
{
    ChannelFixture f(1);
    testsupport::MessageRecorder bar(f.frame->GetMacrosBar());
    QTest::keyClick(f.form->GetTxWindow(), Qt::Key_0, Qt::ControlModifier);
    QTest::keyClick(f.form->GetRxWindow(), Qt::Key_9, Qt::ControlModifier | Qt::ShiftModifier);
    f.Process();
    const auto picks = bar.Of(RegisteredMessage::nMsgSelectMacro);
    ASSERT_EQ(picks.size(), 2);
    EXPECT_EQ(picks[0].lParam, 0);
    EXPECT_EQ(picks[1].lParam, 19);
    EXPECT_EQ(f.form->GetTxWindow()->Sender().Text(), QString());
}

} // namespace
