#pragma once
// The geometry of the tuning dial, kept apart from the widget so it can be
// checked without a window: one frequency scale per band row, its ticks,
// labels and click marks, the scroll position, and the arithmetic between
// pixels and frequencies.
#include "corvane/frontpanel/BandPlan.h"
#include "shared/WinTypes.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// A favourite as the dial shows it: a flag on its frequency. The entry is the
// favourites collection's own record, handed on to the view untouched.
struct DialFavourite {
    uint32_t nFrequency = 0;
    QString strFolder;
    QString strTitle;
    const void* pEntry = nullptr;
};

class CTuningDialLayout {
public:
    struct TickStep {
        uint32_t nMajor;
        uint32_t nMinor;
    };
    static const TickStep kTickTable[13];

    // What the layout needs of the fonts.
    struct Metrics {
        int nScaleTextHeight = 12;
        int nTitleHeight = 14;
        std::function<int(const QString&)> textWidth;  // width in the scale font
        std::function<int(const QString&)> titleWidth; // width in the title font
    };

    struct Options {
        int nMaxDivisions = 15;
        bool bRowHeightLimit = false;
        bool bArrows = true;
        bool bHighlightBand = true;
        bool bFaveMarkers = false;
        COLORREF colBackground = 0;
        COLORREF colForeground = 0;
        COLORREF colSlider = 0;
    };

    // What one full drawing leaves behind for painting.
    struct Line {
        QPoint a;
        QPoint b;  // inclusive end point
        COLORREF colour;
    };
    struct Label {
        QRect rect;
        QString text;
        COLORREF colour;
    };
    struct Flag {
        int x;
        int y0;        // bottom of the box
        int baseline;  // the line runs down to baseline - 1
        COLORREF colour;
        int nFavourite;
    };
    struct Drawing {
        bool bEmpty = true;          // no entries: nothing but the background
        std::vector<Line> lines;
        std::vector<Label> labels;
        std::vector<Flag> flags;
        QRect titleRect;             // empty without a title
        QString strTitle;
        int nRowsTop = 0;
        int nRowsBottom = 0;
        int nHighlighted = -1;       // plan index
        bool bFirstRowShown = false;
        bool bLastRowShown = false;
    };

    // The scroll state that survives drawings; -1: none chosen yet.
    int m_nFirstVisibleRow = -1;
    int m_nLastCurrentRow = -1;

    // Lays the plan out in a client rectangle of that size for frequency f:
    // sets each entry's visible flag, rectangles and marks (entries not drawn
    // lose them, so they cannot be hit), and returns what to paint.
    Drawing Layout(CBandPlan& plan, QSize client, uint32_t f, const QString& strTitle, const Options& options,
                   const Metrics& metrics, const std::vector<DialFavourite>& favourites);

    // Entries the dial draws at all.
    static bool IsUsable(const CBandPlanEntry& e) { return e.GetEnabled() != 0 && e.GetShown() != 0; }
    static bool IsDrawable(const CBandPlanEntry& e)
    {
        return IsUsable(e) && e.GetFrom() != 0 && e.GetFrom() != e.GetTo();
    }
    // The first usable entry holding f, or -1.
    static int FindRow(const CBandPlan& plan, uint32_t f);

    // The table row whose major step gives at most nMaxDivisions intervals
    // over the span, or -1 (only the end ticks then).
    static int FindTickRow(uint32_t nSpan, int nMaxDivisions);
    // Pixel offset of tick k of a step over a scale of that width; at least
    // the width when a row is too narrow for ticks.
    static int64_t TickOffset(uint32_t nStep, int k, int nWidth, uint32_t nSpan);
    // MHz with trailing zeros dropped down to one decimal: 7.1, 7.0, 14.07.
    static QString LabelText(uint32_t nFrequency);
    // Pixels from the scale's left edge to frequency f.
    static int64_t FrequencyOffset(uint32_t f, uint32_t nFrom, uint32_t nTo, int nWidth);
    // A click at x on a scale: whole multiples of 10 Hz, rounded down.
    static uint32_t ClickFrequency(uint32_t nFrom, uint32_t nTo, int x, int nScaleLeft, int nScaleWidth);
    // The frequency a click at the point tunes to: first a tick or label
    // mark, else the click area of an entry; 0 for nothing.
    static uint32_t HitTest(const CBandPlan& plan, QPoint point);

    // Favourite flag under a point: its index in the list given to the last
    // layout and its anchor (flag x, row baseline); -1 when none.
    int FavouriteAt(QPoint point, QPoint* pAnchor = nullptr) const;

private:
    int DrawScale(Drawing& d, CBandPlanEntry& entry, int top, int left, int width, int height, COLORREF colour,
                  const Options& options, const Metrics& metrics, const std::vector<DialFavourite>& favourites);
    int AddLabel(Drawing& d, CBandPlanEntry& entry, int x, int y, uint32_t f, COLORREF colour,
                 const Metrics& metrics);

    struct FlagHit {
        QRect rect;
        int nFavourite;
        QPoint anchor;
    };
    std::vector<FlagHit> m_flagHits;
};
