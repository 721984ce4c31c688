// The navigator bar on its own in a main window (offscreen): its groups and
// their items, the remembered open group, folders and views, the menus of
// the groups, and the memory and quick-save groups from the application.
#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/QuickSave.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/Settings.h"
#include "corvane/memory/MemoryTreeCtrl.h"
#include "corvane/organisers/BandSetList.h"
#include "corvane/organisers/FavouritesCollection.h"
#include "corvane/organisers/FavouritesTree.h"
#include "corvane/organisers/NavigatorBar.h"
#include "corvane/organisers/Organisers.h"
#include "platform/Prompter.h"
#include "shared/ImageList.h"
#include "shared/Registry.h"
#include "shared/shortcutbar/OXShortcutBar.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

struct ListItem {
    QString text;
    int image;
    intptr_t data;
    bool operator==(const ListItem& o) const { return text == o.text && image == o.image && data == o.data; }
};

void PrintTo(const ListItem& i, std::ostream* os)
{
    *os << i.text.toStdString() << "/" << i.image << "/" << i.data;
}

QList<ListItem> items(const COXSHBListCtrl* list)
{
    QList<ListItem> all;
    for (int i = 0; list && i < list->GetItemCount(); ++i)
        all.append({list->GetItemText(i), list->GetItemImage(i), list->GetItemData(i)});
    return all;
}

class NavigatorBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GetFavourites().RemoveAll();
        GetFavourites().AddOrUpdate("2m\\Simplex", "V40", true, 145500000, 8, "1,0,0,0,0,0");
        GetFavourites().AddOrUpdate("HF", "Net", true, 14200000, 1, "");
        GetBandSets().RemoveAll();
        CNavigatorBar::GetScanServices() = {};
    }
    void TearDown() override
    {
        delete window;
        GetFavourites().RemoveAll();
        GetBandSets().RemoveAll();
        CNavigatorBar::GetScanServices() = {};
        GetSettings().m_bTreeSingleExpand = 0;
    }
    CNavigatorBar* make()
    {
        window = new QMainWindow;
        window->resize(600, 500);
        bar = CNavigatorBar::CreateForMainFrame(window);
        EXPECT_NE(bar, nullptr);
        window->show();
        bar->CreateGroups();
        QApplication::processEvents();
        return bar;
    }
    COXSHBListCtrl* list(SHBGROUPID group) { return bar->GetShortcutBar()->GetGroupListCtrl(group); }

    QMainWindow* window = nullptr;
    CNavigatorBar* bar = nullptr;
};

} // namespace

TEST_F(NavigatorBarTest, FirstStartShowsFavouritesAndTheDefaultViews)
{
    make();
    COXShortcutBar* shb = bar->GetShortcutBar();
    EXPECT_EQ(bar->windowTitle(), "Selection");
    EXPECT_EQ(bar->GetDlgCtrlID(), 123u);
    EXPECT_EQ(window->dockWidgetArea(bar), Qt::LeftDockWidgetArea);
    EXPECT_EQ(shb->GetDlgCtrlID(), 102u);
    ASSERT_EQ(shb->GetGroupCount(), 5);
    QStringList names;
    for (int i = 0; i < 5; ++i)
        names << shb->GetGroupText(shb->FindGroupByOrder(i));
    EXPECT_EQ(names, QStringList({"Favourites", "Bands", "Memories", "Quick Save", "Scanning"}));
    EXPECT_EQ(shb->GetExpandedGroup(), bar->GetFavouritesGroup());
    EXPECT_EQ(shb->GetGroupView(bar->GetBandsGroup()), SHBV_LARGEICONS);
    EXPECT_EQ(shb->GetGroupView(bar->GetQuickSaveGroup()), SHBV_SMALLICONS);
    EXPECT_EQ(shb->GetGroupView(bar->GetScanningGroup()), SHBV_LARGEICONS);
    EXPECT_EQ(shb->GetGroupChildWnd(bar->GetFavouritesGroup()), bar->GetFavouritesTree());
    EXPECT_EQ(shb->GetGroupHeaderHeight(bar->GetBandsGroup()), bar->GetHeaderHeight());
    // Fourteen pictures, each twice.
    EXPECT_EQ(bar->GetSmallImages()->GetImageCount(), 28);
    EXPECT_EQ(bar->GetSmallImages()->GetImageSize(), QSize(20, 16));
    EXPECT_EQ(bar->GetLargeImages()->GetImageSize(), QSize(32, 32));
    EXPECT_EQ(GetNavigatorFavouritesTree(), bar->GetFavouritesTree());

    // The favourites tree: command items first, then the folders.
    CFavouritesTree* tree = bar->GetFavouritesTree();
    QStringList top;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        top << tree->topLevelItem(i)->text(0);
    EXPECT_EQ(top, QStringList({"Manager", "Close folders", "2m", "HF"}));
}

