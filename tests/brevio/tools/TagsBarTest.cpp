// The tags bar in the main frame: values typed in place reach the store at
// once and the tags file a second after the last edit, per-channel values
// follow the active window, own-station rows fold away, locators picked
// from received text reach the main frame, and the values a macro needs.
#include "ToolsFixture.h"

#include "platform/DataFolder.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/display/EditableListCtrl.h"
#include "brevio/tools/TagsBar.h"
#include "shared/Registry.h"

#include <QFile>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QStatusBar>

namespace {

class TagsBarTest : public testsupport::ToolsFixture {
protected:
    CTagsBar* Bar()
    {
        auto* bar = dynamic_cast<CTagsBar*>(Frame()->GetTagsBar());
        EXPECT_NE(bar, nullptr);
        return bar;
    }
    CEditableListCtrl* List() { return Bar()->GetList(); }
    int Row(const QString& title)
    {
        for (int r = 0; r < List()->GetItemCount(); ++r)
            if (List()->GetItemText(r, 0) == title)
                return r;
        return -1;
    }
    // Clicks the value cell of a row and types into the box that opens.
    void Type(const QString& title, const QString& text)
    {
        CEditableListCtrl* list = List();
        const int row = Row(title);
        ASSERT_GE(row, 0) << title.toStdString();
        const QRect cell = list->visualRect(list->model()->index(row, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        ASSERT_NE(list->GetEditor(), nullptr);
        QTest::keyClicks(list->GetEditor(), text);
    }
    QString Heading(int column) { return List()->headerItem()->text(column); }
    static QString TagsFile() { return platform::dataFilePath(QStringLiteral("PSK31 Brevio Tags v2.txt")); }
};

TEST_F(TagsBarTest, RowsInStoreOrderWithMyStationAndEditableFlags)
{
    Tags().Add(QStringLiteral("Off"), QString(), 0, 0, 0);
    Tags().Add(QStringLiteral("Rig"), QString(), 0, 1, 0);
    Bar()->FillList(Tags());
    CEditableListCtrl* list = List();
    ASSERT_EQ(list->GetItemCount(), 11);
    EXPECT_EQ(list->GetItemText(0, 0), QStringLiteral("Callsign"));
    EXPECT_EQ(list->GetItemImage(0), CTagsBar::ImageLocked);
    EXPECT_EQ(list->GetItemText(9, 0), QStringLiteral("Rig"));
    EXPECT_EQ(list->GetItemImage(9), CTagsBar::ImageTag);
    EXPECT_EQ(intptr_t(list->GetItemData(9)), 19);
    EXPECT_EQ(list->GetItemText(10, 0), QStringLiteral("My station"));
    EXPECT_EQ(intptr_t(list->GetItemData(10)), -1);
    EXPECT_EQ(list->GetItemImage(10), CTagsBar::ImageMyStationClosed);
    EXPECT_TRUE(list->IsRowEditable(9));
    EXPECT_FALSE(list->IsRowEditable(10));
    EXPECT_EQ(list->EditSubLabel(10, 1), nullptr);
    EXPECT_EQ(Heading(0), QStringLiteral("Tag"));
    EXPECT_EQ(Heading(1), QStringLiteral("Value"));
    // The value column takes the rest of the width.
    EXPECT_EQ(list->columnWidth(0) + list->columnWidth(1), list->viewport()->width());
}

TEST_F(TagsBarTest, PerChannelValueCommittedAndWrittenOnSwitchAndShownAgainOnReturn)
{
    CurrentSettings().m_bTagsPerChannel = 1;
    Bar()->SelectChannel(0);
    EXPECT_EQ(Heading(0), QStringLiteral("Channel: 1"));
    Type(QStringLiteral("Name"), QStringLiteral("Ann"));
    // Activated within the second, before the queued notices were handled.
    Bar()->SelectChannel(1);
    EXPECT_EQ(Tags().GetValue(QStringLiteral("Name"), 0), QStringLiteral("Ann"));
    EXPECT_TRUE(Tags().GetValue(QStringLiteral("Name"), 1).isEmpty());
    EXPECT_TRUE(QFile::exists(TagsFile()));
    EXPECT_FALSE(Bar()->IsSavePending());
    EXPECT_EQ(Heading(0), QStringLiteral("Channel: 2"));
    EXPECT_EQ(Heading(1), QStringLiteral("Value"));
    EXPECT_TRUE(List()->GetItemText(Row(QStringLiteral("Name")), 1).isEmpty());
    Process();
    Bar()->SelectChannel(0);
    EXPECT_EQ(List()->GetItemText(Row(QStringLiteral("Name")), 1), QStringLiteral("Ann"));
    EXPECT_TRUE(Tags().GetValue(QStringLiteral("Name"), 1).isEmpty());
}

TEST_F(TagsBarTest, OwnStationValuesStayThroughChannelSwitches)
{
    CurrentSettings().m_bTagsPerChannel = 1;
    SendRegisteredMessage(Bar(), RegisteredMessage::nMsgTag, 0, -1);
    ASSERT_TRUE(Bar()->IsShowOwn());
    Type(QStringLiteral("My Callsign"), QStringLiteral("QT9XVK"));
    Process();
    Bar()->SelectChannel(2);
    Bar()->SelectChannel(12);
    EXPECT_EQ(List()->GetItemText(Row(QStringLiteral("My Callsign")), 1), QStringLiteral("QT9XVK"));
    EXPECT_EQ(Tags().GetValue(QStringLiteral("My Callsign"), 12), QStringLiteral("QT9XVK"));
    QFile file(TagsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("100 My Callsign\r\n102 1\r\n103 1\r\n104 0\r\n106 QT9XVK\r\n"));
}

TEST_F(TagsBarTest, BurstOfEditsWritesTheFileOnceASecondAfterTheLast)
{
    Type(QStringLiteral("QTH"), QStringLiteral("L"));
    Process();
    QTest::keyClicks(List()->GetEditor(), QStringLiteral("ee"));
    Process();
    EXPECT_EQ(Heading(1), QStringLiteral("Value *"));
    EXPECT_TRUE(Bar()->IsSaveTimerActive());
    EXPECT_FALSE(QFile::exists(TagsFile()));
    // The store has every keystroke already.
    EXPECT_EQ(Tags().GetValue(QStringLiteral("QTH"), -1), QStringLiteral("Lee"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(TagsFile()), 3000);
    EXPECT_EQ(Heading(1), QStringLiteral("Value"));
    EXPECT_FALSE(Bar()->IsSavePending());
}

TEST_F(TagsBarTest, DoubleClickOnMyStationTogglesTheOwnRowsAndTheRegistryValue)
{
    CEditableListCtrl* list = List();
    const int row = Row(QStringLiteral("My station"));
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    Process();
    EXPECT_TRUE(Bar()->IsShowOwn());
    EXPECT_EQ(CRegistry().GetInt(QStringLiteral("CTagsBar::m_bShowOwn"), 0), 1);
    EXPECT_EQ(list->GetItemImage(row), CTagsBar::ImageMyStationOpen);
    EXPECT_EQ(list->GetItemCount(), 19);
    EXPECT_EQ(list->GetItemImage(row + 1), CTagsBar::ImageOwn);
    EXPECT_LT(intptr_t(list->GetItemData(row + 1)), -1);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    Process();
    EXPECT_FALSE(Bar()->IsShowOwn());
    EXPECT_EQ(CRegistry().GetInt(QStringLiteral("CTagsBar::m_bShowOwn"), 1), 0);
    EXPECT_EQ(list->GetItemCount(), 10);
}

TEST_F(TagsBarTest, DoubleClickOnATagTitleTypesItIntoTheActiveWindow)
{
    auto* target = new QWidget;
    QMdiSubWindow* sub = Frame()->GetMdiArea()->addSubWindow(target);
    sub->show();
    Frame()->GetMdiArea()->setActiveSubWindow(sub);
    testsupport::Recorder recorder(target);
    CEditableListCtrl* list = List();
    const QRect cell = list->visualRect(list->model()->index(2, 0));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(recorder.Of(RegisteredMessage::nMsgTag).size(), 1);
    EXPECT_EQ(recorder.Of(RegisteredMessage::nMsgTag)[0].lParam, 2);
    // A value cell is not a title.
    const QRect value = list->visualRect(list->model()->index(2, 1));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, value.center());
    EXPECT_EQ(recorder.Of(RegisteredMessage::nMsgTag).size(), 1);
}

TEST_F(TagsBarTest, PickedLocatorIsStoredAndAnnouncedToTheMainFrame)
{
    testsupport::Recorder recorder(Frame());
    Bar()->SetTagValue(QStringLiteral("Name"), QStringLiteral("jo01aa"));
    EXPECT_EQ(Tags().GetValue(QStringLiteral("Name"), -1), QStringLiteral("jo01aa"));
    EXPECT_EQ(List()->GetItemText(Row(QStringLiteral("Name")), 1), QStringLiteral("jo01aa"));
    const auto sent = recorder.Of(RegisteredMessage::nMsgLocator);
    ASSERT_EQ(sent.size(), 1);
    ASSERT_NE(sent[0].lParam, 0);
    EXPECT_EQ(*reinterpret_cast<const QString*>(sent[0].lParam), QStringLiteral("JO01AA"));
    Bar()->SetTagValue(QStringLiteral("Name"), QStringLiteral("Ann"));
    EXPECT_EQ(recorder.Of(RegisteredMessage::nMsgLocator).size(), 1);
}

TEST_F(TagsBarTest, ALocatorTagRefusesWhatIsNoLocator)
{
    Bar()->SetTagValue(QStringLiteral("Locator"), QStringLiteral("io91wm"));
    EXPECT_EQ(Tags().GetValue(QStringLiteral("Locator"), -1), QStringLiteral("IO91WM"));
    testsupport::prompter().clear();
    // Picked from received text.
    Bar()->SetTagValue(QStringLiteral("Locator"), QStringLiteral("ZZ99zz"));
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.startsWith(QStringLiteral("\"ZZ99zz\" is not a locator")));
    EXPECT_EQ(Tags().GetValue(QStringLiteral("Locator"), -1), QStringLiteral("IO91WM"));
    // Typed in place: nothing is said or undone while the operator types,
    // Enter included...
    testsupport::prompter().clear();
    Type(QStringLiteral("Locator"), QStringLiteral("ZZ99zz"));
    QPointer<CInPlaceEdit> editor = List()->GetEditor();
    QTest::keyClick(editor, Qt::Key_Return);
    Process();
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->text(), QStringLiteral("ZZ99zz"));
    EXPECT_EQ(List()->GetItemText(Row(QStringLiteral("Locator")), 1), QStringLiteral("ZZ99zz"));
    // ... once the edit ends, the value of before comes back and the status
    // bar says why, with no box.
    List()->setFocus();
    Process();
    EXPECT_FALSE(editor);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(Tags().GetValue(QStringLiteral("Locator"), -1), QStringLiteral("IO91WM"));
    EXPECT_EQ(List()->GetItemText(Row(QStringLiteral("Locator")), 1), QStringLiteral("IO91WM"));
    EXPECT_TRUE(Frame()->statusBar()->currentMessage().startsWith(QStringLiteral("\"ZZ99zz\" is not a locator")))
        << Frame()->statusBar()->currentMessage().toStdString();
    // A locator typed in lower case stays, in upper case.
    Type(QStringLiteral("Locator"), QStringLiteral("jo01aa"));
    List()->setFocus();
    Process();
    EXPECT_EQ(Tags().GetValue(QStringLiteral("Locator"), -1), QStringLiteral("JO01AA"));
    EXPECT_EQ(List()->GetItemText(Row(QStringLiteral("Locator")), 1), QStringLiteral("JO01AA"));
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
}

// Typed in place: a locator kept with Enter is the one a refused value
// gives back, and a locator half typed never reaches the store.
TEST_F(TagsBarTest, ARefusedLocatorGivesBackTheLocatorLastKept)
{
    const struct {
        const char* title;
        const char* before;
        const char* kept;     // typed, then Enter
        const char* refused;  // typed over it (Ctrl+A), then Enter
        const char* after;    // once the edit has ended
    } cases[] = {
        {"Locator", "IO91WM", "JO01aa", "XX99zz", "JO01AA"},
        {"Locator", "", "JN18du", "XX99zz", "JN18DU"},
        {"My Locator", "IO91WM", "JO01aa", "XX99zz", "JO01AA"},
    };
    SendRegisteredMessage(Bar(), RegisteredMessage::nMsgTag, 0, -1);
    ASSERT_TRUE(Bar()->IsShowOwn());
    for (const auto& c : cases) {
        const QString title = QString::fromLatin1(c.title);
        SCOPED_TRACE(QStringLiteral("%1: %2, %3, %4").arg(title, QLatin1String(c.before), QLatin1String(c.kept),
                                                          QLatin1String(c.refused)).toStdString());
        ASSERT_TRUE(Tags().SetValue(title, QString::fromLatin1(c.before), -1));
        Bar()->RefreshValues();
        Type(title, QString::fromLatin1(c.kept));
        QPointer<CInPlaceEdit> editor = List()->GetEditor();
        QTest::keyClick(editor, Qt::Key_Return);
        Process();
        ASSERT_TRUE(editor);
        EXPECT_EQ(editor->text(), QString::fromLatin1(c.after));
        EXPECT_EQ(Tags().GetValue(title, -1), QString::fromLatin1(c.after));
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, QString::fromLatin1(c.refused));
        QTest::keyClick(editor, Qt::Key_Return);
        Process();
        List()->setFocus();
        Process();
        EXPECT_FALSE(editor);
        EXPECT_EQ(List()->GetItemText(Row(title), 1), QString::fromLatin1(c.after));
        EXPECT_EQ(Tags().GetValue(title, -1), QString::fromLatin1(c.after));
        EXPECT_TRUE(Frame()->statusBar()->currentMessage().startsWith(
            QStringLiteral("\"%1\" is not a locator").arg(QLatin1String(c.refused))))
            << Frame()->statusBar()->currentMessage().toStdString();
    }
    // "IO91" on the way to something that is no locator: neither the store
    // nor the file ever holds it, and the locator kept before comes back.
    Type(QStringLiteral("My Locator"), QStringLiteral("IO91"));
    Process();
    EXPECT_EQ(Tags().GetValue(QStringLiteral("My Locator"), -1), QStringLiteral("JO01AA"));
    Bar()->SaveIfNeeded();
    CTagStore saved;
    saved.Load(TagsFile());
    EXPECT_EQ(saved.GetValue(QStringLiteral("My Locator"), -1), QStringLiteral("JO01AA"));
    QTest::keyClicks(List()->GetEditor(), QStringLiteral("ZZ"));
    List()->setFocus();
    Process();
    EXPECT_EQ(List()->GetItemText(Row(QStringLiteral("My Locator")), 1), QStringLiteral("JO01AA"));
    EXPECT_EQ(Tags().GetValue(QStringLiteral("My Locator"), -1), QStringLiteral("JO01AA"));
}

