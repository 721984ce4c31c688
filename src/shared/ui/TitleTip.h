#pragma once
// A small label in the tooltip colours that names the item under the mouse
// (the tuning dial's favourite and band marks). The owner shows it while the
// mouse moves over an item and hides it when the mouse leaves.
#include "shared/WinTypes.h"

#include <QBasicTimer>
#include <QLabel>

class CTitleTip : public QLabel {
    Q_OBJECT
public:
    explicit CTitleTip(QWidget* parent = nullptr);
    ~CTitleTip() override;

    // (x, y) in the owner's client coordinates; group is a backslash path.
    void Show(QWidget* pOwner, int x, int y, const QString& strGroup, const QString& strName);
    void Hide();
    bool IsShown() const { return m_bShown; }

    // Timer 100 of the owner's choice: hides the tip when it fires.
    void StartHideTimer(int nMilliseconds);

    void SetColours(COLORREF background, COLORREF text);
    COLORREF GetBackgroundColour() const { return m_colBackground; }
    COLORREF GetTextColour() const { return m_colText; }
    // The text colour as painted: dimmed towards the background while disabled.
    COLORREF PaintedTextColour() const;

    static QString ItemText(const QString& strGroup, const QString& strName);
    // Left edge that keeps a tip of the given width inside the client width.
    static int FitX(int x, int nWidth, int nClientWidth);

protected:
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyColours();

    bool m_bShown = false;
    COLORREF m_colBackground;
    COLORREF m_colText;
    QPoint m_ptLast{0, 0};
    QBasicTimer m_hideTimer;
};