TEST_F(NavigatorBarTest, BandsListTheBuiltInPlansAndTheEnabledSets)
{
    for (int i = 0; i < 3; ++i) {
        CBandSet set;
        set.SetTitle(QStringLiteral("Set %1").arg(i));
        set.SetEnabled(i != 1);
        set.AddBand(1, 7000000, 7100000, "40m");
        GetBandSets().AddCopy(set);
    }
    make();
    EXPECT_EQ(items(list(bar->GetBandsGroup())),
              QList<ListItem>({{"Custom Bands Manager", 12, 0}, {"Country Band Plans", 22, 1}, {"160m - 10m", 14, 2},
                               {"160m - 70cm", 14, 3}, {"VHF - UHF", 14, 4}, {"Shortwave", 14, 5},
                               {"Set 0", 10, 10}, {"Set 2", 10, 12}}));
}

TEST_F(NavigatorBarTest, ScanningListsTheDefaultsAndTheDefinitions)
{
    CNavigatorBar::GetScanServices().definitions = [] {
        return QList<std::pair<QString, int>>{{"Two metre sweep", 0}, {"Club channels", 1}};
    };
    int deleted = -1;
    CNavigatorBar::GetScanServices().deleteDefinition = [&deleted](int n) { deleted = n; };
    make();
    CNavigatorListCtrl* scanning = bar->GetScanningList();
    EXPECT_EQ(scanning->m_nListKind, 2);
    EXPECT_EQ(items(scanning), QList<ListItem>({{"Manager", 12, 2}, {"[Default] Scan Band", 16, 0},
                                                {"[Default] Scan Memory", 18, 1}, {"Two metre sweep", 16, 10},
                                                {"Club channels", 18, 11}}));

    // Right-clicks: "Delete" only on a definition of the operator's.
    bar->GetShortcutBar()->ExpandGroup(bar->GetScanningGroup());
    QApplication::processEvents();
    auto menuAt = [&](int item) {
        QRect r;
        scanning->GetItemRect(item, &r, winapi::LVIR_LABEL);
        QMenu menu;
        SHB_MENUREQUEST request;
        request.pMenu = &menu;
        request.pShortcutBar = bar->GetShortcutBar();
        request.hGroup = bar->GetScanningGroup();
        request.point = scanning->mapToGlobal(r.center());
        SendShbMessage(scanning, SHBMSG_FILLCONTEXTMENU, 0, reinterpret_cast<intptr_t>(&request));
        QStringList t;
        for (QAction* a : menu.actions())
            if (!a->isSeparator())
                t << a->text();
        return t;
    };
    EXPECT_FALSE(menuAt(0).contains("Delete"));
    EXPECT_FALSE(menuAt(1).contains("Delete"));
    EXPECT_TRUE(menuAt(4).contains("Delete"));
    EXPECT_EQ(scanning->GetContextItem(), 4);
    testsupport::prompter().m_answers = {platform::IDYES};
    scanning->OnDelete();
    EXPECT_EQ(testsupport::prompter().m_boxes.last().text, "Relly delete 'Club channels' ?");
    EXPECT_EQ(testsupport::prompter().m_boxes.last().caption, "Delete");
    EXPECT_EQ(deleted, 1);
}

TEST_F(NavigatorBarTest, TheOpenGroupAndTheViewsAreRemembered)
{
    const CRegistry& registry = GetRegistry();
    registry.WriteInt("Control Bar Group", 1);
    registry.WriteInt("Bar - Bands", 2);
    registry.WriteInt("Bar - Quick", 1);
    registry.WriteInt("Bar - Scans", 0);
    make();
    COXShortcutBar* shb = bar->GetShortcutBar();
    EXPECT_EQ(shb->GetExpandedGroup(), bar->GetBandsGroup());
    EXPECT_EQ(shb->GetGroupView(bar->GetBandsGroup()), SHBV_SMALLICONS);
    EXPECT_EQ(shb->GetGroupView(bar->GetQuickSaveGroup()), SHBV_LARGEICONS);
    EXPECT_EQ(shb->GetGroupView(bar->GetScanningGroup()), SHBV_SMALLICONS);

    // Opening a group writes its position.
    bar->SelectQuickSaveGroup();
    EXPECT_TRUE(bar->IsQuickSaveGroupSelected());
    EXPECT_EQ(registry.GetInt("Control Bar Group", -1), 3);
    bar->SelectMemoryGroup();
    EXPECT_EQ(registry.GetInt("Control Bar Group", -1), 2);

    // Folders and views go to the registry with SaveState.
    CFavouritesTree* tree = bar->GetFavouritesTree();
    tree->FindChild(nullptr, "2m")->setExpanded(true);
    tree->FindChild(tree->FindChild(nullptr, "2m"), "Simplex")->setExpanded(true);
    shb->SetGroupView(bar->GetBandsGroup(), SHBV_LARGEICONS);
    bar->SaveState();
    QStringList open;
    registry.GetStringArray("Open Favourite Folders", open);
    EXPECT_EQ(open, QStringList({"2m", "2m\\Simplex"}));
    EXPECT_EQ(registry.GetInt("Bar - Bands", 0), 1);

    // A refill restores what SaveState wrote, not what is open now.
    tree->FindChild(nullptr, "HF")->setExpanded(true);
    bar->FillFavourites();
    tree = bar->GetFavouritesTree();
    EXPECT_TRUE(tree->FindChild(nullptr, "2m")->isExpanded());
    EXPECT_FALSE(tree->FindChild(nullptr, "HF")->isExpanded());
}

