#include "corvane/core/EepromBlock.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/RadioApp.h"

void CEepromBlock::Read(uint32_t nAddress, uint32_t nCount)
{
    m_nAddress = nAddress;
    m_nCount = nCount;
    m_bytes = QByteArray(qsizetype(nCount + (nCount & 1)), '\0');
    CRadioApp* app = GetRadioApp();
    if (!app)
        return;
    auto* data = reinterpret_cast<uint8_t*>(m_bytes.data());
    for (uint32_t i = 0; i < nCount; i += 2)
        app->GetCatLink().ReadEepromAt(uint16_t(nAddress + i), data[i], data[i + 1]);
}

int CEepromBlock::IsBitSet(uint32_t nPosition, int nBit) const
{
    if (!Inside(nPosition, 1) || nBit < 0 || nBit > 7)
        return 0;
    return (Byte(nPosition) >> nBit) & 1;
}

uint32_t CEepromBlock::GetBits(uint32_t nPosition, int nShift, int nWidth) const
{
    if (!Inside(nPosition, 1) || nShift < 0 || nShift > 7 || nWidth < 0)
        return 0;
    if (nWidth > 8)
        nWidth = 8;
    return (uint32_t(Byte(nPosition)) >> nShift) & ((1u << nWidth) - 1);
}

uint32_t CEepromBlock::GetWord32(uint32_t nPosition) const
{
    if (!Inside(nPosition, 4))
        return 0;
    return uint32_t(Byte(nPosition)) << 24 | uint32_t(Byte(nPosition + 1)) << 16 | uint32_t(Byte(nPosition + 2)) << 8 |
           Byte(nPosition + 3);
}

uint32_t CEepromBlock::GetWord24(uint32_t nPosition) const
{
    if (!Inside(nPosition, 3))
        return 0;
    return uint32_t(Byte(nPosition)) << 16 | uint32_t(Byte(nPosition + 1)) << 8 | Byte(nPosition + 2);
}
