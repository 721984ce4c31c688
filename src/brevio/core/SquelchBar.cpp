#include "brevio/core/SquelchBar.h"

#include "shared/FontFactory.h"
#include "shared/RegisteredEvent.h"
#include "shared/WinDraw.h"

#include <QFont>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

using winapi::RectLTRB;

namespace {
uint32_t MsgSquelch()
{
    static const uint32_t nMsg = RegisterWindowMessage("RegisteredMessage::nMsgSquelch");
    return nMsg;
}
int Clamp99(int n) { return std::clamp(n, 0, 99); }
} // namespace

CSquelchBar::CSquelchBar(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::SizeVerCursor);
}

CSquelchBar::~CSquelchBar() = default;

int CSquelchBar::ThresholdAt(int y, int h)
{
    if (h <= 0)
        return 99;
    return Clamp99(99 - int(int64_t(y) * 99 / h));
}

void CSquelchBar::SetLevel(int nLevel)
{
    if (nLevel == m_nLevel)
        return;
    m_nLevel = nLevel;
    update();
}

void CSquelchBar::SetSquelch(int nThreshold)
{
    m_nThreshold = nThreshold;
    update();
}

void CSquelchBar::SetBackgroundColour(COLORREF col)
{
    m_colBackground = col;
    update();
}

void CSquelchBar::SetActiveColour(COLORREF col)
{
    m_colActive = col;
    update();
}

void CSquelchBar::SetGripperColour(COLORREF col)
{
    m_colGripper = col;
    update();
}

void CSquelchBar::SetSquelchedColour(COLORREF col)
{
    m_colSquelched = col;
    update();
}

void CSquelchBar::paintEvent(QPaintEvent*)
{
    const int nSavedLevel = m_nLevel;
    if (m_bThresholdDisplay)
        m_nLevel = m_nThreshold;
    m_nLevel = Clamp99(m_nLevel);
    m_nThreshold = Clamp99(m_nThreshold);

    QPainter painter(this);
    const int w = width();
    const int h = height();
    const int yFill = FillLine(h, m_nLevel);
    winapi::FillSolidRect(&painter, RectLTRB(0, 0, w, std::min(yFill + 1, h)), m_colBackground);
    winapi::FillSolidRect(&painter, RectLTRB(0, yFill, w, h),
                          m_nLevel >= m_nThreshold ? m_colActive : m_colSquelched);

    const int yThreshold = ThresholdLine(h, m_nThreshold);
    winapi::FillSolidRect(&painter,
                          RectLTRB(w / 2 - 3, std::max(0, yThreshold - 3), w / 2 + 4, std::min(h, yThreshold + 4)),
                          m_colGripper);
    painter.setPen(toQColor(m_colGripper));
    painter.drawLine(0, yThreshold, w - 1, yThreshold);

    if (m_bCaption) {
        if (!m_pCaptionFont)
            m_pCaptionFont = std::make_unique<QFont>(CFontFactory(this).CreateSansSerif(8, false));
        QRect rect = RectLTRB(0, 0, w, h);
        painter.setPen(toQColor(m_colGripper));
        painter.setBackgroundMode(Qt::TransparentMode);
        winapi::DrawText(&painter, *m_pCaptionFont, QString::number(m_nLevel), rect,
                         winapi::DT_CENTER | winapi::DT_TOP | winapi::DT_SINGLELINE | winapi::DT_NOPREFIX);
    }

    if (m_bThresholdDisplay)
        m_nLevel = nSavedLevel;
}

void CSquelchBar::SetThresholdFromMouse(int y)
{
    m_nThreshold = ThresholdAt(y, height());
    update();
    PostRegisteredMessage(parentWidget(), MsgSquelch(), 0, m_nThreshold);
}

void CSquelchBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        SetThresholdFromMouse(int(event->position().y()));
    QWidget::mousePressEvent(event);
}

void CSquelchBar::mouseMoveEvent(QMouseEvent* event)
{
    // The bar does not capture the mouse: a drag moves the threshold at every move.
    if (event->buttons() & Qt::LeftButton)
        SetThresholdFromMouse(int(event->position().y()));
    QWidget::mouseMoveEvent(event);
}
