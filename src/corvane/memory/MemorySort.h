#pragma once
// Sorting and tidying the memory manager's lists: up to three keys with a
// direction each, duplicate removal, and compaction of the radio's channels.
// Entries with data always come before entries without.
#include <array>

class CMemoryChannel;
class CMemoryChannelList;
class CRadioMemoryList;

struct CMemorySortChoice {
    enum Key { KEY_NONE = 0, KEY_LABEL = 1, KEY_RX_FREQUENCY = 2, KEY_TX_FREQUENCY = 3, KEY_MODE = 4 };
    std::array<int, 3> keys = {KEY_LABEL, KEY_RX_FREQUENCY, KEY_MODE};
    std::array<bool, 3> ascending = {true, true, true};
    bool bRemoveDuplicates = false;
    bool bRemoveEmpty = false;
};

class CMemorySort {
public:
    // Below 0: A before B; above 0: B before A.
    static int Compare(const CMemoryChannel& a, const CMemoryChannel& b, const CMemorySortChoice& choice);
    // Bubble sort of the first nCount entries; every swapped entry is marked
    // modified. FALSE when nothing moved.
    static bool BubbleSort(CMemoryChannelList& list, int nCount, const CMemorySortChoice& choice);

    // The radio's channels (the two scan limits at the end stay in place):
    // duplicates removed first when chosen, then the sort; or, with "remove
    // empty", the compaction instead.
    static void SortLive(CRadioMemoryList& live, const CMemorySortChoice& choice);
    // The archive: duplicates first when chosen, then the sort of all.
    static void SortArchive(CRadioMemoryList& archive, const CMemorySortChoice& choice);

    // Channels with data move towards channel 1 in their order; the freed
    // channels at the end are empty and modified; the scan limits stay.
    // FALSE when there was nothing to remove (then nothing is marked).
    static bool Compact(CRadioMemoryList& live);

    // Live list: from the third last channel down to channel 2, a channel
    // whose record equals one below it is erased (channels without data on
    // both sides are not compared). Returns the number removed.
    static int RemoveLiveDuplicates(CRadioMemoryList& live);
    // Archive: an entry equal to one before it is deleted.
    static int RemoveArchiveDuplicates(CRadioMemoryList& archive);
    // Erased: no bytes, not in use, no data, modified.
    static void EraseEntry(CMemoryChannel& entry);
};
