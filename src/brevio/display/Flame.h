#pragma once
// The animated fire of the palette preview, without a window: an 8-bit image
// of "heat" values 0 .. 239 whose bottom row is fed from a fire row, and whose
// rows rise by one per frame while they cool and drift sideways. The image's
// colour table is the palette being designed.
#include "shared/WinTypes.h"

#include <QImage>
#include <cstdint>
#include <vector>

class CFlame {
public:
    // The program-wide generator of the flame's small random steps.
    static uint32_t NextRandom();
    static void SetRandomSeed(uint32_t nSeed);

    // (Re)builds the image for a size; every pixel and the fire row cold.
    // An empty size gives no image, and frames then do nothing.
    void Init(int nWidth, int nHeight);
    bool IsValid() const { return !m_image.isNull(); }
    // 256 colours, top of the gradient first; entry 255 is never used.
    void SetColours(const std::vector<COLORREF>& colours);
    // The animated rows: percent of the image height (rows above are held
    // at heat 16).
    void SetFlameHeight(int nPercent);
    // One frame.
    void Step();

    // Heat of a pixel, row 0 at the bottom.
    int Pixel(int x, int y) const;
    const QImage& Image() const { return m_image; }
    const std::vector<uint8_t>& FireRow() const { return m_fire; }
    int GetSize() const { return m_nSize; }
    int GetFlameHeight() const { return m_nFlameHeight; }
    // The run-time generator (the choices that need no particular sequence).
    void SetRuntimeSeed(uint32_t nSeed) { m_nRuntimeSeed = nSeed; }

    // Tuning, as the preview has always used it.
    int m_nDecay = 5;
    int m_nFlammability = 385;
    int m_nMaxHeat = 223;
    int m_nSpreadRate = 20;
    int m_nSmoothness = 1;
    int m_nDistribution = 1;
    int m_nChaos = 50;

    static constexpr int kHotSpot = 239;
    static constexpr int kHotSpotWidth = 5;

private:
    int RuntimeRandom();
    uint8_t* Row(int y) { return m_image.scanLine(m_nHeight - 1 - y); }
    const uint8_t* Row(int y) const { return m_image.constScanLine(m_nHeight - 1 - y); }

    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nSize = 0;         // width of the burning part of the bottom row
    int m_nFlameHeight = 0;  // highest animated row
    std::vector<uint8_t> m_fire;
    QImage m_image;
    uint32_t m_nRuntimeSeed = 1;
};
