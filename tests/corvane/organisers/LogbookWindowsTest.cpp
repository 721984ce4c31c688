// The logbook's windows on a real logbook file: the view of template 318 in
// a main frame, its commands, the Sort and Filter dialogs that drive it,
// deletion with its question, and the entry window with a radio reading of
// the test's choosing.
#include "corvane/core/MainFrame.h"
#include "corvane/core/RadioApp.h"
#include "corvane/organisers/LogbookAdd.h"
#include "corvane/organisers/LogbookDatabase.h"
#include "corvane/organisers/LogbookRequests.h"
#include "corvane/organisers/LogbookSortFilterDialogs.h"
#include "corvane/organisers/LogbookView.h"
#include "shared/Registry.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidgetItem>
#include <gtest/gtest.h>
#include <functional>

namespace {

std::tm tmAt(int day, int hour)
{
    std::tm t{};
    t.tm_year = 124;
    t.tm_mon = 2;
    t.tm_mday = day;
    t.tm_hour = hour;
    return t;
}

void store(const QString& call, const std::tm& when, const QString& mode, const QString& comment = QString())
{
    CLogbookRequest r;
    r.strCallsign = call;
    r.strMode = mode;
    r.strComment = comment;
    r.utc = when;
    ASSERT_TRUE(GetLogbookDatabase().Add(r));
}

QStringList listColumn(const COwnListCtrl* list, int c)
{
    QStringList texts;
    for (int i = 0; i < list->GetItemCount(); ++i)
        texts << list->GetItemText(i, c);
    return texts;
}

bool enabled(const CLogbookView* view, unsigned id)
{
    CCmdUI ui;
    ui.m_nID = id;
    view->OnUpdateCommand(ui);
    return ui.m_bEnableSet && ui.m_bEnabled;
}

// A main window with the logbook template, the way the program has it.
class LogbookWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallLogbookTemplate();
        app = std::make_unique<CRadioApp>();
        app->CreateTemplates();
        frame = std::make_unique<CMainFrame>();
        frame->LoadFrame(128);
        frame->MakeMainFrame();
        frame->show();
    }
    void TearDown() override
    {
        CLogbookAdd::SetRadioSource(nullptr);
        CLogbookAdd::SetClock(nullptr);
        frame.reset();
        app.reset();
        ResetLogbookDatabase();
    }
    CLogbookView* openView()
    {
        CDocument* document = app->GetTemplate(CRadioApp::IDR_LOGBOOK)->OpenDocumentFile(true);
        EXPECT_NE(document, nullptr);
        return GetLogbookView();
    }
    void storeFive()
    {
        store("G4ABC", tmAt(1, 10), "CW", "first");
        store("dl1xyz", tmAt(5, 10), "USB", "50% QSB");
        store("OH2BH", tmAt(3, 10), "FM");
        store("DL1ABC", tmAt(2, 10), "USB");
        store("K1ZZ", tmAt(4, 10), "CW");
    }

    std::unique_ptr<CRadioApp> app;
    std::unique_ptr<CMainFrame> frame;
};

} // namespace

TEST_F(LogbookWindows, TheViewStartsMinimisedWithItsColumnsAndCreatesTheLogbook)
{
    CLogbookView* view = openView();
    ASSERT_NE(view, nullptr);
    CLogbookFrame* logFrame = GetLogbookFrame();
    ASSERT_NE(logFrame, nullptr);
    EXPECT_TRUE(logFrame->isMinimized());
    EXPECT_EQ(logFrame->windowTitle(), "Logbook");
    EXPECT_TRUE(QFile::exists(CLogbookDatabase::DefaultPath()));
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    COwnListCtrl* list = view->GetList();
    EXPECT_EQ(list->GetItemCount(), 0);
    QStringList headers;
    for (int c = 0; c < list->GetColumnCount(); ++c)
        headers << list->GetColumnHeading(c);
    EXPECT_EQ(headers, QStringList({"Date UTC", "Callsign", "Frequency", "Mode", "Power", "QTH", "Comment"}));
    EXPECT_EQ(view->GetQuery().strOrder, "order by [DateTime] DESC");

    // Closing only puts it aside.
    logFrame->showNormal();
    logFrame->close();
    EXPECT_EQ(GetLogbookFrame(), logFrame);
    EXPECT_TRUE(logFrame->isMinimized());
}

