// The Title dialog and the Scan Manager on real widgets, and the two scan
// dialogs nothing opens.
#include "ModalAnswers.h"
#include "corvane/organisers/ScanAdvancedDialogs.h"
#include "corvane/organisers/ScanDefinitions.h"
#include "corvane/organisers/ScanManagerDialog.h"
#include "corvane/organisers/ScanTitleDialog.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"
#include "shared/ui/OwnSpinButtonCtrl.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using orgtest::ModalAnswers;

namespace {

QByteArray fileBytes()
{
    QFile f(CScanDefinitions::GetPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList titles(const CScanDefinitions& store)
{
    QStringList t;
    store.GetTitles(t);
    return t;
}

QStringList comboItems(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

const QList<testsupport::ScriptedPrompter::Box>& boxes()
{
    return testsupport::prompter().m_boxes;
}

// A file of three definitions; the application's store loaded from it.
class ScanManager : public ::testing::Test {
protected:
    void SetUp() override
    {
        CScanDefinitions store;
        store.AddBandScan(QStringLiteral("Same"), 7000000, 7100000, 2, 0);
        store.AddMemoryScan(QStringLiteral("Same"), {QStringLiteral("CHAN#01#")}, 0);
        store.AddBandScan(QStringLiteral("Other"), 14000000, 14100000, 1, 0);
        ASSERT_TRUE(store.Save());
        GetScanDefinitions().Load();
    }
    void TearDown() override { GetScanDefinitions().RemoveAll(); }
};

} // namespace

TEST(ScanTitle, OffersTheTitlesInOrderAndConfirmsAnOverwrite)
{
    CScanTitleDialog dialog(nullptr, {QStringLiteral("beta"), QStringLiteral("Alpha"), QStringLiteral("gamma")},
                            QStringLiteral("Delta"));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Title");
    EXPECT_EQ(comboItems(dialog.TitleBox()), QStringList({"Alpha", "beta", "Delta", "gamma"}));
    EXPECT_EQ(dialog.TitleBox()->currentText(), "Delta");

    // A title differing only in case asks nothing.
    dialog.TitleBox()->setEditText(QStringLiteral(" BETA "));
    dialog.OnOK();
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(dialog.GetTitle(), "BETA");
    EXPECT_EQ(dialog.GetOverwrite(), 0);

    CScanTitleDialog again(nullptr, {QStringLiteral("beta")}, QStringLiteral("beta"));
    again.show();
    EXPECT_EQ(comboItems(again.TitleBox()), QStringList({"beta"})) << "a title found ignoring case is not added";
    testsupport::prompter().m_answers.push_back(platform::IDNO);
    again.OnOK();
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].text, "This title is already in use. Do you want you overwrite the existing entry?");
    EXPECT_EQ(boxes()[0].caption, "Title");
    EXPECT_EQ(boxes()[0].style, platform::MB_YESNO);
    EXPECT_TRUE(again.isVisible());
    EXPECT_EQ(again.TitleBox()->currentText(), "beta");
    again.OnOK();  // the next answer is Yes
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(again.GetOverwrite(), 1);

    // An empty title, or one of blanks, is refused and the dialog stays.
    for (const char* typed : {"", "   "}) {
        SCOPED_TRACE(std::string("typed \"") + typed + "\"");
        testsupport::prompter().clear();
        CScanTitleDialog empty(nullptr, {}, QString());
        empty.show();
        empty.TitleBox()->setEditText(QString::fromLatin1(typed));
        empty.OnOK();
        ASSERT_EQ(boxes().size(), 1);
        EXPECT_EQ(boxes()[0].text, "The title must be entered.");
        EXPECT_EQ(boxes()[0].caption, "Title");
        EXPECT_EQ(boxes()[0].style, platform::MB_OK | platform::MB_ICONERROR);
        EXPECT_TRUE(empty.isVisible());
        EXPECT_NE(empty.result(), QDialog::Accepted);
    }
}

TEST_F(ScanManager, DeletesOnItsCopyAndCancelKeepsEverything)
{
    const QByteArray before = fileBytes();
    {
        CScanManagerDialog manager(nullptr);
        manager.show();
        COwnListCtrl* list = manager.List();
        ASSERT_EQ(list->GetItemCount(), 3);
        QStringList shown;
        list->GetColumnTexts(shown, 1);
        EXPECT_EQ(shown, QStringList({"Other", "Same", "Same"}));
        EXPECT_EQ(list->GetItemImage(0), 0);
        EXPECT_FALSE(manager.DeleteButton()->isEnabled());
        EXPECT_FALSE(manager.RenameButton()->isEnabled());
        list->SelectItem(1, true);
        list->SelectItem(2, true);
        EXPECT_TRUE(manager.DeleteButton()->isEnabled());
        EXPECT_FALSE(manager.RenameButton()->isEnabled());
        testsupport::prompter().m_answers.push_back(platform::IDYES);
        manager.OnDelete();
        ASSERT_EQ(boxes().size(), 1);
        EXPECT_EQ(boxes()[0].text, "Really delete the highlighted definitions?");
        EXPECT_EQ(boxes()[0].caption, "Delete");
        EXPECT_EQ(boxes()[0].style, platform::MB_YESNO | platform::MB_ICONQUESTION);
        // Both rows titled "Same" took a definition of that title with them.
        EXPECT_EQ(titles(manager.GetWorkingStore()), QStringList({"Other"}));
        EXPECT_EQ(manager.windowTitle(), "Scan Manager *");
        manager.OnCancel();
    }
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(titles(GetScanDefinitions()), QStringList({"Other", "Same", "Same"}));
}

TEST_F(ScanManager, RenameAndOkRewriteTheFileAndReloadTheStore)
{
    CScanManagerDialog manager(nullptr);
    manager.show();
    COwnListCtrl* list = manager.List();
    ModalAnswers answers;
    QStringList offered;
    QString newTitle;
    answers.On<CScanTitleDialog>([&](CScanTitleDialog& d) {
        offered = comboItems(d.TitleBox());
        d.TitleBox()->setEditText(newTitle);
        return true;
    });

    // A "Same" renamed to "Other", the overwrite confirmed: the definition
    // that had the title gives way instead of two sharing it.
    list->SelectItem(1, true);
    EXPECT_TRUE(manager.RenameButton()->isEnabled());
    const int renamed = int(list->GetItemData(1));
    const int kind = manager.GetWorkingStore().GetAt(renamed)->GetKind();
    newTitle = QStringLiteral("Other");
    testsupport::prompter().m_answers.push_back(platform::IDYES);
    manager.OnRename();
    // The application's titles without the row's own (its first occurrence).
    EXPECT_EQ(offered, QStringList({"Other", "Same"}));
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(titles(manager.GetWorkingStore()).count(QStringLiteral("Other")), 1);
    ASSERT_EQ(manager.GetWorkingStore().GetCount(), 2);
    for (int i = 0; i < 2; ++i)
        if (manager.GetWorkingStore().GetAt(i)->GetTitle() == "Other")
            EXPECT_EQ(manager.GetWorkingStore().GetAt(i)->GetKind(), kind);

    // A plain rename.
    list->DeselectAll();
    for (int r = 0; r < list->GetItemCount(); ++r)
        if (list->GetItemText(r, 1) == "Same")
            list->SelectItem(r, true);
    newTitle = QStringLiteral("New name");
    manager.OnRename();
    EXPECT_EQ(boxes().size(), 1);

    manager.OnOK();
    EXPECT_EQ(manager.result(), QDialog::Accepted);
    EXPECT_EQ(titles(GetScanDefinitions()), QStringList({"New name", "Other"}));
    CScanDefinitions back;
    back.Load();
    EXPECT_EQ(titles(back), QStringList({"New name", "Other"}));
}

TEST(ScanDialogsNothingOpens, AdvancedOptionsFollowTheirCheckBox)
{
    CScanAdvancedDialog dialog(nullptr, 0, 9, 0, 1);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Advanced (Not Implemented Yet)");
    EXPECT_EQ(dialog.LevelList()->count(), 16);
    EXPECT_EQ(dialog.LevelList()->currentText(), "S9");
    EXPECT_EQ(dialog.LevelList()->itemText(15), "S9+60db");
    EXPECT_TRUE(dialog.WaitButton()->isChecked());
    EXPECT_EQ(dialog.TimeEdit()->text(), "5");
    EXPECT_EQ(dialog.TimeEdit()->maxLength(), 3);
    int lower = 0, upper = 0;
    dialog.Spin()->GetRange(lower, upper);
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 999);
    ASSERT_EQ(dialog.DependentControls().size(), 13);
    for (QWidget* w : dialog.DependentControls())
        EXPECT_FALSE(w->isEnabled());
    dialog.EnableBox()->click();
    for (QWidget* w : dialog.DependentControls())
        EXPECT_TRUE(w->isEnabled());
    dialog.ListenButton()->setChecked(true);
    dialog.TimeEdit()->setText(QStringLiteral("42"));
    dialog.OnOK();
    EXPECT_EQ(dialog.GetEnable(), 1);
    EXPECT_EQ(dialog.GetListenTime(), 42);
    EXPECT_EQ(dialog.GetResume(), 1);
}

TEST(ScanDialogsNothingOpens, ScanDefinitionNeedsATitleAndAFrequency)
{
    CScanDefinitionDialog dialog(nullptr, QStringLiteral(" Net "), QStringLiteral("Nets"),
                                 QStringLiteral("145.500.000"), 8, 1);
    dialog.show();
    EXPECT_EQ(dialog.FrequencyEdit()->GetFrequency(), 145500000u);
    EXPECT_EQ(dialog.ModeList()->currentText(), "FM");
    dialog.TitleEdit()->setText(QString());
    dialog.OnOK();
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].text, "A title must be entered.");
    EXPECT_EQ(boxes()[0].caption, "Scan Definition");
    dialog.TitleEdit()->setText(QStringLiteral(" Net "));
    dialog.FrequencyEdit()->SetFrequency(0);
    dialog.OnOK();
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_EQ(boxes()[1].text, "A frequency must be entered.");
    dialog.FrequencyEdit()->SetFrequency(145600000);
    dialog.ModeList()->SelectByData(12);
    dialog.OnOK();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetTitle(), "Net");
    EXPECT_EQ(dialog.GetModeText(), "PKT");
    EXPECT_EQ(dialog.GetMode(), 12);
}
