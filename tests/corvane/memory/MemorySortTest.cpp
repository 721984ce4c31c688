// Sorting, duplicate removal and compaction of the manager's lists.
#include "MemoryTestSupport.h"
#include "corvane/memory/MemorySort.h"

#include <gtest/gtest.h>

using namespace memtest;

namespace {
CMemorySortChoice choice(std::array<int, 3> keys, std::array<bool, 3> ascending = {true, true, true})
{
    CMemorySortChoice c;
    c.keys = keys;
    c.ascending = ascending;
    return c;
}

// An archive-sized list of the given entries ("" = no data).
void fill(CRadioMemoryList& list, const QList<std::pair<QString, uint32_t>>& entries)
{
    list.RemoveAll();
    for (const auto& [label, khz] : entries) {
        CMemoryChannel* c = list.AddChannel();
        if (!label.isEmpty())
            makeRecord(*c, label, khz * 1000);
        else
            erase(*c);
    }
}
} // namespace

TEST(MemorySort, KeysDirectionsAndEmptyEntriesLast)
{
    using K = CMemorySortChoice;
    CRadioMemoryList list;
    fill(list, {{"b", 7000}, {"", 0}, {"A", 14000}, {"b", 3500}, {"a", 145500}, {"", 0}});

    // Label ascending (case-insensitive), then RX frequency descending.
    CMemorySort::SortArchive(list, choice({K::KEY_LABEL, K::KEY_RX_FREQUENCY, K::KEY_NONE}, {true, false, true}));
    EXPECT_EQ(describe(list), "a@145500 A@14000 b@7000 b@3500 - -");

    // Descending by label: entries without data still come last.
    CMemorySort::SortArchive(list, choice({K::KEY_LABEL, K::KEY_NONE, K::KEY_NONE}, {false, true, true}));
    EXPECT_EQ(describe(list).right(3), "- -");
    EXPECT_TRUE(describe(list).startsWith("b@"));

    // Every swapped entry is modified; a sorted list stays untouched.
    for (int i = 0; i < list.GetCount(); ++i)
        list.GetAt(i)->SetModified(false);
    CMemorySort::SortArchive(list, choice({K::KEY_RX_FREQUENCY, K::KEY_NONE, K::KEY_NONE}));
    EXPECT_EQ(describe(list), "b@3500 b@7000 A@14000 a@145500 - -");
    EXPECT_FALSE(modifiedIndexes(list).isEmpty());
    for (int i = 0; i < list.GetCount(); ++i)
        list.GetAt(i)->SetModified(false);
    EXPECT_FALSE(CMemorySort::BubbleSort(list, list.GetCount(), choice({K::KEY_RX_FREQUENCY, 0, 0})));
    EXPECT_TRUE(modifiedIndexes(list).isEmpty());
}

TEST(MemorySort, ModeAndTxKeysCompareTheirOwnFields)
{
    using K = CMemorySortChoice;
    CRadioMemoryList list;
    list.RemoveAll();
    makeRecord(*list.AddChannel(), "x", 14000000, 1, 14300000);  // USB, split
    makeRecord(*list.AddChannel(), "y", 14000000, 2, 14100000);  // CW, split
    makeRecord(*list.AddChannel(), "z", 14000000, 0, 14200000);  // LSB, split
    CMemorySort::SortArchive(list, choice({K::KEY_MODE, 0, 0}));
    EXPECT_EQ(list.GetAt(0)->GetModeText(), "CW");
    EXPECT_EQ(list.GetAt(1)->GetModeText(), "LSB");
    EXPECT_EQ(list.GetAt(2)->GetModeText(), "USB");
    CMemorySort::SortArchive(list, choice({K::KEY_TX_FREQUENCY, 0, 0}, {false, true, true}));
    EXPECT_EQ(list.GetAt(0)->GetTxFrequency(), 14300000u);
    EXPECT_EQ(list.GetAt(2)->GetTxFrequency(), 14100000u);
}

TEST(MemorySort, LiveSortLeavesTheScanLimitsInPlace)
{
    using K = CMemorySortChoice;
    CRadioMemoryList live;
    makeRecord(*live.GetChannel(0), "Z", 7000000);
    makeRecord(*live.GetChannel(5), "A", 14000000);
    makeRecord(*live.GetChannel(200), "LOW", 144000000);
    makeRecord(*live.GetChannel(201), "HIGH", 146000000);
    CMemorySort::SortLive(live, choice({K::KEY_LABEL, 0, 0}));
    EXPECT_EQ(describe(live, 3), "A@14000 Z@7000 -");
    EXPECT_EQ(live.GetChannel(200)->GetTag().trimmed(), "LOW");
    EXPECT_EQ(live.GetChannel(201)->GetTag().trimmed(), "HIGH");
    EXPECT_EQ(modifiedIndexes(live).first(), 0);
}

