#pragma once
// The radio toolbar's segmented meter. While the linked radio receives it is
// one bar of 15 segments (the receive meter); while it transmits it is two
// bars of 16 segments, ALC and PWR, each holding its peak for 800 ms.
#include "shared/WinTypes.h"

#include <QImage>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

class QFont;

class CTxMeterStatic : public QWidget {
    Q_OBJECT
public:
    explicit CTxMeterStatic(QWidget* parent = nullptr);
    ~CTxMeterStatic() override;

    // Receiving: the number of lit segments. Transmitting: ALC in bits 0-3 and
    // power in bits 4-7. Does not repaint; the owner invalidates afterwards.
    void SetValue(unsigned nValue, bool bTransmitting);

    bool IsTransmitLayout() const { return m_bTransmit; }
    unsigned GetRawValue() const { return m_nRaw; }
    unsigned GetShownAlc() const { return m_nShownAlc; }
    unsigned GetShownPower() const { return m_nShownPower; }
    bool IsAlcHeld() const { return m_bAlcHold; }
    bool IsPowerHeld() const { return m_bPowerHold; }
    bool IsHoldTimerActive(int nId) const;

    // The end of a hold: timer 100 (ALC) or 101 (power).
    void OnTimer(int nId);

    // Segment rectangles of the receive layout (15) and of the transmit rows
    // (16 each) for a client of w x h; the transmit rows also need the label
    // column's width and the text heights of "ALC " and "PWR ".
    static std::array<QRect, 15> ReceiveSegments(int w, int h);
    static std::array<QRect, 16> AlcSegments(int w, int h, int nLabelWidth, int nAlcTextHeight);
    static std::array<QRect, 16> PowerSegments(int w, int h, int nLabelWidth, int nPowerTextHeight);
    static COLORREF SegmentColour(int j);
    static constexpr COLORREF kAlcColour = RGB(255, 0, 0);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Draw(QPainter& painter, int w, int h);

    bool m_bTransmit = false;
    bool m_bAlcHold = false;
    bool m_bPowerHold = false;
    unsigned m_nRaw = 0;
    unsigned m_nShownAlc = 0;
    unsigned m_nShownPower = 0;
    QImage m_backBuffer;
    COLORREF m_colBackground = RGB(0, 0, 0);
    COLORREF m_colUnlit = RGB(32, 32, 32);
    std::unique_ptr<QFont> m_pLabelFont;
    int m_nLabelWidth = 0;
    QTimer m_timerAlc;    // 100
    QTimer m_timerPower;  // 101
};
