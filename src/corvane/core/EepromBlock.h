#pragma once
#include <QByteArray>
#include <cstdint>

// A block of the radio's EEPROM read in one go, with typed access to its
// bytes by position inside the block.
class CEepromBlock {
public:
    CEepromBlock() = default;
    virtual ~CEepromBlock() = default;

    // Reads count bytes from the address, two per CAT read; bytes whose read
    // failed stay 0.
    void Read(uint32_t nAddress, uint32_t nCount);

    uint32_t GetAddress() const { return m_nAddress; }
    uint32_t GetCount() const { return m_nCount; }
    const QByteArray& GetBytes() const { return m_bytes; }

    int IsBitSet(uint32_t nPosition, int nBit) const;
    uint32_t GetBits(uint32_t nPosition, int nShift, int nWidth) const;
    // Big-endian values of four and three bytes.
    uint32_t GetWord32(uint32_t nPosition) const;
    uint32_t GetWord24(uint32_t nPosition) const;

protected:
    uint8_t Byte(uint32_t nPosition) const { return uint8_t(m_bytes[qsizetype(nPosition)]); }
    bool Inside(uint32_t nPosition, uint32_t nLength) const
    {
        return uint64_t(nPosition) + nLength <= m_nCount;
    }

    uint32_t m_nAddress = 0;
    uint32_t m_nCount = 0;
    QByteArray m_bytes;  // count rounded up to an even number
};
