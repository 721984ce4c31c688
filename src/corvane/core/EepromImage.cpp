#include "corvane/core/EepromImage.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/Settings.h"

#include <cstring>

CEepromImage& GetEepromImage()
{
    static CEepromImage image;
    return image;
}

CEepromImage::CEepromImage()
{
    std::memset(m_image, 0, sizeof m_image);
}

bool CEepromImage::Refresh()
{
    const CSettings& settings = GetSettings();
    const uint32_t start = settings.GetMemoryUsedBitmapAddress();
    const uint32_t count = uint32_t(settings.GetMemoryChannelCount() + 7) / 8;
    if (start + count + 1 > uint32_t(kSize))
        return false;
    std::memset(m_image + start, 0, count);
    CRadioApp* app = GetRadioApp();
    if (!app)
        return false;
    // One read per byte; each read also brings the next byte, so the later
    // read of a byte wins and the byte behind the bitmap is refreshed too.
    // A radio that stops answering here is lost: no use asking it 25 more times.
    // A garbled bitmap would make channels look used or free that are not.
    for (uint32_t a = start; a < start + count; ++a)
        if (!app->GetCatLink().ReadEepromConfirmed(uint16_t(a), m_image[a], m_image[a + 1]))
            return false;
    return true;
}

int CEepromImage::IsBitSet(uint32_t nAddress, uint8_t nBit) const
{
    if (nAddress >= uint32_t(kSize) || nBit > 7)
        return 0;
    return (m_image[nAddress] >> nBit) & 1;
}

bool CEepromImage::IsChannelUsed(int nChannel) const
{
    if (nChannel < 0)
        return false;
    return IsBitSet(GetSettings().GetMemoryUsedBitmapAddress() + uint32_t(nChannel) / 8, uint8_t(nChannel % 8));
}
