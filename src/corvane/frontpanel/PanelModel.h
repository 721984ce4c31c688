#pragma once
// The front panel's state and what each control shows, decoded from each
// good poll. Plain data: the view brings its controls in line with it, and
// touches a control only when what it shows here changed.
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <cstdint>
#include <functional>

class CSettings;
class CPanelMemoryList;
struct CRadioStatus;

struct CButtonLook {
    QString strCaption;
    QString strTooltip;
    bool bEnabled = true;
    bool bOn = false;  // shown in the selected colours
    friend bool operator==(const CButtonLook&, const CButtonLook&) = default;
};

struct CLampLook {
    QString strCaption;
    bool bVisible = true;
    bool bLit = false;
    friend bool operator==(const CLampLook&, const CLampLook&) = default;
};

// What the frequency display is given (its inputs, mirrored here).
struct CDisplayInputs {
    uint32_t nFrequency = 0;    // BCD word, first reply byte lowest; all ones = none
    bool bReceiving = true;
    uint8_t nSMeter = 0;
    uint8_t nPowerMeter = 0;
    uint32_t nIndicators = 0;
    int nPowerLevel = 0;    // display indicator: 0 L1 .. 3 High
    int nToneMode = 0;
    int nCtcss = -1;
    int nDcs = -1;
    bool bBlink = false;
    int nVfoState = 0;          // 0 VFO A, 1 VFO B, 2 memory, 3 memory tune
    uint8_t nMode = 0xFF;
    int nChannel = 0;
    QString strLabel;
    bool bAntennaRear = false;
};

// What one rendered poll asks of the rest of the program beyond the looks.
struct CPanelUpdate {
    bool bDisplayRefresh = false;    // the display's frequency/meter content changed
    bool bRefillSteps = false;       // the main frame's step list, on a mode change
    QList<QPair<QString, uint32_t>> steps;
    uint32_t nSelectStep = 0;
    uint32_t nTransverterHz = 0;
    bool bNotifyScanListeners = false;
    uint32_t nScanWParam = 0;
    uint32_t nScanLParam = 0;
    uint8_t nSValue = 0;
};

class CPanelModel {
public:
    // Favourite title stored for exactly this frequency, if any.
    using FavouriteLookup = std::function<bool(uint32_t nHz, QString& strTitle)>;

    CPanelModel();

    void SetMemoryList(CPanelMemoryList* pList) { m_pMemoryList = pList; }
    void SetFavouriteLookup(FavouriteLookup lookup) { m_favourites = std::move(lookup); }

    // Rendering of one good record; nNowMs is a monotonic clock (the meters'
    // hold and decay).
    CPanelUpdate Render(const CRadioStatus& status, const CSettings& settings, int64_t nNowMs);
    // The radio did not answer: blank display, toggles off, meters zero.
    void Blank();

    // Tuning size 0..5 (1 MHz .. 10 Hz), -1 none; highlights its button.
    void SetTuningSize(int nSize);
    int GetTuningSize() const { return m_nTuningSize; }
    // StepFrequency shows its new frequency at once.
    void ShowFrequency(uint32_t nBcdWord);

    // Transmit-meter hold and decay; slot 0 ALC, 1 MOD, 2 PWR, 3 SWR.
    uint8_t DecayMeter(uint8_t nValue, int nSlot, const CSettings& settings, int64_t nNowMs);

    // Looks.
    const QMap<int, CButtonLook>& Buttons() const { return m_buttons; }
    const CButtonLook& Button(int nId) const;
    const CLampLook& Lamp(int nIndex) const { return m_lamps[nIndex]; }  // 0..3
    uint8_t Meter(int nIndex) const { return m_meters[nIndex]; }         // ALC, MOD, SWR
    bool IsClarifierGroupVisible() const { return m_bClarifier; }
    const CDisplayInputs& Display() const { return m_display; }
    // The other-VFO display: VFO A selected, the other record's frequency bytes and mode code.
    bool OtherVfoIsB() const { return m_bVfoA; }
    uint32_t OtherVfoFrequencyField() const { return m_nOtherFrequency; }
    uint8_t OtherVfoMode() const { return m_nOtherMode; }
    bool IsDialScanning() const { return m_bDialScanning; }

