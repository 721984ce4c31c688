// The small favourite dialogs as real widgets: Add Favourite on the FT-817
// simulator (frequency and mode read from the radio), Create New Folder,
// Edit, Repeater, Browse for Folder and the Favourites window.
#include "corvane/core/CatLink.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/frontpanel/RadioStatus.h"
#include "corvane/organisers/AddFavouriteDialog.h"
#include "corvane/organisers/BrowseFolderDialog.h"
#include "corvane/organisers/CreateFolderDialog.h"
#include "corvane/organisers/EditFavouriteDialog.h"
#include "corvane/organisers/FavouritesCollection.h"
#include "corvane/organisers/FavouritesDialog.h"
#include "corvane/organisers/FavouritesTree.h"
#include "corvane/organisers/CustomBandsManagerDialog.h"
#include "corvane/organisers/ManageFavouritesDialog.h"
#include "corvane/organisers/Organisers.h"
#include "corvane/organisers/RepeaterDialog.h"
#include "platform/Prompter.h"
#include "platform/Sleeper.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/OwnComboBox.h"
#include "support/LayoutCheck.h"
#include "support/ScriptedPrompter.h"
#include "support/Simulator.h"
#include "OrganiserTestSupport.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using orgtest::whenModal;

namespace {

// The navigator's tree as the dialogs copy it.
class NavigatorTree {
public:
    NavigatorTree()
    {
        GetFavourites().RemoveAll();
        GetFavourites().AddOrUpdate("2m\\Simplex", "V40", true, 145500000, 8, "1,0,0,0,0,0");
        GetFavourites().AddOrUpdate("2m\\Repeaters", "RV53", true, 145662500, 8, "");
        GetFavourites().AddOrUpdate("HF", "Net", true, 14200000, 1, "");
        GetFavourites().AddOrUpdate("", "Top", true, 7090000, 0, "");
        for (int i = 0; i < GetFavourites().GetCount(); ++i)
            tree.AddItemPath(GetFavourites().GetEntry(i)->GetFolder(), GetFavourites().GetEntry(i)->GetTitle(), i,
                             CFavouritesTree::INSERT_LAST);
        tree.AddCommandItems();
        SetNavigatorFavouritesTree(&tree);
    }
    ~NavigatorTree()
    {
        SetNavigatorFavouritesTree(nullptr);
        GetFavourites().RemoveAll();
    }
    CFavouritesTree tree;
};

QStringList childTexts(const CFavouritesTree* tree, QTreeWidgetItem* parent)
{
    QStringList t;
    for (int i = 0; i < tree->ChildCount(parent); ++i)
        t << tree->Child(parent, i)->text(0);
    return t;
}

} // namespace

TEST(CreateFolderDialog, RefusesBlankNamesAndBackslashes)
{
    CCreateFolderDialog dialog;
    dialog.show();
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    QTest::keyClicks(dialog.FolderEdit(), "   ");
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    dialog.FolderEdit()->clear();
    QTest::keyClicks(dialog.FolderEdit(), "a\\b");
    ASSERT_TRUE(dialog.OkButton()->isEnabled());
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, "A folder name cannot contain '\\'.");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Create New Folder");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].style & 0xF0, platform::MB_ICONERROR);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);

    dialog.FolderEdit()->setText(" Local  ");
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_EQ(dialog.GetFolderName(), " Local");
}

// ---------------------------------------------------------------- Add Favourite

namespace {
class AddFavourite : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Sleeper::setInstance(&sleeper);
        sim = std::make_unique<testsupport::Simulator>();
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        QString error;
        ASSERT_TRUE(link.Open(sim->portPath(), QStringLiteral("38400"), error)) << error.toStdString();
        link.SetFrequencyInMode(145662500, 8);
        // Record bytes: minus shift, tone squelch, CTCSS 8, DCS 3, 600 kHz.
        status.m_current[0] = 0x40;
        status.m_current[3] = 0x02;
        status.m_current[4] = 0x08;
        status.m_current[5] = 0x03;
        status.m_currentExtra[1] = 0x00;
        status.m_currentExtra[2] = 0xEA;
        status.m_currentExtra[3] = 0x60;
    }
    void TearDown() override
    {
        link.Close();
        platform::Sleeper::setInstance(nullptr);
    }

    platform::FakeSleeper sleeper;
    std::unique_ptr<testsupport::Simulator> sim;
    CCatLink link;
    CRadioStatus status;
    NavigatorTree navigator;
};
} // namespace

