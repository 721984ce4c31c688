// The Macros Manager with its editor and bulk editor on real widgets: new,
// copy, edit, bulk edit, delete, order, the modified state and what reaches
// the application's store and file.
#include "ToolsFixture.h"

#include "platform/DataFolder.h"
#include "support/LayoutCheck.h"
#include "support/TestEnvironment.h"
#include "platform/Program.h"
#include "brevio/tools/MacroBulkEdit.h"
#include "brevio/tools/MacroEditorDialog.h"
#include "brevio/tools/MacroInputDialog.h"
#include "brevio/tools/MacrosManagerDialog.h"
#include "shared/Registry.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

class MacrosManagerTest : public testsupport::ToolsFixture {
protected:
    void SetUp() override
    {
        ToolsFixture::SetUp();
        Macros().Add(QStringLiteral("Reply"), QStringLiteral("Re"), {QStringLiteral("<Callsign> de <My Callsign>")},
                     false, false, false, false, 1, false);
        Macros().Add(QStringLiteral("Bye"), QStringLiteral("73"), {QStringLiteral("73 sk"), QStringLiteral("[stop]")},
                     true, false, true, false, 1, true);
        Macros().Add(QStringLiteral("CQ"), QString(), {QStringLiteral("cq cq de <My Callsign>")}, false, false, false,
                     false, 0, false);
    }
    std::unique_ptr<CMacrosManagerDialog> Open()
    {
        auto manager = std::make_unique<CMacrosManagerDialog>(nullptr, Macros());
        manager->show();
        QCoreApplication::processEvents();
        return manager;
    }
    static void Select(CMacrosManagerDialog& m, int row)
    {
        m.List()->DeselectAll();
        m.List()->SelectItem(row, true);
        m.List()->setCurrentItem(m.List()->topLevelItem(row));
    }
    static QString DefaultFile() { return platform::dataFilePath(QStringLiteral("PSK31 Brevio Macros v2.txt")); }
    static void Fill(CMacroEditorDialog& e, const QString& full, const QString& shortTitle, const QString& text)
    {
        e.FullTitleEdit()->setText(full);
        e.ShortTitleEdit()->setText(shortTitle);
        e.DefinitionEdit()->setPlainText(text);
    }
};

TEST_F(MacrosManagerTest, RowsShowTheWorkingCopy)
{
    auto m = Open();
    COwnListCtrl* list = m->List();
    ASSERT_EQ(list->GetItemCount(), 3);
    EXPECT_EQ(list->GetColumnHeading(0), QStringLiteral("Enabled"));
    EXPECT_EQ(list->GetColumnHeading(3), QStringLiteral("Value"));
    EXPECT_EQ(list->GetItemText(1, 1), QStringLiteral("Bye"));
    EXPECT_EQ(list->GetItemText(1, 2), QStringLiteral("73"));
    EXPECT_EQ(list->GetItemText(1, 3), QStringLiteral("73 sk, [stop]"));
    EXPECT_TRUE(list->GetCheck(0));
    EXPECT_FALSE(list->GetCheck(2));
    EXPECT_EQ(m->windowTitle(), QStringLiteral("Macros Manager"));
    EXPECT_FALSE(m->SaveButton()->isEnabled());
    QStringList menus;
    for (QAction* a : m->MenuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, QStringList({QStringLiteral("File"), QStringLiteral("&Edit"), QStringLiteral("Layout")}));
}

TEST_F(MacrosManagerTest, NewMacroIsEnabledWithoutTheLeaveHisInfoBitAndReachesTheStoreOnOk)
{
    auto m = Open();
    Next<CMacroEditorDialog>([](CMacroEditorDialog& e) {
        EXPECT_FALSE(e.IsEditMode());
        EXPECT_TRUE(e.EnableCheck()->isChecked());
        Fill(e, QStringLiteral("Rig"), QStringLiteral("rig"), QStringLiteral("Rig: <My Rig>\nAnt: <My Antenna>"));
        e.OnOK();
    });
    m->OnCommand(CMacrosManagerDialog::ID_NEW);
    ASSERT_EQ(m->WorkingStore().GetCount(), 4);
    const CMacro* rig = m->WorkingStore().GetAt(3);
    EXPECT_EQ(rig->IsEnabled(), 1);
    EXPECT_FALSE(rig->IsLeaveHisInfoEmpty());
    EXPECT_EQ(rig->GetLines(), QStringList({QStringLiteral("Rig: <My Rig>"), QStringLiteral("Ant: <My Antenna>")}));
    EXPECT_TRUE(m->List()->IsItemSelected(3));
    EXPECT_EQ(m->windowTitle(), QStringLiteral("Macros Manager *"));
    EXPECT_TRUE(m->SaveButton()->isEnabled());
    EXPECT_EQ(Macros().GetCount(), 3);
    m->OnOK();
    EXPECT_EQ(Macros().GetCount(), 4);
    CMacroStore back;
    back.Load(DefaultFile());
    ASSERT_EQ(back.GetCount(), 4);
    EXPECT_EQ(back.GetAt(1)->GetFlags(), CMacro::kEraseFirst | CMacro::kSendNow | CMacro::kOwnStationOnly);
    EXPECT_EQ(back.GetAt(3)->GetShortTitle(), QStringLiteral("rig"));
}