TEST_F(TagsBarTest, OwnStationValuePickedFromTextReachesTheFile)
{
    Bar()->SetTagValue(QStringLiteral("My Locator"), QStringLiteral("IO91WM"));
    EXPECT_TRUE(Bar()->IsSavePending());
    Bar()->SaveIfNeeded();
    CTagStore back;
    back.Load(TagsFile());
    EXPECT_EQ(back.GetValue(QStringLiteral("My Locator"), -1), QStringLiteral("IO91WM"));
}

TEST_F(TagsBarTest, PerChannelOffKeepsCaptionAndValuesOnSwitch)
{
    Tags().SetValue(QStringLiteral("Name"), QStringLiteral("Common"), -1);
    Bar()->RefreshValues();
    Bar()->SelectChannel(2);
    EXPECT_EQ(Heading(0), QStringLiteral("Tag"));
    EXPECT_EQ(List()->GetItemText(Row(QStringLiteral("Name")), 1), QStringLiteral("Common"));
    EXPECT_EQ(Bar()->GetShownChannel(), 2);
}

TEST_F(TagsBarTest, TurningPerChannelOnWhileTheFirstBrowserSlotIsActive)
{
    Bar()->SelectChannel(10);
    Tags().SetValue(QStringLiteral("Name"), QStringLiteral("Slot"), 10);
    Frame()->OnCommand(33514);
    EXPECT_EQ(CurrentSettings().m_bTagsPerChannel, 1);
    EXPECT_EQ(Heading(0), QStringLiteral("Browser: 1"));
    EXPECT_EQ(List()->GetItemText(Row(QStringLiteral("Name")), 1), QStringLiteral("Slot"));
    Frame()->OnCommand(33514);
    EXPECT_EQ(Heading(0), QStringLiteral("Tag"));
    EXPECT_TRUE(List()->GetItemText(Row(QStringLiteral("Name")), 1).isEmpty());
}