TEST_F(AddFavourite, OpensOnTheRadiosSettingAndTheRememberedFolder)
{
    CAddFavouriteDialog dialog(nullptr, "2m\\Nowhere", status, &link);
    dialog.show();
    EXPECT_EQ(dialog.FrequencyEdit()->GetFrequency(), 145662500u);
    EXPECT_EQ(dialog.ModeList()->GetSelectedText(), "FM");
    EXPECT_TRUE(dialog.EnableBox()->isChecked());
    EXPECT_EQ(dialog.GetCtcss(), 8);
    EXPECT_EQ(dialog.GetDcs(), 3);
    EXPECT_EQ(dialog.GetOffsetDirection(), 1);
    EXPECT_EQ(dialog.GetShift(), 600000u);
    EXPECT_EQ(dialog.GetToneMode(), 2);

    // Folders only, under the root; the existing first level is selected.
    CFavouritesTree* tree = dialog.Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), "Favourites");
    EXPECT_EQ(childTexts(tree, root), QStringList({"2m", "HF"}));
    EXPECT_EQ(tree->GetSelectedItem(), tree->FindChild(root, "2m"));

    // Blanks only keep OK disabled.
    dialog.TitleEdit()->setText("   ");
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    dialog.TitleEdit()->setText("Local net  ");
    EXPECT_TRUE(dialog.OkButton()->isEnabled());
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_EQ(dialog.GetFolder(), "2m");
    EXPECT_EQ(dialog.GetTitle(), "Local net");
    EXPECT_EQ(dialog.GetFrequency(), 145662500u);
    EXPECT_EQ(dialog.GetMode(), 8);
    EXPECT_EQ(dialog.GetRepeaterSettings(), "1,600000,8,3,1,2");
}

TEST_F(AddFavourite, RootMeansTopLevelAndAFailedReadGivesZero)
{
    link.Close();
    CRadioStatus plain;
    CAddFavouriteDialog dialog(nullptr, QString(), plain, &link);
    dialog.show();
    EXPECT_EQ(dialog.FrequencyEdit()->GetFrequency(), 0u);
    EXPECT_EQ(dialog.ModeList()->GetSelectedText(), "LSB");
    EXPECT_FALSE(dialog.EnableBox()->isChecked());
    dialog.TitleEdit()->setText("Anywhere");
    // A favourite of 0 Hz would tune nowhere: refused, as the Edit dialog
    // refuses it, and the dialog stays with what was typed.
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, "The frequency cannot be 0.");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Add Favourite");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].style & 0xF0, platform::MB_ICONERROR);
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.TitleEdit()->text(), "Anywhere");
    // An emptied field is the same as 0.
    dialog.FrequencyEdit()->SetInputText(QString(), 0, true);
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(testsupport::prompter().m_boxes.size(), 2);
    EXPECT_EQ(dialog.result(), 0);

    // One the radio cannot receive: refused, naming the radio's limits.
    dialog.FrequencyEdit()->SetFrequency(999000000);
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 3);
    EXPECT_EQ(testsupport::prompter().m_boxes[2].text, "The FT-817 cannot receive 999.000.00 MHz.\n \nIt receives 0.1-56, 76-154 and 420-470 MHz.");
    EXPECT_EQ(testsupport::prompter().m_boxes[2].caption, "Add Favourite");
    EXPECT_EQ(testsupport::prompter().m_boxes[2].style & 0xF0, platform::MB_ICONERROR);
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_TRUE(dialog.isVisible());

    dialog.FrequencyEdit()->SetFrequency(3650000);
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_EQ(dialog.GetFolder(), "");
    EXPECT_EQ(dialog.GetFrequency(), 3650000u);
    EXPECT_EQ(dialog.GetRepeaterSettings(), "0,0,0,0,0,0");
}

