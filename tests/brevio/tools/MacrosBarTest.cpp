// The macros bar in the main frame: its entries and shortcut numbers, what a
// click or Ctrl+digit sends to the active channel window, the tips, the
// include flags and view styles through the main frame's commands, editing
// the selected macro; and a macro from the bar all the way into a channel
// window's transmit text through the Macro Input dialog.
#include "ToolsFixture.h"

#include "platform/DataFolder.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/TxTextSender.h"
#include "brevio/core/TxTextWindow.h"
#include "brevio/display/EditableListCtrl.h"
#include "brevio/tools/ColorEdit.h"
#include "brevio/tools/MacroEditorDialog.h"
#include "brevio/tools/MacroInputDialog.h"
#include "brevio/tools/MacrosBar.h"
#include "brevio/tools/MacrosManagerDialog.h"
#include "brevio/tools/TagsBar.h"
#include "shared/Registry.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace {

class MacrosBarTest : public testsupport::ToolsFixture {
protected:
    CMacrosBar* Bar()
    {
        auto* bar = dynamic_cast<CMacrosBar*>(Frame()->GetMacrosBar());
        EXPECT_NE(bar, nullptr);
        return bar;
    }
    QStringList Labels()
    {
        QStringList labels;
        for (int r = 0; r < Bar()->GetList()->count(); ++r)
            labels << Bar()->GetList()->item(r)->text();
        return labels;
    }
    int RowOf(const QString& label)
    {
        const QStringList labels = Labels();
        return int(labels.indexOf(label));
    }
    // A window standing for the active channel window, recording what it gets.
    testsupport::Recorder* ActiveWindow()
    {
        auto* target = new QWidget;
        QMdiSubWindow* sub = Frame()->GetMdiArea()->addSubWindow(target);
        sub->show();
        Frame()->GetMdiArea()->setActiveSubWindow(sub);
        m_recorder = std::make_unique<testsupport::Recorder>(target);
        return m_recorder.get();
    }
    std::unique_ptr<testsupport::Recorder> m_recorder;
};

TEST_F(MacrosBarTest, TwentyShortcutNumbersSkipDisabledMacros)
{
    for (int i = 0; i < 27; ++i)
        Macros().Add(QStringLiteral("Macro %1").arg(i), QStringLiteral("M%1").arg(i), {QStringLiteral("text %1").arg(i)},
                     false, false, i == 5, false, i == 3 || i == 4 ? 0 : 1, false);
    Bar()->FillList();
    const QStringList labels = Labels();
    // Manager, the title toggle and Erase (the only include on by default).
    ASSERT_EQ(labels.size(), 3 + 25);
    EXPECT_EQ(labels.mid(0, 3), QStringList({QStringLiteral("Manager"), QStringLiteral("Full"), QStringLiteral("Erase")}));
    EXPECT_EQ(labels[3], QStringLiteral("[0] M0"));
    EXPECT_EQ(labels[6], QStringLiteral("[3] M5"));
    EXPECT_EQ(Bar()->EntryCode(6), CMacrosBar::CodeMacroSend);
    EXPECT_EQ(Bar()->EntryCode(5), CMacrosBar::CodeMacro);
    EXPECT_EQ(labels[22], QStringLiteral("[19] M21"));
    EXPECT_EQ(labels[23], QStringLiteral("M22"));
    EXPECT_EQ(labels.last(), QStringLiteral("M26"));

    // Ctrl+Shift+9 is shortcut 19: the twentieth listed macro.
    testsupport::Recorder* window = ActiveWindow();
    Macros().GetAt(21)->SetLeaveHisInfoEmpty(true);
    PostRegisteredMessage(Bar(), RegisteredMessage::nMsgSelectMacro, 0, 19);
    Process();
    const auto sent = window->Of(RegisteredMessage::nMsgMacro);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0].wParam, uintptr_t(RegisteredMessage::MacroSend));
    EXPECT_EQ(sent[0].lParam, reinterpret_cast<intptr_t>(Macros().GetAt(21)));
    // Sent from the bar: the leave-his-info bit is cleared in the store.
    EXPECT_FALSE(Macros().GetAt(21)->IsLeaveHisInfoEmpty());
    PostRegisteredMessage(Bar(), RegisteredMessage::nMsgSelectMacro, 0, 20);
    Process();
    EXPECT_EQ(window->Of(RegisteredMessage::nMsgMacro).size(), 1);
}

