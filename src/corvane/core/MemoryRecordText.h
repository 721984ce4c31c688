#pragma once
#include "corvane/core/EepromBlock.h"

#include <QString>
#include <cstdint>

// One VFO band or memory-channel record read straight from the radio's
// EEPROM, with every field decoded to the text the analyser lists.
class CMemoryRecordText : public CEepromBlock {
public:
    explicit CMemoryRecordText(uint32_t nAddress);
    ~CMemoryRecordText() override = default;

    // Reads the record (one CAT read per two bytes) and decodes it.
    void Decode();
    // Decodes what the block already holds.
    void DecodeBytes();
    uint8_t GetByte(uint32_t nPosition) const { return nPosition < GetCount() ? Byte(nPosition) : 0; }

    uint32_t GetRecordAddress() const { return m_nRecordAddress; }
    uint8_t GetShift() const { return m_nShift; }
    uint32_t GetRxFrequency() const { return m_nRxFrequency; }
    uint32_t GetTxFrequency() const { return m_nTxFrequency; }

    QString GetModeText() const { return m_strMode; }
    QString GetTagOnText() const { return m_strTagOn; }
    QString GetRangeText() const { return m_strRange; }
    QString GetFmNarrowText() const { return m_strFmNarrow; }
    QString GetCwNarrowText() const { return m_strCwNarrow; }
    QString GetShiftText() const { return m_strShift; }
    QString GetToneModeText() const { return m_strToneMode; }
    QString GetAttText() const { return m_strAtt; }
    QString GetIpoText() const { return m_strIpo; }
    QString GetSkipText() const { return m_strSkip; }
    QString GetFmStepText() const { return m_strFmStep; }
    QString GetAmStepText() const { return m_strAmStep; }
    QString GetSsbStepText() const { return m_strSsbStep; }
    QString GetCtcssText() const { return m_strCtcss; }
    QString GetDcsText() const { return m_strDcs; }
    QString GetRxFrequencyText() const { return m_strRxFrequency; }
    QString GetTxFrequencyText() const { return m_strTxFrequency; }
    QString GetOffsetText() const { return m_strOffset; }
    QString GetLabelText() const { return m_strLabel; }

    // The DCS code index lies in byte 7, bits 0-6 (values up to 0x67).
    static constexpr uint32_t kDcsByte = 7;

private:
    bool m_bAtt = false;
    bool m_bIpo = false;
    bool m_bFmNarrow = false;
    bool m_bCwNarrow = false;
    bool m_bTagOn = false;
    uint8_t m_nAmStep = 0;
    uint8_t m_nCtcss = 0;
    uint8_t m_nDcs = 0;
    uint8_t m_nFmStep = 0;
    uint8_t m_nSkip = 0;
    uint8_t m_nMode = 0;
    uint8_t m_nRange = 0;
    uint8_t m_nShift = 0;
    uint8_t m_nSsbStep = 0;
    uint8_t m_nToneMode = 0;
    uint32_t m_nRecordAddress;
    uint32_t m_nOffset = 0;
    uint32_t m_nRxFrequency = 0;
    uint32_t m_nTxFrequency = 0;
    QString m_strMode, m_strTagOn, m_strRange, m_strFmNarrow, m_strCwNarrow, m_strShift, m_strToneMode, m_strAtt,
        m_strIpo, m_strSkip, m_strFmStep, m_strAmStep, m_strSsbStep, m_strCtcss, m_strDcs, m_strRxFrequency,
        m_strTxFrequency, m_strOffset, m_strLabel;
};
