#pragma once
// Window message 1090 from other programs (the digital-mode program keys,
// tunes and reads the radio through it): the command in wParam, its argument
// in lParam, the reply a frequency in Hz or a packed status word.
#include <cstdint>
#include <functional>

class CCatLink;

// What the commands read of the front panel's last poll, and the two things
// they ask of it.
class CRemotePanel {
public:
    virtual ~CRemotePanel() = default;
    virtual uint32_t GetFrequency() const = 0;
    // Records the current frequency and mode for Undo, then tunes the radio.
    virtual void SetFrequency(uint32_t nHz) = 0;
    // Reads the radio and redraws the panel.
    virtual void PollRadio(bool bRecordExtra) = 0;
    virtual bool IsAttenuatorOn() const = 0;
    virtual bool IsIpoOn() const = 0;
    virtual bool IsNarrowOn() const = 0;
    virtual bool IsNoiseBlankerOn() const = 0;
    virtual uint8_t GetMode() const = 0;
    virtual int GetSMeter() const = 0;
    virtual int GetAgc() const = 0;
    // The transmit meters as the panel shows them (peak-held).
    virtual bool IsShowingTxMeter() const = 0;
    virtual int GetTxMeter() const = 0;
    virtual int GetAlcMeter() const = 0;
    // False while the radio does not answer the panel's polls: the readings
    // are then those of a radio that may be gone.
    virtual bool IsRadioAnswering() const { return true; }
};

class CRemoteCommand {
public:
    static constexpr uint32_t WM_REMOTE_COMMAND = 1090;

    enum Command : uint32_t {
        REMOTE_TUNE_UP = 0,
        REMOTE_TUNE_DOWN = 1,
        REMOTE_GET_FREQUENCY = 2,
        REMOTE_PTT_ON = 3,
        REMOTE_PTT_OFF = 4,
        REMOTE_ACTIVATE = 5,
        REMOTE_SET_ATT = 6,
        REMOTE_SET_IPO = 7,
        REMOTE_SET_FILTER = 8,
        REMOTE_GET_STATUS = 9,
        REMOTE_SET_FREQUENCY = 10,
        REMOTE_SET_NB = 12,
        REMOTE_SET_AGC = 13,
        REMOTE_SET_DIG = 15,
    };

    // The radio encodes eight BCD digits of 10 Hz: up to 999 999 990 Hz.
    static constexpr int64_t kHighestFrequency = 999999999;

    struct Hooks {
        std::function<CRemotePanel*()> panel;      // none while no front panel is open
        std::function<bool()> closing;             // the main frame's closing flag
        std::function<void()> activate;            // restore and bring the main window forward
    };

    CRemoteCommand(CCatLink& link, Hooks hooks);

    uint32_t Handle(uint32_t wParam, int32_t lParam);
    // The transmitter keyed for another program and not yet unkeyed by it.
    bool IsKeyedForRemote() const { return m_bKeyedForRemote; }
    // Unkeys that transmitter: once closing has begun the other program's
    // PTT-off is answered 0 and never reaches the radio. Should the close be
    // cancelled before the other program was answered 0, its next command
    // is, so that it knows.
    void ReleasePtt();

    // 1 without a panel; bit 0 always set so a status reply is never 0.
    static uint32_t StatusWord(const CRemotePanel* pPanel);
    // The tuned frequency, or -1 when it cannot be sent to the radio.
    static int64_t TunedFrequency(uint32_t nCurrent, int32_t nOffset);

private:
    CCatLink& m_link;
    Hooks m_hooks;
    bool m_bKeyedForRemote = false;
    bool m_bReleaseUntold = false;  // unkeyed by ReleasePtt, the other program not yet answered 0
};
