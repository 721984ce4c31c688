#pragma once
// A round button that, once given a target, posts its message when pressed
// and again while held: after the auto-repeat delay, then at its rate.
#include "shared/buttons/OXRoundedButton.h"

#include <QBasicTimer>
#include <QPointer>
#include <cstdint>

class CRepeatButton : public COXRoundedButton {
    Q_OBJECT
public:
    static constexpr int kTimerId = 100;

    explicit CRepeatButton(QWidget* parent = nullptr);
    void SetTarget(QObject* pTarget, intptr_t lParam, uint32_t nMessage);
    bool IsRepeating() const { return m_bRepeating; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    int m_bRepeating = 0;
    QPointer<QObject> m_pTarget;
    intptr_t m_lParam = 0;
    int m_nPeriod = 0;
    uint32_t m_nMessage = 0;
    QBasicTimer m_timer;
};
