#pragma once
// One snapshot of the radio as one front-panel poll read it. The poll
// zero-fills the record before each read.
#include <cstdint>
#include <cstring>

struct CRadioStatus {
    static constexpr int kNoChannel = 99999;

    int m_bFailed = 0;           // frequency/mode or transmitter status not read
    int m_bNotifyFailure = 0;    // set with m_bFailed: the communications-error path
    int m_bTxStateChanged = 0;   // receive/transmit changed during the poll
    int m_bReadEeprom = 0;
    int m_bReadExtra = 0;        // also bytes 14-17 of the current record
    int m_bReceiving = 0;
    int m_bTransmitting = 0;
    int m_bDualWatchOnOther = 0; // parked on the other VFO's frequency and mode
    uint8_t m_nMode = 0;         // CAT mode byte, bit 7 the narrow filter
    uint8_t m_nRxStatus = 0;     // bits 0-3 S-meter, 5 discriminator, 6 tone, 7 squelch
    uint8_t m_nTxStatus = 0;     // 0xFF while receiving
    // EEPROM 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x5F, 0x60, 0x65, 0x66, 0x79, 0x7A.
    uint8_t m_eeprom[12] = {};
    // Bytes 1, 2, 3, 4, 6 and 7 of the record in use.
    uint8_t m_current[6] = {};
    // Bytes 14, 15, 16 and 17 of that record (only with m_bReadExtra).
    uint8_t m_currentExtra[4] = {};
    // Bytes 0, 1, 10, 11, 12 and 13 of the other VFO's band record.
    uint8_t m_other[6] = {};
    uint8_t m_txMeter[2] = {};
    // Packed BCD in reply order: 8 digits of 10 Hz, most significant first.
    uint8_t m_frequency[4] = {};
    int m_nMemoryChannel = 0;

    void Clear() { *this = CRadioStatus(); }

    // The EEPROM byte at one of the twelve addresses above; 0 for any other.
    uint8_t Eeprom(int nAddress) const
    {
        const int index = EepromIndex(nAddress);
        return index < 0 ? 0 : m_eeprom[index];
    }
    static int EepromIndex(int nAddress)
    {
        if (nAddress >= 0x55 && nAddress <= 0x5A)
            return nAddress - 0x55;
        switch (nAddress) {
        case 0x5F: return 6;
        case 0x60: return 7;
        case 0x65: return 8;
        case 0x66: return 9;
        case 0x79: return 10;
        case 0x7A: return 11;
        default: return -1;
        }
    }
    // Byte n (1, 2, 3, 4, 6, 7, 14..17) of the current record; 0 for others.
    uint8_t Record(int n) const
    {
        switch (n) {
        case 1: case 2: case 3: case 4: return m_current[n - 1];
        case 6: case 7: return m_current[n - 2];
        case 14: case 15: case 16: case 17: return m_currentExtra[n - 14];
        default: return 0;
        }
    }
    // Byte n (0, 1, 10..13) of the other VFO's record; 0 for others.
    uint8_t Other(int n) const
    {
        switch (n) {
        case 0: case 1: return m_other[n];
        case 10: case 11: case 12: case 13: return m_other[n - 8];
        default: return 0;
        }
    }
    // The four frequency bytes as one word, first byte lowest (the frequency
    // display's form).
    uint32_t FrequencyWord() const
    {
        return uint32_t(m_frequency[0]) | uint32_t(m_frequency[1]) << 8 | uint32_t(m_frequency[2]) << 16 |
               uint32_t(m_frequency[3]) << 24;
    }
    void SetFrequencyWord(uint32_t nWord)
    {
        for (int i = 0; i < 4; ++i)
            m_frequency[i] = uint8_t(nWord >> (8 * i));
    }
    // The BCD digits in Hz (a nibble above 9 counts as its value, as read).
    uint32_t FrequencyHz() const { return BcdWordToHz(FrequencyWord()); }
    // The other record's frequency (bytes 10-13, big-endian, 10 Hz units) in Hz.
    uint64_t OtherFrequencyHz() const
    {
        const uint32_t tenHz = uint32_t(m_other[2]) << 24 | uint32_t(m_other[3]) << 16 | uint32_t(m_other[4]) << 8 |
                               m_other[5];
        return uint64_t(tenHz) * 10;
    }

    static uint32_t BcdWordToHz(uint32_t nWord)
    {
        uint64_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const uint32_t b = (nWord >> (8 * i)) & 0xFF;
            value = value * 100 + (b >> 4) * 10 + (b & 0x0F);
        }
        return uint32_t(value * 10);
    }
    static uint32_t HzToBcdWord(uint32_t nHz)
    {
        uint32_t tenHz = nHz / 10;
        uint32_t word = 0;
        for (int i = 3; i >= 0; --i) {
            const uint32_t low = tenHz % 10;
            tenHz /= 10;
            const uint32_t high = tenHz % 10;
            tenHz /= 10;
            word |= (high << 4 | low) << (8 * i);
        }
        return word;
    }
};
