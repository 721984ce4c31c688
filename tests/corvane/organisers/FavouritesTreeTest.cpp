// The favourites tree as a real widget (offscreen): folder paths, clicks
// reported with the registered message, the visible-favourites map, the
// command items, folder memory and copies for the dialogs.
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/organisers/FavouritesCollection.h"
#include "corvane/organisers/FavouritesTree.h"
#include "shared/RegisteredEvent.h"
#include "shared/shortcutbar/ShortcutBarTypes.h"
#include "OrganiserTestSupport.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using orgtest::Receiver;

QStringList texts(const CFavouritesTree& tree, QTreeWidgetItem* parent = nullptr)
{
    QStringList t;
    for (int i = 0; i < tree.ChildCount(parent); ++i)
        t << tree.Child(parent, i)->text(0);
    return t;
}

class FavouritesTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        favourites.AddOrUpdate("2m\\Simplex", "V40", true, 145500000, 8, "1,0,0,0,0,0");     // 0
        favourites.AddOrUpdate("2m\\Simplex", "V41", true, 145512500, 8, "1,0,0,0,0,0");     // 1
        favourites.AddOrUpdate("2m\\Repeaters", "RV53", true, 145662500, 8, "");             // 2
        favourites.AddOrUpdate("2m\\Switzerland", "North", true, 145662500, 8, "1,600000,22,0,1,1");  // 3
        favourites.AddOrUpdate("", "Top", true, 7090000, 0, "");                             // 4
        favourites.AddOrUpdate("HF", "Net", true, 14200000, 1, "");                          // 5
        tree.SetCollection(&favourites);
        for (int i = 0; i < favourites.GetCount(); ++i) {
            const CFavouriteEntry* e = favourites.GetEntry(i);
            tree.AddItemPath(e->GetFolder(), e->GetTitle(), i, CFavouritesTree::INSERT_LAST);
        }
        tree.resize(300, 600);
        tree.show();
        QApplication::processEvents();
    }
    void TearDown() override { GetSettings().m_bTreeSingleExpand = 0; }

    QTreeWidgetItem* item(const QString& path)
    {
        QTreeWidgetItem* parent = nullptr;
        for (const QString& level : path.split('/')) {
            parent = tree.FindChild(parent, level);
            if (!parent)
                return nullptr;
        }
        return parent;
    }
    void click(QTreeWidgetItem* it)
    {
        tree.scrollToItem(it);
        QApplication::processEvents();
        const QRect r = tree.visualItemRect(it);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }

    CFavouritesCollection favourites;
    CFavouritesTree tree;
    Receiver receiver;
};

} // namespace

TEST_F(FavouritesTreeTest, FolderPathsBecomeItemsOnce)
{
    EXPECT_EQ(texts(tree), QStringList({"2m", "Top", "HF"}));
    QTreeWidgetItem* twoMetre = item("2m");
    ASSERT_NE(twoMetre, nullptr);
    EXPECT_EQ(texts(tree, twoMetre), QStringList({"Simplex", "Repeaters", "Switzerland"}));
    EXPECT_EQ(texts(tree, item("2m/Simplex")), QStringList({"V40", "V41"}));
    EXPECT_EQ(CFavouritesTree::GetItemImage(twoMetre), CFavouritesTree::IMAGE_FOLDER);
    EXPECT_EQ(CFavouritesTree::GetItemData(twoMetre), -1);
    EXPECT_EQ(CFavouritesTree::GetItemImage(item("Top")), CFavouritesTree::IMAGE_FAVOURITE);
    EXPECT_EQ(CFavouritesTree::GetItemData(item("2m/Simplex/V41")), 1);
    EXPECT_EQ(CFavouritesTree::ParentPath(item("2m/Simplex/V41")), "2m\\Simplex");
    EXPECT_EQ(CFavouritesTree::FullPath(item("2m/Simplex")), "2m\\Simplex");
    EXPECT_EQ(CFavouritesTree::FullPath(item("2m")), "2m");

    // The same title in the same folder: one item, the first data stays.
    QTreeWidgetItem* same = tree.AddItemPath("2m\\Simplex", "V40", 77, CFavouritesTree::INSERT_LAST);
    EXPECT_EQ(same, item("2m/Simplex/V40"));
    EXPECT_EQ(CFavouritesTree::GetItemData(same), 0);
    EXPECT_EQ(texts(tree, item("2m/Simplex")).size(), 2);

    // Sorted insertion ignores letter case; an empty level is a level.
    tree.AddItemPath("2m\\Simplex", "a first", 9, CFavouritesTree::INSERT_SORTED);
    tree.AddItemPath("2m\\Simplex", "V405", 10, CFavouritesTree::INSERT_SORTED);
    tree.AddItemPath("2m\\Simplex", "zz", 11, CFavouritesTree::INSERT_SORTED);
    EXPECT_EQ(texts(tree, item("2m/Simplex")), QStringList({"a first", "V40", "V405", "V41", "zz"}));
    tree.AddItemPath("A\\\\B", "x", 12, CFavouritesTree::INSERT_LAST);
    EXPECT_EQ(texts(tree, item("A")), QStringList({""}));
    EXPECT_EQ(CFavouritesTree::ParentPath(tree.FindChild(tree.FindChild(item("A"), ""), "B")->child(0)), "A\\\\B");
}

