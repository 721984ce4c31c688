#pragma once
// A button that plays a short animation: the frames lie side by side in one
// bitmap (a strip) and a timer steps through them while the button is
// enabled. An optional second strip is shown while it is disabled.
#include "shared/buttons/Dib.h"

#include <QBasicTimer>
#include <QCursor>
#include <QPushButton>
#include <memory>

class CAnimatedButton : public QPushButton {
    Q_OBJECT
public:
    explicit CAnimatedButton(QWidget* parent = nullptr);
    ~CAnimatedButton() override;

    // Sets the button up as control id of parent with the frame strip (and
    // a disabled strip, 0 for none). A frame count of 0 takes the strip's
    // width over the disabled strip's. FALSE, leaving a plain button, when a
    // strip cannot be loaded or the frame count or rate is not positive.
    bool Create(unsigned id, QWidget* parent, int stripId, int disabledStripId, int framesPerSecond,
                int frameCount = 0, bool stretch = false, bool replaceBackground = true, int cursorId = 0);

    int GetCurrentFrame() const { return m_nCurrentFrame; }
    int GetFrameCount() const { return m_nFrameCount; }
    int GetFrameWidth() const { return m_nFrameWidth; }
    int GetFrameHeight() const { return m_nFrameHeight; }
    bool IsTimerRunning() const { return m_timer.isActive(); }
    int GetTimerPeriod() const { return m_nPeriod; }
    const CDib* GetStrip() const { return m_pStrip.get(); }

    // The frame shown, drawn into a painter (what paintEvent does).
    void DrawItem(QPainter& painter, unsigned itemState, const QRect& rect);
    // Palettes do not apply to true-colour painting: only repaints.
    void RealizeStripPalette();

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The timer runs while the button is enabled and has frames to step.
    void SyncTimer();

    std::unique_ptr<CDib> m_pStrip;
    std::unique_ptr<CDib> m_pDisabledStrip;
    QBasicTimer m_timer;
    int m_nPeriod = 0;
    int m_nCurrentFrame = 0;
    int m_nFrameCount = 0;
    int m_nFramesPerSecond = 0;
    int m_nFrameWidth = 0;
    int m_nFrameHeight = 0;
    int m_nLoopLimit = -1;
    int m_nFramesAdvanced = 0;
    bool m_bPlaying = true;
    bool m_bStretch = false;
};