TEST_F(LogbookWindows, SortAndFilterDialogsApplyAtOnceAndStayOpen)
{
    storeFive();
    CLogbookView* view = openView();
    ASSERT_EQ(view->GetList()->GetItemCount(), 5);
    EXPECT_EQ(listColumn(view->GetList(), 1), QStringList({"dl1xyz", "K1ZZ", "OH2BH", "DL1ABC", "G4ABC"}));
    EXPECT_FALSE(enabled(view, CLogbookView::ID_LOGBOOK_REMOVE_FILTER));
    EXPECT_FALSE(enabled(view, CLogbookView::ID_LOGBOOK_DELETE));

    CLogbookSortDialog sort(view, view->GetList());
    sort.show();
    EXPECT_EQ(sort.Field(0)->count(), 7) << "the first key cannot be empty";
    EXPECT_EQ(sort.Field(0)->currentText(), "Date UTC");
    EXPECT_EQ(sort.Field(1)->itemText(0), "");
    EXPECT_TRUE(sort.Second(0)->isChecked()) << "the first key starts descending";
    EXPECT_TRUE(sort.First(1)->isChecked());
    sort.Field(0)->SetCurSel(3);  // Mode
    sort.First(0)->setChecked(true);
    sort.Field(1)->SetCurSel(2);  // Callsign
    sort.Second(1)->setChecked(true);
    qobject_cast<QPushButton*>(sort.GetDlgItem(1))->click();
    EXPECT_TRUE(sort.isVisible());
    EXPECT_EQ(view->GetQuery().strOrder, "order by [Mode] ASC, [Callsign] DESC");
    EXPECT_EQ(listColumn(view->GetList(), 1), QStringList({"K1ZZ", "G4ABC", "OH2BH", "dl1xyz", "DL1ABC"}));
    sort.close();

    CLogbookFilterDialog filter(view, view->GetList());
    filter.show();
    EXPECT_FALSE(filter.Value(1)->isEnabled());
    EXPECT_FALSE(filter.Second(2)->isEnabled());
    EXPECT_TRUE(filter.First(0)->isChecked()) << "contains";
    filter.Field(0)->SetCurSel(3);  // Mode
    filter.Value(0)->setText("us");
    filter.Value(1)->setText("ignored: row 2 has no field");
    qobject_cast<QPushButton*>(filter.GetDlgItem(1))->click();
    EXPECT_EQ(listColumn(view->GetList(), 1), QStringList({"dl1xyz", "DL1ABC"}));
    EXPECT_TRUE(enabled(view, CLogbookView::ID_LOGBOOK_REMOVE_FILTER));

    // Row 2 comes alive when a field is chosen in it.
    filter.Field(1)->SetCurSel(2);  // Callsign
    emit filter.Field(1)->activated(2);
    EXPECT_TRUE(filter.Value(1)->isEnabled());
    filter.Value(1)->setText("DL1ABC");
    filter.Second(1)->setChecked(true);  // exact
    qobject_cast<QPushButton*>(filter.GetDlgItem(1))->click();
    EXPECT_EQ(listColumn(view->GetList(), 1), QStringList({"DL1ABC"}));
    EXPECT_EQ(view->GetQuery().strFilter, "WHERE ([Mode] LIKE ? ESCAPE '\\') AND ([Callsign] = ?)");

    // Remove, then Cancel: the list stays unfiltered.
    qobject_cast<QPushButton*>(filter.GetDlgItem(CLogbookFilterDialog::IDC_REMOVE))->click();
    EXPECT_TRUE(filter.isVisible());
    qobject_cast<QPushButton*>(filter.GetDlgItem(2))->click();
    EXPECT_FALSE(filter.isVisible());
    EXPECT_EQ(view->GetList()->GetItemCount(), 5);
    EXPECT_FALSE(enabled(view, CLogbookView::ID_LOGBOOK_REMOVE_FILTER));
    EXPECT_EQ(view->GetQuery().strOrder, "order by [Mode] ASC, [Callsign] DESC") << "the order stays";

    // The view's own command removes a filter as well.
    CLogbookFilterRequest request;
    request.strCaption[0] = "Callsign";
    request.strValue[0] = "K1";
    view->OnLogbookFilter(request);
    EXPECT_EQ(view->GetList()->GetItemCount(), 1);
    EXPECT_TRUE(view->OnCommand(CLogbookView::ID_LOGBOOK_REMOVE_FILTER));
    EXPECT_EQ(view->GetList()->GetItemCount(), 5);
}