TEST_F(AddFavourite, AnExistingEntryIsOverwrittenOnlyOnYes)
{
    CAddFavouriteDialog dialog(nullptr, "HF", status, &link);
    dialog.show();
    dialog.TitleEdit()->setText("Net");
    testsupport::prompter().m_answers = {platform::IDNO};
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text,
              "An entry with this name already exists on your favourites menu.\nDo you want to overwrite it?");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Add Favourite");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].style, platform::MB_YESNO | platform::MB_ICONQUESTION);
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.TitleEdit()->text(), "Net");

    testsupport::prompter().m_answers = {platform::IDYES};
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_EQ(dialog.GetFolder(), "HF");
}

TEST_F(AddFavourite, NewFolderLivesInTheDialogsTree)
{
    CAddFavouriteDialog dialog(nullptr, "HF", status, &link);
    dialog.show();
    whenModal<CCreateFolderDialog>([](CCreateFolderDialog* d) {
        d->FolderEdit()->setText("Contest");
        d->OnOK();
    });
    dialog.OnNewFolder();
    CFavouritesTree* tree = dialog.Tree();
    QTreeWidgetItem* hf = tree->FindChild(tree->topLevelItem(0), "HF");
    QTreeWidgetItem* contest = tree->FindChild(hf, "Contest");
    ASSERT_NE(contest, nullptr);
    EXPECT_EQ(tree->GetSelectedItem(), contest);
    EXPECT_TRUE(hf->isExpanded());
    // The navigator's own tree does not get it.
    EXPECT_EQ(navigator.tree.FindChild(navigator.tree.FindChild(nullptr, "HF"), "Contest"), nullptr);

    // A second folder of that name is the same folder.
    tree->SelectItem(hf);
    whenModal<CCreateFolderDialog>([](CCreateFolderDialog* d) {
        d->FolderEdit()->setText("Contest");
        d->OnOK();
    });
    dialog.OnNewFolder();
    EXPECT_EQ(childTexts(tree, hf), QStringList({"Contest"}));

    dialog.TitleEdit()->setText("CQ WW");
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.GetFolder(), "HF\\Contest");
}

TEST_F(AddFavourite, RepeaterValuesFromTheRepeaterDialogLeaveEnableAlone)
{
    CAddFavouriteDialog dialog(nullptr, "HF", status, &link);
    dialog.show();
    dialog.EnableBox()->setChecked(false);
    whenModal<CRepeaterDialog>([](CRepeaterDialog* d) {
        EXPECT_EQ(d->CtcssList()->currentRow(), 8);
        EXPECT_EQ(d->DcsList()->currentRow(), 3);
        d->CtcssList()->setCurrentRow(22);
        d->ShiftGroup()->button(2)->setChecked(true);
        d->ToneGroup()->button(1)->setChecked(true);
        d->OnOK();
    });
    dialog.OnEditRepeater();
    EXPECT_FALSE(dialog.EnableBox()->isChecked());
    dialog.TitleEdit()->setText("Rep");
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.GetRepeaterSettings(), "0,600000,22,3,2,1");
}

// ---------------------------------------------------------------- Repeater

TEST(RepeaterDialog, FromAFavouriteAndBackUnchanged)
{
    CFavouriteEntry entry;
    entry.SetRepeaterSettings("1,600000,8,0,1,2");
    CRepeaterDialog dialog(nullptr, entry);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Repeater");
    EXPECT_EQ(dialog.OffsetEdit()->GetFrequency(), 600000u);
    EXPECT_EQ(dialog.CtcssList()->count(), 50);
    EXPECT_EQ(dialog.DcsList()->count(), 104);
    EXPECT_EQ(dialog.CtcssList()->currentItem()->text(), "88.5");
    EXPECT_EQ(dialog.DcsList()->currentItem()->text(), "023");
    EXPECT_EQ(dialog.ShiftGroup()->checkedId(), 1);
    EXPECT_EQ(dialog.ToneGroup()->checkedId(), 2);
    dialog.OnOK();
    EXPECT_EQ(dialog.GetSettingsText(1), "1,600000,8,0,1,2");
    EXPECT_EQ(dialog.GetSettingsText(0), "0,600000,8,0,1,2");
}

