#pragma once
// A horizontal transmit meter of the front panel (and its previews in the
// options): 18 coloured segments growing one pixel taller each, or a single
// colour wedge cut into steps, as the TX-meter option says.
#include "shared/WinTypes.h"

#include <QImage>
#include <QWidget>
#include <cstdint>

class CMeterStatic : public QWidget {
    Q_OBJECT
public:
    explicit CMeterStatic(QWidget* parent = nullptr);
    ~CMeterStatic() override;

    // Makes the back buffer at the client size; without it the meter draws nothing.
    void CreateBuffer();
    void SetValue(int nValue);
    int GetValue() const { return m_nValue; }
    void SetRange(int16_t nMinimum, int16_t nMaximum)
    {
        m_nMinimum = nMinimum;
        m_nMaximum = nMaximum;
        update();
    }
    void SetMinimum(int16_t n) { SetRange(n, m_nMaximum); }
    void SetMaximum(int16_t n) { SetRange(m_nMinimum, n); }
    int16_t GetMinimum() const { return m_nMinimum; }
    int16_t GetMaximum() const { return m_nMaximum; }
    void SetBackgroundColour(COLORREF c) { m_colBackground = c; update(); }
    void SetForegroundColour(COLORREF c) { m_colForeground = c; update(); }
    void SetBarColour(COLORREF c) { SetForegroundColour(c); }
    COLORREF GetBackgroundColour() const { return m_colBackground; }
    COLORREF GetForegroundColour() const { return m_colForeground; }
    int GetInvalidationCount() const { return m_nInvalidations; }

    // Draws the meter into an image of that size (the paint does the same
    // into the back buffer).
    void Draw(QImage& image, bool bMono) const;
    // The segment rectangles of the coloured look (right and bottom outside).
    static QRect SegmentRect(int i, int nWidth, int nHeight);
    static int LitSegments(int nValue, int nMaximum);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_nValue = 0;
    int16_t m_nMinimum = 0;
    int16_t m_nMaximum = 0;
    QImage m_buffer;
    COLORREF m_colBackground;
    COLORREF m_colForeground;
    int m_nInvalidations = 0;
};
