#pragma once
// The scan graph: the S-meter level of a scanning radio (S0 .. S9+60 dB)
// against frequency. Each reading is joined to the one before by a filled
// area, only the columns between them are redrawn, and two small cursors
// above and below the plot mark the latest frequency. A click in the plot
// retunes the radio there.
#include "shared/WinTypes.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

// Where everything of the graph goes for a client rectangle, a label size
// and a range. Pixel arithmetic runs in 64 bits in the order of the 32-bit
// formulas, so a wide range never overflows.
class CScanGraphScale {
public:
    // Labelled intervals of the frequency scale at most.
    static constexpr uint32_t kScaleDivisions = 15;
    static constexpr int kLevels = 16;

    void Compute(const RECT& client, QSize labelSize, uint32_t nLow, uint32_t nHigh);

    // Plot frame edges and the mapping area inside it.
    int L = 0, R = 0, T = 0, B = 0;
    RECT plotRect{};
    int W = 0, H = 0;

    // The frequency scale; absent for an empty or too wide range.
    bool bHasScale = false;
    uint32_t nMajor = 0, nMinor = 0;
    uint32_t nAxisStart = 0, nAxisEnd = 0;
    // Offsets from L + 1 of the ticks, and the frequency of each major tick.
    std::vector<int> majorTicks;
    std::vector<uint32_t> majorFrequencies;
    std::vector<int> minorTicks;

    // y of a level 0-15: 15 at the top of the plot, 0 at its bottom.
    int LevelY(int nLevel) const;
    // x of a frequency; FALSE without a frequency scale.
    bool FrequencyX(uint32_t nHz, int& x) const;
    // The frequency a click at x tunes to: mapped over low..high as set, not
    // over the rounded axis. FALSE outside the plot or for an empty plot.
    bool ClickFrequency(int x, int y, uint32_t& nHz) const;

    static bool IsMajorLevel(int nLevel);
    static QString LevelLabel(int nLevel);
    // MHz, "%.6f" without trailing zeros, at least one decimal: "7.0", "14.35".
    static QString FrequencyLabel(uint32_t nHz);

private:
    uint32_t m_nLow = 0;
    uint32_t m_nHigh = 0;
};

class CScanGraph : public QWidget {
    Q_OBJECT
public:
    static constexpr int kAppend = -1;

    explicit CScanGraph(QWidget* parent = nullptr);
    ~CScanGraph() override;

    void SetLow(uint32_t nHz) { m_nLow = nHz; }
    void SetHigh(uint32_t nHz) { m_nHigh = nHz; }
    uint32_t GetLow() const { return m_nLow; }
    uint32_t GetHigh() const { return m_nHigh; }

    // Buffers to the client size (made anew only when it grows), then the
    // background.
    void Layout();
    // Scales and frame into the buffers; the readings are wiped from the
    // picture but kept.
    void DrawBackground();
    void ClearReadings();
    void AddReading(int nIndex, uint32_t nHz, uint8_t nLevel, bool bDraw);
    void Replot();

    int GetReadingCount() const { return int(m_frequencies.size()); }
    uint32_t GetFrequencyAt(int n) const { return m_frequencies[size_t(n)]; }
    uint8_t GetLevelAt(int n) const { return m_levels[size_t(n)]; }
    const QImage& GetDisplayImage() const { return m_display; }
    const CScanGraphScale& Scale() const { return m_scale; }
    QSize GetLabelSize() const { return m_labelSize; }
    const RECT& GetTopCursor() const { return m_topCursor; }
    const RECT& GetBottomCursor() const { return m_bottomCursor; }
    COLORREF GetBackColour() const { return m_colBack; }
    COLORREF GetLineColour() const { return m_colLine; }
    COLORREF GetFillColour() const { return m_colFill; }

    // How a click tunes the radio; by default the front panel's SetFrequency.
    static void SetTuner(std::function<void(uint32_t nHz)> tuner);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void DrawCursor(uint32_t nHz);
    RECT ClientRect() const;

    QFont m_font;
    bool m_bFontMade = false;
    QImage m_display;
    QImage m_clean;
    QSize m_labelSize;
    uint32_t m_nLow = 0;
    uint32_t m_nHigh = 0;
    CScanGraphScale m_scale;
    std::vector<uint32_t> m_frequencies;
    std::vector<uint8_t> m_levels;
    COLORREF m_colBack;
    COLORREF m_colLine;
    COLORREF m_colFill;
    RECT m_bottomCursor{};
    RECT m_topCursor{};
    RECT m_bufferRect{};
};
