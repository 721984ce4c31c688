#pragma once
// The gradient as a vertical strip with its pegs beside it: click to select
// a peg or an end, drag a peg, double-click to create or edit one, Delete to
// remove it, Up and Down to move it by one unit. Everything it does is told
// to its owner through notify(), synchronously, with the message numbers the
// palette designer knows.
#include "brevio/display/Gradient.h"

#include <QPoint>
#include <QWidget>

class CGradientLayout;

class CGradientCtrl : public QWidget {
    Q_OBJECT
public:
    enum : unsigned {
        GradientSelChange = 2125,   // control id, selected index
        GradientPegMove = 2126,     // new position, peg index
        GradientPegMoved = 2127,    // last drag position, selected index
        GradientPegRemoved = 2128,  // position of the removed peg, its former index
        GradientCreatePeg = 2129,   // position under the cursor, 0
        GradientEditPeg = 2130,     // position under the cursor, selected index
        GradientChange = 2131,      // control id, 0
    };
    static QString ClassName() { return QStringLiteral("MFCGradientCtrl"); }

    explicit CGradientCtrl(QWidget* parent = nullptr);
    ~CGradientCtrl() override;

    CGradient& GetGradient() { return m_gradient; }
    const CGradient& GetGradient() const { return m_gradient; }
    int GetSelIndex() const { return m_nSelected; }
    int SetSelIndex(int nIndex, bool bRedraw = true);
    CPeg GetSelPeg() const { return m_gradient.GetPeg(m_nSelected); }
    void SetSelPegPosition(int nPosition, bool bRedraw = true);
    void SetSelPegColour(COLORREF colour, bool bRedraw = true);
    // Removes the selected peg (not an end); the selection moves to the
    // previous peg, or to the start colour.
    void RemoveSelected(bool bRedraw);
    bool IsButtonDown() const { return m_bButtonDown; }
    void SetBlinkPhase(int nPhase) { m_nBlinkPhase = nPhase; }
    // One step of the blinking selection mark (the owner's timer drives it).
    void BlinkSelection();
    bool IsMarkShown() const { return m_bMarkShown; }
    // -1: the client width decides where the strip ends.
    void SetStripWidth(int nWidth) { m_nStripWidth = nWidth; update(); }
    CGradientLayout Layout() const;
    // The gradient position under the last left-button click.
    int GetClickPosition() const;

signals:
    void notify(unsigned nMessage, intptr_t wParam, intptr_t lParam);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void Notify(unsigned nMessage, intptr_t wParam, intptr_t lParam) { emit notify(nMessage, wParam, lParam); }
    intptr_t Id() const;

    CGradient m_gradient;
    int m_nSelected = CGradient::kNone;
    int m_nStripWidth = -1;
    int m_nBlinkPhase = 1;
    bool m_bMarkShown = true;
    bool m_bButtonDown = false;
    int m_nLastDrag = -1;
    QPoint m_lastClick;
};
