// The favourites manager and the merge dialog as real widgets on real
// favourites files: what the final save writes, what Cancel keeps, and the
// tree operations (folders, copy, move, drag and drop, order, sort, edit).
#include "corvane/core/RegisteredMessages.h"
#include "corvane/organisers/BrowseFolderDialog.h"
#include "corvane/organisers/EditFavouriteDialog.h"
#include "corvane/organisers/FavouritesCollection.h"
#include "corvane/organisers/FavouritesTree.h"
#include "corvane/organisers/LoadFavouritesDialog.h"
#include "corvane/organisers/ManageFavouritesDialog.h"
#include "corvane/organisers/Organisers.h"
#include "platform/DataFolder.h"
#include "platform/Prompter.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/LayoutCheck.h"
#include "support/ScriptedPrompter.h"
#include "OrganiserTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using orgtest::whenModal;

namespace {

QString favouritesPath()
{
    return platform::dataFilePath(QStringLiteral("FT-817 Favourites.txt"));
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// (folder, title) of every entry of a favourites file, in file order.
QStringList fileEntries(const QString& path = favouritesPath())
{
    CFavouritesCollection c;
    c.LoadFrom(path);
    QStringList t;
    for (int i = 0; i < c.GetCount(); ++i)
        t << c.GetAt(i)->GetFolder() + "|" + c.GetAt(i)->GetTitle();
    return t;
}

QStringList texts(const CFavouritesTree* tree, QTreeWidgetItem* parent)
{
    QStringList t;
    for (int i = 0; i < tree->ChildCount(parent); ++i)
        t << tree->Child(parent, i)->text(0);
    return t;
}

class ManageFavourites : public ::testing::Test {
protected:
    void SetUp() override
    {
        CFavouritesCollection c;
        c.AddOrUpdate("2m\\Simplex", "V40", true, 145500000, 8, "1,0,0,0,0,0");
        c.AddOrUpdate("2m\\Simplex", "V41", true, 145512500, 8, "1,0,0,0,0,0");
        c.AddOrUpdate("2m\\Repeaters", "RV53", true, 145662500, 8, "");
        c.AddOrUpdate("HF", "Net", true, 14200000, 1, "");
        c.AddOrUpdate("", "Top", true, 7090000, 0, "");
        ASSERT_TRUE(c.Save());
        original = fileBytes(favouritesPath());
        GetFavourites().Load();
    }
    void TearDown() override { GetFavourites().RemoveAll(); }

    std::unique_ptr<CManageFavouritesDialog> open()
    {
        auto dialog = std::make_unique<CManageFavouritesDialog>();
        dialog->resize(510, 440);
        dialog->show();
        QApplication::processEvents();
        return dialog;
    }
    QTreeWidgetItem* item(CManageFavouritesDialog& d, const QString& path)
    {
        QTreeWidgetItem* p = nullptr;
        for (const QString& level : path.split('/')) {
            p = d.Tree()->FindChild(p, level);
            if (!p)
                return nullptr;
        }
        return p;
    }
    void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Ends the in-place editor with a new text.
    void typeLabel(CFavouritesTree* tree, const QString& text)
    {
        QLineEdit* editor = nullptr;
        for (QLineEdit* e : tree->findChildren<QLineEdit*>())
            if (e->isVisible())
                editor = e;
        ASSERT_NE(editor, nullptr);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
    }

    QByteArray original;
};

} // namespace

TEST_F(ManageFavourites, OpensOnTheFileWithDetailsAndButtonStates)
{
    auto d = open();
    EXPECT_EQ(d->windowTitle(), "Manage Favourites");
    EXPECT_EQ(texts(d->Tree(), nullptr), QStringList({"2m", "HF", "Top"}));
    EXPECT_EQ(d->Tree()->GetSelectedItem(), item(*d, "2m"));
    EXPECT_EQ(d->InfoText()->text(), "2m\nA favourites folder.");
    // First child: up disabled; the folder is no favourite: no copy.
    EXPECT_FALSE(d->Button(CManageFavouritesDialog::IDC_UP)->isEnabled());
    EXPECT_TRUE(d->Button(CManageFavouritesDialog::IDC_DOWN)->isEnabled());
    EXPECT_FALSE(d->Button(CManageFavouritesDialog::IDC_COPY)->isEnabled());

    d->Tree()->SelectItem(item(*d, "2m/Simplex/V41"));
    EXPECT_EQ(d->InfoText()->text(), "Title:\tV41\nFreq:\t145.512.500\nMode:\tFM");
    EXPECT_TRUE(d->Button(CManageFavouritesDialog::IDC_UP)->isEnabled());
    EXPECT_FALSE(d->Button(CManageFavouritesDialog::IDC_DOWN)->isEnabled());
    EXPECT_TRUE(d->Button(CManageFavouritesDialog::IDC_COPY)->isEnabled());
    EXPECT_FALSE(d->IsChanged());
}

TEST_F(ManageFavourites, AMissingFileGivesTheDefaultsWrittenAtOnce)
{
    QFile::remove(favouritesPath());
    auto d = open();
    EXPECT_EQ(d->GetPrivateCollection().GetCount(), 73);
    EXPECT_EQ(fileEntries().size(), 73);
    EXPECT_EQ(texts(d->Tree(), nullptr).first(), "160m");
}

TEST_F(ManageFavourites, CancelWithNoKeepsTheFileAndYesSavesTheTree)
{
    {
        auto d = open();
        d->Tree()->SelectItem(item(*d, "Top"));
        testsupport::prompter().m_answers = {platform::IDYES};
        click(d->Button(CManageFavouritesDialog::IDC_DELETE));
        EXPECT_EQ(testsupport::prompter().m_boxes.last().text, "Are you sure you want to delete the entry Top?");
        EXPECT_EQ(testsupport::prompter().m_boxes.last().caption, "Delete");
        EXPECT_EQ(d->windowTitle(), "Manage Favourites *");
        testsupport::prompter().m_answers = {platform::IDNO};
        d->OnCancel();
        EXPECT_EQ(testsupport::prompter().m_boxes.last().text, "You have outstanding changes. Save now?");
        EXPECT_EQ(testsupport::prompter().m_boxes.last().caption, "Manage Favourites *");
        EXPECT_EQ(fileBytes(favouritesPath()), original);
    }
    {
        auto d = open();
        d->Tree()->SelectItem(item(*d, "2m"));
        testsupport::prompter().m_answers = {platform::IDYES, platform::IDYES};
        click(d->Button(CManageFavouritesDialog::IDC_DELETE));
        EXPECT_EQ(testsupport::prompter().m_boxes.last().text,
                  "Are you sure you want to delete the folder 2m and all its contents?");
        d->OnCancel();
        EXPECT_EQ(fileEntries(), QStringList({"HF|Net", "|Top"}));
        // The application's favourites follow the file.
        EXPECT_EQ(GetFavourites().GetCount(), 2);
    }
}

TEST_F(ManageFavourites, DefaultsThenCancelWithNoLeavesTheFileAlone)
{
    auto d = open();
    testsupport::prompter().m_answers = {platform::IDYES, platform::IDNO};
    click(d->Button(CManageFavouritesDialog::IDC_DEFAULTS));
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text,
              "This will replace the current favourites with the default list.\n \nContinue?");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Load Defaults");
    EXPECT_EQ(d->GetPrivateCollection().GetCount(), 73);
    EXPECT_TRUE(d->IsChanged());
    d->OnCancel();
    EXPECT_EQ(fileBytes(favouritesPath()), original);
    EXPECT_EQ(GetFavourites().GetCount(), 5);
}

