// The Super Browser's transmit panel offscreen: choosing the channel, its
// receive text, transmit commands, macros with their tags, the tags list,
// the logbook entry and the splitters of the lower panel.
#include "SuperViewFixture.h"

#include "brevio/core/Components.h"
#include "brevio/core/MacroStore.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/RxTextWindow.h"
#include "brevio/core/TagStore.h"
#include "brevio/core/TxTextWindow.h"
#include "brevio/display/EditableListCtrl.h"
#include "brevio/display/SuperFrame.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class PanelFixture : public testsupport::SuperViewFixture {
protected:
    void SetUp() override
    {
        SuperViewFixture::SetUp();
        Macros().Clear();
        Tags().Clear();
        Tags().SetDefaults();
    }
    void TearDown() override
    {
        PskComponents().runMacroInput = nullptr;
        PskComponents().runAddToLogfile = nullptr;
        Macros().Clear();
        Tags().Clear();
        Tags().SetDefaults();
        SuperViewFixture::TearDown();
    }
    // A view with the panel shown on channel index 2, which has text.
    CSuperView* CreateWithPanel()
    {
        CSuperView* view = Create();
        Start();
        m_band.m_drift[12] = 1200;
        Feed(2, QStringLiteral("cq cq de g4abc g4abc k"));
        Second();
        view->OnCommand(CSuperView::IDC_TX_PANEL);
        return view;
    }
    QString TxText() const { return m_view->GetTxWindow()->toPlainText(); }
};

} // namespace

TEST_F(PanelFixture, ShowingThePanelPicksAChannelAndShowsItsText)
{
    CSuperView* view = Create();
    // No channel with a box: the first one.
    view->OnCommand(CSuperView::IDC_TX_PANEL);
    EXPECT_TRUE(view->IsTxPanelShown());
    EXPECT_EQ(view->GetSelectedChannel(), 0);
    EXPECT_TRUE(view->GetRxWindow()->isVisibleTo(view));
    EXPECT_TRUE(view->GetButton(CSuperView::IDC_TX_PANEL)->IsToggledOn());
    view->OnCommand(CSuperView::IDC_TX_PANEL);
    EXPECT_FALSE(view->GetRxWindow()->isVisibleTo(view));
    // Hidden: the browser area reaches down to the transmit window's bottom.
    EXPECT_EQ(view->GetArea()->geometry().bottom(), view->GetTxWindow()->geometry().bottom());

    // An active channel with enough text is the one chosen.
    Start();
    m_band.m_drift[12] = 1200;
    Feed(2, QStringLiteral("cq  de\r\rg4abc 0"));
    Second();
    view->OnCommand(CSuperView::IDC_TX_PANEL);
    EXPECT_EQ(view->GetSelectedChannel(), 2);
    // Its raw text replayed: blanks compressed, one line end, the slashed zero.
    EXPECT_EQ(view->GetRxWindow()->toPlainText(), QStringLiteral("cq de\ng4abc ") + QChar(0xD8));
    // Characters of the selected channel go on into the window; a backspace removes one.
    Feed(2, QStringLiteral("x\x08y"));
    EXPECT_EQ(view->GetRxWindow()->toPlainText(), QStringLiteral("cq de\ng4abc ") + QChar(0xD8) + QStringLiteral("y"));
    Feed(3, QStringLiteral("other"));
    EXPECT_FALSE(view->GetRxWindow()->toPlainText().contains(QStringLiteral("other")));

    // Hidden and shown again, the selection stays while the channel has its box.
    view->OnCommand(CSuperView::IDC_TX_PANEL);
    view->OnCommand(CSuperView::IDC_TX_PANEL);
    EXPECT_EQ(view->GetSelectedChannel(), 2);

    // A click on another channel's box selects it.
    m_band.m_drift[15] = 2400;
    Feed(5, QStringLiteral("qrz de dl1xyz k"));
    Second();
    ASSERT_TRUE(view->Engine().Channel(5).HasBox());
    QTest::mouseClick(view, Qt::LeftButton, {}, BoxCentre(5));
    EXPECT_EQ(view->GetSelectedChannel(), 5);
    EXPECT_EQ(view->GetRxWindow()->toPlainText(), QStringLiteral("qrz de dl1xyz k"));
    view->SelectChannel(2);

    // Erasing the receive window empties the channel's text too.
    view->OnCommand(CSuperView::IDC_ERASE_RX);
    EXPECT_TRUE(view->GetRxWindow()->toPlainText().isEmpty());
    EXPECT_TRUE(view->Engine().Channel(2).GetRawText().isEmpty());
}

