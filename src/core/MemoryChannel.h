#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

// One 26-byte EEPROM record of the radio: a memory channel or a VFO band.
// It keeps the bytes exactly as the radio stores them (big-endian, 10 Hz
// units) and the few decoded fields the start-up and the CAT link need.
class CMemoryChannel {
public:
    enum Kind { KIND_IMAGE = 0, KIND_STORED = 1 };

    CMemoryChannel() = default;
    virtual ~CMemoryChannel() = default;

    // Frees the raw bytes and zeroes every field (the label too).
    void Clear();

    // Reads count bytes from the address: first the RX frequency pairs; a
    // record whose RX frequency is FF FF FF FF holds no data and is not read
    // further. Failed pairs stay FF.
    void ReadFromRadio(uint32_t nAddress, uint32_t nCount);
    // Memory channel n from the radio when its used bit in the EEPROM image
    // is set (or when forced); a used channel's clarifier is switched off.
    void LoadChannel(int nChannel, bool bForce);
    // Clears a set clarifier bit here and on the radio; 1 when it did.
    int ClearClarifier();
    // Sets the radio to the record's RX frequency and mode.
    void TuneRadio() const;
    // Takes the fields out of the raw bytes.
    void Decode();

    bool IsUsed() const { return !m_bEmpty; }
    void SetEmpty(bool bUsed) { m_bEmpty = !bUsed; }
    int GetKind() const { return m_nKind; }
    bool HasRawBytes() const { return !m_raw.isEmpty(); }
    const QByteArray& GetRawBytes() const { return m_raw; }
    uint32_t GetReadAddress() const { return m_nReadAddress; }
    int GetChannelAddress() const { return m_nChannelAddress; }

    // The label (at most 8 characters, up to the first FF byte).
    QString GetTag() const { return m_strLabel; }
    bool IsTagOn() const { return m_bTagOn; }
    bool HasFrequency() const { return m_bHasFrequency; }
    uint32_t GetRxFrequency() const { return m_nRxFrequency; }  // Hz
    uint8_t GetMode() const { return m_nMode; }                 // record mode code

    // Raw access by position; out of range reads 0 and writes nothing.
    int IsBitSet(uint32_t nPosition, int nBit) const;
    void SetBit(uint32_t nPosition, int nBit, bool bOn);
    uint32_t GetBits(uint32_t nPosition, int nShift, int nWidth) const;
    uint32_t GetWord32(uint32_t nPosition) const;
    uint8_t GetRawByte(uint32_t nPosition) const;
    void SetRawByte(uint32_t nPosition, uint8_t nValue);

protected:
    int m_nKind = KIND_IMAGE;
    bool m_bEmpty = false;
    bool m_bModified = false;
    QByteArray m_raw;
    uint32_t m_nReadAddress = 0;
    int m_nChannelAddress = 0;
    bool m_bTagOn = false;
    bool m_bHasFrequency = false;
    uint8_t m_nMode = 0;
    uint32_t m_nRxFrequency = 0;
    QString m_strLabel;
};

// A record of the radio's own channel list.
class CRadioMemoryChannel : public CMemoryChannel {
public:
    ~CRadioMemoryChannel() override = default;
};