TEST_F(ManageFavourites, EmptyFoldersAreNotStoredAndSameNamedFoldersMerge)
{
    auto d = open();
    click(d->Button(CManageFavouritesDialog::IDC_CREATE_ROOT));
    typeLabel(d->Tree(), "Empty");
    EXPECT_EQ(texts(d->Tree(), nullptr), QStringList({"2m", "HF", "Top", "Empty"}));
    // Two root folders named alike, each with a favourite.
    click(d->Button(CManageFavouritesDialog::IDC_CREATE_ROOT));
    typeLabel(d->Tree(), "Club");
    click(d->Button(CManageFavouritesDialog::IDC_CREATE_ROOT));
    typeLabel(d->Tree(), "Club");
    QTreeWidgetItem* first = d->Tree()->topLevelItem(4);
    QTreeWidgetItem* second = d->Tree()->topLevelItem(5);
    ASSERT_EQ(first->text(0), "Club");
    ASSERT_EQ(second->text(0), "Club");
    d->MoveItem(first, item(*d, "Top"));
    d->MoveItem(second, item(*d, "HF/Net"));
    click(d->Button(CManageFavouritesDialog::IDC_OK));
    EXPECT_EQ(fileEntries(), QStringList({"2m\\Simplex|V40", "2m\\Simplex|V41", "2m\\Repeaters|RV53", "Club|Top",
                                          "Club|Net"}));
    auto again = open();
    EXPECT_EQ(texts(again->Tree(), nullptr), QStringList({"2m", "Club"}));
    EXPECT_EQ(texts(again->Tree(), item(*again, "Club")), QStringList({"Top", "Net"}));
}

