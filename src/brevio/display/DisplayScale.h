#pragma once
// Geometry of the display: where the frequency scale line runs, where its
// ticks and labels go, and the plot area that is left for the waterfall,
// spectrum or raw trace. Plain arithmetic on sizes and text extents, so the
// canvas draws what this computes and tests check it without a window.
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

class CFrequencyLabel;

struct CScaleTick {
    int64_t nFrequency = 0;
    int nPos = 0;       // y of a vertical scale, x of a horizontal one
    int nLength = 4;    // 10 labelled, 8 other multiples of 100 Hz, 4 the 50 Hz steps between
    bool bLabel = false;
    QRect rectLabel;    // where the label text is laid out (empty without a label)
    QString strLabel;
};

class CDisplayScale {
public:
    struct Input {
        bool bVertical = false;
        int nWidth = 0;      // client size
        int nHeight = 0;
        int nStrip = 0;      // width (vertical) or height (horizontal) kept for the marker boxes
        int cx = 0;          // text extent of the label of the scale's upper end
        int cy = 0;
        int64_t nLo = 0;     // scale ends, multiples of 100 Hz
        int64_t nHi = 0;
    };

    // Lays the scale out; label texts come from the label object.
    void Compute(const Input& in, CFrequencyLabel& label);

    bool IsVertical() const { return m_bVertical; }
    // x of the vertical scale line, or y of the horizontal one.
    int GetScaleLine() const { return m_nScaleLine; }
    // Top and bottom row of the frequency axis (vertical), or its left and right end column.
    int GetPlotStart() const { return m_nPlotStart; }
    int GetPlotEnd() const { return m_nPlotEnd; }
    // The plot area in client coordinates (right and bottom just outside).
    const QRect& GetPlotRect() const { return m_rectPlot; }
    // The rectangle that the scale itself covers (filled with the background first).
    const QRect& GetScaleRect() const { return m_rectScale; }
    int GetLabelStep() const { return m_nLabelStep; }
    const std::vector<CScaleTick>& GetTicks() const { return m_ticks; }

private:
    bool m_bVertical = false;
    int m_nScaleLine = 0;
    int m_nPlotStart = 0;
    int m_nPlotEnd = 0;
    int m_nLabelStep = 1;
    QRect m_rectPlot;
    QRect m_rectScale;
    std::vector<CScaleTick> m_ticks;
};