TEST_F(LogbookWindows, DeletesTheSelectedEntriesAfterAsking)
{
    storeFive();
    CLogbookView* view = openView();
    COwnListCtrl* list = view->GetList();
    list->SelectItem(1, true);
    list->SelectItem(3, true);
    ASSERT_TRUE(enabled(view, CLogbookView::ID_LOGBOOK_DELETE));

    testsupport::prompter().m_answers = {platform::IDNO};
    view->OnCommand(CLogbookView::ID_LOGBOOK_DELETE);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    const auto& box = testsupport::prompter().m_boxes[0];
    EXPECT_EQ(box.text, "You are about to delete 2 record(s).\n \nIf you click Yes you will not be able to undo this "
                        "Delete operation.\nAre you sure you want to delete these records?");
    EXPECT_EQ(box.caption, "Delete");
    EXPECT_EQ(box.style, platform::MB_YESNO | platform::MB_ICONQUESTION);
    EXPECT_EQ(list->GetItemCount(), 5);

    testsupport::prompter().m_answers = {platform::IDYES};
    view->OnCommand(CLogbookView::ID_LOGBOOK_DELETE);
    EXPECT_EQ(listColumn(list, 1), QStringList({"dl1xyz", "OH2BH", "G4ABC"}));
    EXPECT_FALSE(enabled(view, CLogbookView::ID_LOGBOOK_DELETE));
}

// A foreign file in the logbook's place keeps the logbook closed; once it
// is moved away, Reload, Sort and Filter open the logbook by themselves, and
// while it is still there each of them says why the list stays empty.
TEST_F(LogbookWindows, ReloadOpensTheLogbookOnceTheForeignFileIsGone)
{
    const QString path = CLogbookDatabase::DefaultPath();
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(1000, 'Z'));
    }
    CLogbookView* view = openView();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1) << "said once as the window opens";
    EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.startsWith("Couldn't open Logbook database: "));

    CLogbookSortRequest sort;
    sort.strKey[0] = "Callsign";
    sort.bAscending[0] = 1;
    CLogbookFilterRequest filter;
    filter.strCaption[0] = "Callsign";
    filter.strValue[0] = "G";
    const std::function<void()> commands[] = {
        [&] { view->OnCommand(CLogbookView::ID_LOGBOOK_RELOAD); },
        [&] { view->OnLogbookSort(sort); },
        [&] { view->OnLogbookFilter(filter); },
    };
    for (const auto& command : commands) {
        testsupport::prompter().m_boxes.clear();
        command();
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1) << "an empty list without a word";
        EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.contains("is not an FT-817 Corvane logbook"))
            << testsupport::prompter().m_boxes[0].text.toStdString();
    }

    ASSERT_TRUE(QFile::rename(path, path + ".old"));
    view->OnLogbookFilter(CLogbookFilterRequest{});
    testsupport::prompter().m_boxes.clear();
    view->OnCommand(CLogbookView::ID_LOGBOOK_RELOAD);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_TRUE(GetLogbookDatabase().IsOpen());
    store("G4ABC", tmAt(1, 10), "CW");
    view->OnLogbookSort(sort);
    EXPECT_EQ(listColumn(view->GetList(), 1), QStringList({"G4ABC"}));
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
}