TEST_F(MacrosBarTest, ADoubleClickSendsOnce)
{
    Macros().Add(QStringLiteral("Once"), {QStringLiteral("x")}, 0);
    Bar()->FillList();
    testsupport::Recorder* window = ActiveWindow();
    QListWidget* list = Bar()->GetList();
    const QPoint at = list->visualItemRect(list->item(RowOf(QStringLiteral("[0] Once")))).center();
    // The whole sequence a double click makes.
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    Process();
    EXPECT_EQ(window->Of(RegisteredMessage::nMsgMacro).size(), 1);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    Process();
    EXPECT_EQ(window->Of(RegisteredMessage::nMsgMacro).size(), 2);
}

TEST_F(MacrosBarTest, ShortAndFullTitlesAndTheToggle)
{
    Macros().Add(QStringLiteral("Long title"), QString(), {QStringLiteral("a")}, false, false, false, false, 1, false);
    Macros().Add(QStringLiteral("Other"), QStringLiteral("O"), {QStringLiteral("b")}, false, false, false, false, 1, false);
    Bar()->FillList();
    EXPECT_EQ(Labels().mid(3), QStringList({QStringLiteral("[0] Long title"), QStringLiteral("[1] O")}));
    Bar()->OnEntryClicked(RowOf(QStringLiteral("Full")));
    EXPECT_TRUE(Bar()->IsFullTitle());
    EXPECT_EQ(CRegistry().GetInt(QStringLiteral("CMacrosBar::m_bFullTitle"), 0), 1);
    EXPECT_EQ(Labels()[1], QStringLiteral("Short"));
    EXPECT_EQ(Labels().last(), QStringLiteral("[1] Other"));
}

TEST_F(MacrosBarTest, BuiltInEntriesSendTheirCommandsToTheActiveWindow)
{
    testsupport::Recorder* window = ActiveWindow();
    for (int command : {33343, 33352, 33344, 33341, 33342})
        Frame()->OnCommand(command);
    EXPECT_EQ(Labels().mid(0, 8),
              QStringList({QStringLiteral("Manager"), QStringLiteral("Abort"), QStringLiteral("Full"),
                           QStringLiteral("Erase"), QStringLiteral("Mark unsent"), QStringLiteral("Open file"),
                           QStringLiteral("Tx"), QStringLiteral("Tx - autostop")}));
    CRegistry registry;
    EXPECT_EQ(registry.GetInt(QStringLiteral("CMacrosBar::m_bIncludeAbort"), 0), 1);
    EXPECT_EQ(registry.GetInt(QStringLiteral("CMacrosBar::m_bIncludeUnsend"), 0), 1);
    EXPECT_TRUE(Frame()->IsCommandChecked(33343));
    const int codes[] = {CMacrosBar::CodeAbort, CMacrosBar::CodeErase, CMacrosBar::CodeMarkUnsent,
                         CMacrosBar::CodeOpenFile, CMacrosBar::CodeTx, CMacrosBar::CodeTxAutostop};
    for (int code : codes)
        for (int r = 0; r < Bar()->GetList()->count(); ++r)
            if (Bar()->EntryCode(r) == code)
                Bar()->OnEntryClicked(r);
    QList<uintptr_t> commands;
    for (const auto& m : window->Of(RegisteredMessage::nMsgMacro))
        commands << m.wParam;
    EXPECT_EQ(commands, QList<uintptr_t>({0, 1, 7, 2, 3, 4}));
    Frame()->OnCommand(33343);
    EXPECT_FALSE(Bar()->GetIncludeFlag(CMacrosBar::IncAbort));
    EXPECT_EQ(RowOf(QStringLiteral("Abort")), -1);
}