TEST_F(MacrosManagerTest, TitleInUseIgnoringCaseKeepsTheEditorOpen)
{
    auto m = Open();
    bool stayedOpen = false;
    Next<CMacroEditorDialog>([&stayedOpen](CMacroEditorDialog& e) {
        Fill(e, QStringLiteral("reply"), QStringLiteral("r"), QStringLiteral("x"));
        e.OnOK();
        stayedOpen = e.isVisible() && e.result() == 0;
        e.OnCancel();
    });
    m->OnCommand(CMacrosManagerDialog::ID_NEW);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, QStringLiteral("This title is already in use."));
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, QStringLiteral("Title in Use"));
    EXPECT_EQ(m->WorkingStore().GetCount(), 3);
    EXPECT_FALSE(m->IsModified());
}

TEST_F(MacrosManagerTest, EditKeepingTheTitleNeverReportsItInUseAndCarriesTheLeaveHisInfoBit)
{
    auto m = Open();
    Select(*m, 1);
    Next<CMacroEditorDialog>([](CMacroEditorDialog& e) {
        EXPECT_TRUE(e.IsEditMode());
        EXPECT_EQ(e.FullTitleEdit()->text(), QStringLiteral("Bye"));
        EXPECT_EQ(e.DefinitionEdit()->toPlainText(), QStringLiteral("73 sk\n[stop]"));
        EXPECT_TRUE(e.SendCheck()->isChecked());
        e.DefinitionEdit()->setPlainText(QStringLiteral("73 and sk"));
        e.OnOK();
    });
    m->OnCommand(CMacrosManagerDialog::ID_EDIT);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    const CMacro* bye = m->WorkingStore().FindByTitle(QStringLiteral("Bye"));
    ASSERT_NE(bye, nullptr);
    EXPECT_EQ(bye->GetLines(), QStringList({QStringLiteral("73 and sk")}));
    EXPECT_TRUE(bye->IsLeaveHisInfoEmpty());
    EXPECT_TRUE(bye->IsEraseFirst());
    EXPECT_TRUE(m->IsModified());
}

TEST_F(MacrosManagerTest, CopyingTwiceGivesNumberedTitlesAndOpensTheEditorOnTheCopy)
{
    auto m = Open();
    QStringList edited;
    for (int i = 0; i < 2; ++i)
        Next<CMacroEditorDialog>([&edited](CMacroEditorDialog& e) {
            edited << e.FullTitleEdit()->text();
            e.OnCancel();
        });
    Select(*m, 0);
    m->OnCommand(CMacrosManagerDialog::ID_COPY);
    Select(*m, 0);
    m->OnCommand(CMacrosManagerDialog::ID_COPY);
    EXPECT_EQ(edited, QStringList({QStringLiteral("Copy of Reply"), QStringLiteral("Copy 2 of Reply")}));
    ASSERT_EQ(m->WorkingStore().GetCount(), 5);
    const CMacro* copy = m->WorkingStore().GetAt(4);
    EXPECT_EQ(copy->GetShortTitle(), QStringLiteral("Re"));
    EXPECT_EQ(copy->GetLines(), Macros().GetAt(0)->GetLines());
    EXPECT_TRUE(m->IsModified());
}

