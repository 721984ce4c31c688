// The memory manager's list commands without a window: targets, refusals,
// channel 1's rules, moves, files and the archive.
#include "MemoryTestSupport.h"
#include "corvane/memory/MemoryManagerModel.h"

#include <gtest/gtest.h>

using namespace memtest;
using M = CMemoryManagerModel;

namespace {
class ManagerModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeRecord(*model.Live().GetChannel(0), "ONE", 7000000);
        makeRecord(*model.Live().GetChannel(1), "TWO", 14000000);
        makeRecord(*model.Live().GetChannel(2), "THREE", 21000000);
        model.Live().GetChannel(2)->SetEmpty(false);  // disabled
        for (int i = 3; i < model.Live().GetCount(); ++i)
            erase(*model.Live().GetChannel(i));
        model.Archive().RemoveAll();
        model.SetLiveRead(true);
    }
    M model;
};
} // namespace

TEST_F(ManagerModel, RowsShowImagesMarkersAndModes)
{
    EXPECT_EQ(model.LiveImage(0), 0);
    EXPECT_EQ(model.LiveImage(2), 2);
    EXPECT_EQ(model.LiveImage(3), 4);
    EXPECT_EQ(model.LiveChannelText(0), " A-001");
    model.Live().GetChannel(20)->SetModified(true);
    EXPECT_EQ(model.LiveChannelText(20), "*  B-021");
    EXPECT_EQ(model.LiveChannelText(200), "M-PL");
    EXPECT_EQ(model.LiveChannelText(201), "M-PU");

    CMemoryChannel split;
    makeRecord(split, "S", 14195000, 1, 14225000);
    EXPECT_EQ(M::ModeColumnText(split), "USB / USB");
    EXPECT_EQ(M::ModeColumnText(*model.Live().GetChannel(0)), "USB");
}

TEST_F(ManagerModel, NewAndCopyFindTheirTargets)
{
    bool select = false;
    EXPECT_EQ(model.FindNewTarget({1}, select), 1) << "a selection is taken whatever it holds";
    EXPECT_FALSE(select);
    EXPECT_EQ(model.FindNewTarget({}, select), 3);
    EXPECT_TRUE(select);
    // Every channel holds data: the first one not in use.
    for (int i = 3; i < model.Live().GetCount(); ++i)
        makeRecord(*model.Live().GetChannel(i), "X", 7000000 + uint32_t(i) * 10);
    EXPECT_EQ(model.FindNewTarget({}, select), 2);
    model.Live().GetChannel(2)->SetEmpty(true);
    EXPECT_EQ(model.FindNewTarget({}, select), -1);

    // Copy from the last channel with free channels only before it wraps round.
    SetUp();
    for (int i = 3; i < model.Live().GetCount(); ++i)
        makeRecord(*model.Live().GetChannel(i), "X", 7000000 + uint32_t(i) * 10);
    erase(*model.Live().GetChannel(1));
    EXPECT_EQ(model.FindCopyTarget(201), 1);
    model.CopyChannel(201, 1);
    EXPECT_TRUE(model.Live().GetChannel(1)->IsSameRaw(*model.Live().GetChannel(201)));
    EXPECT_TRUE(model.Live().GetChannel(1)->IsModified());
    EXPECT_TRUE(model.IsLiveModified());
    EXPECT_EQ(model.FindCopyTarget(201), -1);
}

TEST_F(ManagerModel, ChannelOneCannotBeErasedOrDisabled)
{
    EXPECT_EQ(model.Erase({0, 1}), M::REFUSED_CHANNEL_1_ERASE);
    EXPECT_TRUE(model.HoldsData(0));
    EXPECT_FALSE(model.HoldsData(1));
    EXPECT_FALSE(model.Live().GetChannel(1)->IsUsed());
    EXPECT_TRUE(model.Live().GetChannel(1)->IsModified());
    EXPECT_TRUE(model.IsLiveModified());

    EXPECT_EQ(model.Disable({0, 2}), M::REFUSED_CHANNEL_1_DISABLE);
    EXPECT_TRUE(model.Live().GetChannel(0)->IsUsed());
    EXPECT_EQ(model.Disable({2}), M::REFUSED_NONE);
    EXPECT_TRUE(model.HoldsData(2)) << "a disabled channel keeps its data";

    // Enable takes only channels that hold data.
    model.Enable({1, 2});
    EXPECT_TRUE(model.Live().GetChannel(2)->IsUsed());
    EXPECT_FALSE(model.Live().GetChannel(1)->IsUsed());
}

TEST_F(ManagerModel, MovesKeepChannelOneInUseAndHoldingData)
{
    EXPECT_TRUE(model.CanMoveDown({0})) << "channel 2 holds data";
    EXPECT_TRUE(model.CanMoveUp({1}));
    EXPECT_FALSE(model.CanMoveUp({0}));
    EXPECT_FALSE(model.CanMoveUp({1, 2}));
    EXPECT_FALSE(model.CanMoveDown({201}));
    EXPECT_TRUE(model.CanMoveUp({5})) << "from index 2 on, whatever it holds";

    // The disabled channel 3 moved to the top becomes enabled there.
    model.MoveUp(2);
    model.MoveUp(1);
    EXPECT_EQ(model.Live().GetChannel(0)->GetTag().trimmed(), "THREE");
    EXPECT_TRUE(model.Live().GetChannel(0)->IsUsed());
    EXPECT_EQ(modifiedIndexes(model.Live()), QList<int>({0, 1, 2}));

    erase(*model.Live().GetChannel(1));
    EXPECT_FALSE(model.CanMoveDown({0})) << "nothing with data would arrive at channel 1";
    EXPECT_FALSE(model.CanMoveUp({1}));
    model.MoveDown(2);
    EXPECT_EQ(model.Live().GetChannel(3)->GetTag().trimmed(), "TWO");
}

