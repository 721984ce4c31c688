// The band dialogs on real widgets: Define Band's checks, the editor and the
// manager on their copies, and what the manager's OK hands on.
#include "ModalAnswers.h"
#include "corvane/organisers/BandSetList.h"
#include "corvane/organisers/BandsDialog.h"
#include "corvane/organisers/CustomBandsEditorDialog.h"
#include "corvane/organisers/CustomBandsManagerDialog.h"
#include "corvane/organisers/DefineBandDialog.h"
#include "corvane/organisers/OrganiserToolbars.h"
#include "shared/TaggedLines.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/LayoutCheck.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using orgtest::ModalAnswers;
using namespace organisers;

namespace {

CBandSet makeSet(const QString& title, int enabled, std::initializer_list<CBandEntry> bands)
{
    CBandSet set;
    set.SetTitle(title);
    set.SetEnabled(enabled);
    for (const CBandEntry& b : bands)
        set.AddBand(b.GetEnabled(), b.GetFrom(), b.GetTo(), b.GetTitle());
    return set;
}

QStringList column(const COwnListCtrl* list, int c)
{
    QStringList texts;
    list->GetColumnTexts(texts, c);
    return texts;
}

QStringList listTitles(const CBandSetList& list)
{
    QStringList t;
    for (int i = 0; i < list.GetCount(); ++i)
        t << list.GetAt(i)->GetTitle();
    return t;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString definitionsPath()
{
    return QDir(testsupport::dataFolder()).filePath(QStringLiteral("FT-817 Band Definitions.txt"));
}

const QList<testsupport::ScriptedPrompter::Box>& boxes()
{
    return testsupport::prompter().m_boxes;
}

// Leaves the application's band sets empty between tests.
class BandDialogs : public ::testing::Test {
protected:
    void SetUp() override { GetBandSets().RemoveAll(); }
    void TearDown() override { GetBandSets().RemoveAll(); }
};

} // namespace

TEST_F(BandDialogs, DefineBandRefusesUntilTheEntryIsComplete)
{
    CDefineBandDialog dialog(nullptr, QStringLiteral("<Title>"), 0, 0, 1);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Define Band");
    EXPECT_EQ(dialog.TitleEdit()->text(), "<Title>");
    EXPECT_TRUE(dialog.EnableBox()->isChecked());
    EXPECT_EQ(dialog.FromEdit()->GetFrequency(), 0u);

    struct Step {
        QString title;
        uint32_t from, to;
        const char* message;
    };
    const Step steps[] = {
        {QStringLiteral("   "), 7000000, 7100000, "The title must be entered."},
        {QStringLiteral("40m"), 0, 7100000, "The From: and To: frequencies cannot be empty."},
        {QStringLiteral("40m"), 7000000, 7000000, "The From: and To: frequencies cannot be the same."},
        {QStringLiteral("40m"), 7000000, 999000000, "The FT-817 cannot receive 999.000.00 MHz.\n \nIt receives 0.1-56, 76-154 and 420-470 MHz."},
        {QStringLiteral("40m"), 60000000, 7100000, "The FT-817 cannot receive 60.000.00 MHz.\n \nIt receives 0.1-56, 76-154 and 420-470 MHz."},
    };
    for (const Step& s : steps) {
        testsupport::prompter().clear();
        dialog.TitleEdit()->setText(s.title);
        dialog.FromEdit()->SetFrequency(s.from);
        dialog.ToEdit()->SetFrequency(s.to);
        dialog.OnOK();
        EXPECT_TRUE(dialog.isVisible()) << s.message;
        ASSERT_EQ(boxes().size(), 1);
        EXPECT_EQ(boxes()[0].text, s.message);
        EXPECT_EQ(boxes()[0].caption, "Define Band");
        EXPECT_EQ(boxes()[0].style & 0xF0, platform::MB_ICONERROR);
        EXPECT_EQ(dialog.TitleEdit()->text(), s.title) << "the operator's input stays";
    }

    // The edges may come in either order; the title loses its blanks.
    dialog.TitleEdit()->setText(QStringLiteral("  40m "));
    dialog.FromEdit()->SetFrequency(7100000);
    dialog.ToEdit()->SetFrequency(7000000);
    dialog.EnableBox()->setChecked(false);
    dialog.OnOK();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetTitle(), "40m");
    EXPECT_EQ(dialog.GetFrom(), 7000000u);
    EXPECT_EQ(dialog.GetTo(), 7100000u);
    EXPECT_EQ(dialog.GetEnabled(), 0);
}

