#pragma once
// A topmost copy of a window's picture that fades away and then deletes
// itself (the splash window leaves this way). Mouse clicks pass through it
// and it never takes the keyboard focus.
#include <QBasicTimer>
#include <QImage>
#include <QWidget>

class CFadeWindow : public QWidget {
    Q_OBJECT
public:
    // Shown at once at the source's place; the caller creates it with new
    // and forgets it.
    CFadeWindow(QWidget* pSource, unsigned nDurationMs, int nStartAlpha);
    ~CFadeWindow() override;

    int GetAlpha() const { return m_nAlpha; }
    int GetInterval() const { return m_nInterval; }
    // One step of the fade; false when the fade has ended (the window is
    // then closing).
    bool Step();

    // duration / (start alpha / 10), both divisions integer. A start below 10
    // has no step to take: the whole duration becomes one step.
    static int TimerInterval(unsigned nDurationMs, int nStartAlpha);

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    QImage m_picture;
    int m_nAlpha;
    int m_nInterval;
    QBasicTimer m_timer;
};