TEST_F(ManageFavourites, CopiesTakeTheNextFreeNumber)
{
    auto d = open();
    d->Tree()->SelectItem(item(*d, "HF/Net"));
    click(d->Button(CManageFavouritesDialog::IDC_COPY));
    EXPECT_EQ(d->Tree()->GetSelectedItem()->text(0), "Net (2)");
    d->Tree()->SelectItem(item(*d, "HF/Net"));
    click(d->Button(CManageFavouritesDialog::IDC_COPY));
    EXPECT_EQ(texts(d->Tree(), item(*d, "HF")), QStringList({"Net", "Net (3)", "Net (2)"}));
    click(d->Button(CManageFavouritesDialog::IDC_OK));
    CFavouritesCollection saved;
    saved.Load();
    ASSERT_EQ(saved.GetCount(), 7);
    const CFavouriteEntry* copy = saved.Find("HF", "Net (3)");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetRxFrequency(), 14200000u);
    EXPECT_EQ(copy->GetMode(), 1);
}

TEST_F(ManageFavourites, MovingIntoItselfIsRefusedAndFolderMovesKeepTheirContents)
{
    auto d = open();
    d->MoveItem(item(*d, "2m/Simplex"), item(*d, "2m"));
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, "Sorry, this is not allowed.");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Error");
    EXPECT_FALSE(d->IsChanged());

    item(*d, "2m")->setExpanded(true);
    item(*d, "2m/Simplex")->setExpanded(true);
    d->MoveItem(item(*d, "HF"), item(*d, "2m"));
    EXPECT_EQ(texts(d->Tree(), nullptr), QStringList({"HF", "Top"}));
    EXPECT_EQ(texts(d->Tree(), item(*d, "HF/2m")), QStringList({"Simplex", "Repeaters"}));
    EXPECT_TRUE(item(*d, "HF/2m")->isExpanded());
    EXPECT_TRUE(item(*d, "HF/2m/Simplex")->isExpanded());

    // Move to Folder through Browse for Folder: the top level.
    d->Tree()->SelectItem(item(*d, "HF/2m/Simplex/V40"));
    whenModal<CBrowseFolderDialog>([](CBrowseFolderDialog* b) {
        b->Tree()->SelectItem(b->Tree()->topLevelItem(0));
        b->OnOK();
    });
    click(d->Button(CManageFavouritesDialog::IDC_MOVE));
    EXPECT_EQ(texts(d->Tree(), nullptr), QStringList({"HF", "Top", "V40"}));
    click(d->Button(CManageFavouritesDialog::IDC_OK));
    EXPECT_EQ(fileEntries(), QStringList({"HF|Net", "HF\\2m\\Simplex|V41", "HF\\2m\\Repeaters|RV53", "|Top", "|V40"}));
}

