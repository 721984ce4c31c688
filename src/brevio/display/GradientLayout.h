#pragma once
// Where the gradient control draws what, and what lies under a point: the
// strip of 256 colours on the left, the start and end boxes and the pegs to
// its right. Rectangles count right and bottom just outside.
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <vector>

class CGradient;

class CGradientLayout {
public:
    // nStripWidth -1: the client width decides where the strip ends.
    CGradientLayout(QSize client, int nStripWidth, int nRange);

    // The strip's right edge: the pegs and boxes stand beyond it.
    int StripRight() const { return m_nStripRight; }
    // A control less than 11 pixels high has no strip and maps no positions.
    bool HasStrip() const { return m_client.height() > 10; }
    int FirstStripRow() const { return 5; }
    int LastStripRow() const { return m_client.height() - 6; }
    // The colour-table entry of a strip row: 0 at the top, 255 at the bottom.
    int EntryOfRow(int y) const;
    int RowOfPosition(int nPosition) const;
    // Clamped to 0 .. range; 0 without a strip.
    int PositionOfRow(int y) const;

    QRect Frame() const;
    QRect StartBox() const;
    QRect EndBox() const;
    QRect StartMark() const;
    QRect EndMark() const;

    // The left edge of each peg: crowded pegs alternate between two columns.
    std::vector<int> PegColumns(const CGradient& gradient) const;
    static QPolygon PegTriangle(int x, int y);
    static QRect PegHitRect(int x, int y);
    static QPolygon PegMark(int x, int y);

    // The peg under a point (the start and end boxes win), or -1.
    int HitTest(const CGradient& gradient, QPoint point) const;

private:
    QSize m_client;
    int m_nStripRight;
    int m_nRange;
};