TEST_F(FavouritesTreeTest, ClicksOnFavouritesPostTheEntry)
{
    item("2m")->setExpanded(true);
    item("2m/Simplex")->setExpanded(true);
    // No message set: nothing is reported.
    tree.SetNotifyWindow(&receiver);
    click(item("Top"));
    EXPECT_TRUE(receiver.messages.isEmpty());

    tree.SetNotifyMessage(RegisteredMessage::nMsgFavourite);
    click(item("2m/Simplex/V41"));
    ASSERT_EQ(receiver.messages.size(), 1);
    EXPECT_EQ(receiver.messages[0].message, RegisteredMessage::nMsgFavourite);
    EXPECT_EQ(receiver.messages[0].wParam, 0u);
    EXPECT_EQ(receiver.messages[0].lParam, intptr_t(favourites.GetEntry(1)));

    // A folder with children and an empty folder report nothing.
    click(item("2m"));
    QTreeWidgetItem* empty = tree.FindOrAddFolder(nullptr, "Empty");
    click(empty);
    EXPECT_EQ(receiver.messages.size(), 1);

    // A favourite no longer in the collection posts nothing.
    favourites.Remove("", "Top");
    click(item("Top"));
    EXPECT_EQ(receiver.messages.size(), 1);

    // Memory-channel items report their channel.
    tree.InsertItem("5: Rx:7.050.00", CFavouritesTree::IMAGE_MEMORY, 4, nullptr);
    click(tree.FindChild(nullptr, "5: Rx:7.050.00"));
    ASSERT_EQ(receiver.messages.size(), 2);
    EXPECT_EQ(receiver.messages[1].wParam, 1u);
    EXPECT_EQ(receiver.messages[1].lParam, 4);
}

TEST_F(FavouritesTreeTest, SelectionReportingWhenAskedFor)
{
    tree.SetNotifyWindow(&receiver);
    tree.SetNotifyMessage(RegisteredMessage::nMsgFavourite);
    tree.SetSelectOnChange(true);
    tree.SelectItem(item("HF"));
    QApplication::processEvents();
    EXPECT_TRUE(receiver.messages.isEmpty());
    tree.SetReportFolders(true);
    tree.SelectItem(item("2m"));
    tree.SelectItem(item("Top"));
    QApplication::processEvents();
    ASSERT_EQ(receiver.messages.size(), 2);
    EXPECT_EQ(receiver.messages[0].wParam, 2u);
    EXPECT_EQ(receiver.messages[1].wParam, 0u);
    EXPECT_EQ(receiver.messages[1].lParam, intptr_t(favourites.GetEntry(4)));
}

TEST_F(FavouritesTreeTest, VisibleMapFollowsTheOpenFolders)
{
    tree.RebuildVisibleMap();
    QString title;
    EXPECT_TRUE(tree.LookupFrequency(7090000, title));
    EXPECT_EQ(title, "Top");
    EXPECT_FALSE(tree.LookupFrequency(145662500, title));

    item("2m")->setExpanded(true);
    item("2m/Repeaters")->setExpanded(true);
    item("2m/Switzerland")->setExpanded(true);
    EXPECT_EQ(CFavouritesTree::GetItemImage(item("2m/Repeaters")), CFavouritesTree::IMAGE_OPEN_FOLDER);
    ASSERT_TRUE(tree.LookupFrequency(145662500, title));
    EXPECT_EQ(title, "North");  // the lower of the two wins
    item("2m/Switzerland")->setExpanded(false);
    EXPECT_EQ(CFavouritesTree::GetItemImage(item("2m/Switzerland")), CFavouritesTree::IMAGE_FOLDER);
    ASSERT_TRUE(tree.LookupFrequency(145662500, title));
    EXPECT_EQ(title, "RV53");
    // A folder scrolled out of view still counts: only open ancestors matter.
    item("2m")->setExpanded(false);
    EXPECT_FALSE(tree.LookupFrequency(145662500, title));
}

