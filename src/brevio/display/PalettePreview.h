#pragma once
// The palette designer's preview: a flame drawn in the palette under design,
// about 30 frames a second, so the operator sees how the colours blend in
// motion. The designer initialises it, sets the flame height and hands it a
// new colour table after every change.
#include "brevio/display/Flame.h"

#include <QBasicTimer>
#include <QWidget>

class CPalettePreview : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTimerPeriod = 33;

    explicit CPalettePreview(QWidget* parent = nullptr);

    // (Re)builds the image at the control's size.
    void InitFire();
    // 256 colours, top of the gradient first.
    void SetColours(const std::vector<COLORREF>& colours);
    void SetFlameHeight(int nPercent);

    // One frame and its drawing (the timer's work).
    void OnTimer();
    const CFlame& Flame() const { return m_flame; }
    CFlame& Flame() { return m_flame; }
    bool IsRunning() const { return m_timer.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    CFlame m_flame;
    QBasicTimer m_timer;
    bool m_bInitialised = false;
    int m_nFlamePercent = 0;
    std::vector<COLORREF> m_colours;
};