TEST_F(TagsBarTest, ValuesForAMacroAndBack)
{
    Tags().SetValue(QStringLiteral("Name"), QStringLiteral("Ann"), -1);
    Tags().SetValue(QStringLiteral("My Callsign"), QStringLiteral("QT9XVK"), -1);
    Bar()->RefreshValues();
    QStringList values;
    Bar()->LookupValues({QStringLiteral("name"), QStringLiteral("My Callsign"), QStringLiteral("nothing")}, values);
    EXPECT_EQ(values, QStringList({QStringLiteral("Ann"), QStringLiteral("QT9XVK"), QString()}));

    QStringList titles, own;
    Bar()->GetOwnTitlesAndValues(titles, own);
    EXPECT_EQ(titles.size(), 9);
    EXPECT_EQ(own.first(), QStringLiteral("QT9XVK"));
    EXPECT_FALSE(Bar()->IsShowOwn());
    EXPECT_EQ(List()->GetItemCount(), 10);

    Bar()->SetValuesFromMacro({QStringLiteral("NAME"), QStringLiteral("my name")},
                              {QStringLiteral("Bob"), QStringLiteral("Jo")}, true);
    EXPECT_EQ(Tags().GetValue(QStringLiteral("Name"), -1), QStringLiteral("Bob"));
    EXPECT_EQ(Tags().GetValue(QStringLiteral("My Name"), -1), QStringLiteral("Jo"));
    EXPECT_FALSE(Bar()->IsShowOwn());
    CTagStore back;
    back.Load(TagsFile());
    EXPECT_EQ(back.GetValue(QStringLiteral("My Name"), -1), QStringLiteral("Jo"));
    EXPECT_EQ(Bar()->GetValueText(Row(QStringLiteral("Name"))), QStringLiteral("Bob"));
}