TEST_F(ManageFavourites, DragAndDropOntoFoldersOnly)
{
    auto d = open();
    CFavouritesTree* tree = d->Tree();
    auto centre = [tree](QTreeWidgetItem* it) { return tree->visualItemRect(it).center(); };

    // A favourite dropped onto a favourite: nothing.
    d->BeginDrag(item(*d, "Top"), centre(item(*d, "Top")));
    d->DragMove(centre(item(*d, "Top")));
    d->DragDrop();
    EXPECT_FALSE(d->IsDragging());
    EXPECT_FALSE(d->IsChanged());

    // A folder onto its own sub-folder: refused.
    item(*d, "2m")->setExpanded(true);
    d->BeginDrag(item(*d, "2m"), centre(item(*d, "2m")));
    d->DragMove(centre(item(*d, "2m/Repeaters")));
    EXPECT_EQ(d->GetDropTarget(), item(*d, "2m/Repeaters"));
    d->DragDrop();
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, "Sorry, this is not allowed.");

    // With the mouse: the favourite "Top" pressed, dragged and released over "HF".
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, centre(item(*d, "Top")));
    QMouseEvent move(QEvent::MouseMove, QPointF(centre(item(*d, "HF"))), tree->viewport()->mapToGlobal(QPointF(centre(item(*d, "HF")))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &move);
    EXPECT_TRUE(d->IsDragging());
    EXPECT_EQ(d->GetDropTarget(), item(*d, "HF"));
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, centre(item(*d, "HF")));
    EXPECT_FALSE(d->IsDragging());
    EXPECT_EQ(texts(tree, item(*d, "HF")), QStringList({"Net", "Top"}));
    EXPECT_TRUE(d->IsChanged());

    // Esc ends a drag without a move.
    d->BeginDrag(item(*d, "HF/Top"), centre(item(*d, "HF")));
    d->DragMove(centre(item(*d, "2m")));
    QTest::keyClick(tree, Qt::Key_Escape);
    EXPECT_FALSE(d->IsDragging());
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(texts(tree, item(*d, "HF")), QStringList({"Net", "Top"}));
}

TEST_F(ManageFavourites, HoveringOverAFolderOpensIt)
{
    auto d = open();
    CFavouritesTree* tree = d->Tree();
    d->BeginDrag(item(*d, "Top"), tree->visualItemRect(item(*d, "Top")).center());
    d->DragMove(tree->visualItemRect(item(*d, "HF")).center());
    EXPECT_FALSE(item(*d, "HF")->isExpanded());
    d->OnHoverTimer();
    EXPECT_TRUE(item(*d, "HF")->isExpanded());
    d->CancelDrag();
}

TEST_F(ManageFavourites, UpDownAndSortReachTheFile)
{
    auto d = open();
    d->Tree()->SelectItem(item(*d, "Top"));
    EXPECT_FALSE(d->Button(CManageFavouritesDialog::IDC_DOWN)->isEnabled());
    click(d->Button(CManageFavouritesDialog::IDC_UP));
    click(d->Button(CManageFavouritesDialog::IDC_UP));
    EXPECT_EQ(texts(d->Tree(), nullptr), QStringList({"Top", "2m", "HF"}));
    EXPECT_FALSE(d->Button(CManageFavouritesDialog::IDC_UP)->isEnabled());
    d->Tree()->SelectItem(item(*d, "2m/Simplex/V40"));
    click(d->Button(CManageFavouritesDialog::IDC_DOWN));
    EXPECT_EQ(texts(d->Tree(), item(*d, "2m/Simplex")), QStringList({"V41", "V40"}));
    // The entries keep their own data through the moves.
    EXPECT_EQ(CFavouritesTree::GetItemData(item(*d, "2m/Simplex/V40")), 0);
    click(d->Button(CManageFavouritesDialog::IDC_OK));
    EXPECT_EQ(fileEntries(), QStringList({"|Top", "2m\\Simplex|V41", "2m\\Simplex|V40", "2m\\Repeaters|RV53",
                                          "HF|Net"}));

    auto sorted = open();
    testsupport::prompter().m_answers = {platform::IDYES};
    click(sorted->Button(CManageFavouritesDialog::IDC_SORT));
    EXPECT_EQ(testsupport::prompter().m_boxes.last().caption, "Sort List");
    click(sorted->Button(CManageFavouritesDialog::IDC_OK));
    EXPECT_EQ(fileEntries(), QStringList({"|Top", "2m\\Simplex|V40", "2m\\Simplex|V41", "2m\\Repeaters|RV53",
                                          "HF|Net"}));
}

