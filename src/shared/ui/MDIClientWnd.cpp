#include "shared/ui/MDIClientWnd.h"

#include "shared/RegisteredEvent.h"
#include "shared/WinDraw.h"
#include "shared/ui/Banners.h"

#include <QEvent>
#include <QMdiArea>
#include <QPainter>
#include <QScrollBar>

namespace {
// Both programs register this name; the number is the same for the same name.
uint32_t redrawMessage()
{
    static const uint32_t n = RegisterWindowMessage("RegisteredMessage::nMsgRedraw");
    return n;
}
} // namespace

CMDIClientWnd::CMDIClientWnd(QObject* parent) : QObject(parent)
{
    CVersionBanner::LoadBackground(m_background);
}

CMDIClientWnd::~CMDIClientWnd() = default;

QMdiArea* CMDIClientWnd::GetArea() const
{
    return m_pArea;
}

bool CMDIClientWnd::SubclassWindow(QMdiArea* pArea)
{
    if (!pArea)
        return false;
    m_pArea = pArea;
    pArea->viewport()->installEventFilter(this);
    pArea->installEventFilter(this);
    // Scrolling posts one redraw per step; the repaint runs when the queue gets there.
    auto post = [this] { PostRegisteredMessage(this, redrawMessage()); };
    connect(pArea->horizontalScrollBar(), &QScrollBar::valueChanged, this, post);
    connect(pArea->verticalScrollBar(), &QScrollBar::valueChanged, this, post);
    return true;
}

void CMDIClientWnd::PaintBackground(QPainter& p, int w, int h)
{
    p.fillRect(QRect(0, 0, w, h), toQColor(winapi::GetSysColor(winapi::COLOR_WINDOW)));
    const int bw = m_background.width();
    const int bh = m_background.height();
    if (bw > 0 && bh > 0) {
        for (int x = 0; x < w; x += bw)
            for (int y = 0; y < h; y += bh)
                p.drawImage(x, y, m_background);
    }
    if (m_nBanner) {
        CVersionBanner banner;
        banner.Draw(m_pArea ? m_pArea->viewport() : nullptr, p, w, h, true, true);
    }
}

QImage CMDIClientWnd::Render() const
{
    const QSize size = m_pArea ? m_pArea->viewport()->size() : QSize(1, 1);
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter p(&image);
    const_cast<CMDIClientWnd*>(this)->PaintBackground(p, image.width(), image.height());
    return image;
}

void CMDIClientWnd::RealizePalette()
{
    if (m_pArea)
        m_pArea->viewport()->repaint();
}

void CMDIClientWnd::Redraw()
{
    ++m_nRedraws;
    if (m_pArea)
        m_pArea->viewport()->update();
}

bool CMDIClientWnd::OnCommand(unsigned nId)
{
    return m_commandTarget ? m_commandTarget(nId) : false;
}

bool CMDIClientWnd::eventFilter(QObject* watched, QEvent* event)
{
    if (m_pArea && watched == m_pArea->viewport() && event->type() == QEvent::Paint) {
        QPainter p(m_pArea->viewport());
        PaintBackground(p, m_pArea->viewport()->width(), m_pArea->viewport()->height());
        return true;
    }
    if (m_pArea && watched == m_pArea && event->type() == QEvent::Resize)
        Redraw();
    return QObject::eventFilter(watched, event);
}

bool CMDIClientWnd::event(QEvent* event)
{
    if (auto* m = CRegisteredEvent::As(event, redrawMessage())) {
        Redraw();
        m->SetResult(0);
        return true;
    }
    return QObject::event(event);
}
