#pragma once
#include "core/CatLink.h"
#include "core/MemoryChannel.h"

#include <memory>
#include <vector>

// An owning list of memory records.
class CMemoryChannelList {
public:
    CMemoryChannelList() = default;
    virtual ~CMemoryChannelList() = default;
    CMemoryChannelList(const CMemoryChannelList&) = delete;
    CMemoryChannelList& operator=(const CMemoryChannelList&) = delete;

    int GetCount() const { return int(m_entries.size()); }
    CMemoryChannel* GetAt(int nIndex) const;
    CMemoryChannel* Add(std::unique_ptr<CMemoryChannel> pEntry);
    void RemoveAll() { m_entries.clear(); }

protected:
    std::vector<std::unique_ptr<CMemoryChannel>> m_entries;
};

// The radio's memory channels in channel order, one record per channel
// (the settings' channel count).
class CRadioMemoryList : public CMemoryChannelList, public CMemoryListHooks {
public:
    CRadioMemoryList();
    ~CRadioMemoryList() override = default;

    CMemoryChannel* GetChannel(int nIndex) const { return GetAt(nIndex); }
    // Switches the clarifier off in every used channel, in the cache and on
    // the radio.
    void ClearClarifiers() override;
    void TuneToMemoryChannel(int nChannel) override;
};
