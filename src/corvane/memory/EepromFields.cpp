#include "corvane/memory/EepromFields.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/Settings.h"
#include "corvane/memory/ToolSupport.h"

#include <algorithm>

CEepromFields::CEepromFields(CCatLink* pLink) : m_pLink(ToolSupport::Link(pLink)) {}

uint8_t CEepromFields::Mask(int nWidth)
{
    static const uint8_t masks[9] = {0x00, 0x01, 0x03, 0x07, 0x0F, 0x1F, 0x3F, 0x7F, 0xFF};
    return masks[std::clamp(nWidth, 0, 8)];
}

bool CEepromFields::GetBit(uint16_t nAddress, int nBit) const
{
    return m_pLink && m_pLink->GetEepromBit(nAddress, nBit) != 0;
}

uint8_t CEepromFields::GetField(uint16_t nAddress, int nShift, int nWidth) const
{
    return m_pLink ? uint8_t(m_pLink->GetEepromField(nAddress, nShift, nWidth)) : 0;
}

uint16_t CEepromFields::BandRecordAddress() const
{
    const CSettings& settings = GetSettings();
    const uint32_t size = settings.GetBandRecordSize();
    const bool vfoB = GetBit(CCatLink::EE_VFO_FLAGS, 0);
    const uint32_t band = GetField(CCatLink::EE_BANDS, vfoB ? 4 : 0, 4);
    uint32_t address = settings.GetVfoBase() + band * size;
    if (vfoB)
        address += settings.GetBandsPerVfo() * size;
    return uint16_t(address);
}

uint8_t CEepromFields::GetBandField(int nOffset, int nShift, int nWidth) const
{
    return GetField(uint16_t(BandRecordAddress() + nOffset), nShift, nWidth);
}

uint16_t CEepromFields::GetWord(uint16_t nAddress) const
{
    uint8_t first = 0;
    uint8_t second = 0;
    if (m_pLink)
        m_pLink->ReadEepromAt(nAddress, first, second);
    return uint16_t(first << 8 | second);
}

void CEepromFields::SetBit(uint16_t nAddress, int nBit, bool bState) const
{
    if (!m_pLink || GetBit(nAddress, nBit) == bState)
        return;
    m_pLink->SetEepromBit(nAddress, nBit, bState ? 1 : 0, QString());
}

void CEepromFields::SetField(uint16_t nAddress, int nShift, int nWidth, uint8_t nValue) const
{
    // Bits beyond the field belong to other settings.
    nValue &= Mask(nWidth);
    if (!m_pLink || GetField(nAddress, nShift, nWidth) == nValue)
        return;
    const uint8_t mask = uint8_t(Mask(nWidth) << nShift);
    m_pLink->WriteEepromBits(nAddress, mask, uint8_t(nValue << nShift), QString());
}

void CEepromFields::SetBandField(int nOffset, int nShift, int nWidth, uint8_t nValue) const
{
    SetField(uint16_t(BandRecordAddress() + nOffset), nShift, nWidth, nValue);
}

void CEepromFields::SetWord(uint16_t nAddress, uint16_t nValue) const
{
    if (!m_pLink || int16_t(GetWord(nAddress)) == int16_t(nValue))
        return;
    m_pLink->WriteEepromWord(nAddress, uint8_t(nValue >> 8), uint8_t(nValue));
}
