#include "corvane/memory/MemorySort.h"

#include "corvane/core/MemoryChannelList.h"

namespace {
int sign(int n) { return n < 0 ? -1 : n > 0 ? 1 : 0; }

int compareNumbers(uint32_t a, uint32_t b) { return a < b ? -1 : a > b ? 1 : 0; }
} // namespace

int CMemorySort::Compare(const CMemoryChannel& a, const CMemoryChannel& b, const CMemorySortChoice& choice)
{
    if (a.HasFrequency() && !b.HasFrequency())
        return -1;
    if (b.HasFrequency() && !a.HasFrequency())
        return 1;
    int result = 0;
    for (size_t k = 0; k < choice.keys.size() && result == 0; ++k) {
        switch (choice.keys[k]) {
        case CMemorySortChoice::KEY_LABEL:
            result = sign(a.GetTag().compare(b.GetTag(), Qt::CaseInsensitive));
            break;
        case CMemorySortChoice::KEY_RX_FREQUENCY:
            result = compareNumbers(a.GetRxFrequency(), b.GetRxFrequency());
            break;
        case CMemorySortChoice::KEY_TX_FREQUENCY:
            result = compareNumbers(a.GetTxFrequency(), b.GetTxFrequency());
            break;
        case CMemorySortChoice::KEY_MODE:
            result = sign(a.GetModeText().compare(b.GetModeText(), Qt::CaseInsensitive));
            break;
        default:
            break;
        }
        if (!choice.ascending[k])
            result = -result;
    }
    return result;
}

bool CMemorySort::BubbleSort(CMemoryChannelList& list, int nCount, const CMemorySortChoice& choice)
{
    if (nCount > list.GetCount())
        nCount = list.GetCount();
    if (nCount < 2)
        return false;
    bool moved = false;
    for (int last = nCount - 1; last >= 0; --last) {
        for (int j = 1; j <= last; ++j) {
            if (Compare(*list.GetAt(j - 1), *list.GetAt(j), choice) > 0) {
                list.Swap(j - 1, j);
                list.GetAt(j - 1)->SetModified(true);
                list.GetAt(j)->SetModified(true);
                moved = true;
            }
        }
    }
    return moved;
}

void CMemorySort::EraseEntry(CMemoryChannel& entry)
{
    entry.Clear();
    entry.SetEmpty(false);
    entry.SetHasFrequency(false);
    entry.SetModified(true);
}

int CMemorySort::RemoveLiveDuplicates(CRadioMemoryList& live)
{
    int removed = 0;
    for (int i = live.GetCount() - 3; i >= 1; --i) {
        CMemoryChannel& entry = *live.GetChannel(i);
        for (int j = 0; j < i; ++j) {
            const CMemoryChannel& below = *live.GetChannel(j);
            if (!entry.HasFrequency() && !below.HasFrequency())
                continue;
            if (entry.IsSameRaw(below)) {
                EraseEntry(entry);
                ++removed;
                break;
            }
        }
    }
    return removed;
}

int CMemorySort::RemoveArchiveDuplicates(CRadioMemoryList& archive)
{
    int removed = 0;
    for (int i = archive.GetCount() - 1; i >= 1; --i) {
        for (int j = 0; j < i; ++j) {
            if (archive.GetChannel(i)->IsSameRaw(*archive.GetChannel(j))) {
                archive.RemoveAt(i);
                ++removed;
                break;
            }
        }
    }
    return removed;
}

bool CMemorySort::Compact(CRadioMemoryList& live)
{
    if (live.GetCount() < 2)
        return false;
    std::unique_ptr<CMemoryChannel> upper = live.TakeAt(live.GetCount() - 1);
    std::unique_ptr<CMemoryChannel> lower = live.TakeAt(live.GetCount() - 1);
    const int count = live.GetCount();
    int lowest = -1;
    for (int i = count - 1; i >= 0; --i) {
        if (!live.GetChannel(i)->HasFrequency()) {
            live.RemoveAt(i);
            lowest = i;
        }
    }
    if (lowest >= 0)
        for (int i = lowest; i < live.GetCount(); ++i)
            live.GetChannel(i)->SetModified(true);
    while (live.GetCount() < count)
        EraseEntry(*live.AddChannel());
    live.InsertAt(live.GetCount(), std::move(lower));
    live.InsertAt(live.GetCount(), std::move(upper));
    return lowest >= 0;
}

void CMemorySort::SortLive(CRadioMemoryList& live, const CMemorySortChoice& choice)
{
    if (choice.bRemoveEmpty) {
        Compact(live);
        return;
    }
    if (choice.bRemoveDuplicates)
        RemoveLiveDuplicates(live);
    BubbleSort(live, live.GetCount() - 2, choice);
}

void CMemorySort::SortArchive(CRadioMemoryList& archive, const CMemorySortChoice& choice)
{
    if (choice.bRemoveDuplicates)
        RemoveArchiveDuplicates(archive);
    if (archive.GetCount() > 1)
        BubbleSort(archive, archive.GetCount(), choice);
}
