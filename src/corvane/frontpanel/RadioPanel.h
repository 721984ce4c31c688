#pragma once
// The front panel without its window: the 200 ms poll and its failure
// paths, the panel state, the operator's commands as CAT sequences, the
// tuning arithmetic, key auto-repeat, S-meter chart samples and the
// read-out timing. The front-panel view is its host and draws what it says.
#include "corvane/core/CatLink.h"
#include "corvane/frontpanel/PanelModel.h"
#include "corvane/frontpanel/RadioPoll.h"
#include "corvane/frontpanel/RadioStatus.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>

class CSettings;
class CPanelMemoryList;

// What the panel asks of its window and of the program around it.
class CRadioPanelHost {
public:
    virtual ~CRadioPanelHost() = default;
    // The model changed after a rendered poll; bring the controls in line.
    virtual void RenderPanel(const CPanelUpdate& update) {}
    // The radio did not answer: the model is blanked; show it.
    virtual void BlankPanel() {}
    // StepFrequency moved the frequency; show it at once.
    virtual void FrequencyShown() {}
    // Runs the communications-error dialog; TRUE when the radio answers again.
    virtual bool RunCommsErrorDialog() { return false; }
    virtual void AddChartSample(uint8_t nValue) {}
    // The value (Hz) selected in the main frame's step list, 0 when none.
    virtual uint32_t GetStepListValue() { return 0; }
    // Page Up, Page Down, Home and End go to the tuning dial.
    virtual void TuningDialKey(int nVirtualKey) {}
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}
    // The undo list: the frequency and mode about to be left.
    virtual void PushUndo(uint32_t nHz, uint8_t nMode) {}
    // Read-out and band warnings.
    virtual void SpeakFrequency(bool bWithMode) {}
    virtual void SpeakMode() {}
    virtual void SpeakText(const QString& strText) {}
    virtual void OutOfBandWarning(bool bInBand) {}
    virtual bool IsInAmateurBand(uint32_t nHz);
    virtual void TuningSizeChanged(int nSize) {}
    // The poll after a frequency was sent found the radio elsewhere: it did
    // not take the frequency (Hz, as sent and as read).
    virtual void FrequencyNotTaken(uint32_t nSentHz, uint32_t nReadHz) {}
};

// Switches Dual Watch off for its lifetime when it was on.
class CDualWatchSuspend {
public:
    CDualWatchSuspend(CCatLink& link, bool bOn);
    virtual ~CDualWatchSuspend();
    CDualWatchSuspend(const CDualWatchSuspend&) = delete;
    CDualWatchSuspend& operator=(const CDualWatchSuspend&) = delete;

private:
    CCatLink& m_link;
    bool m_bOn;
};

class CRadioPanel : public QObject, public CPanelState {
    Q_OBJECT
public:
    // Windows virtual-key codes of the keys the panel handles.
    enum Key : int {
        VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24,
        VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28,
        // By message: auto-repeat of the memory-channel buttons.
        KEY_NEXT_MEMORY = 0xFF26, KEY_PREVIOUS_MEMORY = 0xFF28,
    };
    static constexpr int kStepTable[6] = {100000, 10000, 1000, 100, 10, 1};  // 10 Hz units
    static constexpr int kStepFromList = 99;

    CRadioPanel(CCatLink& link, CSettings& settings, CRadioPanelHost* pHost = nullptr, QObject* parent = nullptr);
    ~CRadioPanel() override;

    void SetHost(CRadioPanelHost* pHost) { m_pHost = pHost ? pHost : &m_noHost; }
    void SetMemoryList(CPanelMemoryList* pList);
    CPanelModel& Model() { return m_model; }
    const CPanelModel& Model() const { return m_model; }
    CCatLink& Link() { return m_link; }

    // Timers 103 (chart) and 100 (poll), as the view's initial update starts them.
    void StartTimers();
    void StopTimers();
    bool IsPollTimerActive() const { return m_pollTimer.isActive(); }
    int PollInterval() const { return m_pollTimer.interval(); }
    int ChartInterval() const { return m_nChartInterval; }

    // --- The poll ---
    void PollRadio(bool bReadExtra);
    void ReadRadioStatus(CRadioStatus& status);
    void ApplyRadioStatus(const CRadioStatus& status);
    const CRadioStatus& GetStatusRecord() const { return m_status; }
    bool LastPollFailed() const { return m_bLastPollFailed; }
    // A record filled elsewhere (a worker's poll); the panel takes ownership.
    void OnRadioData(CRadioStatus* pStatus);
    void OnPollTimer();
    void OnChartTimer();
    const QList<uint8_t>& ChartSamples() const { return m_samples; }
    // Windows that get RegisteredMessage::nMsgScanning after each receiving poll.
    void AddScanListener(QObject* pListener);
    // Polls whose state the model took; a reader compares two counts to know
    // whether the radio was read since.
    int GetRenderedPolls() const { return m_nRenderedPolls; }

