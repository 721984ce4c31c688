#pragma once
// Where the canvas's marker boxes go along the frequency axis, how a box
// that would cover another is pushed aside, which box a click lands in, and
// which audio frequency lies under the mouse. Boxes are client rectangles
// with right and bottom just outside, empty while not drawn.
#include "shared/WinTypes.h"

#include <QPoint>
#include <QRect>
#include <Qt>
#include <array>

struct CMarkerStyle {
    COLORREF colFrame;
    COLORREF colFill;
    COLORREF colText;
    COLORREF colLeader;
    bool bLeader;
    Qt::PenStyle nLeaderPen;
};

class CMarkerLayout {
public:
    // Marker ids besides the receive channels 0 to 3.
    static constexpr int kTransmit = 998;  // the Super Browser's transmit frequency
    static constexpr int kCentre = 999;    // the centre frequency

    // 0 centre marker while a channel is active, 1 active channel (and unlocked
    // transmit marker), 2 inactive channel (and centre with no active channel),
    // 3 locked transmit marker.
    static const CMarkerStyle& Style(int nStyle);

    struct Geometry {
        bool bVertical = true;
        int nPlotStart = 0;  // top row (vertical) or left end column (horizontal)
        int nPlotEnd = 0;    // bottom row or right end column
        QRect rectPlot;
        int nLow = 0;        // display range, Hz
        int nHigh = 100;
        int nBoxWidth = 0;
        int nBoxHeight = 0;
    };
    void SetGeometry(const Geometry& geometry) { m_geometry = geometry; }
    const Geometry& GetGeometry() const { return m_geometry; }

    void ClearBoxes();
    // Places the box of a marker at an audio frequency, pushed aside from the
    // boxes placed before it, and records it. False (nothing recorded) for a
    // frequency outside the display range. nPos receives the exact axis
    // position the marker's leader line must point at.
    bool Place(int nId, int nFrequency, QRect& box, int& nPos);
    bool Overlaps(const QRect& box) const;
    QRect GetBox(int nId) const;

    // The marker box under a point: kCentre, a channel 3 down to 0, or -1.
    int HitTest(const QPoint& point) const;
    // The audio frequency of a point on (or just beside) the plot; false
    // elsewhere, and on a plot of no extent.
    bool FrequencyAt(const QPoint& point, int& nFrequency) const;

private:
    static int Slot(int nId);

    Geometry m_geometry;
    std::array<QRect, 6> m_boxes;  // channels 0-3, centre, transmit
};
