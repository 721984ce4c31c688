#pragma once
// The application's radio memory list as the front panel uses it: finding
// the channel the radio sits on and keeping the cached records in step with
// each poll.
#include "corvane/frontpanel/PanelMemoryList.h"

class CMemoryChannel;
class CRadioMemoryList;

class CRadioMemoryAdapter : public CPanelMemoryList {
public:
    explicit CRadioMemoryAdapter(CRadioMemoryList& list) : m_list(list) {}

    int GetCount() const override;
    bool IsUsed(int nChannel) const override;
    bool GetTag(int nChannel, QString& strTag) const override;
    int FindChannel(bool bReceiving, uint32_t nHz, uint8_t nCatMode, int nHint) override;
    void UpdateFromStatus(const CRadioStatus& status) override;

    // A record's transmit frequency (Hz) and mode code: split uses its own
    // transmit frequency and mode, a repeater shift the offset.
    static uint64_t TransmitFrequency(const CMemoryChannel& channel);
    static uint8_t TransmitMode(const CMemoryChannel& channel);

private:
    CRadioMemoryList& m_list;
};
