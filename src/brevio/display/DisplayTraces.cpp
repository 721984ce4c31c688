#include "brevio/display/DisplayTraces.h"

#include "shared/WinDraw.h"

#include <algorithm>
#include <cstdint>

using winapi::RectLTRB;

namespace {
// Bins of a range no wider than a bin still span one step, so nothing divides by zero.
int64_t BinSpan(int nMinBin, int nMaxBin) { return std::max<int64_t>(1, int64_t(nMaxBin) - nMinBin); }
} // namespace

QRect CDisplayTraces::StripRect(bool bVertical, int w, int h, int nPercent)
{
    if (bVertical)
        return RectLTRB(int(int64_t(w) * (100 - nPercent) / 100), 0, w, h);
    return RectLTRB(0, int(int64_t(h) * (100 - nPercent) / 100), w, h);
}

std::vector<QLine> CDisplayTraces::StripGrid(bool bVertical, const QRect& strip)
{
    std::vector<QLine> lines;
    const int left = strip.left();
    const int top = strip.top();
    const int right = winapi::Right(strip);
    const int bottom = winapi::Bottom(strip);
    for (int p = 10; p <= 90; p += 10) {
        if (bVertical) {
            const int x = left + int(int64_t(strip.width()) * p / 100);
            lines.emplace_back(x, top, x, bottom);
        } else {
            const int y = top + int(int64_t(strip.height()) * p / 100);
            lines.emplace_back(left, y, right, y);
        }
    }
    return lines;
}

QPolygon CDisplayTraces::StripTrace(bool bVertical, const int* pBuffer, int nMinBin, int nMaxBin, const QRect& strip,
                                   int w, int h)
{
    QPolygon points;
    const int64_t span = BinSpan(nMinBin, nMaxBin);
    if (bVertical) {
        const int left = strip.left();
        const int s = strip.width();
        points << QPoint(left + s - pBuffer[nMinBin], h);
        for (int b = nMinBin; b <= nMaxBin; ++b) {
            const int y = int(h - int64_t(h) * (b - nMinBin) / span);
            points << QPoint(left + std::max(0, s - pBuffer[b]), y);
        }
    } else {
        const int top = strip.top();
        const int s = strip.height();
        points << QPoint(0, top + s - pBuffer[nMinBin]);
        for (int b = nMinBin; b <= nMaxBin; ++b) {
            const int x = int(int64_t(w) * (b - nMinBin) / span);
            points << QPoint(x, top + std::max(0, s - pBuffer[b]));
        }
    }
    return points;
}

QPolygon CDisplayTraces::SpectrumTrace(bool bVertical, const int* pBuffer, int nMinBin, int nMaxBin, int w, int h)
{
    QPolygon points;
    const int64_t span = BinSpan(nMinBin, nMaxBin);
    if (bVertical) {
        points << QPoint(w - pBuffer[nMinBin], h);
        for (int b = nMinBin; b < nMaxBin; ++b)
            points << QPoint(w - pBuffer[b], int(int64_t(h) * (nMaxBin - b) / span));
    } else {
        points << QPoint(0, h - pBuffer[nMinBin]);
        for (int b = nMinBin; b < nMaxBin; ++b)
            points << QPoint(int(int64_t(w) * (b - nMinBin) / span), h - pBuffer[b]);
    }
    return points;
}

QPolygon CDisplayTraces::RawTrace(bool bVertical, const int* pSamples, int nCount, int w, int h)
{
    QPolygon points;
    if (bVertical) {
        const int mid = w / 2;
        points << QPoint(mid, 0);
        for (int y = 0; y < std::min(h, nCount); ++y)
            points << QPoint(mid + int(int64_t(mid) * pSamples[y] / 32767), y);
    } else {
        const int mid = h / 2;
        points << QPoint(0, mid);
        for (int x = 0; x < std::min(w, nCount); ++x)
            points << QPoint(x, mid + int(int64_t(mid) * pSamples[x] / 32767));
    }
    return points;
}

std::vector<QLine> CDisplayTraces::PlotGrid(bool bVertical, int w, int h)
{
    std::vector<QLine> lines;
    for (int p = 10; p <= 90; p += 10) {
        if (bVertical) {
            const int x = int(int64_t(w) * p / 100);
            lines.emplace_back(x, 0, x, h);
        } else {
            const int y = int(int64_t(h) * p / 100);
            lines.emplace_back(0, y, w, y);
        }
    }
    return lines;
}
