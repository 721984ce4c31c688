#pragma once
// The Scan Band window without its window: the radio runs its own upward
// scan; this prepares it over CAT, reads and plots what it hears, keeps it
// cycling through the range by retuning at either edge, and follows the
// radio's scanning flag. The window supplies the caption, the buttons, the
// graph and timer 100 through the host.
#include <QString>
#include <cstdint>

class CCatLink;
class CScanPanel;

class CBandScanHost {
public:
    virtual ~CBandScanHost() = default;
    // The caption during a step of the start ("Setting mode...").
    virtual void ShowProgress(const QString& strCaption) = 0;
    // The observed state changed: caption, buttons and which controls may
    // be used.
    virtual void ShowScanState(bool bScanning) = 0;
    // A reading inside the range, for the graph.
    virtual void AddReading(uint32_t nHz, uint8_t nLevel) = 0;
    // Timer 100, the 50 ms read round.
    virtual void ArmReadTimer(bool bArm) = 0;
};

class CBandScanner {
public:
    static constexpr unsigned kDialogId = 354;
    static constexpr unsigned kLowControl = 1126;
    static constexpr unsigned kHighControl = 1131;
    static constexpr int kReadPeriodMs = 50;
    // radioScanning right after a start: the next observation always counts.
    static constexpr int kStarted = -1;

    CBandScanner(CCatLink& link, CScanPanel& panel, CBandScanHost& host);

    // The remembered range ("Dialog 354 Control 1126/1131").
    void LoadRange();
    uint32_t GetLow() const { return m_nLow; }
    uint32_t GetHigh() const { return m_nHigh; }

    // The start after the window has checked the edges: remembers the range
    // and prepares and starts the radio.
    void BeginScan(uint32_t nFrom, uint32_t nTo, uint8_t nMode);
    // Steps 6 to 11 of the start: memory off, a running scan off, PMS off,
    // the start frequency when outside, the mode, the scan bits.
    void PrepareAndStartRadio(uint8_t nMode);
    void Stop();
    void SetResume(uint8_t nResume);

    // Timer 100: one read and plot round while the window is visible.
    void OnReadTimer(bool bVisible);
    // A reading: inside the range plotted; beyond high the radio goes to
    // low, below low to high.
    void Plot(uint32_t nHz, uint8_t nLevel);
    // An observation of the radio's scanning flag (0 or 1).
    void UpdateScanState(int nState);
    // Timer 101: the flag of the front panel's last poll; ignored after a
    // start until the panel has polled since.
    void OnStateTimer();
    // RegisteredMessage::nMsgScanning from the front panel's poll.
    void OnScanning(uintptr_t wParam, intptr_t lParam, bool bVisible);
    // RegisteredMessage::nMsgPause (a click into the graph).
    void OnPause();

    bool IsPlotting() const { return m_bPlotting; }
    bool IsTimerArmed() const { return m_bTimerArmed; }
    int GetRadioScanning() const { return m_nRadioScanning; }
    void SetRadioScanning(int n) { m_nRadioScanning = n; }

private:
    CCatLink& m_link;
    CScanPanel& m_panel;
    CBandScanHost& m_host;
    uint32_t m_nLow = 1000000;
    uint32_t m_nHigh = 2000000;
    bool m_bPlotting = false;
    bool m_bTimerArmed = false;
    int m_nRadioScanning = 0;
    int m_nPollsAtStart = 0;
};
