#pragma once
// "CW Speed": one slider for the keyer speed. The speed is written to the
// radio once the slider has rested for half a second; the title carries a
// change mark until half a second after that write.
#include "shared/ui/BaseDialog.h"

#include <QBasicTimer>

class CCatLink;
class COXBitmapButton;
class QSlider;

class CCWSpeedDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 342;
    static constexpr unsigned IDC_SPEED = 1221;
    static constexpr unsigned IDC_RELOAD = 1118;
    static constexpr int kWriteTimer = 101;
    static constexpr int kMarkTimer = 100;
    static constexpr int kDelayMs = 500;

    // The link defaults to the application's.
    explicit CCWSpeedDialog(QWidget* pParent = nullptr, CCatLink* pLink = nullptr);
    ~CCWSpeedDialog() override;

    bool OnInitDialog() override;
    // Speed from the radio (EEPROM 0x62 bits 0-5 hold speed - 4).
    void ReadSpeed();
    // Timers 101 (write) and 100 (change mark off).
    void OnTimer(int nTimer);

    QSlider* GetSlider() const { return m_pSlider; }
    int GetSpeedInRadio() const { return m_nSpeedInRadio; }
    bool IsWritePending() const { return m_writeTimer.isActive(); }
    bool IsMarkShown() const { return m_bMarked; }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void OnSliderChanged();
    void ShowTitle(bool bChanged);

    CCatLink* m_pLink;
    QSlider* m_pSlider;
    COXBitmapButton* m_pReload;
    QString m_strCaption;
    int m_nSpeedInRadio = -1;
    bool m_bReady = false;
    bool m_bMarked = false;
    QBasicTimer m_writeTimer;  // 101
    QBasicTimer m_markTimer;   // 100
};
