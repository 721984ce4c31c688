#include "shared/ui/FadeWindow.h"

#include <QPainter>
#include <QTimerEvent>
#include <algorithm>

int CFadeWindow::TimerInterval(unsigned nDurationMs, int nStartAlpha)
{
    const int steps = nStartAlpha / 10;
    if (steps <= 0)
        return int(nDurationMs);
    return int(nDurationMs / unsigned(steps));
}

CFadeWindow::CFadeWindow(QWidget* pSource, unsigned nDurationMs, int nStartAlpha)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
      m_nAlpha(std::clamp(nStartAlpha, 0, 255)), m_nInterval(TimerInterval(nDurationMs, nStartAlpha))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    if (pSource) {
        m_picture = pSource->grab().toImage();
        const QRect frame = pSource->isWindow() ? pSource->frameGeometry()
                                                : QRect(pSource->mapToGlobal(QPoint(0, 0)), pSource->size());
        setGeometry(QRect(frame.topLeft(), m_picture.size() / m_picture.devicePixelRatio()));
    }
    setWindowOpacity(m_nAlpha / 255.0);
    show();
    m_timer.start(std::max(1, m_nInterval), this);
}

CFadeWindow::~CFadeWindow() = default;

bool CFadeWindow::Step()
{
    if (m_nAlpha < 10) {
        m_timer.stop();
        close();
        return false;
    }
    m_nAlpha -= 10;
    setWindowOpacity(m_nAlpha / 255.0);
    return true;
}

void CFadeWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(rect(), m_picture);
}

void CFadeWindow::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        Step();
    else
        QWidget::timerEvent(event);
}