TEST_F(MacrosManagerTest, BulkEditReplacesOnlyWhereAskedAndRemembersItsValues)
{
    auto m = Open();
    // Titles only, and nothing matches: nothing changes.
    Next<CMacroBulkEdit>([](CMacroBulkEdit& b) {
        EXPECT_TRUE(b.AllRadio()->isChecked());
        EXPECT_FALSE(b.SelectedRadio()->isEnabled());
        b.FindEdit()->setText(QStringLiteral("zzz"));
        EXPECT_FALSE(b.IsOkEnabled());
        b.ReplaceEdit()->setText(QStringLiteral("y"));
        b.WhatCombo()->SelectByData(CMacroBulkEdit::MatchTitle);
        b.OnOK();
    });
    m->List()->DeselectAll();
    m->OnCommand(CMacrosManagerDialog::ID_BULK_EDIT);
    EXPECT_FALSE(m->IsModified());

    // Definitions of the selected macro, ignoring case.
    Next<CMacroBulkEdit>([](CMacroBulkEdit& b) {
        EXPECT_TRUE(b.SelectedRadio()->isChecked());
        EXPECT_EQ(b.FindEdit()->text(), QStringLiteral("zzz"));
        EXPECT_EQ(b.WhatCombo()->GetSelectedData(), uint32_t(CMacroBulkEdit::MatchTitle));
        b.FindEdit()->setText(QStringLiteral("MY CALLSIGN"));
        b.ReplaceEdit()->setText(QStringLiteral("Callsign"));
        b.WhatCombo()->SelectByData(CMacroBulkEdit::MatchBoth);
        b.OnOK();
    });
    Select(*m, 2);
    m->OnCommand(CMacrosManagerDialog::ID_BULK_EDIT);
    EXPECT_TRUE(m->IsModified());
    EXPECT_EQ(m->WorkingStore().GetAt(2)->GetLines().first(), QStringLiteral("cq cq de <Callsign>"));
    EXPECT_EQ(m->List()->GetItemText(2, 3), QStringLiteral("cq cq de <Callsign>"));
    // Not selected: untouched.
    EXPECT_EQ(m->WorkingStore().GetAt(0)->GetLines().first(), QStringLiteral("<Callsign> de <My Callsign>"));
    CRegistry registry;
    EXPECT_EQ(registry.GetString(QStringLiteral("CMacroBulkEdit::m_strFind")), QStringLiteral("MY CALLSIGN"));
    EXPECT_EQ(registry.GetInt(QStringLiteral("CMacroBulkEdit::m_dwMatch"), 0), 3);
}

TEST_F(MacrosManagerTest, MoveSortAndCommandStates)
{
    auto m = Open();
    Select(*m, 0);
    EXPECT_FALSE(m->IsCommandEnabled(CMacrosManagerDialog::ID_MOVE_UP));
    EXPECT_TRUE(m->IsCommandEnabled(CMacrosManagerDialog::ID_MOVE_DOWN));
    m->OnCommand(CMacrosManagerDialog::ID_MOVE_DOWN);
    EXPECT_EQ(m->WorkingStore().GetAt(1)->GetFullTitle(), QStringLiteral("Reply"));
    EXPECT_EQ(m->List()->GetItemText(1, 1), QStringLiteral("Reply"));
    EXPECT_TRUE(m->List()->IsItemSelected(1));
    m->List()->SelectItem(0, true);
    EXPECT_FALSE(m->IsCommandEnabled(CMacrosManagerDialog::ID_EDIT));
    EXPECT_TRUE(m->IsCommandEnabled(CMacrosManagerDialog::ID_DELETE));
    // A tick taken off survives the sort's rebuild of the list.
    m->List()->SetCheck(0, false);
    m->OnCommand(CMacrosManagerDialog::ID_SORT);
    QStringList titles;
    m->WorkingStore().GetTitles(titles);
    EXPECT_EQ(titles, QStringList({QStringLiteral("Bye"), QStringLiteral("CQ"), QStringLiteral("Reply")}));
    EXPECT_FALSE(m->List()->GetCheck(0));
    EXPECT_EQ(m->WorkingStore().GetAt(0)->IsEnabled(), 0);
}

TEST_F(MacrosManagerTest, OkWithoutChangesLeavesTheFileAlone)
{
    auto m = Open();
    m->OnOK();
    EXPECT_FALSE(QFile::exists(DefaultFile()));
    EXPECT_EQ(m->result(), QDialog::Accepted);
}