TEST_F(TagsBarTest, ClearValuesFromTheContextMenuKeepsOwnStationValues)
{
    Tags().SetValue(QStringLiteral("Name"), QStringLiteral("Ann"), -1);
    Tags().SetValue(QStringLiteral("My Name"), QStringLiteral("Jo"), -1);
    SendRegisteredMessage(Bar(), RegisteredMessage::nMsgTag, 0, -1);
    QStringList texts;
    CTagsBar::SetMenuRunner([&texts](QMenu& menu, const QPoint&) -> QAction* {
        QAction* clear = nullptr;
        for (QAction* a : menu.actions()) {
            texts << a->text();
            if (a->data().toInt() == 33538)
                clear = a;
        }
        return clear;
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), List()->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(List(), &event);
    CTagsBar::SetMenuRunner(nullptr);
    EXPECT_EQ(texts, QStringList({QStringLiteral("&Manager"), QString(), QStringLiteral("&Clear Values"),
                                  QStringLiteral("&Per-channel Tags")}));
    Process();
    EXPECT_TRUE(Tags().GetValue(QStringLiteral("Name"), -1).isEmpty());
    EXPECT_EQ(Tags().GetValue(QStringLiteral("My Name"), -1), QStringLiteral("Jo"));
    EXPECT_TRUE(List()->GetItemText(Row(QStringLiteral("Name")), 1).isEmpty());
    EXPECT_TRUE(Bar()->IsSavePending());
}

} // namespace
