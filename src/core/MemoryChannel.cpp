#include "core/MemoryChannel.h"

#include "core/CatLink.h"
#include "core/EepromImage.h"
#include "core/FieldDecoders.h"
#include "core/RadioApp.h"
#include "core/Settings.h"

void CMemoryChannel::Clear()
{
    m_raw.clear();
    m_nKind = KIND_IMAGE;
    m_bEmpty = false;
    m_bModified = false;
    m_nReadAddress = 0;
    m_nChannelAddress = 0;
    m_bTagOn = false;
    m_bHasFrequency = false;
    m_nMode = 0;
    m_nRxFrequency = 0;
    m_strLabel.clear();
}

int CMemoryChannel::IsBitSet(uint32_t nPosition, int nBit) const
{
    if (nPosition >= uint32_t(m_raw.size()) || nBit < 0 || nBit > 7)
        return 0;
    return (uint8_t(m_raw[qsizetype(nPosition)]) >> nBit) & 1;
}

void CMemoryChannel::SetBit(uint32_t nPosition, int nBit, bool bOn)
{
    if (nPosition >= uint32_t(m_raw.size()) || nBit < 0 || nBit > 7)
        return;
    uint8_t byte = uint8_t(m_raw[qsizetype(nPosition)]);
    byte = bOn ? uint8_t(byte | (1u << nBit)) : uint8_t(byte & ~(1u << nBit));
    m_raw[qsizetype(nPosition)] = char(byte);
}

uint32_t CMemoryChannel::GetBits(uint32_t nPosition, int nShift, int nWidth) const
{
    if (nPosition >= uint32_t(m_raw.size()) || nShift < 0 || nShift > 7 || nWidth < 0 || nWidth > 8)
        return 0;
    return (uint32_t(uint8_t(m_raw[qsizetype(nPosition)])) >> nShift) & ((1u << nWidth) - 1);
}

uint32_t CMemoryChannel::GetWord32(uint32_t nPosition) const
{
    if (uint64_t(nPosition) + 3 >= uint64_t(m_raw.size()))
        return 0;
    uint32_t value = 0;
    for (uint32_t i = 0; i < 4; ++i)
        value = value << 8 | uint8_t(m_raw[qsizetype(nPosition + i)]);
    return value;
}

uint8_t CMemoryChannel::GetRawByte(uint32_t nPosition) const
{
    return nPosition < uint32_t(m_raw.size()) ? uint8_t(m_raw[qsizetype(nPosition)]) : 0;
}

void CMemoryChannel::SetRawByte(uint32_t nPosition, uint8_t nValue)
{
    if (nPosition < uint32_t(m_raw.size()))
        m_raw[qsizetype(nPosition)] = char(nValue);
}

void CMemoryChannel::ReadFromRadio(uint32_t nAddress, uint32_t nCount)
{
    m_nReadAddress = nAddress;
    m_nKind = KIND_IMAGE;
    m_raw = QByteArray(qsizetype(nCount + (nCount & 1)), char(0xFF));
    CRadioApp* app = GetRadioApp();
    if (!app)
        return;
    CCatLink& link = app->GetCatLink();
    auto readPair = [&](uint32_t offset) {
        uint8_t first = uint8_t(m_raw[qsizetype(offset)]);
        uint8_t second = uint8_t(m_raw[qsizetype(offset + 1)]);
        if (link.ReadEepromAt(uint16_t(nAddress + offset), first, second)) {
            m_raw[qsizetype(offset)] = char(first);
            m_raw[qsizetype(offset + 1)] = char(second);
        }
    };
    // The RX frequency first: FF FF FF FF there means an empty record.
    readPair(10);
    readPair(12);
    if (GetWord32(10) == 0xFFFFFFFFu)
        return;
    for (uint32_t offset = 0; offset < nCount; offset += 2)
        if (offset != 10 && offset != 12)
            readPair(offset);
}

void CMemoryChannel::Decode()
{
    m_nMode = uint8_t(GetBits(0, 0, 3));
    m_bTagOn = IsBitSet(0, 7) != 0;
    const uint32_t rx = GetWord32(10);
    if (rx != 0xFFFFFFFFu)
        m_bHasFrequency = true;
    m_nRxFrequency = uint32_t(uint64_t(rx) * 10);
    m_strLabel.clear();
    for (uint32_t i = 18; i < 26 && i < uint32_t(m_raw.size()); ++i) {
        const uint8_t c = uint8_t(m_raw[qsizetype(i)]);
        if (c == 0xFF)
            break;
        m_strLabel += QChar::fromLatin1(char(c));
    }
}

void CMemoryChannel::LoadChannel(int nChannel, bool bForce)
{
    Clear();
    const CSettings& settings = GetSettings();
    m_nChannelAddress = int(settings.GetMemoryBase() + uint32_t(nChannel) * settings.GetMemoryRecordSize());
    // The used bit as the last refresh of the image cache saw it.
    m_bEmpty = !GetEepromImage().IsChannelUsed(nChannel);
    if (!m_bEmpty || bForce) {
        ReadFromRadio(uint32_t(m_nChannelAddress), settings.GetMemoryRecordSize());
        Decode();
    }
    if (!m_bEmpty)
        ClearClarifier();
}

int CMemoryChannel::ClearClarifier()
{
    if (m_raw.isEmpty() || !IsBitSet(2, 6))
        return 0;
    SetBit(2, 6, false);
    if (CRadioApp* app = GetRadioApp())
        app->GetCatLink().SetEepromBit(uint16_t(m_nReadAddress + 2), 6, 0, QStringLiteral("Clearing clarifier"));
    return 1;
}

void CMemoryChannel::TuneRadio() const
{
    CRadioApp* app = GetRadioApp();
    if (!app || !m_bHasFrequency)
        return;
    const uint8_t mode = m_nKind == KIND_STORED ? m_nMode : EepromModeText(m_nMode).GetCatCode();
    app->GetCatLink().SetFrequencyInMode(m_nRxFrequency, mode);
}
