#include "brevio/display/MarkerLayout.h"

#include "shared/WinDraw.h"

#include <cstdint>

using winapi::IsRectEmpty;
using winapi::RectLTRB;

namespace {
const std::array<CMarkerStyle, 4> kStyles = {{
    {RGB(255, 255, 255), RGB(0, 128, 0), RGB(255, 255, 255), RGB(255, 255, 255), true, Qt::DotLine},
    {RGB(255, 255, 255), RGB(128, 0, 0), RGB(255, 255, 255), RGB(255, 255, 255), true, Qt::DotLine},
    {RGB(255, 255, 255), RGB(128, 128, 128), RGB(192, 192, 192), RGB(255, 255, 255), true, Qt::DotLine},
    {RGB(255, 255, 255), RGB(150, 150, 0), RGB(255, 255, 255), RGB(255, 255, 255), true, Qt::DotLine},
}};
} // namespace

const CMarkerStyle& CMarkerLayout::Style(int nStyle)
{
    return kStyles[size_t(nStyle >= 0 && nStyle < 4 ? nStyle : 0)];
}

int CMarkerLayout::Slot(int nId)
{
    if (nId >= 0 && nId < 4)
        return nId;
    if (nId == kCentre)
        return 4;
    if (nId == kTransmit)
        return 5;
    return -1;
}

void CMarkerLayout::ClearBoxes()
{
    for (QRect& box : m_boxes)
        box = QRect();
}

QRect CMarkerLayout::GetBox(int nId) const
{
    const int slot = Slot(nId);
    return slot < 0 ? QRect() : m_boxes[size_t(slot)];
}

bool CMarkerLayout::Overlaps(const QRect& box) const
{
    const QPoint topLeft = box.topLeft();
    const QPoint other = m_geometry.bVertical ? QPoint(box.left(), winapi::Bottom(box) - 1)
                                              : QPoint(winapi::Right(box) - 1, box.top());
    // A horizontal canvas never shows the transmit marker.
    const int nSlots = m_geometry.bVertical ? 6 : 5;
    for (int i = 0; i < nSlots; ++i) {
        const QRect& placed = m_boxes[size_t(i)];
        if (!IsRectEmpty(placed) && (placed.contains(topLeft) || placed.contains(other)))
            return true;
    }
    return false;
}

bool CMarkerLayout::Place(int nId, int nFrequency, QRect& box, int& nPos)
{
    const Geometry& g = m_geometry;
    if (nFrequency < g.nLow || nFrequency > g.nHigh)
        return false;
    const int64_t span = std::max(1, g.nHigh - g.nLow);
    const int64_t extent = int64_t(g.nPlotEnd) - g.nPlotStart;
    const int bw = g.nBoxWidth;
    const int bh = g.nBoxHeight;
    if (g.bVertical) {
        nPos = int(g.nPlotStart + extent * (g.nHigh - nFrequency) / span);
        box = RectLTRB(2, nPos - bh / 2, bw + 2, nPos - bh / 2 + bh);
    } else {
        nPos = int(g.nPlotStart + extent * (nFrequency - g.nLow) / span);
        box = RectLTRB(nPos - bw / 2, 2, nPos - bw / 2 + bw, bh + 2);
    }

    if (Overlaps(box)) {
        // The nearest free place, trying towards lower coordinates first.
        for (int d = 1; d < extent; ++d) {
            const QRect lower = g.bVertical ? box.translated(0, -d) : box.translated(-d, 0);
            if (!Overlaps(lower)) {
                box = lower;
                break;
            }
            const QRect higher = g.bVertical ? box.translated(0, d) : box.translated(d, 0);
            if (!Overlaps(higher)) {
                box = higher;
                break;
            }
        }
    }
    const int slot = Slot(nId);
    if (slot >= 0)
        m_boxes[size_t(slot)] = box;
    return true;
}

int CMarkerLayout::HitTest(const QPoint& point) const
{
    const QRect& centre = m_boxes[4];
    if (!IsRectEmpty(centre) && centre.contains(point))
        return kCentre;
    for (int n = 3; n >= 0; --n) {
        const QRect& box = m_boxes[size_t(n)];
        if (!IsRectEmpty(box) && box.contains(point))
            return n;
    }
    return -1;
}

bool CMarkerLayout::FrequencyAt(const QPoint& point, int& nFrequency) const
{
    const Geometry& g = m_geometry;
    const int64_t extent = int64_t(g.nPlotEnd) - g.nPlotStart;
    if (extent <= 0)
        return false;
    const int64_t span = int64_t(g.nHigh) - g.nLow;
    if (g.bVertical) {
        if (point.x() < g.rectPlot.left() - 10 || point.y() < g.rectPlot.top() || point.y() > winapi::Bottom(g.rectPlot))
            return false;
        nFrequency = int(g.nHigh - (int64_t(point.y()) + 1 - g.nPlotStart) * span / extent);
    } else {
        if (point.y() < g.rectPlot.top() - 10 || point.x() < g.rectPlot.left() || point.x() > winapi::Right(g.rectPlot))
            return false;
        nFrequency = int(g.nLow + (int64_t(point.x()) + 1 - g.nPlotStart) * span / extent);
    }
    return true;
}