TEST_F(MacrosManagerTest, CheckBoxChangeMarksModifiedAndSaveWritesIt)
{
    auto m = Open();
    m->List()->SetCheck(2, true);
    EXPECT_TRUE(m->IsModified());
    EXPECT_EQ(Macros().GetAt(2)->IsEnabled(), 0);
    m->Save();
    EXPECT_FALSE(m->IsModified());
    EXPECT_EQ(m->windowTitle(), QStringLiteral("Macros Manager"));
    EXPECT_EQ(Macros().GetAt(2)->IsEnabled(), 1);
    EXPECT_TRUE(QFile::exists(DefaultFile()));
}

TEST_F(MacrosManagerTest, CancelWithChangesAsksAndDiscardsOnYes)
{
    auto m = Open();
    testsupport::prompter().m_answers = {platform::IDNO, platform::IDYES};
    Select(*m, 0);
    testsupport::prompter().m_answers.push_front(platform::IDYES);
    m->OnCommand(CMacrosManagerDialog::ID_DELETE);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, QStringLiteral("Really delete the selected macros ?"));
    EXPECT_EQ(m->WorkingStore().GetCount(), 2);
    m->OnCancel();
    EXPECT_TRUE(m->isVisible());
    m->OnCancel();
    EXPECT_FALSE(m->isVisible());
    EXPECT_EQ(testsupport::prompter().m_boxes.last().text, QStringLiteral("You have outstanding changes - really cancel ?"));
    EXPECT_EQ(Macros().GetCount(), 3);
}

TEST_F(MacrosManagerTest, LoadAndSaveThroughTheChoosers)
{
    const QString other = testsupport::dataFolder() + QStringLiteral("/other macros.txt");
    CMacroStore file;
    file.Add(QStringLiteral("From file"), {QStringLiteral("hello")}, 0);
    file.Save(other);
    auto m = Open();
    testsupport::prompter().m_files = {other};
    m->OnCommand(CMacrosManagerDialog::ID_LOAD);
    ASSERT_EQ(m->WorkingStore().GetCount(), 1);
    EXPECT_EQ(m->List()->GetItemText(0, 1), QStringLiteral("From file"));
    EXPECT_TRUE(m->IsModified());
    EXPECT_EQ(testsupport::prompter().m_chooserCaptions.last(), QStringLiteral("Load Macro Definitions"));
    const QString saved = testsupport::dataFolder() + QStringLiteral("/saved.txt");
    testsupport::prompter().m_files = {saved};
    m->OnCommand(CMacrosManagerDialog::ID_SAVE_AS);
    EXPECT_EQ(testsupport::prompter().m_chooserCaptions.last(),
              QStringLiteral("Save Macro Definitions (can be restored later)"));
    CMacroStore back;
    back.Load(saved);
    EXPECT_EQ(back.GetCount(), 1);
    EXPECT_TRUE(m->IsModified());
}

TEST_F(MacrosManagerTest, AFileThatIsNoMacroFileIsRefusedAndChangesNothing)
{
    auto m = Open();
    const int before = m->WorkingStore().GetCount();
    ASSERT_GT(before, 0);
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"garbage.txt", QByteArray("\x7f""ELF\x02\x01\x01\0\0\0binary junk\r\nmore", 21), "it holds no macros"},
        {"empty.txt", QByteArray(), "it holds no macros"},
        {"tags.txt", "#\r\n100 Name\r\n101 Ann\r\n-@-\r\n#@filetype=0", "it holds tag definitions"},
        {"memories.txt", "001 0\r\n002 14070000\r\n-@-\r\n", "it holds no macros"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = testsupport::dataFolder() + QLatin1Char('/') + QLatin1String(c.name);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.bytes);
        f.close();
        m->SetModified(false);
        testsupport::prompter().clear();
        testsupport::prompter().m_files = {path};
        m->OnCommand(CMacrosManagerDialog::ID_LOAD);
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
        const auto& box = testsupport::prompter().m_boxes[0];
        EXPECT_TRUE(box.text.startsWith(QStringLiteral("\"%1\" is not a macro definitions file: %2")
                                            .arg(QDir::toNativeSeparators(path), QLatin1String(c.reason))))
            << box.text.toStdString();
        EXPECT_TRUE(box.text.endsWith(QStringLiteral("\nNothing was loaded."))) << box.text.toStdString();
        EXPECT_EQ(box.caption, QStringLiteral("Error"));
        EXPECT_EQ(m->WorkingStore().GetCount(), before);
        EXPECT_EQ(m->List()->GetItemCount(), before);
        EXPECT_FALSE(m->IsModified());
    }
}