TEST_F(FavouritesTreeTest, CloseFoldersAndTheRememberedOpenFolders)
{
    tree.AddCommandItems();
    tree.AddCommandItems();
    EXPECT_EQ(texts(tree), QStringList({"Manager", "Close folders", "2m", "Top", "HF"}));

    item("2m")->setExpanded(true);
    item("2m/Simplex")->setExpanded(true);
    item("HF")->setExpanded(true);
    QStringList open;
    tree.GetExpandedFolders(open);
    EXPECT_EQ(open, QStringList({"2m", "2m\\Simplex", "HF"}));

    tree.SetNotifyMessage(RegisteredMessage::nMsgFavourite);
    tree.SetNotifyWindow(&receiver);
    click(tree.FindChild(nullptr, "Close folders"));
    EXPECT_FALSE(item("2m")->isExpanded());
    EXPECT_FALSE(item("HF")->isExpanded());
    // The folder inside the closed one was not reached: it stays open.
    EXPECT_TRUE(item("2m/Simplex")->isExpanded());
    EXPECT_EQ(CFavouritesTree::GetItemImage(item("2m/Simplex")), CFavouritesTree::IMAGE_OPEN_FOLDER);
    EXPECT_EQ(tree.GetSelectedItem(), tree.FindChild(nullptr, "Close folders"));
    EXPECT_TRUE(receiver.messages.isEmpty());
    tree.GetExpandedFolders(open);
    EXPECT_TRUE(open.isEmpty());
    item("2m")->setExpanded(true);
    tree.GetExpandedFolders(open);
    EXPECT_EQ(open, QStringList({"2m", "2m\\Simplex"}));

    // Restoring: a nested path whose parent is not listed stays closed.
    CFavouritesTree other;
    other.SetCollection(&favourites);
    for (int i = 0; i < favourites.GetCount(); ++i)
        other.AddItemPath(favourites.GetEntry(i)->GetFolder(), favourites.GetEntry(i)->GetTitle(), i,
                          CFavouritesTree::INSERT_LAST);
    other.ExpandFolders({"2m\\Repeaters", "HF"});
    EXPECT_FALSE(other.FindChild(nullptr, "2m")->isExpanded());
    EXPECT_FALSE(other.FindChild(other.FindChild(nullptr, "2m"), "Repeaters")->isExpanded());
    EXPECT_TRUE(other.FindChild(nullptr, "HF")->isExpanded());
    other.ExpandFolders({"2m", "2m\\Repeaters"});
    EXPECT_TRUE(other.FindChild(other.FindChild(nullptr, "2m"), "Repeaters")->isExpanded());
}

TEST_F(FavouritesTreeTest, SingleExpandSelectsInsteadOfExpanding)
{
    GetSettings().m_bTreeSingleExpand = 1;
    tree.ModifyTreeStyle(0, CFavouritesTree::TVS_SINGLEEXPAND);
    tree.ExpandFolders({"2m", "2m\\Repeaters"});
    EXPECT_TRUE(item("2m")->isExpanded());
    EXPECT_TRUE(item("2m/Repeaters")->isExpanded());
    EXPECT_EQ(tree.GetSelectedItem(), item("2m/Repeaters"));
    // Selecting elsewhere closes the branch left behind.
    tree.SelectItem(item("HF"));
    EXPECT_FALSE(item("2m")->isExpanded());
    EXPECT_TRUE(item("HF")->isExpanded());
}

TEST_F(FavouritesTreeTest, CopiesForTheDialogs)
{
    tree.AddCommandItems();
    item("2m")->setExpanded(true);
    CFavouritesTree folders;
    folders.CopyFrom(tree, false, true);
    ASSERT_EQ(folders.topLevelItemCount(), 1);
    QTreeWidgetItem* root = folders.topLevelItem(0);
    EXPECT_EQ(root->text(0), "Favourites");
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(folders.GetSelectedItem(), root);
    EXPECT_EQ(texts(folders, root), QStringList({"2m", "HF"}));
    QTreeWidgetItem* twoMetre = folders.FindChild(root, "2m");
    EXPECT_TRUE(twoMetre->isExpanded());
    EXPECT_EQ(texts(folders, twoMetre), QStringList({"Simplex", "Repeaters", "Switzerland"}));
    EXPECT_EQ(folders.FindChild(twoMetre, "Simplex")->childCount(), 0);
    EXPECT_TRUE(folders.GetTreeStyle() & CFavouritesTree::TVS_HASBUTTONS);

    CFavouritesTree all;
    all.CopyFrom(tree, true, false);
    // "Manager" is never copied; "Close folders" is with copy-all.
    EXPECT_EQ(texts(all), QStringList({"Close folders", "2m", "Top", "HF"}));
    EXPECT_EQ(CFavouritesTree::GetItemData(all.FindChild(all.FindChild(all.FindChild(nullptr, "2m"), "Simplex"), "V41")),
              1);
}

TEST_F(FavouritesTreeTest, ContextMenuOffersOnlyOrganise)
{
    QMenu menu;
    menu.addAction("Large Icons");
    menu.addAction("Small Icons");
    SHB_MENUREQUEST request;
    request.pMenu = &menu;
    SendShbMessage(&tree, SHBMSG_FILLCONTEXTMENU, 0, reinterpret_cast<intptr_t>(&request));
    ASSERT_EQ(menu.actions().size(), 1);
    EXPECT_EQ(menu.actions()[0]->text(), "Organise");
    EXPECT_EQ(menu.actions()[0]->data().toUInt(), CFavouritesTree::ID_ORGANISE);
}
