#pragma once
#include "shared/WinTypes.h"

#include <QString>

// Every option of the digital-mode program: 110 stored values and the
// 256-entry waterfall colour table. One table drives defaults, loading and
// saving; the members are public because the options pages, toolbars and
// windows read and write them directly, as the program always has.
class CPSK31Settings {
public:
    enum ExchangeMode : int { Defaults = 0, LoadRegistry = 1, SaveRegistry = 2 };

    CPSK31Settings();
    virtual ~CPSK31Settings() = default;
    CPSK31Settings(const CPSK31Settings&) = default;
    CPSK31Settings& operator=(const CPSK31Settings&) = default;

    void SetDefaults() { Exchange(Defaults); }
    void Load() { Exchange(LoadRegistry); }
    void Save() { Exchange(SaveRegistry); }
    // 0 defaults, 1 load, 2 save; any other mode walks the table to no effect.
    void Exchange(int nMode);

    COLORREF GetColour(int nIndex) const;
    void SetColour(int nIndex, COLORREF colour);
    void SetDefaultColourTable();
    // The table as stored: 256 "%d %d %d" items joined by ",".
    QString FormatColourTable() const;
    // Items beyond the text keep their entries; an empty text changes nothing.
    void ParseColourTable(const QString& strText);

    bool IsPsk31() const { return m_eSpeed == 0; }
    bool IsPsk63() const { return m_eSpeed == 1; }
    // How much wider a signal is at the current speed than at PSK31.
    int GetSpeedFactor() const { return m_eSpeed == 0 ? 1 : 2; }
    bool IsSentTextBold() const { return (m_nSentText & 1) != 0; }
    bool IsSentTextItalic() const { return (m_nSentText & 2) != 0; }
    bool IsSentTextStrikeout() const { return (m_nSentText & 4) != 0; }
    bool IsSentTextUnderline() const { return (m_nSentText & 8) != 0; }

    // Table access for tests and diagnostics.
    static int RowCount();
    static QString RowValueName(int nRow);   // "PSK31Options 2.2 " + label
    static QString RowMember(int nRow);      // "m_eSpeed" ...
    static bool RowIsString(int nRow);
    QString RowText(int nRow) const;         // the value as it would be stored
    void SetRowText(int nRow, const QString& strValue);

