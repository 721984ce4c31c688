#pragma once
// The receive channel's signal bar: a vertical bar showing the signal level
// (0-99) against the squelch threshold (0-99). Clicking or dragging in it
// moves the threshold and tells the parent window with nMsgSquelch.
#include "shared/WinTypes.h"

#include <QWidget>
#include <memory>

class QFont;

class CSquelchBar : public QWidget {
    Q_OBJECT
public:
    explicit CSquelchBar(QWidget* parent = nullptr);
    ~CSquelchBar() override;

    // Repaints only when the level changes.
    void SetLevel(int nLevel);
    // These always repaint.
    void SetSquelch(int nThreshold);
    void SetBackgroundColour(COLORREF col);
    void SetActiveColour(COLORREF col);
    void SetGripperColour(COLORREF col);
    void SetSquelchedColour(COLORREF col);

    int GetSquelch() const { return m_nThreshold; }
    int GetLevel() const { return m_nLevel; }
    COLORREF GetBackgroundColour() const { return m_colBackground; }
    COLORREF GetActiveColour() const { return m_colActive; }
    COLORREF GetGripperColour() const { return m_colGripper; }
    COLORREF GetSquelchedColour() const { return m_colSquelched; }

    // Threshold display: the bar shows its threshold in place of the level
    // (the Super Browser and the option pages' previews). Set by the owner.
    void SetThresholdDisplay(bool bOn) { m_bThresholdDisplay = bOn; }
    // The shown value written at the top of the bar (on by default).
    void SetCaption(bool bOn) { m_bCaption = bOn; }

    // Bar arithmetic for a client height h: the top row of the fill, the
    // threshold line, and the threshold a click at row y sets (kept in 0-99
    // when the mouse is dragged beyond the bar).
    static int FillLine(int h, int nLevel) { return h * (99 - nLevel) / 99; }
    static int ThresholdLine(int h, int nThreshold) { return (h - 1) * (99 - nThreshold) / 99; }
    static int ThresholdAt(int y, int h);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void SetThresholdFromMouse(int y);

    bool m_bThresholdDisplay = false;
    bool m_bCaption = true;
    std::unique_ptr<QFont> m_pCaptionFont;
    int m_nLevel = 0;
    int m_nThreshold = 50;
    COLORREF m_colBackground = RGB(255, 255, 255);
    COLORREF m_colActive = RGB(255, 205, 0);
    COLORREF m_colGripper = RGB(0, 0, 0);
    COLORREF m_colSquelched = RGB(0, 0, 128);
};
