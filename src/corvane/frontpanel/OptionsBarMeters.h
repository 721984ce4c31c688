#pragma once
// The "Tx Meters" page: the transmit meters' colours (one bar colour or nine
// segment colours) and the peak hold and decay times, with three preview
// meters.
#include "shared/WinTypes.h"
#include "shared/ui/OptionsPage.h"

class CMeterStatic;
class COwnSpinButtonCtrl;
class QLineEdit;
class QPushButton;
class QRadioButton;

class COptionsBarMeters : public COptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 247;
    static constexpr unsigned IDC_DECAY_SPIN = 1521;
    static constexpr unsigned IDC_DECAY_EDIT = 1520;
    static constexpr unsigned IDC_HANG_SPIN = 1519;
    static constexpr unsigned IDC_HANG_EDIT = 1518;
    static constexpr unsigned IDC_SWR = 1031;
    static constexpr unsigned IDC_MOD = 1033;
    static constexpr unsigned IDC_ALC = 1032;
    static constexpr unsigned IDC_BAR = 1160;
    static constexpr unsigned IDC_BACKGROUND = 1159;
    static constexpr unsigned IDC_ALC_LABEL = 1036;
    static constexpr unsigned IDC_MOD_LABEL = 1037;
    static constexpr unsigned IDC_SWR_LABEL = 1035;
    static constexpr unsigned IDC_MONO = 1079;
    static constexpr unsigned IDC_MULTI = 1080;
    static constexpr unsigned IDC_COLOUR_FIRST = 1359;  // .. 1367
    static constexpr unsigned IDC_MERGE = 1433;

    explicit COptionsBarMeters(QWidget* parent = nullptr);
    ~COptionsBarMeters() override;

    bool OnInitDialog() override;
    void DoDataExchange(bool bSaveAndValidate) override;
    void GetKeywords(QStringList& keywords) override;
    void WriteToSettings(CSettings& settings) override;
    void ReadFromSettings(CSettings& settings) override;

    void OnBackground();
    void OnBar();
    void OnMeterMode();
    void OnMeterColour(int nIndex);
    void OnMergeColours();

    CMeterStatic* GetMeter(unsigned nId) const;
    QPushButton* GetBarButton() const { return m_pBar; }
    QPushButton* GetColourButton(int nIndex) const { return m_pColourButtons[nIndex]; }
    COwnSpinButtonCtrl* GetHangSpin() const { return m_pHangSpin; }
    COwnSpinButtonCtrl* GetDecaySpin() const { return m_pDecaySpin; }
    COLORREF GetTxMeterColour(int nIndex) const { return m_colTxMeter[nIndex]; }
    COLORREF GetBackgroundColour() const { return m_colBackground; }
    COLORREF GetBarColour() const { return m_colBar; }

private:
    void RepaintMeters();
    void ShowSwatches();

    COwnSpinButtonCtrl* m_pDecaySpin = nullptr;
    COwnSpinButtonCtrl* m_pHangSpin = nullptr;
    QLineEdit* m_pDecayEdit = nullptr;
    QLineEdit* m_pHangEdit = nullptr;
    CMeterStatic* m_pSwr = nullptr;
    CMeterStatic* m_pMod = nullptr;
    CMeterStatic* m_pAlc = nullptr;
    QPushButton* m_pBar = nullptr;
    QRadioButton* m_pMono = nullptr;
    QRadioButton* m_pMulti = nullptr;
    QPushButton* m_pColourButtons[9] = {};

    int m_nMeterMode = -1;  // 0 monochrome, 1 multi-colour
    COLORREF m_colBackground = 0;
    COLORREF m_colBar = 0;
    COLORREF m_colTxMeter[9] = {};
};