TEST_F(MacrosBarTest, ViewStylesFromTheMainFrame)
{
    EXPECT_TRUE(Bar()->IsViewStyle(CMacrosBar::StyleList));
    Frame()->OnCommand(33520);
    EXPECT_TRUE(Bar()->IsViewStyle(CMacrosBar::StyleIcon));
    EXPECT_EQ(Bar()->GetList()->viewMode(), QListView::IconMode);
    EXPECT_TRUE(Frame()->IsCommandChecked(33520));
    Frame()->OnCommand(33523);
    EXPECT_EQ(Bar()->GetViewStyle(), CMacrosBar::StyleReport);
    EXPECT_FALSE(Bar()->GetList()->isWrapping());
}

TEST_F(MacrosBarTest, InfoTipWithFlagsShortcutAndTagValues)
{
    Tags().SetValue(QStringLiteral("My Callsign"), QStringLiteral("QT9XVK"), -1);
    Tags().SetValue(QStringLiteral("Name"), QStringLiteral(" Ann "), -1);
    Macros().Add(QStringLiteral("Reply"), QString(),
                 {QStringLiteral("<Callsign> de <My Callsign>   "), QStringLiteral("  "), QStringLiteral("hi <name>")},
                 true, false, true, false, 1, false);
    for (int i = 0; i < 11; ++i)
        Macros().Add(QStringLiteral("M%1").arg(i), {QStringLiteral("x")}, 0);
    Macros().Add(QStringLiteral("Plain"), {QStringLiteral("<Callsign>")}, 0);
    Bar()->GetList();
    if (auto* tags = dynamic_cast<CTagsBar*>(Frame()->GetTagsBar()))
        tags->FillList(Tags());
    Bar()->FillList();
    EXPECT_EQ(Bar()->InfoTip(RowOf(QStringLiteral("[0] Reply"))),
              QStringLiteral("Flags:   \t Erase Tx window, Send immediately\nShortcut:\t Ctrl + 0\n-----\n"
                             "<Callsign> de QT9XVK\nhi Ann"));
    EXPECT_EQ(Bar()->InfoTip(RowOf(QStringLiteral("[12] Plain"))),
              QStringLiteral("Shortcut:\t Ctrl + Shift + 2\n-----\n<Callsign>"));
    EXPECT_TRUE(Bar()->InfoTip(RowOf(QStringLiteral("Manager"))).isEmpty());
    // The hover text of the selected macro is its lines.
    Bar()->GetList()->setCurrentRow(RowOf(QStringLiteral("[0] Reply")));
    EXPECT_EQ(Bar()->HoverText(), QStringLiteral("<Callsign> de <My Callsign>   \n  \nhi <name>"));
    Bar()->GetList()->setCurrentRow(0);
    EXPECT_TRUE(Bar()->HoverText().isEmpty());
}

TEST_F(MacrosBarTest, EditCurrentUpdatesSavesAndRefills)
{
    Macros().Add(QStringLiteral("Reply"), QStringLiteral("Re"), {QStringLiteral("old")}, false, false, false, false, 1,
                 true);
    Bar()->FillList();
    EXPECT_FALSE(Bar()->HasSelectedMacro());
    EXPECT_FALSE(Frame()->IsCommandEnabled(33558));
    Bar()->GetList()->setCurrentRow(RowOf(QStringLiteral("[0] Re")));
    EXPECT_TRUE(Bar()->HasSelectedMacro());
    EXPECT_TRUE(Frame()->IsCommandEnabled(33558));
    Next<CMacroEditorDialog>([](CMacroEditorDialog& e) {
        e.ShortTitleEdit()->setText(QStringLiteral("R2"));
        e.OnOK();
    });
    Frame()->OnCommand(33558);
    Process();
    EXPECT_EQ(Macros().GetAt(0)->GetShortTitle(), QStringLiteral("R2"));
    EXPECT_TRUE(Macros().GetAt(0)->IsLeaveHisInfoEmpty());
    EXPECT_TRUE(QFile::exists(platform::dataFilePath(QStringLiteral("PSK31 Brevio Macros v2.txt"))));
    EXPECT_EQ(Bar()->GetList()->currentItem()->text(), QStringLiteral("[0] R2"));
}

