#pragma once
// A main window made larger than the screen, so that its work area covers the
// whole screen, and given back afterwards as it was: the same rectangle, and
// maximised again when it was maximised.
#include <QRect>
#include <QSize>

class QWidget;

class CFullScreenPlacement {
public:
    // The window rectangle (client area, screen coordinates) that puts the
    // work area over the whole screen, with `border` more in each direction,
    // half of it beyond each edge.
    static QRect EnlargedRect(const QRect& window, const QRect& area, const QSize& screen, const QSize& border = QSize(0, 0));

    // Remembers the window's rectangle and state, then enlarges it.
    void Enter(QWidget* pWindow, const QRect& enlarged);
    // Back to the remembered rectangle and state, once per Enter: a second
    // request (the command and the window's own message both end it) leaves
    // the window where it is.
    void Leave(QWidget* pWindow);

    QRect GetSavedRect() const { return m_saved; }
    bool WasMaximised() const { return m_bMaximised; }

    // The window that ends full screen stays above the enlarged window, also
    // when that one is clicked and comes to the front: window managers keep
    // a window above the one it belongs to, and nothing else does that for
    // a window without a parent.
    static void KeepAbove(QWidget* pTool, QWidget* pWindow);

private:
    QRect m_saved;
    bool m_bMaximised = false;
    bool m_bEntered = false;
};
