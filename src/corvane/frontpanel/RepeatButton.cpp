#include "corvane/frontpanel/RepeatButton.h"

#include "corvane/core/Settings.h"
#include "shared/RegisteredEvent.h"

#include <QMouseEvent>
#include <QTimerEvent>

CRepeatButton::CRepeatButton(QWidget* parent) : COXRoundedButton(parent) {}

void CRepeatButton::SetTarget(QObject* pTarget, intptr_t lParam, uint32_t nMessage)
{
    m_pTarget = pTarget;
    m_lParam = lParam;
    m_nMessage = nMessage;
}

void CRepeatButton::mousePressEvent(QMouseEvent* event)
{
    if (m_pTarget && event->button() == Qt::LeftButton && IsEnabled()) {
        m_bRepeating = 1;
        m_nPeriod = GetSettings().GetAutoRepeatDelay();
        m_timer.start(m_nPeriod, this);
        PostRegisteredMessage(m_pTarget, m_nMessage, 0, m_lParam);
    }
    COXRoundedButton::mousePressEvent(event);
}

void CRepeatButton::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId()) {
        const CSettings& settings = GetSettings();
        if (m_nPeriod == settings.GetAutoRepeatDelay()) {
            m_nPeriod = settings.GetAutoRepeatInterval();
            m_timer.start(m_nPeriod, this);
        }
        if (m_pTarget)
            PostRegisteredMessage(m_pTarget, m_nMessage, 0, m_lParam);
        return;
    }
    COXRoundedButton::timerEvent(event);
}

void CRepeatButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_bRepeating)
        m_timer.stop();
    COXRoundedButton::mouseReleaseEvent(event);
}
