#include "brevio/display/PalettePreview.h"

#include <QPainter>
#include <QResizeEvent>
#include <QTimerEvent>

CPalettePreview::CPalettePreview(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A timer never queues a second tick behind an unhandled one, so a slow
    // display skips frames instead of falling behind.
    m_timer.start(kTimerPeriod, this);
}

void CPalettePreview::InitFire()
{
    m_flame.Init(width(), height());
    m_bInitialised = true;
    if (!m_colours.empty())
        m_flame.SetColours(m_colours);
    if (m_nFlamePercent > 0)
        m_flame.SetFlameHeight(m_nFlamePercent);
    update();
}

void CPalettePreview::SetColours(const std::vector<COLORREF>& colours)
{
    m_colours = colours;
    if (!m_bInitialised)
        InitFire();
    m_flame.SetColours(colours);
    update();
}

void CPalettePreview::SetFlameHeight(int nPercent)
{
    m_nFlamePercent = nPercent;
    m_flame.SetFlameHeight(nPercent);
}

void CPalettePreview::OnTimer()
{
    if (!m_bInitialised || !m_flame.IsValid())
        return;
    m_flame.Step();
    if (isVisible())
        repaint();
}

void CPalettePreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_flame.IsValid()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.drawImage(0, 0, m_flame.Image());
}

void CPalettePreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The image always covers the control; the heat starts again.
    if (m_bInitialised && event->size() != event->oldSize())
        InitFire();
}

void CPalettePreview::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        OnTimer();
    else
        QWidget::timerEvent(event);
}