TEST(MemorySort, CompactionKeepsOrderAndTheScanLimits)
{
    CRadioMemoryList live;
    makeRecord(*live.GetChannel(0), "one", 7000000);
    makeRecord(*live.GetChannel(3), "two", 14000000);
    makeRecord(*live.GetChannel(4), "three", 21000000);
    live.GetChannel(4)->SetEmpty(false);  // disabled: still holds data
    makeRecord(*live.GetChannel(150), "four", 28000000);
    makeRecord(*live.GetChannel(201), "HIGH", 146000000);
    CMemoryChannel* limit = live.GetChannel(201);

    CMemorySortChoice c;
    c.bRemoveEmpty = true;
    CMemorySort::SortLive(live, c);
    ASSERT_EQ(live.GetCount(), 202);
    EXPECT_EQ(describe(live, 5), "one@7000 two@14000 three@21000 four@28000 -");
    EXPECT_FALSE(live.GetChannel(2)->IsUsed());
    EXPECT_FALSE(live.GetChannel(4)->IsUsed()) << "the freed channels are empty";
    EXPECT_EQ(live.GetChannel(201), limit) << "the scan limits stay where they are";
    EXPECT_FALSE(live.GetChannel(200)->HasFrequency());
    // Marked from the lowest removed position (channel 2) to the end of the
    // 200 ordinary channels; the limits are not.
    const QList<int> modified = modifiedIndexes(live);
    EXPECT_EQ(modified.first(), 1);
    EXPECT_EQ(modified.last(), 199);
    EXPECT_EQ(modified.size(), 199);

    // Nothing to remove: nothing changes and nothing is marked.
    CRadioMemoryList full;
    for (int i = 0; i < 200; ++i)
        makeRecord(*full.GetChannel(i), QString::number(i), 7000000 + uint32_t(i) * 1000);
    EXPECT_FALSE(CMemorySort::Compact(full));
    EXPECT_TRUE(modifiedIndexes(full).isEmpty());
    EXPECT_EQ(full.GetChannel(7)->GetTag().trimmed(), "7");
}

TEST(MemorySort, DuplicatesKeepTheLowerChannel)
{
    CRadioMemoryList live;
    makeRecord(*live.GetChannel(0), "A", 7000000);
    makeRecord(*live.GetChannel(2), "A", 7000000);
    makeRecord(*live.GetChannel(3), "B", 14000000);
    makeRecord(*live.GetChannel(4), "B", 14000000);
    live.GetChannel(4)->SetEmpty(false);  // disabled twin: not a duplicate
    makeRecord(*live.GetChannel(199), "A", 7000000);
    makeRecord(*live.GetChannel(200), "A", 7000000);
    makeRecord(*live.GetChannel(201), "A", 7000000);
    EXPECT_EQ(CMemorySort::RemoveLiveDuplicates(live), 2);
    EXPECT_TRUE(live.GetChannel(0)->HasFrequency());
    EXPECT_FALSE(live.GetChannel(2)->HasFrequency());
    EXPECT_TRUE(live.GetChannel(2)->IsModified());
    EXPECT_TRUE(live.GetChannel(4)->HasFrequency());
    EXPECT_FALSE(live.GetChannel(199)->HasFrequency());
    EXPECT_TRUE(live.GetChannel(200)->HasFrequency()) << "the scan limits are never touched";
    EXPECT_TRUE(live.GetChannel(201)->HasFrequency());

    CRadioMemoryList archive;
    fill(archive, {{"A", 7000}, {"B", 14000}, {"A", 7000}, {"A", 7000}, {"C", 21000}});
    EXPECT_EQ(CMemorySort::RemoveArchiveDuplicates(archive), 2);
    EXPECT_EQ(describe(archive), "A@7000 B@14000 C@21000");

    CMemorySortChoice c;
    c.bRemoveDuplicates = true;
    fill(archive, {{"B", 14000}, {"A", 7000}, {"B", 14000}});
    CMemorySort::SortArchive(archive, c);
    EXPECT_EQ(describe(archive), "A@7000 B@14000");
}
