// The navigator's memory tree: open folders kept by path across a rebuild,
// the single-expand style, folder images, and what a click does (the radio
// recalls the channel on the simulator; the command items reach the frame).
#include "MemoryRadioFixture.h"
#include "MemoryTestSupport.h"

#include "corvane/core/MainFrame.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/memory/MemoryTreeCtrl.h"
#include "shared/RegisteredEvent.h"

#include <QTest>

using namespace memtest;
using T = CMemoryTreeCtrl;

namespace {
// Command items, then two folders of channels, as the navigator builds them.
void build(T& tree, const QStringList& folders)
{
    tree.clear();
    tree.InsertItem("Manager", 12, T::DATA_MANAGER);
    tree.InsertItem("Close folders", 26, T::DATA_CLOSE_FOLDERS, nullptr, tree.topLevelItem(0));
    tree.InsertItem("Reload", 20, T::DATA_RELOAD, nullptr, tree.topLevelItem(1));
    int channel = 0;
    for (const QString& folder : folders) {
        QTreeWidgetItem* f = tree.InsertItem(folder, 0, 0, nullptr, tree.topLevelItem(tree.topLevelItemCount() - 1));
        for (int i = 0; i < 2; ++i, ++channel)
            tree.InsertItem(QString::asprintf("A-%03d: x", channel + 1), 8, T::DATA_FIRST_CHANNEL + channel, f);
    }
}

class Owner : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgMemory)) {
            channels << int(m->wParam());
            return true;
        }
        return QObject::event(event);
    }
    QList<int> channels;
};

class Frame : public CMainFrame {
public:
    bool OnCommand(unsigned nId) override
    {
        commands << nId;
        return true;
    }
    QList<unsigned> commands;
};

void click(T& tree, QTreeWidgetItem* item)
{
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
}
} // namespace

TEST(MemoryTree, OpenFoldersSurviveARebuild)
{
    T tree;
    build(tree, {"A-001 - A-020", "B-021 - B-040", "C-041 - C-060"});
    tree.topLevelItem(3)->setExpanded(true);
    tree.topLevelItem(5)->setExpanded(true);
    EXPECT_EQ(T::GetItemImage(tree.topLevelItem(3)), T::kOpenFolderImage);
    QStringList paths;
    tree.GetExpandedPaths(paths);
    EXPECT_EQ(paths, QStringList({"A-001 - A-020", "C-041 - C-060"}));

    // A different channel list with the same folder texts.
    build(tree, {"C-041 - C-060", "A-001 - A-020"});
    tree.ExpandPaths(paths);
    EXPECT_TRUE(tree.topLevelItem(3)->isExpanded());
    EXPECT_TRUE(tree.topLevelItem(4)->isExpanded());
    EXPECT_EQ(T::GetItemImage(tree.topLevelItem(4)), T::kOpenFolderImage);

    tree.topLevelItem(3)->setExpanded(false);
    EXPECT_EQ(T::GetItemImage(tree.topLevelItem(3)), T::kClosedFolderImage);
    EXPECT_EQ(T::PathOf(tree.topLevelItem(4)->child(1)), "A-001 - A-020\\A-004: x");
}

TEST(MemoryTree, SingleExpandOpensOnlyTheSelectedPath)
{
    T tree;
    tree.SetSingleExpand(true);
    build(tree, {"A", "B"});
    tree.topLevelItem(3)->setExpanded(true);
    tree.setCurrentItem(tree.topLevelItem(4));
    EXPECT_TRUE(tree.topLevelItem(4)->isExpanded());
    EXPECT_FALSE(tree.topLevelItem(3)->isExpanded());

    build(tree, {"A", "B"});
    tree.ExpandPaths({"A"});
    EXPECT_TRUE(tree.topLevelItem(3)->isExpanded());
    EXPECT_EQ(tree.currentItem(), tree.topLevelItem(3)) << "opened by selecting it";
}

TEST_F(MemoryRadio, ClicksRecallChannelsOnlyOnceAttached)
{
    start({}, {"0055=80"});
    T tree;
    tree.resize(300, 400);
    build(tree, {"A", "B"});
    tree.show();
    tree.topLevelItem(4)->setExpanded(true);
    QTreeWidgetItem* channel = tree.topLevelItem(4)->child(1);  // channel index 3
    Owner owner;

    click(tree, channel);
    EXPECT_TRUE(newFrames().isEmpty()) << "not attached yet";

    tree.Attach(&owner, RegisteredMessage::nMsgMemory);
    click(tree, tree.topLevelItem(4));
    EXPECT_TRUE(newFrames().isEmpty()) << "a folder is the tree's own business";

    click(tree, channel);
    EXPECT_EQ(sim->eepromByte(0x44F), 3);
    EXPECT_EQ(sim->eepromByte(0x55) & 0x60, 0x40) << "memory mode";
    EXPECT_EQ(owner.channels, QList<int>({3}));
}

TEST_F(MemoryRadio, MemoryTuneIsSwitchedOffBeforeTheRecall)
{
    start({}, {"0055=E0"});
    panel.memoryMode = true;
    panel.memoryTune = true;
    app->SetDisplayView(&panel);
    T tree;
    build(tree, {"A"});
    Owner owner;
    tree.Attach(&owner, RegisteredMessage::nMsgMemory);
    tree.ActOnItem(tree.topLevelItem(3)->child(0));
    EXPECT_EQ(sim->eepromByte(0x55) & 0x20, 0);
    EXPECT_EQ(sim->eepromByte(0x44F), 0);
    EXPECT_EQ(owner.channels, QList<int>({0}));
}

TEST(MemoryTree, CommandItemsReachTheMainFrame)
{
    Frame frame;
    frame.MakeMainFrame();
    T tree;
    build(tree, {"A", "B"});
    Owner owner;
    tree.Attach(&owner, RegisteredMessage::nMsgMemory);
    tree.ActOnItem(tree.topLevelItem(0));
    tree.ActOnItem(tree.topLevelItem(2));
    EXPECT_EQ(frame.commands, QList<unsigned>({32811, 32847}));

    tree.topLevelItem(3)->setExpanded(true);
    tree.topLevelItem(4)->setExpanded(true);
    tree.ActOnItem(tree.topLevelItem(1));  // Close folders
    EXPECT_FALSE(tree.topLevelItem(3)->isExpanded());
    EXPECT_FALSE(tree.topLevelItem(4)->isExpanded());
    EXPECT_EQ(T::GetItemImage(tree.topLevelItem(4)), T::kClosedFolderImage);
    EXPECT_EQ(tree.currentItem(), tree.topLevelItem(1));
    EXPECT_TRUE(owner.channels.isEmpty());
}
