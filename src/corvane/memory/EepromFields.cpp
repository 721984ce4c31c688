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

int CEepromFields::Key(uint16_t nAddress, int nShift, int nWidth, bool bBand)
{
    return (bBand ? 1 << 24 : 0) | int(nAddress) << 8 | (nShift & 0x0F) << 4 | (nWidth & 0x0F);
}

void CEepromFields::NoteRead(int nKey, bool bConfirmed) const
{
    if (bConfirmed)
        m_unsure.remove(nKey);
    else
        m_unsure.insert(nKey);
}

bool CEepromFields::MayWrite(int nKey) const
{
    if (!m_pLink)
        return false;
    if (m_unsure.contains(nKey)) {
        m_pLink->NoteUnconfirmedWrite();
        return false;
    }
    return true;
}

bool CEepromFields::GetBit(uint16_t nAddress, int nBit) const
{
    return GetField(nAddress, nBit, 1) != 0;
}

uint8_t CEepromFields::GetField(uint16_t nAddress, int nShift, int nWidth) const
{
    if (!m_pLink)
        return 0;
    int value = 0;
    NoteRead(Key(nAddress, nShift, nWidth), m_pLink->ReadEepromField(nAddress, nShift, nWidth, value));
    return uint8_t(value);
}

bool CEepromFields::BandRecordAddress(uint16_t& nAddress) const
{
    nAddress = 0;
    if (!m_pLink)
        return false;
    const CSettings& settings = GetSettings();
    const uint32_t size = settings.GetBandRecordSize();
    int vfoB = 0;
    int band = 0;
    if (!m_pLink->ReadEepromField(CCatLink::EE_VFO_FLAGS, 0, 1, vfoB) ||
        !m_pLink->ReadEepromField(CCatLink::EE_BANDS, vfoB ? 4 : 0, 4, band))
        return false;
    uint32_t address = settings.GetVfoBase() + uint32_t(band) * size;
    if (vfoB)
        address += settings.GetBandsPerVfo() * size;
    nAddress = uint16_t(address);
    return true;
}

uint16_t CEepromFields::BandRecordAddress() const
{
    uint16_t address = 0;
    BandRecordAddress(address);
    return address;
}

uint8_t CEepromFields::GetBandField(int nOffset, int nShift, int nWidth) const
{
    uint16_t base = 0;
    const int key = Key(uint16_t(nOffset), nShift, nWidth, true);
    if (!BandRecordAddress(base)) {
        NoteRead(key, false);
        return 0;
    }
    int value = 0;
    NoteRead(key, m_pLink->ReadEepromField(uint16_t(base + nOffset), nShift, nWidth, value));
    return uint8_t(value);
}

uint16_t CEepromFields::GetWord(uint16_t nAddress) const
{
    uint8_t first = 0;
    uint8_t second = 0;
    if (m_pLink)
        NoteRead(Key(nAddress, 0, 0x0F), m_pLink->ReadEepromConfirmed(nAddress, first, second));
    return uint16_t(first << 8 | second);
}

void CEepromFields::SetBit(uint16_t nAddress, int nBit, bool bState) const
{
    if (!MayWrite(Key(nAddress, nBit, 1)))
        return;
    int current = 0;
    if (!m_pLink->ReadEepromField(nAddress, nBit, 1, current)) {
        m_pLink->NoteUnconfirmedWrite();
        return;
    }
    if ((current != 0) == bState)
        return;
    m_pLink->SetEepromBit(nAddress, nBit, bState ? 1 : 0, QString());
}

void CEepromFields::SetField(uint16_t nAddress, int nShift, int nWidth, uint8_t nValue) const
{
    if (!MayWrite(Key(nAddress, nShift, nWidth)))
        return;
    // Bits beyond the field belong to other settings.
    nValue &= Mask(nWidth);
    int current = 0;
    if (!m_pLink->ReadEepromField(nAddress, nShift, nWidth, current)) {
        m_pLink->NoteUnconfirmedWrite();
        return;
    }
    if (current == nValue)
        return;
    const uint8_t mask = uint8_t(Mask(nWidth) << nShift);
    m_pLink->WriteEepromBits(nAddress, mask, uint8_t(nValue << nShift), QString());
}

void CEepromFields::SetBandField(int nOffset, int nShift, int nWidth, uint8_t nValue) const
{
    if (!MayWrite(Key(uint16_t(nOffset), nShift, nWidth, true)))
        return;
    uint16_t base = 0;
    if (!BandRecordAddress(base)) {
        m_pLink->NoteUnconfirmedWrite();
        return;
    }
    SetField(uint16_t(base + nOffset), nShift, nWidth, nValue);
}

void CEepromFields::SetWord(uint16_t nAddress, uint16_t nValue) const
{
    if (!MayWrite(Key(nAddress, 0, 0x0F)))
        return;
    uint8_t first = 0;
    uint8_t second = 0;
    if (!m_pLink->ReadEepromConfirmed(nAddress, first, second)) {
        m_pLink->NoteUnconfirmedWrite();
        return;
    }
    if (uint16_t(first << 8 | second) == nValue)
        return;
    m_pLink->WriteEepromWord(nAddress, uint8_t(nValue >> 8), uint8_t(nValue));
    // The word write has no check of its own.
    if (!m_pLink->ReadEepromConfirmed(nAddress, first, second) || uint16_t(first << 8 | second) != nValue)
        m_pLink->NoteUnconfirmedWrite();
}
