#include "core/MemoryChannelList.h"

#include "core/Settings.h"

CMemoryChannel* CMemoryChannelList::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_entries[size_t(nIndex)].get() : nullptr;
}

CMemoryChannel* CMemoryChannelList::Add(std::unique_ptr<CMemoryChannel> pEntry)
{
    m_entries.push_back(std::move(pEntry));
    return m_entries.back().get();
}

CRadioMemoryList::CRadioMemoryList()
{
    const int count = GetSettings().GetMemoryChannelCount();
    for (int i = 0; i < count; ++i)
        Add(std::make_unique<CRadioMemoryChannel>());
}

void CRadioMemoryList::ClearClarifiers()
{
    for (const auto& entry : m_entries)
        if (entry->IsUsed())
            entry->ClearClarifier();
}

void CRadioMemoryList::TuneToMemoryChannel(int nChannel)
{
    if (const CMemoryChannel* channel = GetChannel(nChannel))
        channel->TuneRadio();
}