    // --- CPanelState, for the CAT link ---
    bool IsMemoryMode() const override { return m_model.IsMemoryMode(); }
    bool IsMemoryTune() const override { return m_model.IsMemoryTune(); }
    bool IsVfoA() const override { return m_model.IsVfoASelected(); }
    int GetMemoryChannel() const override { return m_model.GetMemoryChannel(); }

    // --- Tuning operations (Hz) ---
    void SetFrequency(uint32_t nHz);
    void TuneFromDial(uint32_t nHz);
    void SetFrequencyAndMode(uint32_t nHz, uint8_t nMode, bool bLeaveMemory);
    void StepFrequency(int nStep, bool bUp, int nCount);
    void SetTuningSize(int nSize);
    int GetTuningSize() const { return m_model.GetTuningSize(); }
    // The stored "Tuning Size" (outside 0..5: 3).
    void RestoreTuningSize();

    // --- Commands ---
    void OnCommand(int nId);
    void OnFreqDigit(int nDirection, int nDigit);
    void OnFreqButton(int nCode);
    // Key handling: bPanelFocus when the focus is in the panel; bShift with Shift down.
    void OnKeystroke(int nKey, bool bKeyUp, bool bShift, bool bPanelFocus);
    void OnRepeatTimer();
    bool IsAutoRepeatActive() const { return m_bRepeatActive; }
    int RepeatPeriod() const { return m_nRepeatPeriod; }
    // Wheel delta in 1/120 notches; nHitDigit the display digit under the pointer or -1.
    void OnMouseWheel(int nDelta, bool bStepList, int nHitDigit);
    void CopyVfo(bool bAtoB);
    void CopyMemoryToVfo(bool bToA);
    void NextMemoryChannel();
    void PreviousMemoryChannel();
    void RepeaterShift(bool bUp);
    // A clarifier spin moved by delta (1307 fine, 1309 coarse); returns the new offset (10 Hz units).
    int OnClarifierSpin(int nId, int nDelta);
    int GetClarifierOffset() const { return m_nClarifierOffset; }
    static QString ClarifierText(int nOffset);

    // --- Read-out ---
    void OnReadOutTimer();
    bool IsFrequencyReadOutPending() const { return m_bFrequencyPending; }
    bool IsModeReadOutPending() const { return m_bModePending; }
    int ReadOutInterval() const { return m_readOutTimer.interval(); }
    bool IsReadOutTimerActive() const { return m_readOutTimer.isActive(); }
    bool IsInAmateurBandState() const { return m_bInAmateurBand; }
    void SetInAmateurBandState(bool bIn) { m_bInAmateurBand = bIn; }

    // The text the operator is given when the radio did not take a frequency.
    static QString NotTakenText(uint32_t nSentHz, uint32_t nReadHz);

private:
    void ReadOutChecks(uint32_t f0, uint8_t m0);
    void CheckSentFrequency(const CRadioStatus& status, bool bRendered);
    void BandCheck(uint32_t nHz);
    void LeaveMemoryIfConfigured();
    uint32_t CurrentTenHz(bool& bKnown) const;

    class WaitCursor {
    public:
        explicit WaitCursor(CRadioPanelHost* host) : m_host(host) { m_host->BeginWaitCursor(); }
        ~WaitCursor() { m_host->EndWaitCursor(); }
    private:
        CRadioPanelHost* m_host;
    };

    CCatLink& m_link;
    CSettings& m_settings;
    CRadioPanelHost m_noHost;
    CRadioPanelHost* m_pHost;
    CPanelMemoryList* m_pMemoryList = nullptr;
    CRadioPoll m_poll;
    CPanelModel m_model;
    CRadioStatus m_status;
    bool m_bLastPollFailed = false;
    QList<uint8_t> m_samples;
    QList<QPointer<QObject>> m_scanListeners;
    int m_nRenderedPolls = 0;
    int m_nChartInterval = 1000;

    QTimer m_pollTimer;     // 100
    QTimer m_repeatTimer;   // 102
    QTimer m_chartTimer;    // 103
    QTimer m_readOutTimer;  // 104

    int m_nRepeatKey = 0;
    bool m_bRepeatActive = false;
    int m_nRepeatPeriod = 0;
    int m_nClarifierOffset = 0;

    bool m_bFrequencyPending = false;
    bool m_bModePending = false;
    bool m_bInAmateurBand = true;
};