    int GetSpeed() const { return m_eSpeed; }
    void SetSpeed(int value) { m_eSpeed = value; }
    int IsTagsPerChannel() const { return m_bTagsPerChannel; }
    void SetTagsPerChannel(int value) { m_bTagsPerChannel = value; }
    COLORREF GetBrowserBackground() const { return COLORREF(m_colBrowserBackground); }
    void SetBrowserBackground(COLORREF value) { m_colBrowserBackground = int(value); }
    COLORREF GetBrowserChBorder() const { return COLORREF(m_colBrowserChBorder); }
    void SetBrowserChBorder(COLORREF value) { m_colBrowserChBorder = int(value); }
    COLORREF GetBrowserChInside() const { return COLORREF(m_colBrowserChInside); }
    void SetBrowserChInside(COLORREF value) { m_colBrowserChInside = int(value); }
    COLORREF GetBrowserChText() const { return COLORREF(m_colBrowserChText); }
    void SetBrowserChText(COLORREF value) { m_colBrowserChText = int(value); }
    COLORREF GetBrowserChConnector() const { return COLORREF(m_colBrowserChConnector); }
    void SetBrowserChConnector(COLORREF value) { m_colBrowserChConnector = int(value); }
    COLORREF GetBrowserChSignal() const { return COLORREF(m_colBrowserChSignal); }
    void SetBrowserChSignal(COLORREF value) { m_colBrowserChSignal = int(value); }
    COLORREF GetBrowserChNoSignal() const { return COLORREF(m_colBrowserChNoSignal); }
    void SetBrowserChNoSignal(COLORREF value) { m_colBrowserChNoSignal = int(value); }
    COLORREF GetBrowserSeTickNone() const { return COLORREF(m_colBrowserSeTickNone); }
    void SetBrowserSeTickNone(COLORREF value) { m_colBrowserSeTickNone = int(value); }
    COLORREF GetBrowserSeTickSome() const { return COLORREF(m_colBrowserSeTickSome); }
    void SetBrowserSeTickSome(COLORREF value) { m_colBrowserSeTickSome = int(value); }
    const QString& GetBrowserFont() const { return m_strBrowserFont; }
    void SetBrowserFont(const QString& value) { m_strBrowserFont = value; }
    const QString& GetBrowserNewline() const { return m_strBrowserNewline; }
    void SetBrowserNewline(const QString& value) { m_strBrowserNewline = value; }
    int GetBrowserThChars() const { return m_nBrowserThChars; }
    void SetBrowserThChars(int value) { m_nBrowserThChars = value; }
    int GetBrowserThInactive() const { return m_nBrowserThInactive; }
    void SetBrowserThInactive(int value) { m_nBrowserThInactive = value; }
    int GetBrowserThSearch() const { return m_nBrowserThSearch; }
    void SetBrowserThSearch(int value) { m_nBrowserThSearch = value; }
    int GetBrowserTextRepeats() const { return m_nBrowserTextRepeats; }
    void SetBrowserTextRepeats(int value) { m_nBrowserTextRepeats = value; }
    int IsBrowserShVectorData() const { return m_bBrowserShVectorData; }
    void SetBrowserShVectorData(int value) { m_bBrowserShVectorData = value; }
    int IsBrowserAlwaysOpt() const { return m_bBrowserAlwaysOpt; }
    void SetBrowserAlwaysOpt(int value) { m_bBrowserAlwaysOpt = value; }
    int IsBrowserShSignalLvl() const { return m_bBrowserShSignalLvl; }
    void SetBrowserShSignalLvl(int value) { m_bBrowserShSignalLvl = value; }
    int IsBrowserShowChNum() const { return m_bBrowserShowChNum; }
    void SetBrowserShowChNum(int value) { m_bBrowserShowChNum = value; }
    int IsBrowserToolbarStates() const { return m_bBrowserToolbarStates; }
    void SetBrowserToolbarStates(int value) { m_bBrowserToolbarStates = value; }
    int IsBrowserAnimate() const { return m_bBrowserAnimate; }
    void SetBrowserAnimate(int value) { m_bBrowserAnimate = value; }
    const QString& GetLocator() const { return m_strLocator; }
    void SetLocator(const QString& value) { m_strLocator = value; }
    int IsLocChannelDistance() const { return m_bLocChannelDistance; }
    void SetLocChannelDistance(int value) { m_bLocChannelDistance = value; }
    int IsLocChannelHeading() const { return m_bLocChannelHeading; }
    void SetLocChannelHeading(int value) { m_bLocChannelHeading = value; }
    int IsLocSuperDistance() const { return m_bLocSuperDistance; }
    void SetLocSuperDistance(int value) { m_bLocSuperDistance = value; }
    int IsLocSuperHeading() const { return m_bLocSuperHeading; }
    void SetLocSuperHeading(int value) { m_bLocSuperHeading = value; }
    int IsLocUnits() const { return m_bLocUnits; }
    void SetLocUnits(int value) { m_bLocUnits = value; }
    int IsLocOrbisk() const { return m_bLocOrbisk; }
    void SetLocOrbisk(int value) { m_bLocOrbisk = value; }
    const QString& GetExtLogbookClass() const { return m_strExtLogbookClass; }
    void SetExtLogbookClass(const QString& value) { m_strExtLogbookClass = value; }
    int IsExtLogbookEnable() const { return m_bExtLogbookEnable; }
    void SetExtLogbookEnable(int value) { m_bExtLogbookEnable = value; }
    int GetExtLogbookMsgId() const { return m_nExtLogbookMsgId; }
    void SetExtLogbookMsgId(int value) { m_nExtLogbookMsgId = value; }
    int GetExtLogbookLPARAM() const { return m_nExtLogbookLPARAM; }
    void SetExtLogbookLPARAM(int value) { m_nExtLogbookLPARAM = value; }
    int GetExtLogbookWPARAM() const { return m_nExtLogbookWPARAM; }
    void SetExtLogbookWPARAM(int value) { m_nExtLogbookWPARAM = value; }
    const QString& GetCWString() const { return m_strCWString; }
    void SetCWString(const QString& value) { m_strCWString = value; }
    int GetCWSpeed() const { return m_nCWSpeed; }
    void SetCWSpeed(int value) { m_nCWSpeed = value; }
    int IsCWEnable() const { return m_bCWEnable; }
    void SetCWEnable(int value) { m_bCWEnable = value; }
    const QString& GetAutosaveDir() const { return m_strAutosaveDir; }
    void SetAutosaveDir(const QString& value) { m_strAutosaveDir = value; }
    int IsAutosaveAddDate() const { return m_bAutosaveAddDate; }
    void SetAutosaveAddDate(int value) { m_bAutosaveAddDate = value; }
    int IsAutosaveAppend() const { return m_bAutosaveAppend; }
    void SetAutosaveAppend(int value) { m_bAutosaveAppend = value; }
    int IsAutosaveEnable() const { return m_bAutosaveEnable; }
    void SetAutosaveEnable(int value) { m_bAutosaveEnable = value; }
    int IsClearTxText() const { return m_bClearTxText; }
    void SetClearTxText(int value) { m_bClearTxText = value; }
    int IsCompressBlankLines() const { return m_bCompressBlankLines; }
    void SetCompressBlankLines(int value) { m_bCompressBlankLines = value; }
    int IsCompressSpaces() const { return m_bCompressSpaces; }
    void SetCompressSpaces(int value) { m_bCompressSpaces = value; }
    int GetDecayClock() const { return m_nDecayClock; }
    void SetDecayClock(int value) { m_nDecayClock = value; }
    int GetDecayIMD() const { return m_nDecayIMD; }
    void SetDecayIMD(int value) { m_nDecayIMD = value; }
    int IsPTTFT817() const { return m_bPTTFT817; }
    void SetPTTFT817(int value) { m_bPTTFT817 = value; }
    int IsPTTRVL() const { return m_bPTTRVL; }
    void SetPTTRVL(int value) { m_bPTTRVL = value; }
    int GetPTTMode() const { return m_nPTTMode; }
    void SetPTTMode(int value) { m_nPTTMode = value; }
    int GetPTTPort() const { return m_nPTTPort; }
    void SetPTTPort(int value) { m_nPTTPort = value; }
    int GetFFTMode() const { return m_nFFTMode; }
    void SetFFTMode(int value) { m_nFFTMode = value; }
    int GetFFTSmoothing() const { return m_nFFTSmoothing; }
    void SetFFTSmoothing(int value) { m_nFFTSmoothing = value; }
    int IsInactiveString() const { return m_bInactiveString; }
    void SetInactiveString(int value) { m_bInactiveString = value; }
    int GetInactiveInterval() const { return m_nInactiveInterval; }
    void SetInactiveInterval(int value) { m_nInactiveInterval = value; }
    int IsTxBackspace() const { return m_bTxBackspace; }
    void SetTxBackspace(int value) { m_bTxBackspace = value; }
    int GetTxDelay() const { return m_nTxDelay; }
    void SetTxDelay(int value) { m_nTxDelay = value; }
    int IsTxRxExternal() const { return m_bTxRxExternal; }
    void SetTxRxExternal(int value) { m_bTxRxExternal = value; }
    int IsTxBasic() const { return m_bTxBasic; }
    void SetTxBasic(int value) { m_bTxBasic = value; }
    int GetTxSendChars() const { return m_nTxSendChars; }
    void SetTxSendChars(int value) { m_nTxSendChars = value; }
    int IsDate() const { return m_bDate; }
    void SetDate(int value) { m_bDate = value; }
    int IsUTC() const { return m_bUTC; }
    void SetUTC(int value) { m_bUTC = value; }
    int IsOverloadAdjust() const { return m_bOverloadAdjust; }
    void SetOverloadAdjust(int value) { m_bOverloadAdjust = value; }
    int IsRxEmoticons() const { return m_bRxEmoticons; }
    void SetRxEmoticons(int value) { m_bRxEmoticons = value; }
    int IsRxSlashZero() const { return m_bRxSlashZero; }
    void SetRxSlashZero(int value) { m_bRxSlashZero = value; }
    int GetRxSquelch() const { return m_nRxSquelch; }
    void SetRxSquelch(int value) { m_nRxSquelch = value; }
    int GetSoundcardNum() const { return m_nSoundcardNum; }
    void SetSoundcardNum(int value) { m_nSoundcardNum = value; }
    int IsSoundcardEchoInput() const { return m_bSoundcardEchoInput; }
    void SetSoundcardEchoInput(int value) { m_bSoundcardEchoInput = value; }
    int IsSoundcardEchoOutput() const { return m_bSoundcardEchoOutput; }
    void SetSoundcardEchoOutput(int value) { m_bSoundcardEchoOutput = value; }
    int GetSoundcardClockAdjust() const { return m_nSoundcardClockAdjust; }
    void SetSoundcardClockAdjust(int value) { m_nSoundcardClockAdjust = value; }
    COLORREF GetSigActive() const { return COLORREF(m_colSigActive); }
    void SetSigActive(COLORREF value) { m_colSigActive = int(value); }
    COLORREF GetSigBackground() const { return COLORREF(m_colSigBackground); }
    void SetSigBackground(COLORREF value) { m_colSigBackground = int(value); }
    COLORREF GetSigGripper() const { return COLORREF(m_colSigGripper); }
    void SetSigGripper(COLORREF value) { m_colSigGripper = int(value); }
    COLORREF GetSigSquelch() const { return COLORREF(m_colSigSquelch); }
    void SetSigSquelch(COLORREF value) { m_colSigSquelch = int(value); }
    COLORREF GetRxBg() const { return COLORREF(m_colRxBg); }
    void SetRxBg(COLORREF value) { m_colRxBg = int(value); }
    COLORREF GetRxRx() const { return COLORREF(m_colRxRx); }
    void SetRxRx(COLORREF value) { m_colRxRx = int(value); }
    COLORREF GetRxTx() const { return COLORREF(m_colRxTx); }
    void SetRxTx(COLORREF value) { m_colRxTx = int(value); }
    COLORREF GetRxTi() const { return COLORREF(m_colRxTi); }
    void SetRxTi(COLORREF value) { m_colRxTi = int(value); }
    int GetSentText() const { return m_nSentText; }
    void SetSentText(int value) { m_nSentText = value; }
    const QString& GetFontRxRx() const { return m_strFontRxRx; }
    void SetFontRxRx(const QString& value) { m_strFontRxRx = value; }
    const QString& GetFontRxTx() const { return m_strFontRxTx; }
    void SetFontRxTx(const QString& value) { m_strFontRxTx = value; }
    const QString& GetFontRxTi() const { return m_strFontRxTi; }
    void SetFontRxTi(const QString& value) { m_strFontRxTi = value; }
    COLORREF GetDisplayBack() const { return COLORREF(m_colDisplayBack); }
    void SetDisplayBack(COLORREF value) { m_colDisplayBack = int(value); }
    COLORREF GetDisplayText() const { return COLORREF(m_colDisplayText); }
    void SetDisplayText(COLORREF value) { m_colDisplayText = int(value); }
    int IsDisableScreenSaver() const { return m_bDisableScreenSaver; }
    void SetDisableScreenSaver(int value) { m_bDisableScreenSaver = value; }
    int GetDisplaySpectrumHeight() const { return m_nDisplaySpectrumHeight; }
    void SetDisplaySpectrumHeight(int value) { m_nDisplaySpectrumHeight = value; }
    int GetDisplayMax() const { return m_nDisplayMax; }
    void SetDisplayMax(int value) { m_nDisplayMax = value; }
    int GetDisplayMin() const { return m_nDisplayMin; }
    void SetDisplayMin(int value) { m_nDisplayMin = value; }
    int GetDisplayMode() const { return m_nDisplayMode; }
    void SetDisplayMode(int value) { m_nDisplayMode = value; }
    int IsDisplayGrid() const { return m_bDisplayGrid; }
    void SetDisplayGrid(int value) { m_bDisplayGrid = value; }
    int IsDisplayRealFrequency() const { return m_bDisplayRealFrequency; }
    void SetDisplayRealFrequency(int value) { m_bDisplayRealFrequency = value; }
    int IsDisplaySpectrum() const { return m_bDisplaySpectrum; }
    void SetDisplaySpectrum(int value) { m_bDisplaySpectrum = value; }
    int IsInputEnable() const { return m_bInputEnable; }
    void SetInputEnable(int value) { m_bInputEnable = value; }
    int GetInputOffset() const { return m_nInputOffset; }
    void SetInputOffset(int value) { m_nInputOffset = value; }
    int IsInputRepeat() const { return m_bInputRepeat; }
    void SetInputRepeat(int value) { m_bInputRepeat = value; }
    int IsOutputEnable() const { return m_bOutputEnable; }
    void SetOutputEnable(int value) { m_bOutputEnable = value; }
    int IsOutputAppend() const { return m_bOutputAppend; }
    void SetOutputAppend(int value) { m_bOutputAppend = value; }
    int GetOutputLimit() const { return m_nOutputLimit; }
    void SetOutputLimit(int value) { m_nOutputLimit = value; }
    const QString& GetDisplayFont() const { return m_strDisplayFont; }
    void SetDisplayFont(const QString& value) { m_strDisplayFont = value; }
    const QString& GetDisplayColourFile() const { return m_strDisplayColourFile; }
    void SetDisplayColourFile(const QString& value) { m_strDisplayColourFile = value; }
    const QString& GetColourTable() const { return m_strColourTable; }
    void SetColourTable(const QString& value) { m_strColourTable = value; }
    const QString& GetInputWaveFile() const { return m_strInputWaveFile; }
    void SetInputWaveFile(const QString& value) { m_strInputWaveFile = value; }
    const QString& GetOutputWaveFile() const { return m_strOutputWaveFile; }
    void SetOutputWaveFile(const QString& value) { m_strOutputWaveFile = value; }
    int IsLogbookConfirm() const { return m_bLogbookConfirm; }
    void SetLogbookConfirm(int value) { m_bLogbookConfirm = value; }
    int IsLogbookEnable1() const { return m_bLogbookEnable1; }
    void SetLogbookEnable1(int value) { m_bLogbookEnable1 = value; }
    int IsLogbookEnable2() const { return m_bLogbookEnable2; }
    void SetLogbookEnable2(int value) { m_bLogbookEnable2 = value; }
    int IsLogbookInclude1() const { return m_bLogbookInclude1; }
    void SetLogbookInclude1(int value) { m_bLogbookInclude1 = value; }
    int IsLogbookInclude2() const { return m_bLogbookInclude2; }
    void SetLogbookInclude2(int value) { m_bLogbookInclude2 = value; }
    const QString& GetLogbookFile1() const { return m_strLogbookFile1; }
    void SetLogbookFile1(const QString& value) { m_strLogbookFile1 = value; }
    const QString& GetLogbookFile2() const { return m_strLogbookFile2; }
    void SetLogbookFile2(const QString& value) { m_strLogbookFile2 = value; }

