#pragma once
// The lines the display draws over its plot: the spectrum strip beside the
// waterfall, the spectrum-only trace, the raw input trace and the ten-percent
// grid. Each is returned as points in plot-area coordinates for the canvas
// to draw, so the arithmetic is tested without painting.
#include <QLine>
#include <QPolygon>
#include <QRect>
#include <vector>

class CDisplayTraces {
public:
    // The part of a waterfall bitmap (w x h) that the spectrum strip takes:
    // the right part for frequency vertical, the bottom part for horizontal.
    static QRect StripRect(bool bVertical, int w, int h, int nSpectrumHeightPercent);
    // The nine grid lines at 10 .. 90 percent across a strip or a whole plot.
    static std::vector<QLine> StripGrid(bool bVertical, const QRect& strip);

    // The strip's trace from the spectrum values of bins minBin..maxBin scaled to
    // the strip's size S; values grow from the strip's outer edge towards the waterfall.
    static QPolygon StripTrace(bool bVertical, const int* pBuffer, int nMinBin, int nMaxBin, const QRect& strip, int w,
                               int h);
    // The spectrum-only trace, bins minBin up to but not including maxBin, values
    // scaled to the plot height (horizontal) or width (vertical); not clamped.
    static QPolygon SpectrumTrace(bool bVertical, const int* pBuffer, int nMinBin, int nMaxBin, int w, int h);
    // The raw input trace of the nCount samples there are (at most one per pixel),
    // centred on the plot's middle; positive samples below (horizontal) or right (vertical).
    static QPolygon RawTrace(bool bVertical, const int* pSamples, int nCount, int w, int h);
    // Grid lines at 10 .. 90 percent of a whole plot: rows (horizontal) or columns (vertical).
    static std::vector<QLine> PlotGrid(bool bVertical, int w, int h);
};