TEST_F(ManageFavourites, EditingFavouritesAndFolderNames)
{
    auto d = open();
    d->Tree()->SelectItem(item(*d, "HF/Net"));
    whenModal<CEditFavouriteDialog>([](CEditFavouriteDialog* e) {
        e->TitleEdit()->setText("Evening net");
        e->OnOK();
    });
    click(d->Button(CManageFavouritesDialog::IDC_EDIT));
    EXPECT_NE(item(*d, "HF/Evening net"), nullptr);
    EXPECT_TRUE(d->IsChanged());

    // In place: a favourite may not take a title in use in any folder.
    d->Tree()->SelectItem(item(*d, "Top"));
    d->Tree()->EditLabel(item(*d, "Top"));
    typeLabel(d->Tree(), "V41");
    ASSERT_FALSE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(testsupport::prompter().m_boxes.last().text, "The name \"V41\" is in use.");
    EXPECT_EQ(testsupport::prompter().m_boxes.last().caption, "Edit Name");
    EXPECT_NE(item(*d, "Top"), nullptr);
    QApplication::processEvents();  // editing starts again
    typeLabel(d->Tree(), "Top band");
    EXPECT_NE(item(*d, "Top band"), nullptr);

    // Folders are renamed without a check; an empty name keeps the old one.
    d->Tree()->SelectItem(item(*d, "2m"));
    click(d->Button(CManageFavouritesDialog::IDC_EDIT));
    typeLabel(d->Tree(), "");
    EXPECT_NE(item(*d, "2m"), nullptr);
    d->Tree()->EditLabel(item(*d, "2m"));
    typeLabel(d->Tree(), "VHF");
    click(d->Button(CManageFavouritesDialog::IDC_OK));
    EXPECT_EQ(fileEntries(), QStringList({"VHF\\Simplex|V40", "VHF\\Simplex|V41", "VHF\\Repeaters|RV53",
                                          "HF|Evening net", "|Top band"}));
}

TEST_F(ManageFavourites, RenamingAFolderPathInTheCollection)
{
    auto d = open();
    d->RenameFolder("2m", "VHF", -1);
    EXPECT_EQ(texts(d->Tree(), nullptr), QStringList({"VHF", "HF", "Top"}));
    EXPECT_EQ(texts(d->Tree(), item(*d, "VHF")), QStringList({"Simplex", "Repeaters"}));
    d->RenameFolder("HF", "Short wave", 3);
    EXPECT_EQ(texts(d->Tree(), nullptr), QStringList({"VHF", "Short wave", "Top"}));
    EXPECT_TRUE(d->IsChanged());
}

TEST_F(ManageFavourites, SaveAndLoadOtherFiles)
{
    auto d = open();
    const QString other = platform::dataFilePath("other favourites.txt");
    d->Tree()->SelectItem(item(*d, "Top"));
    click(d->Button(CManageFavouritesDialog::IDC_UP));
    testsupport::prompter().m_files = {other};
    click(d->Button(CManageFavouritesDialog::IDC_SAVE));
    EXPECT_EQ(testsupport::prompter().m_chooserCaptions.last(), "Save Favourite Definitions");
    EXPECT_EQ(fileEntries(other).first(), "2m\\Simplex|V40");
    EXPECT_EQ(fileEntries(other).size(), 5);
    EXPECT_TRUE(fileBytes(other).endsWith("#@filetype=4"));
    EXPECT_TRUE(d->IsChanged());

    CFavouritesCollection small;
    small.AddOrUpdate("Air", "Tower", true, 118100000, 4, "");
    small.SaveAs(other);
    testsupport::prompter().m_answers = {platform::IDYES};
    testsupport::prompter().m_files = {other};
    click(d->Button(CManageFavouritesDialog::IDC_LOAD));
    EXPECT_EQ(testsupport::prompter().m_boxes.last().caption, "Load Favourites");
    EXPECT_EQ(testsupport::prompter().m_chooserCaptions.last(), "Load Favourite Definitions");
    EXPECT_EQ(texts(d->Tree(), nullptr), QStringList({"Air"}));
}