    // The members, in the order the program has always kept them.
    int m_eSpeed = 0;
    int m_bLogbookConfirm = 0;
    int m_bLogbookEnable1 = 0;
    int m_bLogbookEnable2 = 0;
    int m_bLogbookInclude1 = 0;
    int m_bLogbookInclude2 = 0;
    QString m_strLogbookFile1;
    QString m_strLogbookFile2;
    QString m_strExtLogbookClass;
    int m_bExtLogbookEnable = 0;
    int m_nExtLogbookMsgId = 0;
    int m_nExtLogbookLPARAM = 0;
    int m_nExtLogbookWPARAM = 0;
    COLORREF m_colColourTable[256] = {};
    QString m_strColourTable;
    QString m_strInputWaveFile;
    QString m_strOutputWaveFile;
    int m_bOutputAppend = 0;
    int m_bInputEnable = 0;
    int m_bOutputEnable = 0;
    int m_bInputRepeat = 0;
    int m_nInputOffset = 0;
    int m_nOutputLimit = 0;
    int m_bDisableScreenSaver = 0;
    int m_bDisplayGrid = 0;
    int m_bDisplaySpectrum = 0;
    int m_bDisplayRealFrequency = 0;
    int m_nDisplaySpectrumHeight = 0;
    int m_nDisplayMode = 0;
    int m_nDisplayMax = 0;
    int m_nDisplayMin = 0;
    int m_colDisplayBack = 0;
    int m_colDisplayText = 0;
    QString m_strDisplayFont;
    QString m_strDisplayColourFile;
    int m_nFFTMode = 0;
    int m_nFFTSmoothing = 0;
    int m_colRxBg = 0;
    int m_colRxRx = 0;
    int m_colRxTx = 0;
    int m_colRxTi = 0;
    QString m_strFontRxRx;
    QString m_strFontRxTx;
    QString m_strFontRxTi;
    int m_nSentText = 0;
    int m_colSigActive = 0;
    int m_colSigBackground = 0;
    int m_colSigGripper = 0;
    int m_colSigSquelch = 0;
    int m_bRxEmoticons = 0;
    int m_bRxSlashZero = 0;
    int m_bTxBasic = 0;
    int m_nRxSquelch = 0;
    QString m_strLocator;
    int m_bLocChannelDistance = 0;
    int m_bLocChannelHeading = 0;
    int m_bLocSuperDistance = 0;
    int m_bLocSuperHeading = 0;
    int m_bLocUnits = 0;
    int m_bLocOrbisk = 0;
    int m_nSoundcardNum = 0;
    int m_bSoundcardEchoInput = 0;
    int m_bSoundcardEchoOutput = 0;
    int m_nSoundcardClockAdjust = 0;
    int m_nPTTMode = 0;
    int m_nPTTPort = 0;
    int m_bPTTFT817 = 0;
    int m_bPTTRVL = 0;
    int m_bTxBackspace = 0;
    int m_bOverloadAdjust = 0;
    int m_bInactiveString = 0;
    int m_bTxRxExternal = 0;
    int m_nTxSendChars = 0;
    int m_nTxDelay = 0;
    int m_bUTC = 0;
    int m_bDate = 0;
    int m_nInactiveInterval = 0;
    int m_bClearTxText = 0;
    int m_bCompressBlankLines = 0;
    int m_bCompressSpaces = 0;
    QString m_strAutosaveDir;
    int m_bAutosaveEnable = 0;
    int m_bAutosaveAppend = 0;
    int m_bAutosaveAddDate = 0;
    int m_nDecayClock = 0;
    int m_nDecayIMD = 0;
    QString m_strCWString;
    int m_nCWSpeed = 0;
    int m_bCWEnable = 0;
    int m_bBrowserAnimate = 0;
    int m_colBrowserBackground = 0;
    int m_colBrowserChBorder = 0;
    int m_colBrowserChInside = 0;
    int m_colBrowserChText = 0;
    int m_colBrowserChConnector = 0;
    int m_colBrowserSeTickNone = 0;
    int m_colBrowserSeTickSome = 0;
    int m_colBrowserChSignal = 0;
    int m_colBrowserChNoSignal = 0;
    QString m_strBrowserFont;
    QString m_strBrowserNewline;
    int m_nBrowserThChars = 0;
    int m_nBrowserThInactive = 0;
    int m_nBrowserThSearch = 0;
    int m_nBrowserTextRepeats = 0;
    int m_bBrowserAlwaysOpt = 0;
    int m_bBrowserShSignalLvl = 0;
    int m_bBrowserShVectorData = 0;
    int m_bBrowserShowChNum = 0;
    int m_bBrowserToolbarStates = 0;
    int m_bTagsPerChannel = 0;
};

// The settings every part of the program reads, and the values as they were
// when options were last applied (each window compares the two).
CPSK31Settings& CurrentSettings();
CPSK31Settings& PreviousSettings();

// Applies one changed value program-wide: save, tell every window, and make
// the previous values equal to the current ones again.
void SaveAndBroadcastSettings();
// The same without refreshing the options pages: the options sheet applying
// its own pages.
void SaveAndAnnounceSettings();

class QWidget;
// The main window that SaveAndBroadcastSettings addresses (none before it
// exists: then only the save and the copy happen), and what refreshes the
// options sheet's pages afterwards.
void SetSettingsBroadcastTarget(QWidget* pMainWindow);
void SetOptionsPagesRefresher(void (*pfnRefresh)());