TEST_F(MacrosBarTest, ManagerEntryAndMenuCommandRunTheManagersAndRefillOnOk)
{
    Next<CMacrosManagerDialog>([](CMacrosManagerDialog& m) {
        m.List()->SetCheck(0, false);
        m.OnOK();
    });
    Macros().Add(QStringLiteral("One"), {QStringLiteral("1")}, 0);
    Bar()->FillList();
    Bar()->OnEntryClicked(RowOf(QStringLiteral("Manager")));
    EXPECT_EQ(m_dialogTitles, QStringList({QStringLiteral("Macros Manager")}));
    EXPECT_EQ(Macros().GetAt(0)->IsEnabled(), 0);
    EXPECT_EQ(RowOf(QStringLiteral("[0] One")), -1);
    Frame()->OnCommand(33339);
    EXPECT_EQ(m_dialogTitles.last(), QStringLiteral("Tags Manager"));
}

TEST_F(MacrosBarTest, ContextMenuIsTheMainWindowsMacrosMenu)
{
    QStringList texts;
    CMacrosBar::SetMenuRunner([&texts](QMenu& menu, const QPoint&) -> QAction* {
        for (QAction* a : menu.actions())
            texts << a->text();
        return nullptr;
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3), Bar()->GetList()->mapToGlobal(QPoint(3, 3)));
    QCoreApplication::sendEvent(Bar()->GetList(), &event);
    CMacrosBar::SetMenuRunner(nullptr);
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.first(), QStringLiteral("&Manager"));
    EXPECT_TRUE(texts.contains(QStringLiteral("Details")));
}

// From a click in the bar to the channel window's transmit text: the window
// asks for the missing value in the Macro Input dialog, the preview follows
// the typing, and the value also becomes the tags bar's.
TEST_F(MacrosBarTest, MacroFromTheBarThroughTheInputDialogIntoTheTransmitText)
{
    Tags().SetValue(QStringLiteral("My Callsign"), QStringLiteral("QT9XVK"), -1);
    Macros().Add(QStringLiteral("Reply"), QString(), {QStringLiteral("<Callsign> de <My Callsign> pse k")}, false, false,
                 false, false, 1, false);
    CFormRx* form = ActiveChannel();
    Bar()->FillList();

    QString previewBefore, previewAfter;
    Next<CMacroInputDialog>([&](CMacroInputDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Reply"));
        CEditableListCtrl* list = d.List();
        ASSERT_EQ(list->GetItemCount(), 2);
        EXPECT_EQ(list->GetItemText(1, 1), QStringLiteral("QT9XVK"));
        EXPECT_EQ(list->GetItemImage(1), CMacroInputDialog::ImageOwn);
        previewBefore = d.Preview()->toPlainText();
        CInPlaceEdit* edit = list->EditSubLabel(0, 1);
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, QStringLiteral("G0ABC"));
        QTest::qWait(300);
        previewAfter = d.Preview()->toPlainText();
        d.OnOK();
    });
    Bar()->OnEntryClicked(RowOf(QStringLiteral("[0] Reply")));
    Process();
    EXPECT_EQ(previewBefore, QStringLiteral("<Callsign> de QT9XVK pse k"));
    EXPECT_EQ(previewAfter, QStringLiteral("G0ABC de QT9XVK pse k"));
    EXPECT_EQ(form->GetTxWindow()->Sender().Text(), QStringLiteral("G0ABC de QT9XVK pse k"));
    EXPECT_EQ(Tags().GetValue(QStringLiteral("Callsign"), -1), QStringLiteral("G0ABC"));
    auto* tags = dynamic_cast<CTagsBar*>(Frame()->GetTagsBar());
    ASSERT_NE(tags, nullptr);
    EXPECT_EQ(tags->GetValueText(0), QStringLiteral("G0ABC"));

    // Cancel sends nothing.
    Next<CMacroInputDialog>([](CMacroInputDialog& d) { d.OnCancel(); });
    Macros().GetAt(0)->SetFlags(CMacro::kAlwaysPrompt);
    Bar()->OnEntryClicked(RowOf(QStringLiteral("[0] Reply")));
    Process();
    EXPECT_EQ(form->GetTxWindow()->Sender().Text(), QStringLiteral("G0ABC de QT9XVK pse k"));
}

} // namespace