TEST(RepeaterDialog, StandardOffsetsFillTheEdit)
{
    CFavouriteEntry entry;
    CRepeaterDialog dialog(nullptr, entry);
    dialog.show();
    COwnComboBox* list = dialog.StandardOffsets();
    ASSERT_EQ(list->count(), 8);
    EXPECT_EQ(list->GetSelectedText(), "Select...");
    list->setCurrentIndex(6);
    dialog.OnStandardOffset();
    EXPECT_EQ(dialog.OffsetEdit()->GetFrequency(), 7600000u);
    EXPECT_EQ(list->GetSelectedText(), "Select...");
    dialog.OnOK();
    EXPECT_EQ(dialog.GetOffset(), 7600000u);
    EXPECT_EQ(dialog.GetSettingsText(1), "1,7600000,0,0,0,0");
}

// ---------------------------------------------------------------- Edit

TEST(EditFavouriteDialog, RefusesEmptyTitlesTitlesInUseAndZeroFrequencies)
{
    CFavouriteEntry entry;
    entry.SetTitle("Net");
    entry.SetRxFrequency(14200000);
    entry.SetMode(1);
    CEditFavouriteDialog dialog(nullptr, &entry, {"Net", "Other", "Top"});
    dialog.show();
    EXPECT_EQ(dialog.TitleEdit()->text(), "Net");
    EXPECT_EQ(dialog.FrequencyEdit()->GetFrequency(), 14200000u);
    EXPECT_EQ(dialog.ModeList()->GetSelectedText(), "USB");
    EXPECT_FALSE(dialog.EnableBox()->isChecked());

    struct Case {
        const char* title;
        uint32_t hz;
        const char* refusal;
    } cases[] = {
        {"   ", 14200000, "The title cannot be empty."},
        {"Other", 14200000, "This title is in use by another definition."},
        {" Net ", 0, "The frequency cannot be 0."},
        // Frequencies the radio would ignore.
        {" Net ", 999000000, "The FT-817 cannot receive 999.000.00 MHz.\n \nIt receives 0.1-56, 76-154 and 420-470 MHz."},
        {" Net ", 154500000, "The FT-817 cannot receive 154.500.00 MHz.\n \nIt receives 0.1-56, 76-154 and 420-470 MHz."},
    };
    for (const Case& c : cases) {
        testsupport::prompter().clear();
        dialog.TitleEdit()->setText(c.title);
        dialog.FrequencyEdit()->SetFrequency(c.hz);
        dialog.OnOK();
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1) << c.title;
        EXPECT_EQ(testsupport::prompter().m_boxes[0].text, c.refusal)
            << testsupport::prompter().m_boxes[0].text.toStdString();
        EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Edit");
        EXPECT_EQ(dialog.result(), 0);
    }
    // Keeping the starting title is allowed.
    testsupport::prompter().clear();
    dialog.TitleEdit()->setText(" Net ");
    dialog.FrequencyEdit()->SetFrequency(14250000);
    dialog.ModeList()->SelectByData(2);
    dialog.OnOK();
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_EQ(dialog.GetTitle(), "Net");
    EXPECT_EQ(dialog.GetFrequency(), 14250000u);
    EXPECT_EQ(dialog.GetMode(), 2);
}

TEST(EditFavouriteDialog, EnableAndTheRepeaterSettings)
{
    CFavouriteEntry entry;
    entry.SetTitle("Rep");
    entry.SetRxFrequency(145600000);
    CEditFavouriteDialog dialog(nullptr, &entry, {});
    dialog.show();
    QTest::mouseClick(dialog.EnableBox(), Qt::LeftButton);
    EXPECT_EQ(dialog.GetSettings(), "1");
    QTest::mouseClick(dialog.EnableBox(), Qt::LeftButton);
    EXPECT_EQ(dialog.GetSettings(), "0");
    QTest::mouseClick(dialog.EnableBox(), Qt::LeftButton);

    // The repeater dialog's text goes into the entry at once.
    whenModal<CRepeaterDialog>([](CRepeaterDialog* d) {
        d->ShiftGroup()->button(1)->setChecked(true);
        d->OffsetEdit()->SetInputText("0060000", 0, true);  // seven digits of 10 Hz
        d->OnOK();
    });
    dialog.OnEditRepeater();
    EXPECT_EQ(dialog.GetSettings(), "1,600000,0,0,1,0");
    EXPECT_EQ(entry.GetRepeaterSettings(), "1,600000,0,0,1,0");
    dialog.reject();
    EXPECT_EQ(entry.GetRepeaterSettings(), "1,600000,0,0,1,0");
}

