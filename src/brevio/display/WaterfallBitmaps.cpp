#include "brevio/display/WaterfallBitmaps.h"

#include "brevio/display/BinMap.h"

#include <algorithm>
#include <cstring>

namespace {
void FillBlack(QImage& image, const QRect& rect)
{
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row + r.left(), row + r.left() + r.width(), qRgb(0, 0, 0));
    }
}
} // namespace

void CWaterfallBitmaps::Create(int nWidth, int nHeight)
{
    Discard();
    if (nWidth > 0 && nHeight > 0) {
        for (QImage& image : m_bitmaps)
            image = QImage(nWidth, nHeight, QImage::Format_RGB32);
    }
    m_bClearPending = true;
}

void CWaterfallBitmaps::Discard()
{
    for (QImage& image : m_bitmaps)
        image = QImage();
    m_nShown = -1;
    m_rectPendingStrip = QRect();
}

QImage& CWaterfallBitmaps::BeginFrame(bool bVertical, COLORREF colBack)
{
    QImage& target = m_bitmaps[m_bToggle ? 0 : 1];
    QImage& other = m_bitmaps[m_bToggle ? 1 : 0];
    if (target.isNull())
        return target;
    if (m_bClearPending) {
        const QRgb fill = colBack == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        target.fill(fill);
        other.fill(fill);
        m_bClearPending = false;
        m_rectPendingStrip = QRect();
    }
    if (!m_rectPendingStrip.isEmpty() && m_nShown >= 0) {
        FillBlack(m_bitmaps[size_t(m_nShown)], m_rectPendingStrip);
        m_rectPendingStrip = QRect();
    }

    const int w = target.width();
    const int h = target.height();
    if (bVertical) {
        for (int y = 0; y < h; ++y) {
            std::memcpy(reinterpret_cast<QRgb*>(target.scanLine(y)) + 1, other.constScanLine(y),
                        size_t(w - 1) * sizeof(QRgb));
        }
    } else if (h > 1) {
        std::memcpy(target.scanLine(1), other.constScanLine(0), size_t(h - 1) * size_t(target.bytesPerLine()));
    }
    return target;
}

void CWaterfallBitmaps::DrawLine(bool bVertical, const int* pBuffer, const CBinMap& map, const Palette& palette)
{
    QImage& target = m_bitmaps[m_bToggle ? 0 : 1];
    if (target.isNull())
        return;
    const int n = map.size();
    if (bVertical) {
        // Row 0 at the top is the highest frequency; the entry below the last row is clipped.
        const int rows = std::min(n, target.height());
        for (int i = 0; i < rows; ++i) {
            const int v = PaletteIndex(pBuffer[map[n - 1 - i]]);
            reinterpret_cast<QRgb*>(target.scanLine(i))[0] = palette[size_t(v)];
        }
    } else {
        QRgb* row = reinterpret_cast<QRgb*>(target.scanLine(0));
        const int cols = std::min(n, target.width());
        for (int i = 0; i < cols; ++i)
            row[i] = palette[size_t(PaletteIndex(pBuffer[map[i]]))];
    }
}

void CWaterfallBitmaps::EndFrame(const QRect& rectStrip)
{
    m_nShown = m_bToggle ? 0 : 1;
    m_rectPendingStrip = rectStrip;
    m_bToggle = !m_bToggle;
}

CWaterfallBitmaps::Palette CWaterfallBitmaps::MakePalette(const COLORREF* pColours)
{
    Palette palette;
    for (size_t i = 0; i < palette.size(); ++i)
        palette[i] = qRgb(GetRValue(pColours[i]), GetGValue(pColours[i]), GetBValue(pColours[i]));
    return palette;
}
