#pragma once
// The read sequence of one front-panel poll: frequency and mode, transmitter
// and receiver status, six EEPROM words, the other VFO's record, the record
// in use and the transmit meter, synchronously over the CAT link.
#include <cstdint>

class CCatLink;
class CPanelMemoryList;
class CSettings;
struct CRadioStatus;

class CRadioPoll {
public:
    CRadioPoll(CCatLink& link, const CSettings& settings, CPanelMemoryList* pMemoryList = nullptr);

    void SetMemoryList(CPanelMemoryList* pMemoryList) { m_pMemoryList = pMemoryList; }

    // Fills the record (zeroed by the caller; its read-extra field set as
    // wanted). nCurrentChannel is the channel the panel already knows
    // (99999 none): the hint for finding the memory channel.
    void ReadRadioStatus(CRadioStatus& status, int nCurrentChannel);

    // EEPROM addresses of the band records.
    uint32_t VfoRecordAddress(bool bVfoA, int nBand) const;

private:
    CCatLink& m_link;
    const CSettings& m_settings;
    CPanelMemoryList* m_pMemoryList;
};
