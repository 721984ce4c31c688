#include "brevio/display/ColorPopupLayout.h"

#include "shared/WinDraw.h"

#include <algorithm>

using winapi::RectLTRB;

namespace {
const CColorPopupLayout::NamedColour kTable[] = {
    {RGB(0, 0, 0), "Black"},
    {RGB(165, 42, 0), "Brown"},
    {RGB(0, 64, 64), "Dark Olive Green"},
    {RGB(0, 85, 0), "Dark Green"},
    {RGB(0, 0, 94), "Dark Teal"},
    {RGB(0, 0, 139), "Dark blue"},
    {RGB(75, 0, 130), "Indigo"},
    {RGB(40, 40, 40), "Dark grey"},
    {RGB(139, 0, 0), "Dark red"},
    {RGB(255, 104, 32), "Orange"},
    {RGB(139, 139, 0), "Dark yellow"},
    {RGB(0, 147, 0), "Green"},
    {RGB(56, 142, 142), "Teal"},
    {RGB(0, 0, 255), "Blue"},
    {RGB(123, 123, 192), "Blue-grey"},
    {RGB(102, 102, 102), "Grey - 40"},
    {RGB(255, 0, 0), "Red"},
    {RGB(255, 173, 91), "Light orange"},
    {RGB(50, 205, 50), "Lime"},
    {RGB(60, 179, 113), "Sea green"},
    {RGB(127, 255, 212), "Aqua"},
    {RGB(125, 158, 192), "Light blue"},
    {RGB(128, 0, 128), "Violet"},
    {RGB(127, 127, 127), "Grey - 50"},
    {RGB(255, 192, 203), "Pink"},
    {RGB(255, 215, 0), "Gold"},
    {RGB(255, 255, 0), "Yellow"},
    {RGB(0, 255, 0), "Bright green"},
    {RGB(64, 224, 208), "Turquoise"},
    {RGB(192, 255, 255), "Skyblue"},
    {RGB(72, 0, 72), "Plum"},
    {RGB(192, 192, 192), "Light grey"},
    {RGB(255, 228, 225), "Rose"},
    {RGB(210, 180, 140), "Tan"},
    {RGB(255, 255, 224), "Light yellow"},
    {RGB(152, 251, 152), "Pale green "},
    {RGB(175, 238, 238), "Pale turquoise"},
    {RGB(104, 131, 139), "Pale blue"},
    {RGB(230, 230, 250), "Lavender"},
    {RGB(255, 255, 255), "White"},
};
} // namespace

int CColorPopupLayout::TableSize()
{
    return int(std::size(kTable));
}

const CColorPopupLayout::NamedColour& CColorPopupLayout::TableEntry(int nIndex)
{
    return kTable[std::clamp(nIndex, 0, TableSize() - 1)];
}

CColorPopupLayout::CColorPopupLayout(int nMargin, int nColours, bool bAutoText, bool bMoreText, QSize textSize,
                                     QPoint topLeft, const QRect& screen, int nButtonHeight)
    : m_nMargin(nMargin), m_nColours(std::clamp(nColours, 0, kMaxColours)), m_bAuto(bAutoText), m_bMore(bMoreText)
{
    const int m = m_nMargin;
    // Wide system edges would leave no room for the colour inside a cell.
    if (m_nCellSize - 2 * m - 2 < 5)
        m_nCellSize = 2 * m + 7;
    const int c = m_nCellSize;
    m_nRows = (m_nColours + kColumns - 1) / kColumns;

    const int textWidth = textSize.width() + 2 * m;
    const int textHeight = textSize.height() + 2 * m + 2 * m + 2;
    int width = kColumns * c + 2 * m;
    int height = m_nRows * c + 2 * m;
    if (m_bAuto) {
        width = std::max(width, textWidth);
        const int inner = width - 2 * m;
        m_auto = RectLTRB(m, m, m + inner, 2 * m + textHeight);
        height += m_auto.height() + 2 * m;
    }
    if (m_bMore) {
        width = std::max(width, textWidth);
        const int inner = width - 2 * m;
        m_more = RectLTRB(m, height, m + inner, height + m + textHeight);
        height += m_more.height() + 2 * m;
    }
    QRect window(topLeft, QSize(width, height));
    if (!screen.isEmpty()) {
        const int screenRight = screen.x() + screen.width();
        const int screenBottom = screen.y() + screen.height();
        if (window.x() + width > screenRight)
            window.moveLeft(screenRight - width);
        if (window.x() < screen.x())
            window.moveLeft(screen.x());
        if (window.y() + height > screenBottom)
            window.moveTop(window.y() - nButtonHeight - height);
    }
    m_window = window;
}

QRect CColorPopupLayout::CellRect(int nIndex) const
{
    if (nIndex == kAutoCell)
        return m_auto;
    if (nIndex == kMoreCell)
        return m_more;
    if (nIndex < 0 || nIndex >= m_nColours)
        return QRect();
    const int c = m_nCellSize;
    int top = (nIndex / kColumns) * c + m_nMargin;
    if (m_bAuto)
        top += m_nMargin + m_auto.height();
    return QRect((nIndex % kColumns) * c + m_nMargin, top, c, c);
}

int CColorPopupLayout::HitTest(QPoint point) const
{
    if (m_bMore && m_more.contains(point))
        return kMoreCell;
    if (m_bAuto && m_auto.contains(point))
        return kAutoCell;
    const QRect first = CellRect(0);
    if (first.isNull() || point.x() < first.x() || point.y() < first.y())
        return kNoCell;
    const int column = (point.x() - first.x()) / m_nCellSize;
    const int row = (point.y() - first.y()) / m_nCellSize;
    if (column >= kColumns)
        return kNoCell;
    const int index = row * kColumns + column;
    return index < m_nColours ? index : kNoCell;
}

int CColorPopupLayout::AfterLast() const
{
    return m_bMore ? kMoreCell : m_bAuto ? kAutoCell : 0;
}

int CColorPopupLayout::BeforeFirst() const
{
    return m_bAuto ? kAutoCell : m_bMore ? kMoreCell : m_nColours - 1;
}

int CColorPopupLayout::Navigate(int nCurrent, Key key) const
{
    if (m_nColours == 0)
        return nCurrent;
    const int last = m_nColours - 1;
    if (nCurrent == kNoCell || nCurrent > last || nCurrent < kAutoCell)
        return 0;
    switch (key) {
    case Key::Down:
        if (nCurrent == kAutoCell)
            return 0;
        if (nCurrent == kMoreCell)
            return m_bAuto ? kAutoCell : 0;
        return nCurrent + kColumns <= last ? nCurrent + kColumns : AfterLast();
    case Key::Up:
        if (nCurrent == kAutoCell)
            return m_bMore ? kMoreCell : last;
        if (nCurrent == kMoreCell)
            return last;
        return nCurrent >= kColumns ? nCurrent - kColumns : BeforeFirst();
    case Key::Right:
        if (nCurrent == kAutoCell)
            return 0;
        if (nCurrent == kMoreCell)
            return m_bAuto ? kAutoCell : 0;
        return nCurrent < last ? nCurrent + 1 : AfterLast();
    case Key::Left:
        if (nCurrent == kAutoCell)
            return m_bMore ? kMoreCell : last;
        if (nCurrent == kMoreCell)
            return last;
        return nCurrent > 0 ? nCurrent - 1 : BeforeFirst();
    }
    return nCurrent;
}