TEST_F(ManagerModel, LoadingAFileIntoTheLiveList)
{
    CRadioMemoryList file;
    file.RemoveAll();
    makeRecord(*file.AddChannel(), "F1", 3500000);
    erase(*file.AddChannel());
    file.GetAt(1)->SetRawFromText(QString("255").repeated(26));  // an empty channel as the file holds it
    makeRecord(*file.AddChannel(), "F3", 10100000);
    for (int i = 0; i < 3; ++i)
        file.GetAt(i)->SetModified(false);

    makeRecord(*model.Live().GetChannel(50), "OLD", 50100000);
    ASSERT_EQ(model.LoadLiveFrom(file), M::REFUSED_NONE);
    EXPECT_EQ(describe(model.Live(), 4), "F1@3500 - F3@10100 -");
    EXPECT_FALSE(model.HoldsData(50)) << "beyond the file's entries, channels with data are cleared";
    EXPECT_EQ(modifiedIndexes(model.Live()), QList<int>({0, 1, 2, 50}));
    EXPECT_TRUE(model.IsLiveModified());

    // No entries, or records of another form (a favourites file): refused,
    // nothing changes.
    CRadioMemoryList empty;
    empty.RemoveAll();
    EXPECT_EQ(model.LoadLiveFrom(empty), M::REFUSED_NO_ENTRIES);
    CMemoryChannelList favourites;
    favourites.LoadLines({"#", "105 1", "115 7000000", "111 1", "-@-"});
    ASSERT_EQ(favourites.GetCount(), 1);
    EXPECT_EQ(model.LoadLiveFrom(favourites), M::REFUSED_NO_ENTRIES);
    EXPECT_EQ(model.LoadArchiveFrom(favourites), M::REFUSED_NO_ENTRIES);
    EXPECT_EQ(describe(model.Live(), 1), "F1@3500");
}

TEST_F(ManagerModel, ArchiveCopiesBothWays)
{
    EXPECT_EQ(model.CopyToArchive({0, 3, 2}), 2) << "only channels that hold data";
    EXPECT_EQ(describe(model.Archive()), "ONE@7000 THREE@21000");
    EXPECT_TRUE(model.IsArchiveModified());
    EXPECT_FALSE(model.Archive().GetAt(1)->IsUsed()) << "the copy keeps the disabled state";

    // "<" without a live selection fills the channels without data in order.
    model.SetLiveModified(false);
    ASSERT_EQ(model.CopyFromArchive({1, 0}, {}), M::REFUSED_NONE);
    EXPECT_EQ(describe(model.Live(), 5), "ONE@7000 TWO@14000 THREE@21000 THREE@21000 ONE@7000");
    EXPECT_FALSE(model.Live().GetChannel(3)->IsUsed()) << "each target takes the entry's in-use state";
    EXPECT_TRUE(model.Live().GetChannel(4)->IsModified());
    EXPECT_TRUE(model.IsLiveModified());

    // With a selection: the k-th entry into the k-th selected channel.
    ASSERT_EQ(model.CopyFromArchive({0, 1}, {1}), M::REFUSED_NONE);
    EXPECT_EQ(model.Live().GetChannel(1)->GetTag().trimmed(), "ONE");

    for (int i = 0; i < model.Live().GetCount(); ++i)
        if (!model.HoldsData(i))
            makeRecord(*model.Live().GetChannel(i), "X", 7000000);
    EXPECT_EQ(model.CopyFromArchive({0}, {}), M::REFUSED_NO_TARGETS);

    // Erasing from the archive deletes the entries.
    model.SetArchiveModified(false);
    model.EraseArchive({1, 0});
    EXPECT_EQ(model.Archive().GetCount(), 0);
    EXPECT_TRUE(model.IsArchiveModified());
}

TEST_F(ManagerModel, LoadingTheArchiveTakesEntriesWithData)
{
    CRadioMemoryList file;
    file.RemoveAll();
    makeRecord(*file.AddChannel(), "A", 7000000);
    file.AddChannel()->SetRawFromText(QString("255").repeated(26));
    makeRecord(*file.AddChannel(), "B", 14000000);
    makeRecord(*model.Archive().AddChannel(), "OLD", 1800000);
    ASSERT_EQ(model.LoadArchiveFrom(file), M::REFUSED_NONE);
    EXPECT_EQ(describe(model.Archive()), "A@7000 B@14000");

    CRadioMemoryList none;
    none.RemoveAll();
    ASSERT_EQ(model.LoadArchiveFrom(none), M::REFUSED_NONE);
    EXPECT_EQ(model.Archive().GetCount(), 0) << "a file without entries leaves the archive empty";
    EXPECT_TRUE(model.IsArchiveModified());
}

TEST_F(ManagerModel, SaveToMemoryTarget)
{
    bool select = false;
    EXPECT_EQ(model.FindSaveTarget({2}, select), 2);
    EXPECT_FALSE(select);
    EXPECT_EQ(model.FindSaveTarget({}, select), 3);
    EXPECT_TRUE(select);
    for (int i = 3; i < model.Live().GetCount(); ++i)
        makeRecord(*model.Live().GetChannel(i), "X", 7000000);
    EXPECT_EQ(model.FindSaveTarget({}, select), -1);

    M::VfoState state;
    state.bVfoA = false;
    state.nBand = 12;
    EXPECT_EQ(M::SaveToMemoryQuestion(state, 3), "Copy from VFO-B band 2m to channel 4?");
    state.bVfoA = true;
    state.nBand = 14;
    EXPECT_EQ(M::SaveToMemoryQuestion(state, 0), "Copy from VFO-A band Other to channel 1?");
}
