#pragma once
// The radio's menu settings as bits, bit fields and words of its EEPROM.
// Reads go to the radio every time; a set reads the setting first and sends
// the verified masked write only when the radio holds another value, so a
// setting that is already right costs one read and nothing else.
// Reads are confirmed (two answers that agree); a setting whose last read
// could not be confirmed is not written back, since what the page shows for
// it is not what the radio holds, and the write counts as unconfirmed.
#include <QSet>
#include <cstdint>

class CCatLink;

class CEepromFields {
public:
    // The link defaults to the application's; without one every read gives 0
    // and nothing is written.
    explicit CEepromFields(CCatLink* pLink = nullptr);

    bool GetBit(uint16_t nAddress, int nBit) const;
    // (byte >> shift) & the mask of the width (0 to 8 bits).
    uint8_t GetField(uint16_t nAddress, int nShift, int nWidth) const;
    // A field of the band record the active VFO is on.
    uint8_t GetBandField(int nOffset, int nShift, int nWidth) const;
    // Two bytes, the lower address the high byte.
    uint16_t GetWord(uint16_t nAddress) const;

    void SetBit(uint16_t nAddress, int nBit, bool bState) const;
    void SetField(uint16_t nAddress, int nShift, int nWidth, uint8_t nValue) const;
    void SetBandField(int nOffset, int nShift, int nWidth, uint8_t nValue) const;
    void SetWord(uint16_t nAddress, uint16_t nValue) const;

    // The band record of the active VFO, looked up afresh (EEPROM 0x55 bit 0
    // for VFO A or B, 0x59 for the band of each), whatever the radio's
    // memory mode.
    uint16_t BandRecordAddress() const;

    static uint8_t Mask(int nWidth);

    CCatLink* Link() const { return m_pLink; }

private:
    static int Key(uint16_t nAddress, int nShift, int nWidth, bool bBand = false);
    // Remembers whether the last read of a setting was confirmed.
    void NoteRead(int nKey, bool bConfirmed) const;
    // FALSE, counted as an unconfirmed write, when the setting cannot be written safely.
    bool MayWrite(int nKey) const;
    bool BandRecordAddress(uint16_t& nAddress) const;

    CCatLink* m_pLink;
    mutable QSet<int> m_unsure;
};