TEST(MacroEditor, OkStateTitleLimitsHelpAndTagInsertion)
{
    CMacroEditorDialog e(nullptr, QStringList{QStringLiteral("Taken")});
    e.show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(e.IsOkEnabled());
    e.FullTitleEdit()->setText(QStringLiteral("  "));
    e.ShortTitleEdit()->setText(QStringLiteral("s"));
    EXPECT_FALSE(e.IsOkEnabled());
    e.FullTitleEdit()->setText(QStringLiteral("Full"));
    EXPECT_FALSE(e.IsOkEnabled());
    QTest::mouseClick(e.SendCheck(), Qt::LeftButton);
    EXPECT_TRUE(e.IsOkEnabled());
    QTest::mouseClick(e.SendCheck(), Qt::LeftButton);
    e.DefinitionEdit()->setPlainText(QStringLiteral(" "));
    EXPECT_FALSE(e.IsOkEnabled());
    e.DefinitionEdit()->setPlainText(QStringLiteral("de "));
    e.DefinitionEdit()->moveCursor(QTextCursor::End);
    e.InsertTag(QStringLiteral("<Callsign>"));
    EXPECT_EQ(e.DefinitionEdit()->toPlainText(), QStringLiteral("de <Callsign>"));

    QStringList fixed;
    e.FixedTags()->GetColumnTexts(fixed, 0);
    EXPECT_EQ(fixed.size(), 7);
    EXPECT_TRUE(std::is_sorted(fixed.begin(), fixed.end()));
    const QStringList help = CMacroEditorDialog::HelpText().split(QStringLiteral("\r\n"));
    EXPECT_EQ(help.first(), QStringLiteral("When defining a macro, there are two types of tags that you can add:"));
    EXPECT_TRUE(help.contains(QStringLiteral("          <weather>")));
    EXPECT_TRUE(help.contains(QStringLiteral("  - Erase:\tbefore the macro is added all text in the TX window is erased.")));
    EXPECT_EQ(help.last(), QStringLiteral("** With PSK31 lowercase characters are sent quicker than uppercase characters."));
    EXPECT_EQ(help.size(), 29);

    // A short title past 15 characters is refused, not cut.
    e.ShortTitleEdit()->setText(QStringLiteral("0123456789abcdef"));
    e.OnOK();
    EXPECT_EQ(e.result(), 0);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, QStringLiteral("Enter no more than 15 characters."));
    e.ShortTitleEdit()->setText(QStringLiteral("0123456789abcde"));
    e.OnOK();
    EXPECT_EQ(e.result(), QDialog::Accepted);
    EXPECT_EQ(e.m_definition, QStringList({QStringLiteral("de <Callsign>")}));
}

} // namespace

// The macro editor, new and holding a long macro, the bulk editor and the
// Macro Input dialog, with the program's button pictures: no text is cut off
// and nothing overlaps, at the default font and one point larger.
TEST(MacroDialogsLayout, NothingClipsOrOverlaps)
{
    auto check = [] {
        CMacroEditorDialog fresh(nullptr, QStringList{QStringLiteral("Taken")});
        CMacroEditorDialog existing(nullptr, QStringLiteral("Reply with the station's details"),
                                    QStringLiteral("Reply"),
                                    {QStringLiteral("<Callsign> de <My Callsign> - hello <Name>, your RST is <Sent>")},
                                    true, true, true, false, true, {}, 1);
        CMacroBulkEdit bulk(nullptr, true);
        CMacroInputDialog input(nullptr, 0, QStringLiteral("Reply with the station's details"),
                                {QStringLiteral("Callsign"), QStringLiteral("Name"), QStringLiteral("My Callsign")},
                                {QStringLiteral("<Callsign> de <My Callsign> - hello <Name>")}, true, true);
        for (QDialog* dialog : {static_cast<QDialog*>(&fresh), static_cast<QDialog*>(&existing),
                                static_cast<QDialog*>(&bulk), static_cast<QDialog*>(&input)}) {
            dialog->show();
            QCoreApplication::processEvents();
            const QStringList problems = testsupport::layoutProblems(dialog);
            EXPECT_TRUE(problems.isEmpty()) << dialog->windowTitle().toStdString() << ":\n"
                                            << problems.join("\n").toStdString();
        }
    };
    // As the program sees them: with its own button pictures.
    platform::setProgram(platform::brevioIdentity());
    check();
    testsupport::withLargerFont(check);
    platform::setProgram(platform::corvaneIdentity());
}
