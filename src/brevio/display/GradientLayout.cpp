#include "brevio/display/GradientLayout.h"

#include "brevio/display/Gradient.h"
#include "shared/WinDraw.h"

#include <algorithm>

using winapi::RectLTRB;

CGradientLayout::CGradientLayout(QSize client, int nStripWidth, int nRange)
    : m_client(client), m_nStripRight((nStripWidth >= 0 ? nStripWidth : client.width()) - 23),
      m_nRange(std::max(nRange, 1))
{
}

int CGradientLayout::EntryOfRow(int y) const
{
    if (!HasStrip())
        return 0;
    return std::clamp(int(int64_t(y - 5) * 256 / (m_client.height() - 10)), 0, 255);
}

int CGradientLayout::RowOfPosition(int nPosition) const
{
    return int(int64_t(nPosition) * (m_client.height() - 10) / m_nRange) + 5;
}

int CGradientLayout::PositionOfRow(int y) const
{
    if (!HasStrip())
        return 0;
    return std::clamp(int(int64_t(m_nRange) * (y - 5) / (m_client.height() - 10)), 0, m_nRange);
}

QRect CGradientLayout::Frame() const
{
    return RectLTRB(4, 4, m_nStripRight, m_client.height() - 4);
}

QRect CGradientLayout::StartBox() const
{
    return RectLTRB(m_nStripRight + 8, 4, m_nStripRight + 15, 11);
}

QRect CGradientLayout::EndBox() const
{
    const int h = m_client.height();
    return RectLTRB(m_nStripRight + 8, h - 11, m_nStripRight + 15, h - 4);
}

QRect CGradientLayout::StartMark() const
{
    return RectLTRB(m_nStripRight + 9, 5, m_nStripRight + 14, 10);
}

QRect CGradientLayout::EndMark() const
{
    const int h = m_client.height();
    return RectLTRB(m_nStripRight + 9, h - 10, m_nStripRight + 14, h - 5);
}

std::vector<int> CGradientLayout::PegColumns(const CGradient& gradient) const
{
    std::vector<int> columns;
    int counter = 0;
    int previousRow = 0;
    for (int i = 0; i < gradient.GetPegCount(); ++i) {
        const int row = RowOfPosition(gradient.GetPeg(i).position);
        if (i == 0 || row - previousRow > 10)
            counter = 0;
        else
            ++counter;
        columns.push_back(m_nStripRight + (counter % 2 ? 11 : 0));
        previousRow = row;
    }
    return columns;
}

QPolygon CGradientLayout::PegTriangle(int x, int y)
{
    return QPolygon({QPoint(x, y + 1), QPoint(x + 9, y - 3), QPoint(x + 9, y + 5)});
}

QRect CGradientLayout::PegHitRect(int x, int y)
{
    return RectLTRB(x, y - 3, x + 10, y + 6);
}

QPolygon CGradientLayout::PegMark(int x, int y)
{
    return QPolygon({QPoint(x + 2, y + 1), QPoint(x + 8, y - 2), QPoint(x + 8, y + 4)});
}

int CGradientLayout::HitTest(const CGradient& gradient, QPoint point) const
{
    int hit = CGradient::kNone;
    const std::vector<int> columns = PegColumns(gradient);
    for (int i = 0; i < gradient.GetPegCount(); ++i) {
        if (PegHitRect(columns[size_t(i)], RowOfPosition(gradient.GetPeg(i).position)).contains(point)) {
            hit = i;
            break;
        }
    }
    if (StartBox().contains(point))
        hit = CGradient::kStart;
    if (EndBox().contains(point))
        hit = CGradient::kEnd;
    return hit;
}
