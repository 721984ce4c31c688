#pragma once
// The waterfall's picture history: two bitmaps of plot-area size used in
// turn. Each frame copies the older picture into the other one shifted by a
// pixel and draws the newest column (frequency vertical) or row (frequency
// horizontal) pixel by pixel, so a frame costs one block copy and one line.
#include "shared/WinTypes.h"

#include <QImage>
#include <QRect>
#include <array>

class CBinMap;

class CWaterfallBitmaps {
public:
    using Palette = std::array<QRgb, 256>;

    // New bitmaps of plot-area size; the history is gone and the next frame
    // starts on an empty picture. A size with no area gives no bitmaps.
    void Create(int nWidth, int nHeight);
    void Discard();
    void RequestClear() { m_bClearPending = true; }
    bool IsClearPending() const { return m_bClearPending; }
    bool IsValid() const { return !m_bitmaps[0].isNull(); }
    QSize GetSize() const { return m_bitmaps[0].size(); }

    // Starts a frame: an empty picture when a clear was asked for (black for a
    // black background, else white), then the previous picture moved one pixel
    // right (vertical) or down (horizontal). Answers the bitmap to draw into.
    QImage& BeginFrame(bool bVertical, COLORREF colBack);
    // The newest line from the spectrum values: pixel (0, i) (vertical, row 0
    // the highest frequency) or (i, 0) (horizontal, column 0 the lowest).
    void DrawLine(bool bVertical, const int* pBuffer, const CBinMap& map, const Palette& palette);
    // Ends the frame: the bitmap becomes the one shown. The spectrum strip drawn
    // over it must not scroll into the history, so its rectangle is blacked out
    // before the picture is moved on in the next frame.
    void EndFrame(const QRect& rectStrip);

    // The picture of the last frame, nullptr before one since the last rebuild.
    const QImage* GetShown() const { return m_nShown < 0 ? nullptr : &m_bitmaps[size_t(m_nShown)]; }

    static Palette MakePalette(const COLORREF* pColours);
    // Palette entry of a spectrum value: above 255 the strongest, below 0 the weakest.
    static int PaletteIndex(int nValue) { return nValue < 0 ? 0 : nValue > 255 ? 255 : nValue; }

private:
    std::array<QImage, 2> m_bitmaps;
    bool m_bToggle = false;
    bool m_bClearPending = true;
    int m_nShown = -1;
    QRect m_rectPendingStrip;  // in the shown bitmap
};