TEST_F(BandDialogs, EditorWorksOnItsRowsUntilOk)
{
    const CBandSet set = makeSet(QStringLiteral("Low"), 1,
                                 {CBandEntry(1, 7000000, 7100000, QStringLiteral("40m")),
                                  CBandEntry(0, 3500000, 3800000, QStringLiteral("80m")),
                                  CBandEntry(1, 500, 1800000, QStringLiteral("odd"))});
    CCustomBandsEditorDialog editor(nullptr, set);
    editor.show();
    COwnListCtrl* list = editor.List();
    ASSERT_EQ(list->GetItemCount(), 3);
    EXPECT_EQ(column(list, 1), QStringList({"40m", "80m", "odd"}));
    EXPECT_EQ(column(list, 2), QStringList({"7.000.000", "3.500.000", ""}));
    EXPECT_EQ(column(list, 3), QStringList({"7.100.000", "3.800.000", "1.800.000"}));
    EXPECT_EQ(list->GetItemImage(0), 0);
    EXPECT_EQ(list->GetItemImage(1), 2);
    EXPECT_EQ(list->GetColumnHeading(2), "From MHz");
    EXPECT_EQ(list->GetColumnFormat(3), LVCFMT_RIGHT);
    EXPECT_EQ(editor.TitleEdit()->text(), "Low");
    ASSERT_NE(editor.GetToolBar(), nullptr);

    auto enabled = [&](unsigned id) {
        CCmdUI ui;
        ui.m_nID = id;
        editor.OnUpdateCommand(ui);
        return ui.m_bEnabled;
    };
    EXPECT_TRUE(enabled(ID_BAND_NEW));
    EXPECT_FALSE(enabled(ID_BAND_MODIFY));
    list->SelectItem(0, true);
    EXPECT_TRUE(enabled(ID_BAND_COPY));
    EXPECT_FALSE(enabled(ID_BAND_MOVE_UP));
    EXPECT_TRUE(enabled(ID_BAND_MOVE_DOWN));

    ModalAnswers answers;
    QList<QStringList> asked;
    bool acceptDefine = false;
    answers.On<CDefineBandDialog>([&](CDefineBandDialog& d) {
        asked << QStringList{d.TitleEdit()->text(), QString::number(d.FromEdit()->GetFrequency()),
                             QString::number(d.ToEdit()->GetFrequency()),
                             d.EnableBox()->isChecked() ? "on" : "off"};
        if (!acceptDefine)
            return false;
        d.TitleEdit()->setText(QStringLiteral("20m"));
        d.FromEdit()->SetFrequency(14350000);
        d.ToEdit()->SetFrequency(14000000);
        return true;
    });

    // Copy, then Cancel in Define Band: the copy stays.
    editor.OnCommand(ID_BAND_COPY);
    ASSERT_EQ(list->GetItemCount(), 4);
    EXPECT_EQ(list->GetItemText(1, 1), "Copy of 40m");
    EXPECT_EQ(list->GetItemText(1, 2), "7.000.000");
    EXPECT_EQ(list->GetFirstSelectedItem(), 1);
    EXPECT_EQ(asked.last(), QStringList({"Copy of 40m", "7000000", "7100000", "on"}));

    // Modify the selected row.
    acceptDefine = true;
    editor.OnCommand(ID_BAND_MODIFY);
    EXPECT_EQ(list->GetItemText(1, 1), "20m");
    EXPECT_EQ(list->GetItemText(1, 2), "14.000.000");
    EXPECT_EQ(list->GetItemText(1, 3), "14.350.000");

    // New asks with "<Title>", nothing and enabled, and appends.
    editor.OnCommand(ID_BAND_NEW);
    EXPECT_EQ(asked.last(), QStringList({"<Title>", "0", "0", "on"}));
    EXPECT_EQ(list->GetItemCount(), 5);

    // Move the copy down, delete the first row.
    list->DeselectAll();
    list->SelectItem(1, true);
    editor.OnCommand(ID_BAND_MOVE_DOWN);
    EXPECT_EQ(column(list, 1), QStringList({"40m", "80m", "20m", "odd", "20m"}));
    EXPECT_EQ(list->GetFirstSelectedItem(), 2);
    editor.OnCommand(ID_BAND_MOVE_UP);
    editor.OnCommand(ID_BAND_MOVE_UP);
    EXPECT_EQ(column(list, 1), QStringList({"20m", "40m", "80m", "odd", "20m"}));
    editor.OnCommand(ID_BAND_MOVE_UP);  // already first: not offered
    EXPECT_EQ(list->GetFirstSelectedItem(), 0);
    list->DeselectAll();
    list->SelectItem(1, true);
    editor.OnCommand(ID_BAND_DELETE);
    EXPECT_EQ(column(list, 1), QStringList({"20m", "80m", "odd", "20m"}));

    // An empty title keeps the editor open.
    testsupport::prompter().clear();
    editor.TitleEdit()->setText(QStringLiteral("  "));
    editor.OnOK();
    EXPECT_TRUE(editor.isVisible());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].text, "The title must be entered.");
    EXPECT_EQ(boxes()[0].caption, "Title");
    EXPECT_EQ(set.GetBand(0)->GetTitle(), "40m") << "the given set is never touched";

    editor.TitleEdit()->setText(QStringLiteral(" Mixed "));
    editor.EnabledBox()->setChecked(false);
    editor.OnOK();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    const CBandSet& result = editor.GetBandSet();
    EXPECT_EQ(result.GetTitle(), "Mixed");
    EXPECT_EQ(result.GetEnabled(), 0);
    ASSERT_EQ(result.GetBandCount(), 4);
    EXPECT_EQ(result.GetBand(0)->GetFrom(), 14000000u);
    EXPECT_EQ(result.GetBand(1)->GetEnabled(), 0);
    // An edge below 1000 Hz had no text and comes back as 0.
    EXPECT_EQ(result.GetBand(2)->GetFrom(), 0u);
    EXPECT_EQ(result.GetBand(2)->GetTo(), 1800000u);
}