TEST_F(NavigatorBarTest, AGroupOutOfRangeOpensFavourites)
{
    for (int value : {5, -1, 99}) {
        GetRegistry().WriteInt("Control Bar Group", value);
        make();
        EXPECT_EQ(bar->GetShortcutBar()->GetExpandedGroup(), bar->GetFavouritesGroup()) << value;
        delete window;
        window = nullptr;
    }
}

TEST_F(NavigatorBarTest, AnEmptyFavouritesGroupHasNoMenu)
{
    GetFavourites().RemoveAll();
    make();
    SHB_NOTIFY notify;
    notify.code = CNavigatorBar::kContextMenu;
    notify.hGroup = bar->GetFavouritesGroup();
    // The command items alone: still a menu to organise with.
    EXPECT_EQ(bar->OnNotify(&notify), 0);
    bar->GetFavouritesTree()->clear();
    EXPECT_EQ(bar->OnNotify(&notify), 1);
    notify.hGroup = bar->GetBandsGroup();
    EXPECT_EQ(bar->OnNotify(&notify), 0);
}

TEST_F(NavigatorBarTest, TreeStyleFollowsTheOption)
{
    make();
    EXPECT_FALSE(bar->GetFavouritesTree()->GetTreeStyle() & CNavigatorBar::kSingleExpand);
    GetSettings().m_bTreeSingleExpand = 1;
    bar->ApplyTreeStyle();
    EXPECT_TRUE(bar->GetFavouritesTree()->GetTreeStyle() & CNavigatorBar::kSingleExpand);
    EXPECT_TRUE(bar->GetMemoryTree()->IsSingleExpand());
    GetSettings().m_bTreeSingleExpand = 0;
    bar->ApplyTreeStyle();
    EXPECT_FALSE(bar->GetFavouritesTree()->GetTreeStyle() & CNavigatorBar::kSingleExpand);
    EXPECT_FALSE(bar->GetMemoryTree()->IsSingleExpand());
}

TEST_F(NavigatorBarTest, MemoriesInFoldersOfTwentyAndTheQuickSaveSlots)
{
    CRadioApp app;
    CRadioMemoryList& memories = app.GetMemoryList();
    for (int i = 0; i < memories.GetCount(); ++i)
        memories.GetChannel(i)->SetEmpty(false);  // not in use
    auto use = [&](int index, uint32_t hz, const QString& label, bool tagOn) {
        CMemoryChannel* c = memories.GetChannel(index);
        c->SetEmpty(true);
        c->SetHasFrequency(true);
        c->SetRxFrequency(hz);
        c->SetTag(label);
        c->SetTagOn(tagOn);
        c->MarkAsStoredRecord();
        c->BuildTexts();
    };
    use(25, 145500000, "S20", true);
    use(27, 7050000, "hidden", false);
    use(200, 144000000, "limit", true);  // a scan limit: not listed
    app.GetQuickSave(0).Save(7050000, 0);
    app.GetQuickSave(9).Save(145500000, 8);
    make();

    CMemoryTreeCtrl* tree = bar->GetMemoryTree();
    QStringList top;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        top << tree->topLevelItem(i)->text(0);
    EXPECT_EQ(top, QStringList({"Manager", "Close folders", "Reload", "B-021 - B-040"}));
    EXPECT_EQ(CMemoryTreeCtrl::GetItemData(tree->topLevelItem(0)), 0u);
    EXPECT_EQ(CMemoryTreeCtrl::GetItemData(tree->topLevelItem(1)), 2u);
    EXPECT_EQ(CMemoryTreeCtrl::GetItemData(tree->topLevelItem(2)), 1u);
    QTreeWidgetItem* folder = tree->topLevelItem(3);
    ASSERT_EQ(folder->childCount(), 2);
    EXPECT_EQ(folder->child(0)->text(0), "B-026: S20");
    EXPECT_EQ(CMemoryTreeCtrl::GetItemData(folder->child(0)), 28u);
    EXPECT_TRUE(folder->child(1)->text(0).startsWith("B-028: Rx+Tx:")) << folder->child(1)->text(0).toStdString();

    const QList<ListItem> quick = items(list(bar->GetQuickSaveGroup()));
    ASSERT_EQ(quick.size(), 3);
    EXPECT_EQ(quick[0], (ListItem{"Toolbar", 24, 0}));
    EXPECT_EQ(quick[1], (ListItem{"(1)   7.050.000 LSB", 6, 1}));
    EXPECT_EQ(quick[2], (ListItem{"(10) 145.500.000 FM", 6, 10}));
}