TEST_F(ManageFavourites, AFileThatIsNoFavouritesFileIsRefusedAndChangesNothing)
{
    const QString junk = platform::dataFilePath("notes.txt");
    {
        QFile f(junk);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Shopping list\r\n0\r\n-@- milk\r\n");
    }
    const QString bands = platform::dataFilePath("bands.txt");
    {
        // A definitions file of another kind: its records are not favourites.
        QFile f(bands);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#\r\n100 20m\r\n101 14000000\r\n-@-\r\n#\r\n####\r\n#@filetype=6");
    }
    auto d = open();
    const QStringList before = texts(d->Tree(), nullptr);
    for (const QString& path : {junk, bands}) {
        SCOPED_TRACE(path.toStdString());
        testsupport::prompter().m_boxes.clear();
        testsupport::prompter().m_answers = {platform::IDYES};
        testsupport::prompter().m_files = {path};
        click(d->Button(CManageFavouritesDialog::IDC_LOAD));
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), 2);
        EXPECT_EQ(testsupport::prompter().m_boxes[1].text,
                  QDir::toNativeSeparators(path) + " is not a favourites file.\n \nNothing was loaded.");
        EXPECT_EQ(testsupport::prompter().m_boxes[1].caption, "Load Favourites");
        EXPECT_EQ(testsupport::prompter().m_boxes[1].style & 0xF0, platform::MB_ICONERROR);
        EXPECT_EQ(texts(d->Tree(), nullptr), before);
        EXPECT_FALSE(d->IsChanged()) << "nothing to save";
    }

    // Merging from it: the same message, and the merge window does not open on it.
    CFavouritesCollection target;
    target.Load();
    const int count = target.GetCount();
    CLoadFavouritesDialog merge(nullptr, &target);
    testsupport::prompter().m_boxes.clear();
    testsupport::prompter().m_files = {junk};
    EXPECT_EQ(merge.DoModal(), platform::IDCANCEL);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Merge Favourites");
    EXPECT_FALSE(merge.IsAdded());
    EXPECT_EQ(target.GetCount(), count);
    EXPECT_EQ(fileBytes(favouritesPath()), original);

    // A favourites file without its closing lines, as made by hand, is still one.
    const QString hand = platform::dataFilePath("hand.txt");
    {
        QFile f(hand);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#\r\n117 Air\r\n118 Tower\r\n115 118100000\r\n111 4\r\n-@-");
    }
    testsupport::prompter().m_boxes.clear();
    testsupport::prompter().m_answers = {platform::IDYES};
    testsupport::prompter().m_files = {hand};
    click(d->Button(CManageFavouritesDialog::IDC_LOAD));
    EXPECT_EQ(testsupport::prompter().m_boxes.size(), 1) << "only the question";
    EXPECT_EQ(texts(d->Tree(), nullptr), QStringList({"Air"}));
}

// ---------------------------------------------------------------- merge