TEST_F(PanelFixture, TransmitLockAndRetune)
{
    CSuperView* view = CreateWithPanel();
    ASSERT_EQ(view->GetSelectedChannel(), 2);
    // Locking and unlocking both retune the transmitter to the channel.
    m_band.m_drift[12] = 1210;
    view->OnCommand(CSuperView::IDC_LOCK);
    EXPECT_TRUE(view->IsTxLocked());
    m_band.m_drift[12] = 1220;
    view->OnCommand(CSuperView::IDC_LOCK);
    EXPECT_FALSE(view->IsTxLocked());
    EXPECT_EQ(m_band.m_txFrequencies, (std::vector<int>{1210, 1220}));
    EXPECT_EQ(view->GetTxFrequency(), 1220);
    view->OnCommand(CSuperView::IDC_LOCK);
    m_band.m_drift[12] = 1300;
    EXPECT_EQ(view->GetTxFrequency(), 1220);

    // A click on the browser's canvas retunes the selected channel.
    m_band.m_drift.erase(12);
    view->OnChannelImd(2, -20, 1);
    SendRegisteredMessage(view, RegisteredMessage::nMsgFrequency, 0, 1500);
    EXPECT_EQ(m_band.m_tuned[12], 1500);
    EXPECT_EQ(view->Engine().Channel(2).GetImdValue(), 0);
    EXPECT_TRUE(view->Engine().Channel(2).GetDisplayText().isEmpty());
    // With the panel hidden it does nothing.
    view->OnCommand(CSuperView::IDC_TX_PANEL);
    SendRegisteredMessage(view, RegisteredMessage::nMsgFrequency, 0, 1700);
    EXPECT_EQ(m_band.m_tuned[12], 1500);

    // Stop: abort and clear; the receive status.
    view->OnCommand(CSuperView::IDC_STOP);
    EXPECT_EQ(m_band.m_nAborts, 1);
    EXPECT_EQ(m_band.m_nTxClears, 1);
    EXPECT_EQ(m_frame->GetStatusText(), QStringLiteral("Receiving"));
}