TEST_F(BandDialogs, ManagerHandsOnItsCopyOnlyOnOk)
{
    GetBandSets().AddCopy(makeSet(QStringLiteral("b"), 1, {CBandEntry(1, 1800000, 2000000, QStringLiteral("160m"))}));
    GetBandSets().AddCopy(makeSet(QStringLiteral("a"), 0, {}));
    ASSERT_TRUE(GetBandSets().SaveDefinitions());
    const QByteArray before = fileBytes(definitionsPath());
    CBandsDialog bands(nullptr);
    bands.show();
    ASSERT_EQ(bands.List()->count(), 5);

    ModalAnswers answers;
    QString editorTitle;
    answers.On<CCustomBandsEditorDialog>([&](CCustomBandsEditorDialog& d) {
        editorTitle = d.TitleEdit()->text();
        d.TitleEdit()->setText(QStringLiteral("Z edited"));
        d.EnabledBox()->setChecked(true);
        return true;
    });

    {
        CCustomBandsManagerDialog manager(nullptr, GetBandSets());
        manager.show();
        COwnListCtrl* list = manager.List();
        EXPECT_EQ(column(list, 1), QStringList({"b", "a"}));
        EXPECT_EQ(list->GetItemImage(1), 2);
        manager.OnCommand(ID_BAND_NEW);
        EXPECT_EQ(editorTitle, "<Title>");
        list->SelectItem(0, true);
        manager.OnCommand(ID_BAND_DELETE);
        EXPECT_EQ(listTitles(manager.GetWorkingList()), QStringList({"a", "Z edited"}));
        manager.OnCancel();
    }
    EXPECT_EQ(listTitles(GetBandSets()), QStringList({"b", "a"}));
    EXPECT_EQ(fileBytes(definitionsPath()), before);
    EXPECT_EQ(bands.List()->count(), 5);

    CCustomBandsManagerDialog manager(nullptr, GetBandSets());
    manager.show();
    COwnListCtrl* list = manager.List();
    // Copy: inserted after the original, selected, then modified.
    list->SelectItem(0, true);
    manager.OnCommand(ID_BAND_COPY);
    EXPECT_EQ(editorTitle, "Copy of b");
    EXPECT_EQ(column(list, 1), QStringList({"b", "Z edited", "a"}));
    EXPECT_EQ(manager.GetWorkingList().GetAt(1)->GetBandCount(), 1);
    // Modify the disabled set: it comes back enabled.
    list->DeselectAll();
    list->SelectItem(2, true);
    manager.OnCommand(ID_BAND_MODIFY);
    EXPECT_EQ(list->GetItemImage(2), 0);
    manager.OnOK();
    EXPECT_EQ(manager.result(), QDialog::Accepted);
    // Sorted by title, saved, in the application, and in the Bands window.
    EXPECT_EQ(listTitles(GetBandSets()), QStringList({"Z edited", "Z edited", "b"}));
    CBandSetList saved;
    saved.LoadFile(6);
    EXPECT_EQ(listTitles(saved), listTitles(GetBandSets()));
    QStringList shown;
    for (int i = 0; i < bands.List()->count(); ++i)
        shown << bands.List()->item(i)->text();
    EXPECT_EQ(shown, QStringList({"160m - 10m", "160m - 70cm", "VHF - UHF", "Shortwave", "Z edited", "Z edited", "b"}));
}