TEST_F(ManageFavourites, MergeAddsSelectedRowsAndReportsTheRest)
{
    const QString other = platform::dataFilePath("merge.txt");
    CFavouritesCollection source;
    source.AddOrUpdate("HF", "Net", true, 14250000, 0, "");
    source.AddOrUpdate("Air", "Tower", true, 118100000, 4, "");
    source.AddOrUpdate("Air", "Ground", true, 121900000, 4, "");
    source.SaveAs(other);

    CFavouritesCollection target;
    target.Load();
    CLoadFavouritesDialog dialog(nullptr, &target);
    testsupport::prompter().m_files = {other};
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Merge Favourites: 3");
    EXPECT_FALSE(dialog.AddButton()->isEnabled());
    dialog.List()->SelectAll();
    EXPECT_TRUE(dialog.AddButton()->isEnabled());

    click(dialog.AddButton());
    EXPECT_EQ(testsupport::prompter().m_boxes.last().text,
              "Added 2 definitions.\n\n1 definitions not added - entries already exist with the same Folder / "
              "Title.\n\nCheck the 'Overwrite' option to overwrite existing entries.");
    EXPECT_EQ(testsupport::prompter().m_boxes.last().caption, "Load");
    EXPECT_EQ(testsupport::prompter().m_boxes.last().style & 0xF0, platform::MB_ICONERROR);
    EXPECT_TRUE(dialog.IsAdded());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(target.GetCount(), 7);
    EXPECT_EQ(target.Find("Air", "Tower")->GetRxFrequency(), 118100000u);
    EXPECT_EQ(target.Find("HF", "Net")->GetRxFrequency(), 14200000u);

    click(dialog.AddButton());
    EXPECT_TRUE(testsupport::prompter().m_boxes.last().text.startsWith("Added 0 definitions.\n\n3 definitions"));

    dialog.OverwriteBox()->setChecked(true);
    click(dialog.AddButton());
    EXPECT_EQ(testsupport::prompter().m_boxes.last().text, "Added 3 definitions.");
    EXPECT_EQ(testsupport::prompter().m_boxes.last().style & 0xF0, platform::MB_ICONINFORMATION);
    EXPECT_EQ(target.GetCount(), 7);
    EXPECT_EQ(target.Find("HF", "Net")->GetRxFrequency(), 14250000u);
    EXPECT_EQ(target.Find("HF", "Net")->GetMode(), 0);
}

TEST_F(ManageFavourites, MergeClosesWhenNoFileIsChosen)
{
    CFavouritesCollection target;
    CLoadFavouritesDialog dialog(nullptr, &target);
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
    EXPECT_FALSE(dialog.IsAdded());
    EXPECT_EQ(testsupport::prompter().m_chooserCaptions, QStringList({"Load Favourite Definitions"}));
}

TEST_F(ManageFavourites, MergeFromTheManager)
{
    const QString other = platform::dataFilePath("merge.txt");
    CFavouritesCollection source;
    source.AddOrUpdate("Air", "Tower", true, 118100000, 4, "");
    source.SaveAs(other);
    auto d = open();
    testsupport::prompter().m_answers = {platform::IDYES};
    testsupport::prompter().m_files = {other};
    whenModal<CLoadFavouritesDialog>([](CLoadFavouritesDialog* m) {
        m->List()->SelectAll();
        m->OnOK();
        m->OnCancel();
    });
    click(d->Button(CManageFavouritesDialog::IDC_MERGE));
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Merge Favourites");
    EXPECT_EQ(texts(d->Tree(), nullptr), QStringList({"2m", "HF", "Top", "Air"}));
    EXPECT_TRUE(d->IsChanged());
}

// Every button shows its caption or its picture, and nothing clips, at the
// default font and one point larger.
TEST_F(ManageFavourites, ButtonsAreLabelledAndNothingClips)
{
    for (bool larger : {false, true}) {
        auto check = [] {
            auto d = std::make_unique<CManageFavouritesDialog>();
            d->show();
            QApplication::processEvents();
            for (unsigned id : {CManageFavouritesDialog::IDC_DEFAULTS, CManageFavouritesDialog::IDC_LOAD,
                                CManageFavouritesDialog::IDC_MERGE, CManageFavouritesDialog::IDC_SAVE,
                                CManageFavouritesDialog::IDC_CREATE_ROOT, CManageFavouritesDialog::IDC_SORT}) {
                auto* button = qobject_cast<COXBitmapButton*>(d->Button(id));
                ASSERT_NE(button, nullptr);
                EXPECT_FALSE(button->GetButtonText().isEmpty()) << id;
            }
            const QStringList problems = testsupport::layoutProblems(d.get());
            EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
        };
        if (larger)
            testsupport::withLargerFont(check);
        else
            check();
    }
}
