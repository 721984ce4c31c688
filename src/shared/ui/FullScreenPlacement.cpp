#include "shared/ui/FullScreenPlacement.h"

#include <QWidget>
#include <QWindow>

QRect CFullScreenPlacement::EnlargedRect(const QRect& window, const QRect& area, const QSize& screen, const QSize& border)
{
    return QRect(window.left() - area.left() - border.width() / 2, window.top() - area.top() - border.height() / 2,
                 screen.width() + window.width() - area.width() + border.width(),
                 screen.height() + window.height() - area.height() + border.height());
}

void CFullScreenPlacement::Enter(QWidget* pWindow, const QRect& enlarged)
{
    m_bMaximised = pWindow->isMaximized();
    // A maximised window's own rectangle is the screen's; the one it comes
    // back to when it is no longer maximised is its normal rectangle.
    const QRect normal = pWindow->normalGeometry();
    m_saved = m_bMaximised && normal.isValid() ? normal : pWindow->geometry();
    // The window manager keeps a maximised window to the screen: it has to
    // be an ordinary window first to grow past the screen's edges.
    if (m_bMaximised)
        pWindow->setWindowState(pWindow->windowState() & ~Qt::WindowMaximized);
    pWindow->setGeometry(enlarged);
    m_bEntered = true;
}

void CFullScreenPlacement::Leave(QWidget* pWindow)
{
    if (!m_bEntered)
        return;
    m_bEntered = false;
    // The rectangle first: maximising remembers it as the one to come back to.
    pWindow->setGeometry(m_saved);
    if (m_bMaximised)
        pWindow->setWindowState(pWindow->windowState() | Qt::WindowMaximized);
}

void CFullScreenPlacement::KeepAbove(QWidget* pTool, QWidget* pWindow)
{
    pTool->winId();
    QWindow* tool = pTool->windowHandle();
    QWindow* window = pWindow->window()->windowHandle();
    if (tool && window && tool->transientParent() != window)
        tool->setTransientParent(window);
}