TEST_F(PanelFixture, MacroListNumbersTheFirstTwentyAndCtrlDigitsSendThem)
{
    for (int i = 0; i < 26; ++i) {
        CMacro* m = Macros().Add(QStringLiteral("Macro %1").arg(i), {QStringLiteral("text %1").arg(i)}, 0);
        if (i == 1)
            m->m_bEnabled = 0;
        if (i == 2)
            m->m_strShortTitle = QStringLiteral("Short");
    }
    CSuperView* view = CreateWithPanel();
    COwnListCtrl* list = view->GetMacroList();
    ASSERT_EQ(list->GetItemCount(), 25);
    EXPECT_EQ(list->GetItemText(0, 0), QStringLiteral("[0] Macro 0"));
    EXPECT_EQ(list->GetItemText(1, 0), QStringLiteral("[1] Short"));
    EXPECT_EQ(list->GetItemText(19, 0), QStringLiteral("[19] Macro 20"));
    EXPECT_EQ(list->GetItemText(20, 0), QStringLiteral("Macro 21"));
    EXPECT_EQ(list->GetItemData(1), 2u);
    EXPECT_EQ(list->GetItemImage(0), 0);

    // Ctrl+Shift+3 is item 13 (macro 14, the disabled one being skipped).
    QKeyEvent key(QEvent::KeyPress, Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    QCoreApplication::sendEvent(view->GetTxWindow(), &key);
    QCoreApplication::processEvents();
    EXPECT_EQ(TxText(), QStringLiteral("text 14"));
    QKeyEvent plain(QEvent::KeyPress, Qt::Key_0, Qt::ControlModifier);
    QCoreApplication::sendEvent(view->GetTxWindow(), &plain);
    QCoreApplication::processEvents();
    EXPECT_EQ(TxText(), QStringLiteral("text 14\ntext 0"));

    // The tip: flags, shortcut, then the lines.
    Macros().GetAt(12)->m_nFlags = CMacro::kEraseFirst | CMacro::kSendNow;
    EXPECT_EQ(view->MacroTip(11), QStringLiteral("Flags:\t Erase Tx window, Send immediately\n"
                                                 "Shortcut:\t Ctrl + Shift + 1\n-----\ntext 12"));
    EXPECT_EQ(view->MacroTip(22), QStringLiteral("text 23"));
}

TEST_F(PanelFixture, MacrosTakeTheirTagsFromTheListAndTheOwnStation)
{
    Tags().SetValue(QStringLiteral("My Callsign"), QStringLiteral("QT9XVK"), -1);
    CSuperView* view = CreateWithPanel();
    view->SetTagValue(QStringLiteral("Callsign"), QStringLiteral("G4ABC"));
    // The same tag twice is asked for once and replaced twice; case-insensitive names.
    CMacro macro(QStringLiteral("Reply"), {QStringLiteral("<callsign> de <My Callsign>"),
                                           QStringLiteral("<Name> <CALLSIGN> <Callsign> k")},
                 0);
    QStringList asked;
    PskComponents().runMacroInput = [&](QWidget*, int channel, const QString& title, const QStringList& names,
                                        const QStringList&, bool, bool, QStringList& values) {
        EXPECT_EQ(channel, 12);
        EXPECT_EQ(title, QStringLiteral("Reply"));
        asked = names;
        values = {QStringLiteral("G4ABC"), QStringLiteral("QT9XVK"), QStringLiteral("Ann"), QStringLiteral("  "),
                  QStringLiteral("G4ABC")};
        return 1;
    };
    view->ApplyMacro(macro);
    EXPECT_EQ(asked, QStringList({QStringLiteral("callsign"), QStringLiteral("My Callsign"), QStringLiteral("Name"),
                                  QStringLiteral("CALLSIGN"), QStringLiteral("Callsign")}));
    // A value of blanks leaves its tag as written.
    EXPECT_EQ(TxText(), QStringLiteral("G4ABC de QT9XVK\nAnn <CALLSIGN> G4ABC k"));

    // Every value known: no question.
    view->GetTxWindow()->Clear();
    asked.clear();
    view->ApplyMacro(CMacro(QStringLiteral("Short"), {QStringLiteral("<Callsign> de <My Callsign>")}, 0));
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(TxText(), QStringLiteral("G4ABC de QT9XVK"));

    // Leave his info empty: an empty other-station tag is not asked for.
    view->GetTxWindow()->Clear();
    view->ApplyMacro(CMacro(QStringLiteral("Mine"), {QStringLiteral("<Name> de <My Callsign>")},
                            CMacro::kOwnStationOnly));
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(TxText(), QStringLiteral("<Name> de QT9XVK"));

    // Cancel sends nothing; erase clears first; send starts the transmission.
    PskComponents().runMacroInput = [](QWidget*, int, const QString&, const QStringList&, const QStringList&, bool,
                                       bool, QStringList&) { return 0; };
    view->ApplyMacro(CMacro(QStringLiteral("Ask"), {QStringLiteral("x")}, CMacro::kAlwaysPrompt));
    EXPECT_EQ(TxText(), QStringLiteral("<Name> de QT9XVK"));
    m_band.m_drift[12] = 1234;
    view->ApplyMacro(CMacro(QStringLiteral("Go"), {QStringLiteral("[imd]")}, CMacro::kEraseFirst | CMacro::kSendNow));
    EXPECT_FALSE(TxText().contains(QStringLiteral("QT9XVK")));
    EXPECT_FALSE(TxText().contains(QStringLiteral("[imd]")));
    EXPECT_EQ(m_band.m_txFrequencies, std::vector<int>{1234});
}

TEST_F(PanelFixture, TagsListEditsGoToTheStore)
{
    CurrentSettings().m_bTagsPerChannel = 1;
    Tags().SetValue(QStringLiteral("Name"), QStringLiteral("Bob"), 12);
    CSuperView* view = CreateWithPanel();
    CEditableListCtrl* tags = view->GetTagList();
    // The nine other-station tags, with the channel's values.
    ASSERT_EQ(tags->GetItemCount(), 9);
    EXPECT_EQ(tags->GetItemText(1, 0), QStringLiteral("Name"));
    EXPECT_EQ(tags->GetItemText(1, 1), QStringLiteral("Bob"));

    // Typing into a value cell stores it for the channel after a short pause.
    CInPlaceEdit* edit = tags->EditSubLabel(2, 1);
    ASSERT_NE(edit, nullptr);
    edit->setText(QString());
    QTest::keyClicks(edit, QStringLiteral("Leeds"));
    EXPECT_EQ(tags->GetItemText(2, 1), QStringLiteral("Leeds"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(view->IsTimerActive(105));
    view->OnTimer(105);
    EXPECT_EQ(Tags().GetValue(QStringLiteral("QTH"), 12), QStringLiteral("Leeds"));
    EXPECT_TRUE(Tags().GetValue(QStringLiteral("QTH"), -1).isEmpty());
    // Column 0 does not edit.
    EXPECT_EQ(tags->EditSubLabel(2, 5), nullptr);

    // A word taken from the receive text fills its row.
    view->SetTagValue(QStringLiteral("Locator"), QStringLiteral("IO91WM"));
    EXPECT_EQ(tags->GetItemText(3, 1), QStringLiteral("IO91WM"));
    view->SetTagValue(QStringLiteral("locator"), QStringLiteral("X"));
    EXPECT_EQ(tags->GetItemText(3, 1), QStringLiteral("IO91WM"));
    view->OnTimer(105);

    // A locator typed in place: nothing is said or undone while it is typed,
    // not even when a pause stores the values...
    testsupport::prompter().clear();
    CInPlaceEdit* locator = tags->EditSubLabel(3, 1);
    ASSERT_NE(locator, nullptr);
    QTest::keyClicks(locator, QStringLiteral("J"));
    QCoreApplication::processEvents();
    view->OnTimer(105);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(tags->GetItemText(3, 1), QStringLiteral("J"));
    EXPECT_EQ(locator->text(), QStringLiteral("J"));
    EXPECT_EQ(Tags().GetValue(QStringLiteral("Locator"), 12), QStringLiteral("IO91WM"));
    // ... its end brings the value of before back, and the status pane says why.
    locator->Finish();
    QCoreApplication::processEvents();
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(tags->GetItemText(3, 1), QStringLiteral("IO91WM"));
    EXPECT_TRUE(view->GetFrame()->GetStatusText().startsWith(QStringLiteral("\"J\" is not a locator")))
        << view->GetFrame()->GetStatusText().toStdString();
    // A whole one stays, in upper case.
    locator = tags->EditSubLabel(3, 1);
    ASSERT_NE(locator, nullptr);
    QTest::keyClicks(locator, QStringLiteral("jo01aa"));
    locator->Finish();
    QCoreApplication::processEvents();
    view->OnTimer(105);
    EXPECT_EQ(tags->GetItemText(3, 1), QStringLiteral("JO01AA"));
    EXPECT_EQ(Tags().GetValue(QStringLiteral("Locator"), 12), QStringLiteral("JO01AA"));
    // Kept with Enter, then something that is no locator typed over it: the
    // edit's end gives back the one kept.
    locator = tags->EditSubLabel(3, 1);
    ASSERT_NE(locator, nullptr);
    QTest::keyClicks(locator, QStringLiteral("in88ab"));
    QTest::keyClick(locator, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(locator->text(), QStringLiteral("IN88AB"));
    EXPECT_EQ(Tags().GetValue(QStringLiteral("Locator"), 12), QStringLiteral("IN88AB"));
    QTest::keyClick(locator, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(locator, QStringLiteral("XX99zz"));
    QTest::keyClick(locator, Qt::Key_Return);
    locator->Finish();
    QCoreApplication::processEvents();
    view->OnTimer(105);
    EXPECT_EQ(tags->GetItemText(3, 1), QStringLiteral("IN88AB"));
    EXPECT_EQ(Tags().GetValue(QStringLiteral("Locator"), 12), QStringLiteral("IN88AB"));
    view->SetTagValue(QStringLiteral("Locator"), QStringLiteral("JO01AA"));
    view->OnTimer(105);
    // A word picked from the received text that is no locator is refused.
    view->SetTagValue(QStringLiteral("Locator"), QStringLiteral("hello"));
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.startsWith(QStringLiteral("\"hello\" is not a locator")));
    EXPECT_EQ(tags->GetItemText(3, 1), QStringLiteral("JO01AA"));
}

TEST_F(PanelFixture, LogbookEntryGoesToEveryConfiguredFile)
{
    CSuperView* view = CreateWithPanel();
    // Nothing configured: the question (no, here).
    testsupport::prompter().m_answers = {platform::IDNO};
    view->OnCommand(CSuperView::IDC_LOGBOOK);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, QStringLiteral("Logbook not configured - Configure now?"));
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, QStringLiteral("Logbook"));

    // The first file cannot be written (a folder of that name); the second still is.
    CPSK31Settings& s = CurrentSettings();
    const QString dir = testsupport::dataFolder();
    const QString bad = dir + QStringLiteral("/folder.adi");
    QDir().mkpath(bad);
    const QString good = dir + QStringLiteral("/log.adi");
    s.m_bLogbookEnable1 = 1;
    s.m_strLogbookFile1 = bad;
    s.m_bLogbookEnable2 = 1;
    s.m_strLogbookFile2 = good;
    s.m_bLogbookInclude2 = 1;
    s.m_bLogbookConfirm = 1;
    // Confirmation asked for, but no dialog to ask it in: the record goes as built.
    Tags().SetValue(QStringLiteral("Callsign"), QStringLiteral("G4ABC"), -1);
    view->OnCommand(CSuperView::IDC_LOGBOOK);
    QFile f(good);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("# cq cq de g4abc g4abc k")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("<call:5>G4ABC<name:0>"));
    EXPECT_TRUE(bytes.endsWith("<EOR>\r\n\r\n"));
    EXPECT_EQ(m_frame->GetStatusText(), QStringLiteral("Logbook error: ") + bad);
}

TEST_F(PanelFixture, SplittersStoreTheLowerPanelSizes)
{
    CSuperView* view = CreateWithPanel();
    EXPECT_EQ(view->GetHeightRx(), -1);
    const QRect rx = view->GetRxWindow()->geometry();
    const QRect tx = view->GetTxWindow()->geometry();
    // The gap between the receive and the transmit window.
    const QPoint gap(rx.center().x(), rx.bottom() + 2);
    ASSERT_EQ(view->HoverMode(gap), 1);
    QTest::mousePress(view, Qt::LeftButton, {}, gap);
    QTest::mouseMove(view, gap + QPoint(0, -20));
    QTest::mouseRelease(view, Qt::LeftButton, {}, gap + QPoint(0, -20));
    EXPECT_EQ(view->GetHeightRx(), rx.height() - 20);
    EXPECT_EQ(view->GetRxWindow()->geometry().height(), rx.height() - 20);
    EXPECT_EQ(view->GetTxWindow()->geometry().bottom(), tx.bottom());
    EXPECT_EQ(view->GetTxWindow()->geometry().top(), tx.top() - 20);
    const CRegistry reg;
    EXPECT_EQ(reg.GetInt(QStringLiteral("CSuperView::m_nHeightRx"), 0), rx.height() - 20);
    EXPECT_EQ(reg.GetInt(QStringLiteral("CSuperView::m_nWidthMacros"), 0), view->GetMacroList()->width());

    // Between text and macros: the macros list widens leftwards.
    const QRect macros = view->GetMacroList()->geometry();
    const QPoint column(view->GetRxWindow()->geometry().right() + 2, macros.top() + 10);
    ASSERT_EQ(view->HoverMode(column), 3);
    QTest::mousePress(view, Qt::LeftButton, {}, column);
    QTest::mouseMove(view, column + QPoint(-30, 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, column + QPoint(-30, 0));
    EXPECT_EQ(view->GetMacroList()->width(), macros.width() + 30);
    EXPECT_EQ(view->GetWidthMacros(), macros.width() + 30);
    EXPECT_EQ(view->GetDragMode(), 0);

    // The sizes come back with the next view.
    m_frame.reset();
    CSuperView* again = CreateWithPanel();
    EXPECT_EQ(again->GetHeightRx(), rx.height() - 20);
    EXPECT_EQ(again->GetMacroList()->width(), macros.width() + 30);
}

TEST_F(PanelFixture, ReceiveStatusEndsAutostop)
{
    CSuperView* view = CreateWithPanel();
    view->OnCommand(CSuperView::IDC_START_AUTOSTOP);
    EXPECT_TRUE(view->IsAutoStop());
    EXPECT_TRUE(m_frame->IsPaneEnabled(126));
    view->OnDspStatus(0);
    EXPECT_FALSE(view->IsAutoStop());
    EXPECT_EQ(m_frame->GetStatusText(), QStringLiteral("Receiving"));
}