    // State accessors (the view's).
    uint32_t GetFrequency() const { return m_nDialHz; }
    uint8_t GetMode() const { return m_nMode; }
    bool IsVfoA() const { return !m_bMemory && m_bVfoA; }
    bool IsVfoB() const { return !m_bMemory && !m_bVfoA; }
    bool IsVfoASelected() const { return m_bVfoA; }
    bool IsMemoryMode() const { return m_bMemory; }
    bool IsMemoryTune() const { return m_bMemoryTune; }
    bool IsFstOn() const { return m_bFst; }
    bool IsLocked() const { return m_bLock; }
    bool IsScanning() const { return m_bScanning; }
    bool IsAttenuatorOn() const { return m_bAtt; }
    bool IsIpoOn() const { return m_bIpo; }
    bool IsNarrowOn() const { return m_bNarrow; }
    bool IsNoiseBlankerOn() const { return m_bNb; }
    bool IsDualWatch() const { return m_bDualWatch; }
    bool IsPriorityScan() const { return m_bPriority; }
    bool IsSplit() const { return m_bSplit; }
    bool IsClarifierOn() const { return m_bClarifier; }
    bool IsRfGain() const { return m_nRfGain == 1; }
    int GetAgc() const { return m_nAgc; }
    uint8_t GetSValue() const { return m_nSValue; }
    int GetPowerLevel() const { return m_nPowerLevel; }
    uint8_t GetAlcMeter() const { return m_meters[0]; }
    int GetToneMode() const { return m_nToneMode; }
    int GetMemoryChannel() const { return m_nMemoryChannel; }
    void SetMemoryChannel(int nChannel) { m_nMemoryChannel = nChannel; }
    uint32_t GetVfoAFrequency() const;
    uint32_t GetVfoBFrequency() const;
    uint32_t GetAmStep() const { return m_nAmStep; }
    uint32_t GetFmStep() const { return m_nFmStep; }
    uint32_t GetSsbStep() const { return m_nSsbStep; }
    int GetAntennaRear() const { return m_nAntennaRear; }

    // The captions of the lamps for receiving or transmitting; all go dark.
    void ShowReceiveLamps(bool bReceiving, bool bForce = false);

    static QList<QPair<QString, uint32_t>> StepListFor(int nModeCode);
    static int BandClass(const CRadioStatus& status);

private:
    void SetButtonState(int nId, bool bOn);
    void SetModeButtons(uint8_t nMode, int nBandClass, uint32_t nAm, uint32_t nFm, uint32_t nSsb, CPanelUpdate& update);
    void UpdateToggleButton(int nId, bool& bState, bool bNew, int nBandClass, const char* pCaption);
    void EnableWithCaption(int nId, bool bEnable, const QString& strCaption);

    QMap<int, CButtonLook> m_buttons;
    QMap<int, QString> m_modeCaptions;
    CLampLook m_lamps[4];
    uint8_t m_meters[3] = {};
    CDisplayInputs m_display;
    CPanelMemoryList* m_pMemoryList = nullptr;
    FavouriteLookup m_favourites;

    bool m_bAtt = false, m_bIpo = false, m_bNb = false, m_bNarrow = false, m_bDualWatch = false;
    bool m_bPriority = false, m_bSplit = false, m_bClarifier = false, m_bScanning = false, m_bFst = false;
    bool m_bLock = false, m_bMemory = false, m_bMemoryTune = false, m_bVfoA = true;
    bool m_bRepeaterLive = false;
    bool m_bModeButtonsEnabled = true;
    int m_nRfGain = -1;  // unknown until the first poll
    int m_nAntennaRear = -1;
    int m_nAgc = 0;
    int m_nPowerLevel = 3;
    uint8_t m_nMode = 0xFF;
    uint8_t m_nSValue = 0;
    int m_nToneMode = 0;
    uint32_t m_nAmStep = 0, m_nFmStep = 0, m_nSsbStep = 0;
    uint32_t m_nVfoA = 0, m_nVfoB = 0;  // BCD words
    int m_nMemoryChannel = 99999;
    bool m_bReceiveLamps = true;
    uint8_t m_peaks[4] = {};
    int64_t m_peakTimes[4] = {};
    int m_nTuningSize = -1;
    uint32_t m_nDialHz = 0;
    bool m_bDialScanning = false;
    uint32_t m_nOtherFrequency = 0;
    uint8_t m_nOtherMode = 0;
};
