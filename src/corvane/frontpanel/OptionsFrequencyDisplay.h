#pragma once
// The "Frequency Display" page: the display's colours, its S-meter in one
// colour or fifteen, the texts shown while receiving and transmitting, and
// the clock's format and zone, with a live preview of the display and clock.
#include "shared/WinTypes.h"
#include "shared/ui/OptionsPage.h"

class CClockStatic;
class CFrequencyDisplay;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class COptionsFrequencyDisplay : public COptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 244;
    static constexpr unsigned IDC_CLOCK = 1381;
    static constexpr unsigned IDC_BACKGROUND = 1159;
    static constexpr unsigned IDC_TEXT = 1160;
    static constexpr unsigned IDC_BAR_COLOUR = 1161;
    static constexpr unsigned IDC_TIME_FORMAT = 1334;
    static constexpr unsigned IDC_TIME_ZONE = 1335;
    static constexpr unsigned IDC_DISPLAY = 1129;
    static constexpr unsigned IDC_RX_STRING = 1083;
    static constexpr unsigned IDC_TX_STRING = 1332;
    static constexpr unsigned IDC_MONO = 1079;
    static constexpr unsigned IDC_MULTI = 1080;
    static constexpr unsigned IDC_RX_FAVOURITE = 1443;
    static constexpr unsigned IDC_TX_FAVOURITE = 1442;
    static constexpr unsigned IDC_COLOUR_FIRST = 1359;  // .. 1373
    static constexpr unsigned IDC_MERGE = 1374;
    static constexpr int kRxStringLimit = 32;

    explicit COptionsFrequencyDisplay(QWidget* parent = nullptr);
    ~COptionsFrequencyDisplay() override;

    bool OnInitDialog() override;
    void DoDataExchange(bool bSaveAndValidate) override;
    void GetKeywords(QStringList& keywords) override;
    void WriteToSettings(CSettings& settings) override;
    void ReadFromSettings(CSettings& settings) override;

    // Handlers.
    void OnColourButton(unsigned nId);
    void OnSMeterColour(int nIndex);
    void OnSMeterMode();
    void OnMerge();
    void RefreshPreview();

    CFrequencyDisplay* GetDisplay() const { return m_pDisplay; }
    CClockStatic* GetClock() const { return m_pClock; }
    QComboBox* GetFormatCombo() const { return m_pFormat; }
    QComboBox* GetZoneCombo() const { return m_pZone; }
    QPushButton* GetColourButton(int nIndex) const { return m_pColourButtons[nIndex]; }
    COLORREF GetSMeterColour(int nIndex) const { return m_colSMeter[nIndex]; }
    QString GetPreviewLabel() const { return m_strPreviewLabel; }
    // The captions of the fifteen colour buttons ("1" .. "9+60").
    static QString ColourCaption(int nIndex);

private:
    void RebuildPreview();
    void ShowSwatches();

    CClockStatic* m_pClock = nullptr;
    QComboBox* m_pFormat = nullptr;
    QComboBox* m_pZone = nullptr;
    CFrequencyDisplay* m_pDisplay = nullptr;
    QLineEdit* m_pRxString = nullptr;
    QLineEdit* m_pTxString = nullptr;
    QRadioButton* m_pMono = nullptr;
    QRadioButton* m_pMulti = nullptr;
    QCheckBox* m_pRxFavourite = nullptr;
    QCheckBox* m_pTxFavourite = nullptr;
    QPushButton* m_pBarColour = nullptr;
    QPushButton* m_pColourButtons[15] = {};

    QString m_strRxString;
    QString m_strTxString;
    int m_nTimeFormat = -1;
    int m_nTimeZone = -1;
    int m_nSMeterMode = 0;  // 0 monochrome, 1 multi-colour
    int m_bRxFavourite = 0;
    int m_bTxFavourite = 0;
    COLORREF m_colSMeter[15] = {};
    QString m_strPreviewLabel;
};