TEST_F(BandDialogs, ManagerFilesAndDefaults)
{
    const QString other = QDir(testsupport::dataFolder()).filePath(QStringLiteral("other.txt"));
    {
        CBandSetList list;
        list.AddCopy(makeSet(QStringLiteral("From file"), 1, {}));
        ASSERT_TRUE(list.Save(6, other));
    }
    CCustomBandsManagerDialog manager(nullptr, GetBandSets());
    manager.show();

    testsupport::prompter().m_files.push_back(other);
    manager.OnCommand(ID_BAND_LOAD_FILE);
    EXPECT_EQ(testsupport::prompter().m_chooserCaptions.last(), "Load Band Definitions");
    EXPECT_EQ(column(manager.List(), 1), QStringList({"From file"}));

    const QString saved = QDir(testsupport::dataFolder()).filePath(QStringLiteral("saved.txt"));
    testsupport::prompter().m_files.push_back(saved);
    manager.OnCommand(ID_BAND_SAVE_FILE);
    EXPECT_EQ(testsupport::prompter().m_chooserCaptions.last(), "Save Band Definitions");
    EXPECT_TRUE(fileBytes(saved).endsWith("#@filetype=6"));

    // Defaults: asked first; No keeps the list.
    testsupport::prompter().clear();
    testsupport::prompter().m_answers.push_back(platform::IDNO);
    manager.OnDefaults();
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].text, "This will replace the current definitions with the default definitions.\n \nContinue?");
    EXPECT_EQ(boxes()[0].caption, "Load Defaults");
    EXPECT_EQ(boxes()[0].style, platform::MB_YESNO | platform::MB_ICONQUESTION);
    EXPECT_EQ(column(manager.List(), 1), QStringList({"From file"}));
    // Yes with the shipped defaults.
    CBandSetList::SetShippedFolder(QDir(testsupport::buildDir()).filePath(QStringLiteral("bin")));
    manager.OnDefaults();
    CBandSetList::SetShippedFolder(QString());
    EXPECT_GE(manager.List()->GetItemCount(), 3);
    EXPECT_EQ(manager.List()->GetItemText(0, 1), "Amateur HF");
    EXPECT_TRUE(GetBandSets().GetCount() == 0) << "only OK hands the list on";
}

TEST_F(BandDialogs, BandsWindowListsPlansAndEnabledSets)
{
    GetBandSets().AddCopy(makeSet(QStringLiteral("A off"), 0, {}));
    GetBandSets().AddCopy(makeSet(QStringLiteral("B on"), 1, {}));
    GetBandSets().AddCopy(makeSet(QStringLiteral("C on"), 1, {}));
    CBandsDialog bands(nullptr);
    bands.show();
    EXPECT_EQ(bands.windowTitle(), "Bands");
    EXPECT_FALSE(bands.HasSizeGrip());
    EXPECT_EQ(GetBandsDialog(), &bands);
    QStringList shown;
    for (int i = 0; i < bands.List()->count(); ++i)
        shown << bands.List()->item(i)->text();
    EXPECT_EQ(shown, QStringList({"160m - 10m", "160m - 70cm", "VHF - UHF", "Shortwave", "B on", "C on"}));
    // The fifth row is the second custom set, the sixth the third.
    EXPECT_EQ(CBandsDialog::SetIndexForRow(3), -1);
    EXPECT_EQ(CBandsDialog::SetIndexForRow(4), 1);
    EXPECT_EQ(CBandsDialog::SetIndexForRow(5), 2);
    EXPECT_EQ(CBandsDialog::SetIndexForRow(6), -1);

    GetBandSets().GetAt(0)->SetEnabled(1);
    RefreshBandBar();
    EXPECT_EQ(bands.List()->count(), 7);
    // Without a front panel a choice does nothing; a double click hides the window.
    bands.OnDoubleClick(5);
    EXPECT_FALSE(bands.isVisible());
}

// The manager's instructions show whole above the list, at the default font
// and one point larger.
TEST(CustomBandsManagerLayout, InstructionsShowWhole)
{
    auto check = [] {
        CCustomBandsManagerDialog manager(nullptr, GetBandSets());
        manager.show();
        QApplication::processEvents();
        const QStringList problems = testsupport::layoutProblems(&manager);
        EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
    };
    check();
    testsupport::withLargerFont(check);
}

// The Bands window's two buttons show their captions whole, at the default
// font and one point larger. Under a real display with CORVANE_SCREENSHOT_DIR
// set the window is photographed at the default font (docs/corvane-bands.png,
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a \
//     build/tests/corvane_organisers_tests --gtest_filter='BandsWindowLayout.*').
TEST(BandsWindowLayout, ButtonsShowTheirCaptions)
{
    const QString shots = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    bool photograph = !shots.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb");
    auto check = [&] {
        CBandsDialog bands(nullptr);
        bands.show();
        QApplication::processEvents();
        const QStringList problems = testsupport::layoutProblems(&bands);
        EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
        if (photograph) {
            photograph = false;
            bands.List()->setCurrentRow(1);
            QTest::qWait(500);
            const QRect r = bands.frameGeometry();
            EXPECT_TRUE(bands.screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).save(shots + "/corvane-bands.png"));
        }
    };
    check();
    testsupport::withLargerFont(check);
}
