#pragma once
#include <cstdint>

// The program's shadow of the radio's 8192-byte EEPROM. Only the bitmap of
// used memory channels is ever filled and consulted.
class CEepromImage {
public:
    static constexpr int kSize = 8192;

    CEepromImage();
    virtual ~CEepromImage() = default;

    // Re-reads the used-channel bitmap from the radio. FALSE when a read
    // failed: the bitmap then tells nothing about which channels are used.
    bool Refresh();
    bool ReloadUsedBitmap() { return Refresh(); }
    int IsBitSet(uint32_t nAddress, uint8_t nBit) const;
    // Whether memory channel n (0-based) holds data, after a refresh.
    bool IsChannelUsed(int nChannel) const;

private:
    uint8_t m_image[kSize];
};

CEepromImage& GetEepromImage();
