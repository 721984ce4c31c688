#include "corvane/frontpanel/RadioPoll.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/FieldDecoders.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/PanelMemoryList.h"
#include "corvane/frontpanel/RadioStatus.h"

CRadioPoll::CRadioPoll(CCatLink& link, const CSettings& settings, CPanelMemoryList* pMemoryList)
    : m_link(link), m_settings(settings), m_pMemoryList(pMemoryList)
{
}

uint32_t CRadioPoll::VfoRecordAddress(bool bVfoA, int nBand) const
{
    const uint32_t slot = uint32_t(nBand) + (bVfoA ? 0 : m_settings.GetBandsPerVfo());
    return m_settings.GetVfoBase() + slot * m_settings.GetBandRecordSize();
}

void CRadioPoll::ReadRadioStatus(CRadioStatus& status, int nCurrentChannel)
{
    status.m_bReadEeprom = 1;

    uint32_t frequency = 0;
    m_link.ReadFrequencyAndMode(frequency, status.m_nMode);
    status.SetFrequencyWord(frequency);
    if (frequency == 0 && status.m_nMode == 0) {
        status.m_bFailed = 1;
        status.m_bNotifyFailure = 1;
        return;
    }

    // A busy radio sometimes misses one status request; a second miss is a lost link.
    if (!m_link.ReadTxStatus(status.m_nTxStatus) && !m_link.ReadTxStatus(status.m_nTxStatus)) {
        status.m_bFailed = 1;
        status.m_bNotifyFailure = 1;
        return;
    }
    status.m_bTransmitting = status.m_nTxStatus != 0xFF;
    status.m_bReceiving = !status.m_bTransmitting;
    if (status.m_bReceiving)
        m_link.ReadRxStatus(status.m_nRxStatus);

    static const uint16_t words[6] = {0x55, 0x57, 0x59, 0x5F, 0x65, 0x79};
    for (int i = 0; i < 6; ++i)
        m_link.ReadEepromAt(words[i], status.m_eeprom[2 * i], status.m_eeprom[2 * i + 1]);

    const uint8_t flags = status.Eeprom(0x55);
    const bool memory = flags & 0x40;
    const bool memoryTune = (flags & 0x60) == 0x60;
    const bool vfoA = !(flags & 0x01);
    const uint8_t bands = status.Eeprom(0x59);
    const int bandA = bands & 0x0F;
    const int bandB = bands >> 4;
    const int currentBand = vfoA ? bandA : bandB;
    const int otherBand = vfoA ? bandB : bandA;

    if (memory) {
        if (memoryTune && nCurrentChannel != CRadioStatus::kNoChannel)
            status.m_nMemoryChannel = nCurrentChannel;
        else if (m_pMemoryList)
            status.m_nMemoryChannel = m_pMemoryList->FindChannel(status.m_bReceiving, status.FrequencyHz(),
                                                                 status.m_nMode, nCurrentChannel);
        else
            status.m_nMemoryChannel = nCurrentChannel;
    }

    // The other VFO is the one not selected, in memory mode too.
    const uint32_t otherAddress = VfoRecordAddress(!vfoA, otherBand);
    uint32_t currentAddress = 0;
    if (memory && memoryTune) {
        currentAddress = m_settings.GetMemoryTuneAddress();
    } else if (memory) {
        const uint32_t channel = status.m_nMemoryChannel == CRadioStatus::kNoChannel ? 0 : uint32_t(status.m_nMemoryChannel);
        currentAddress = m_settings.GetMemoryBase() + channel * m_settings.GetMemoryRecordSize();
    } else {
        currentAddress = VfoRecordAddress(vfoA, currentBand);
    }

    m_link.ReadEepromAt(uint16_t(otherAddress), status.m_other[0], status.m_other[1]);
    m_link.ReadEepromAt(uint16_t(otherAddress + 10), status.m_other[2], status.m_other[3]);
    m_link.ReadEepromAt(uint16_t(otherAddress + 12), status.m_other[4], status.m_other[5]);

    // Dual Watch: the radio may be sitting on the watched VFO right now.
    if ((status.Eeprom(0x79) & 0x18) == 0x18) {
        const QString otherMode = EepromModeText(status.m_other[0] & 0x07).GetText();
        const QString catMode = CatModeName(status.m_nMode & 0x0F, QString()).GetText();
        if (otherMode == catMode && status.OtherFrequencyHz() == status.FrequencyHz()) {
            status.m_bDualWatchOnOther = 1;
            currentAddress = otherAddress;
        }
    }

    m_link.ReadEepromAt(uint16_t(currentAddress + 1), status.m_current[0], status.m_current[1]);
    m_link.ReadEepromAt(uint16_t(currentAddress + 3), status.m_current[2], status.m_current[3]);
    m_link.ReadEepromAt(uint16_t(currentAddress + 6), status.m_current[4], status.m_current[5]);
    if (status.m_bReadExtra) {
        m_link.ReadEepromAt(uint16_t(currentAddress + 14), status.m_currentExtra[0], status.m_currentExtra[1]);
        m_link.ReadEepromAt(uint16_t(currentAddress + 16), status.m_currentExtra[2], status.m_currentExtra[3]);
    }

    if (status.m_bTransmitting)
        m_link.ReadTxMeter(status.m_txMeter[0], status.m_txMeter[1]);

    if (memory && !memoryTune && status.m_nMemoryChannel != CRadioStatus::kNoChannel && m_pMemoryList)
        m_pMemoryList->UpdateFromStatus(status);

    m_link.SetClarifierFlag(status.Record(2) & 0x40);

    uint8_t txStatus = 0;
    m_link.ReadTxStatus(txStatus);
    if ((txStatus != 0xFF) != bool(status.m_bTransmitting))
        status.m_bTxStateChanged = 1;
}
