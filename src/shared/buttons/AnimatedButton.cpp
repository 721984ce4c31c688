#include "shared/buttons/AnimatedButton.h"

#include "shared/artwork/Artwork.h"
#include "shared/buttons/ButtonStyles.h"
#include "shared/ui/BaseDialog.h"

#include <QApplication>
#include <QPainter>
#include <QTimerEvent>

CAnimatedButton::CAnimatedButton(QWidget* parent) : QPushButton(parent) {}

CAnimatedButton::~CAnimatedButton() = default;

bool CAnimatedButton::Create(unsigned id, QWidget* parent, int stripId, int disabledStripId, int framesPerSecond,
                             int frameCount, bool stretch, bool replaceBackground, int cursorId)
{
    auto strip = std::make_unique<CDib>(stripId);
    if (!strip->IsValid())
        return false;
    std::unique_ptr<CDib> disabled;
    if (disabledStripId != 0) {
        disabled = std::make_unique<CDib>(disabledStripId);
        if (!disabled->IsValid())
            return false;
    }
    // Without frames or a rate there is nothing to step: the frame width and
    // the timer period would divide by zero.
    if (frameCount == 0 && disabled && disabled->GetWidth() > 0)
        frameCount = strip->GetWidth() / disabled->GetWidth();
    if (frameCount <= 0 || framesPerSecond <= 0)
        return false;

    if (parent && parentWidget() != parent)
        setParent(parent);
    SetDlgCtrlID(this, id);

    if (replaceBackground) {
        const COLORREF face = fromQColor(QApplication::palette().color(QPalette::Button));
        strip->ReplaceColour(0, 0, face);
        if (disabled)
            disabled->ReplaceColour(0, 0, face);
    }
    m_pStrip = std::move(strip);
    m_pDisabledStrip = std::move(disabled);
    m_nFrameCount = frameCount;
    m_nFrameWidth = m_pStrip->GetWidth() / frameCount;
    m_nFrameHeight = m_pStrip->GetHeight();
    m_nFramesPerSecond = framesPerSecond;
    m_bStretch = stretch;
    m_nCurrentFrame = 0;
    m_nFramesAdvanced = 0;
    QCursor cursor;
    if (cursorId != 0 && artwork::cursor(cursorId, &cursor))
        setCursor(cursor);
    // At least a millisecond: a rate above 1000 would make a zero period.
    m_nPeriod = std::max(1, 1000 / framesPerSecond);
    if (m_nFrameCount > 1)
        m_timer.start(m_nPeriod, this);
    update();
    return true;
}

void CAnimatedButton::SyncTimer()
{
    if (!m_pStrip)
        return;
    if (!isEnabled() && m_timer.isActive()) {
        m_timer.stop();
        m_nCurrentFrame = 0;
    } else if (isEnabled() && !m_timer.isActive() && m_nFrameCount > 1) {
        m_timer.start(m_nPeriod, this);
    }
}

void CAnimatedButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        SyncTimer();
    QPushButton::changeEvent(event);
}

void CAnimatedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    unsigned state = 0;
    if (isDown())
        state |= ODS_SELECTED;
    if (hasFocus())
        state |= ODS_FOCUS;
    if (!isEnabled())
        state |= ODS_DISABLED;
    DrawItem(painter, state, rect());
}

void CAnimatedButton::DrawItem(QPainter& painter, unsigned itemState, const QRect& rect)
{
    SyncTimer();
    if (!m_pStrip || m_nFrameWidth <= 0 || m_nFrameHeight <= 0)
        return;
    // The strip has one row of frames: the pushed and focused looks show the
    // same row as the normal one.
    const CDib* source = m_pStrip.get();
    int sx = m_nCurrentFrame * m_nFrameWidth;
    if ((itemState & ODS_DISABLED) && !(itemState & (ODS_SELECTED | ODS_FOCUS)) && m_pDisabledStrip) {
        source = m_pDisabledStrip.get();
        sx = 0;
    }
    const int fw = std::min(m_nFrameWidth, source->GetWidth());
    const int fh = std::min(m_nFrameHeight, source->GetHeight());
    painter.fillRect(rect, palette().color(QPalette::Button));
    if (m_bStretch)
        source->Stretch(painter, rect.x(), rect.y(), rect.width(), rect.height(), sx, 0, fw, fh);
    else
        source->Draw(painter, rect.x() + (rect.width() - fw) / 2, rect.y() + (rect.height() - fh) / 2, fw, fh, sx, 0);
}

void CAnimatedButton::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timer.timerId()) {
        QPushButton::timerEvent(event);
        return;
    }
    if (m_bPlaying && (m_nLoopLimit == -1 || m_nFramesAdvanced < m_nFrameCount * m_nLoopLimit)) {
        ++m_nFramesAdvanced;
        m_nCurrentFrame = m_nFrameCount > 0 ? (m_nCurrentFrame + 1) % m_nFrameCount : 0;
    }
    update();
}

void CAnimatedButton::RealizeStripPalette() { update(); }
