#pragma once
// The colour popup's table and geometry without a window: the 40 named
// colours, where each cell lies, which cell is under a point and where the
// arrow keys lead. Cells 0 .. 39 are colours, -3 "Automatic", -2 "More
// Colors...", -1 none.
#include "shared/WinTypes.h"

#include <QRect>
#include <QString>

class CColorPopupLayout {
public:
    static constexpr int kAutoCell = -3;
    static constexpr int kMoreCell = -2;
    static constexpr int kNoCell = -1;
    static constexpr int kColumns = 8;
    static constexpr int kMaxColours = 100;

    struct NamedColour {
        COLORREF colour;
        const char* name;
    };
    static int TableSize();
    static const NamedColour& TableEntry(int nIndex);

    // textSize: the larger width and height of the two texts in the popup
    // font; an empty text has no cell. The window opens at topLeft and is
    // kept inside screen (opening above the button when it would pass the
    // bottom).
    CColorPopupLayout(int nMargin, int nColours, bool bAutoText, bool bMoreText, QSize textSize, QPoint topLeft,
                      const QRect& screen, int nButtonHeight);

    int GetCellSize() const { return m_nCellSize; }
    int GetMargin() const { return m_nMargin; }
    int GetColourCount() const { return m_nColours; }
    int GetRows() const { return m_nRows; }
    bool HasAuto() const { return m_bAuto; }
    bool HasMore() const { return m_bMore; }
    // Screen rectangle of the window.
    QRect WindowRect() const { return m_window; }
    QRect AutoRect() const { return m_auto; }
    QRect MoreRect() const { return m_more; }
    QRect CellRect(int nIndex) const;

    // The cell under a point of the window; -1 when the point names none.
    int HitTest(QPoint point) const;
    // Where an arrow key leads from a cell (a cell of -1 starts at the first colour).
    enum class Key { Up, Down, Left, Right };
    int Navigate(int nCurrent, Key key) const;

private:
    int AfterLast() const;
    int BeforeFirst() const;

    int m_nMargin;
    int m_nCellSize = 18;
    int m_nColours;
    int m_nRows;
    bool m_bAuto;
    bool m_bMore;
    QRect m_window;
    QRect m_auto;
    QRect m_more;
};
