#pragma once
// "Stress Test": exercises the front panel's drawing with random colours and
// values; sends nothing to the radio, and puts the stored colours back when
// it stops.
#include <QBasicTimer>
#include <QDialog>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <random>

class QCheckBox;
class QPushButton;
class QSlider;

class CStressTestDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 269;
    static constexpr unsigned IDC_DISPLAY = 1129;
    static constexpr unsigned IDC_FACEPLATE = 1220;
    static constexpr unsigned IDC_TUNING_DIAL = 1219;
    static constexpr unsigned IDC_DELAY = 1221;
    static constexpr unsigned IDC_BUTTONS = 1222;
    static constexpr unsigned IDC_POWER_METERS = 1223;
    static constexpr unsigned IDC_SELECTION_BAR = 1224;

    // The front panel's test entry points and the navigator's; any may be empty.
    struct Hooks {
        std::function<QWidget*()> view;
        std::function<void(const uint8_t bytes[4])> showFrequencyBytes;
        std::function<void(int)> setSMeterBar;
        std::function<void(int alc, int mod, int swr)> setMeters;
        std::function<int()> navigatorGroupCount;
        std::function<void(int order)> expandNavigatorGroup;
        std::function<void()> reapplyNavigator;
        // The panel shows the radio's real state again (frequency, meters).
        std::function<void()> restorePanel;
    };

    CStressTestDialog(QWidget* pParent, Hooks hooks);
    ~CStressTestDialog() override;

    int DoModal();
    void OnStart();
    void OnCancel();
    void OnTimer();
    bool IsRunning() const { return m_bRunning; }
    int GetTickCount() const { return m_nTicks; }
    int GetDelay() const;
    QPushButton* GetStartButton() const { return m_pStart; }
    QPushButton* GetCancelButton() const { return m_pCancel; }
    QCheckBox* GetCheck(unsigned nId) const;
    void SetSeed(uint32_t nSeed) { m_random.seed(nSeed); m_bSeeded = true; }

    // Components 0 to 254, from three successive numbers.
    uint32_t RandomColour();

protected:
    void timerEvent(QTimerEvent* event) override;
    void reject() override { OnCancel(); }

private:
    void Restore();
    void Broadcast();

    Hooks m_hooks;
    QCheckBox* m_pDisplay = nullptr;
    QCheckBox* m_pFaceplate = nullptr;
    QCheckBox* m_pTuningDial = nullptr;
    QSlider* m_pDelay = nullptr;
    QCheckBox* m_pButtons = nullptr;
    QCheckBox* m_pPowerMeters = nullptr;
    QCheckBox* m_pSelectionBar = nullptr;
    QPushButton* m_pStart = nullptr;
    QPushButton* m_pCancel = nullptr;
    bool m_bRunning = false;
    bool m_bSeeded = false;
    int m_nTicks = 0;
    std::mt19937 m_random;
    QBasicTimer m_timer;  // 100
};
