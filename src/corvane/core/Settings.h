#pragma once
#include "shared/WinTypes.h"

#include <QString>
#include <QStringList>

// The options of the radio-control program. One global instance (GetSettings)
// is loaded at start-up; the options sheet works on copies. Every persistent
// member goes through one table shared by defaults, the registry store and
// the settings-file text form.
class CSettings {
public:
    enum ExchangeMode { kDefaults = 0, kLoad = 1, kSave = 2, kImport = 3, kExport = 4 };

    CSettings();
    virtual ~CSettings() = default;
    CSettings(const CSettings&) = default;
    CSettings& operator=(const CSettings&) = default;

    void Exchange(int nMode);
    void SetDefaults() { Exchange(kDefaults); }
    void Load() { Exchange(kLoad); }
    void Save() { Exchange(kSave); }
    void ExportLines(QStringList& lines);
    void ImportLines(const QStringList& lines);

    // The 31-character label of a member name: name, a blank, dots to 30
    // characters and a colon.
    static QString Label(const char* memberName);
    static int RowCount() { return 91; }

    int GetFreqRange(int nIndex) const { return nIndex >= 0 && nIndex < 12 ? m_nFreqRanges[nIndex] : 0; }
    // The poll runs at fixed periods whatever m_nCommsUpdateInterval says.
    static int GetPollInterval() { return 200; }
    static int GetSlowPollInterval() { return 2000; }
    static QString GetDefaultPort() { return QStringLiteral("COM1"); }
    static QString GetDefaultSpeed() { return QStringLiteral("38400"); }

    // Fixed values, never saved.
    int GetAutoRepeatDelay() const { return m_nAutoRepeatDelay; }
    int GetAutoRepeatInterval() const { return m_nAutoRepeatInterval; }
    uint32_t GetMemoryUsedBitmapAddress() const { return m_nMemoryUsedBitmap; }
    uint32_t GetMemoryBase() const { return m_nMemoryBase; }
    int GetMemoryChannelCount() const { return m_nMemoryChannels; }
    int GetListedMemoryLimit() const { return m_nListedMemoryLimit; }
    uint32_t GetMemoryRecordSize() const { return m_nMemoryRecordSize; }
    uint32_t GetEepromLimit() const { return m_nEepromLimit; }
    uint32_t GetMemoryTuneAddress() const { return m_nMemoryTuneAddress; }
    int GetDialConstant() const { return m_nDialConstant; }
    uint32_t GetVfoBase() const { return m_nVfoBase; }
    uint32_t GetBandsPerVfo() const { return m_nBandsPerVfo; }
    uint32_t GetBandRecordSize() const { return m_nBandRecordSize; }

    // Persistent members, in table order (public: the options sheet copies
    // chosen members between instances).
    int m_bArrowKeys = 0;
    int m_bDisableScreenSaver = 0;
    int m_bLargeFreqFont = 0;
    int m_bFadeWindows = 0;
    int m_bFaveMarkers = 0;
    int m_bLogMemWrite = 0;
    int m_bPowerDown = 0;
    int m_bRxFavourite = 0;
    int m_bTxFavourite = 0;
    int m_bTreeSingleExpand = 0;
    int m_bTuningDialHideScanning = 0;
    int m_bTuningDialSwitchVFO = 0;
    int m_bTuningDialHighlightBand = 0;
    int m_bTuningDialSnapFrequency = 0;
    COLORREF m_colColButtonFace = 0;
    COLORREF m_colColButtonFaceSel = 0;
    COLORREF m_colColButtonText = 0;
    COLORREF m_colColButtonTextSel = 0;
    COLORREF m_colDspBackground = 0;
    COLORREF m_colDspForeground = 0;
    COLORREF m_colFreqBackground = 0;
    COLORREF m_colFreqForeground = 0;
    COLORREF m_colSMeterBar = 0;
    COLORREF m_colTuningDialBackground = 0;
    COLORREF m_colTuningDialForeground = 0;
    COLORREF m_colTuningDialSliderColour = 0;
    COLORREF m_colTxBarMeterBackground = 0;
    COLORREF m_colTxBarMeterForeground = 0;
    int m_eBand70CM = 0;
    int m_eBand2M = 0;
    int m_eBand6M = 0;
    int m_eBand20M = 0;
    int m_eBand40M = 0;
    int m_eBand80M = 0;
    int m_nButtonLED = 0;
    int m_bClarifierOff = 0;
    int m_bNotifyCommsLost = 0;
    int m_nCommsUpdateInterval = 0;
    QString m_strPort;
    QString m_strSpeed;
    QString m_strRxString;
    QString m_strTxString;
    int m_bShowClock = 0;
    int m_nClockFormat = 0;
    int m_nClockZone = 0;
    int m_nTxMeterDecayHang = 0;
    int m_nTxMeterDecayRate = 0;
    int m_bWhiteStickAuto = 0;
    int m_bWhiteStickFull = 0;
    int m_bWhiteStickOOB = 0;
    QString m_strWhiteStickDot;
    QString m_strWhiteStickInBand;
    QString m_strWhiteStickOutOfBand;
    int m_bSMeterMono = 0;
    int m_bTxMeterMono = 0;
    COLORREF m_colSMeter[15] = {};
    COLORREF m_colTxMeter[9] = {};
    int m_nFreqRanges[12] = {};

private:
    QStringList m_lines;  // buffer of the text form

    int m_nAutoRepeatDelay = 1000;
    int m_nAutoRepeatInterval = 200;
    uint32_t m_nMemoryUsedBitmap = 0x0450;
    uint32_t m_nMemoryBase = 0x0484;
    int m_nMemoryChannels = 202;
    int m_nListedMemoryLimit = 200;
    uint32_t m_nMemoryRecordSize = 26;
    uint32_t m_nEepromLimit = 0x1927;
    uint32_t m_nMemoryTuneAddress = 0x0425;
    int m_nDialConstant = 15;
    uint32_t m_nVfoBase = 0x007D;
    uint32_t m_nBandsPerVfo = 15;
    uint32_t m_nBandRecordSize = 26;
};

CSettings& GetSettings();
