#include "corvane/frontpanel/RadioMemoryAdapter.h"

#include "corvane/core/FieldDecoders.h"
#include "corvane/core/MemoryChannelList.h"
#include "corvane/frontpanel/RadioStatus.h"

#include <QList>

int CRadioMemoryAdapter::GetCount() const
{
    return m_list.GetCount();
}

bool CRadioMemoryAdapter::IsUsed(int nChannel) const
{
    const CMemoryChannel* c = nChannel >= 0 && nChannel < m_list.GetCount() ? m_list.GetChannel(nChannel) : nullptr;
    return c && c->IsUsed();
}

bool CRadioMemoryAdapter::GetTag(int nChannel, QString& strTag) const
{
    if (!IsUsed(nChannel))
        return false;
    const CMemoryChannel* c = m_list.GetChannel(nChannel);
    if (!c->IsTagOn())
        return false;
    strTag = c->GetTag();
    return true;
}

uint64_t CRadioMemoryAdapter::TransmitFrequency(const CMemoryChannel& c)
{
    const int shift = int(c.GetBits(1, 6, 2));
    const uint64_t rx = c.GetRxFrequency();
    if (shift == 3)
        return uint64_t(c.GetWord32(14)) * 10;
    const uint64_t offset = uint64_t(c.GetWord32(14) & 0xFFFFFF) * 10;
    if (shift == 1)
        return rx >= offset ? rx - offset : 0;
    if (shift == 2)
        return rx + offset;
    return rx;
}

uint8_t CRadioMemoryAdapter::TransmitMode(const CMemoryChannel& c)
{
    // A split channel keeps its transmit mode in byte 5, bits 3-5.
    return c.GetBits(1, 6, 2) == 3 ? uint8_t(c.GetBits(5, 3, 3)) : c.GetMode();
}

int CRadioMemoryAdapter::FindChannel(bool bReceiving, uint32_t nHz, uint8_t nCatMode, int nHint)
{
    const QString modeName = CatModeName(nCatMode & 0x0F, QString()).GetText();
    QList<int> matches;
    for (int i = 0; i < m_list.GetCount(); ++i) {
        const CMemoryChannel* c = m_list.GetChannel(i);
        if (!c || !c->IsUsed())
            continue;
        const uint64_t f = bReceiving ? c->GetRxFrequency() : TransmitFrequency(*c);
        const uint8_t mode = bReceiving ? c->GetMode() : TransmitMode(*c);
        if (f == nHz && EepromModeText(mode & 0x07).GetText() == modeName)
            matches << i;
    }
    if (matches.size() == 1)
        return matches.first();
    if (matches.size() > 1)
        return matches.contains(nHint) ? nHint : CRadioStatus::kNoChannel;
    return nHint;
}

void CRadioMemoryAdapter::UpdateFromStatus(const CRadioStatus& status)
{
    const int channel = status.m_nMemoryChannel;
    if (channel < 0 || channel >= m_list.GetCount())
        return;
    CMemoryChannel* c = m_list.GetChannel(channel);
    if (!c || !c->HasRawBytes())
        return;
    for (int n : {1, 2, 3, 4, 6, 7})
        c->SetRawByte(uint32_t(n), status.Record(n));
}