// ---------------------------------------------------------------- folders

TEST(BrowseFolderDialog, GivesThePathBelowTheRoot)
{
    NavigatorTree navigator;
    navigator.tree.FindOrAddFolder(navigator.tree.FindChild(nullptr, "2m"), "Empty");
    for (const char* pick : {"2m/Simplex", "", "HF"}) {
        CBrowseFolderDialog dialog(nullptr, navigator.tree);
        dialog.show();
        CFavouritesTree* tree = dialog.Tree();
        QTreeWidgetItem* item = tree->topLevelItem(0);
        EXPECT_EQ(childTexts(tree, tree->FindChild(item, "2m")), QStringList({"Simplex", "Repeaters", "Empty"}));
        for (const QString& level : QString(pick).split('/', Qt::SkipEmptyParts))
            item = tree->FindChild(item, level);
        ASSERT_NE(item, nullptr) << pick;
        tree->SelectItem(item);
        dialog.OnOK();
        EXPECT_EQ(dialog.GetFolderPath(), QString(pick).replace('/', '\\'));
    }
}

TEST(FavouritesDialog, CopiesEverythingAndReportsToItsOwner)
{
    NavigatorTree navigator;
    QWidget owner;
    owner.setGeometry(50, 100, 400, 300);
    owner.show();
    CFavouritesDialog dialog(&owner, RegisteredMessage::nMsgFavourite);
    dialog.show();
    CFavouritesTree* tree = dialog.Tree();
    EXPECT_EQ(childTexts(tree, nullptr), QStringList({"Close folders", "2m", "HF", "Top"}));
    EXPECT_EQ(tree->GetNotifyWindow(), &owner);
    EXPECT_EQ(tree->GetNotifyMessage(), RegisteredMessage::nMsgFavourite);
    // The owner made room on the left.
    EXPECT_GE(owner.frameGeometry().left(), dialog.frameGeometry().width());
    EXPECT_EQ(dialog.frameGeometry().right() + 1, owner.frameGeometry().left());
}

// The repeater box holds Enable and Edit apart, and nothing clips, at the
// default font and one point larger.
TEST_F(AddFavourite, NothingClipsOrOverlaps)
{
    auto check = [this] {
        CAddFavouriteDialog dialog(nullptr, "HF", status, &link);
        dialog.show();
        QApplication::processEvents();
        const QStringList problems = testsupport::layoutProblems(&dialog);
        EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
    };
    check();
    testsupport::withLargerFont(check);
}

// Under a real display with CORVANE_SCREENSHOT_DIR set, the favourite and band
// dialogs are photographed into docs/:
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1400x1000x24'
//   build/tests/corvane_organisers_tests --gtest_filter='AddFavourite.Screenshots'
TEST_F(AddFavourite, Screenshots)
{
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (dir.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "screenshots are taken under a real display only";
    auto photograph = [&dir](QWidget& w, const char* name) {
        w.show();
        QTest::qWait(600);
        QCoreApplication::processEvents();
        const QRect frame = w.frameGeometry();
        const QPixmap shot = w.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        EXPECT_TRUE(shot.save(dir + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png")));
    };
    {
        CAddFavouriteDialog dialog(nullptr, "HF", status, &link);
        dialog.TitleEdit()->setText("Net");
        photograph(dialog, "corvane-add-favourite");
    }
    {
        CManageFavouritesDialog manager;
        photograph(manager, "corvane-favourites-manager");
    }
    {
        CCustomBandsManagerDialog bands(nullptr, GetBandSets());
        photograph(bands, "corvane-custom-bands-manager");
    }
}