// "Date UTC" is typed as the list shows it: a contains value of the shown
// date (or a part of it, or the time), an exact value of the whole shown
// text; the stored form is taken too.
TEST_F(LogbookWindows, ADateIsFilteredAsTheListShowsIt)
{
    storeFive();
    CLogbookView* view = openView();
    ASSERT_EQ(view->GetList()->GetItemCount(), 5);
    const int oh2bh = int(listColumn(view->GetList(), 1).indexOf("OH2BH"));
    ASSERT_GE(oh2bh, 0);
    const QString shown = view->GetList()->GetItemText(oh2bh, 0);
    const QDateTime when(QDate(2024, 3, 3), QTime(10, 0), Qt::UTC);
    ASSERT_EQ(shown, CLogbookDatabase::DateText(when));
    const QString shownDate = QLocale::system().toString(when.date(), QLocale::ShortFormat);

    CLogbookFilterDialog dialog(view, view->GetList());
    dialog.show();
    const struct {
        QString value;
        bool exact;
        QStringList calls;
    } cases[] = {
        {shown, true, {"OH2BH"}},
        {shownDate, false, {"OH2BH"}},
        {shown.section(' ', -1), false, {"dl1xyz", "K1ZZ", "OH2BH", "DL1ABC", "G4ABC"}},
        {"2024-03-03", false, {"OH2BH"}},
        {"2024-03-03 10:00:00", true, {"OH2BH"}},
        {shownDate, true, {}},
        {"1999", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        dialog.Field(0)->SetCurSel(0);  // Date UTC
        ASSERT_EQ(dialog.Field(0)->currentText(), "Date UTC");
        dialog.Value(0)->setText(c.value);
        (c.exact ? dialog.Second(0) : dialog.First(0))->setChecked(true);
        qobject_cast<QPushButton*>(dialog.GetDlgItem(1))->click();
        EXPECT_EQ(listColumn(view->GetList(), 1), c.calls);
    }
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
}

TEST(LogbookAddTexts, PowerAndSignalReports)
{
    const std::pair<int, const char*> power[] = {{0, "5.0 W"}, {1, "2.5 W"}, {2, "1.0 W"}, {3, "0.5 W"}, {4, ""}, {-1, ""}};
    for (const auto& [level, text] : power)
        EXPECT_EQ(CLogbookAdd::PowerText(level), text) << level;
    const std::pair<int, const char*> signal[] = {{0, "S0"}, {9, "S9"}, {10, "S9+10db"}, {15, "S9+60db"}};
    for (const auto& [s, text] : signal)
        EXPECT_EQ(CLogbookAdd::SignalText(s), text) << s;
}

namespace {
class LogbookAddWindow : public LogbookWindows {
protected:
    void SetUp() override
    {
        LogbookWindows::SetUp();
        GetRegistry().WriteInt("CLogbookAdd::m_bSync", 1);
        CLogbookAdd::SetRadioSource([this](CLogbookAdd::RadioReading& r) {
            r = reading;
            return true;
        });
        // 2024-03-12 21:04:05 UTC
        CLogbookAdd::SetClock([] { return std::time_t(1710277445); });
        reading.strFrequency = "7.012.500";
        reading.nMode = 0x82;  // CW with the further flag
        reading.nPowerLevel = 1;
        reading.nSMeter = 10;
    }
    CLogbookAdd::RadioReading reading;
};
} // namespace

TEST_F(LogbookAddWindow, FollowsTheRadioWhileSynchronising)
{
    CLogbookAdd add(frame.get());
    add.show();
    add.OnTimer();
    EXPECT_TRUE(add.IsSync());
    EXPECT_TRUE(add.DateEdit()->text().endsWith(" UTC"));
    EXPECT_TRUE(add.DateEdit()->text().contains("21:04:05")) << add.DateEdit()->text().toStdString();
    EXPECT_EQ(add.GetUtc().tm_hour, 21);
    EXPECT_EQ(add.Frequency()->text(), "7.012.500");
    EXPECT_EQ(add.Power()->text(), "2.5 W");
    EXPECT_EQ(add.Mode()->currentText(), "CW");
    EXPECT_TRUE(add.Frequency()->isReadOnly());
    EXPECT_TRUE(add.Power()->isReadOnly());
    EXPECT_FALSE(add.Mode()->isEnabled());
    EXPECT_FALSE(add.SyncButton()->isEnabled());
    EXPECT_TRUE(add.DateEdit()->isReadOnly());
    QStringList modes;
    for (int i = 0; i < add.Mode()->count(); ++i)
        modes << add.Mode()->itemText(i);
    EXPECT_EQ(modes, QStringList({"AM", "CW", "CWR", "DIG", "FM", "LSB", "PKT", "USB", "WFM"}));

    // A mode without an item keeps the selection; a power level outside 0-3 empties the field.
    reading.nMode = 5;
    reading.nPowerLevel = 7;
    add.OnTimer();
    EXPECT_EQ(add.Mode()->currentText(), "CW");
    EXPECT_EQ(add.Power()->text(), "");

    // Hidden, it does not follow.
    add.hide();
    reading.strFrequency = "14.070.000";
    add.OnTimer();
    EXPECT_EQ(add.Frequency()->text(), "7.012.500");
    add.show();
    add.OnTimer();
    EXPECT_EQ(add.Frequency()->text(), "14.070.000");

    add.SignalButton()->click();
    EXPECT_EQ(add.Signal()->text(), "S9+10db");
    reading.nSMeter = 9;
    add.SignalButton()->click();
    EXPECT_EQ(add.Signal()->text(), "S9");

    // Synchronisation off: the fields are the operator's, and Sync works once.
    add.SyncCheck()->click();
    EXPECT_FALSE(add.IsSync());
    EXPECT_EQ(GetRegistry().GetInt("CLogbookAdd::m_bSync", 1), 0);
    EXPECT_FALSE(add.Frequency()->isReadOnly());
    EXPECT_TRUE(add.Mode()->isEnabled());
    EXPECT_TRUE(add.SyncButton()->isEnabled());
    reading.strFrequency = "3.560.000";
    add.OnTimer();
    EXPECT_EQ(add.Frequency()->text(), "14.070.000");
    add.SyncButton()->click();
    EXPECT_EQ(add.Frequency()->text(), "3.560.000");
}

TEST_F(LogbookAddWindow, AddsEntriesThroughTheViewAndListsThemNewestFirst)
{
    CLogbookView* view = openView();
    CLogbookAdd add(frame.get());
    add.show();
    add.OnTimer();
    add.Callsign()->setText("VP8LP");
    add.Signal()->setText("S7");
    add.Comment()->setText("Falklands");
    qobject_cast<QPushButton*>(add.GetDlgItem(1))->click();
    add.Callsign()->setText("3Y0J");
    add.OnOK();
    EXPECT_TRUE(add.isVisible()) << "Add leaves the window open";
    EXPECT_EQ(add.Comment()->text(), "Falklands") << "and every field as it was";
    ASSERT_EQ(add.List()->GetItemCount(), 2);
    EXPECT_EQ(listColumn(add.List(), 1), QStringList({"3Y0J", "VP8LP"}));
    EXPECT_FALSE(add.List()->GetItemText(0, 0).contains("UTC"));
    EXPECT_EQ(add.List()->GetItemText(0, 2), "7.012.500");
    EXPECT_EQ(add.List()->GetItemText(0, 3), "CW");

    EXPECT_EQ(view->GetList()->GetItemCount(), 0) << "the view lists them after its next reload";
    view->OnCommand(CLogbookView::ID_LOGBOOK_RELOAD);
    ASSERT_EQ(view->GetList()->GetItemCount(), 2);
    EXPECT_NE(view->GetRowIds()[0], view->GetRowIds()[1]);
    EXPECT_EQ(view->GetList()->GetItemText(1, 6), "Falklands");
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
}

TEST_F(LogbookAddWindow, AddsWithoutALogbookWindowAndBeforeAnySynchronisation)
{
    GetRegistry().WriteInt("CLogbookAdd::m_bSync", 0);
    CLogbookAdd add(frame.get());
    add.show();
    EXPECT_FALSE(add.IsSync());
    add.Callsign()->setText("G0XYZ");
    add.Frequency()->setText("145.500.000");
    add.OnOK();
    ASSERT_EQ(add.List()->GetItemCount(), 1);
    EXPECT_EQ(GetLogbookView(), nullptr);

    QList<CLogbookDatabase::Row> rows;
    ASSERT_TRUE(GetLogbookDatabase().Reload(100, {}, rows));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].columns[1], "G0XYZ");
    EXPECT_EQ(rows[0].columns[0],
              CLogbookDatabase::DateText(QDateTime(QDate(2024, 3, 12), QTime(21, 4, 5), Qt::UTC)))
        << "logged at the time of the Add, not at no date";
    EXPECT_EQ(add.List()->GetItemText(0, 0), rows[0].columns[0]);
}
