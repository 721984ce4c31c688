#pragma once
// "Waterfall Display": what the display shows (waterfall, spectrum or the
// raw input), its passband, colours, scale font and the waterfall palette.
#include "brevio/tools/options/PSK31OptionsPage.h"

class CColourStatic;
class COwnComboBox;
class COwnSpinButtonCtrl;

class CPSK31PageDisplay : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 368;
    // "&Waterfall", "&Spectrum", "&Input"
    static constexpr unsigned IDC_MODE_WATERFALL = 1101;
    static constexpr unsigned IDC_SPECTRUM = 1104;
    static constexpr unsigned IDC_GRID = 1105;
    static constexpr unsigned IDC_HEIGHT_LABEL = 1106;
    static constexpr unsigned IDC_HEIGHT = 1107;
    static constexpr unsigned IDC_MAX = 1108;
    static constexpr unsigned IDC_MAX_SPIN = 1109;
    static constexpr unsigned IDC_MIN = 1110;
    static constexpr unsigned IDC_MIN_SPIN = 1111;
    static constexpr unsigned IDC_COLOUR_BACK = 1112;
    static constexpr unsigned IDC_COLOUR_SCALE = 1113;
    static constexpr unsigned IDC_FONT = 1114;
    static constexpr unsigned IDC_COLOUR_FILE = 1115;
    static constexpr unsigned IDC_COLOUR_FILE_BROWSE = 1116;
    static constexpr unsigned IDC_PALETTE_EDITOR = 1117;
    static constexpr unsigned IDC_RESET_COLOURS = 1118;
    static constexpr unsigned IDC_SCREENSAVER = 1119;
    static constexpr unsigned IDC_REAL_FREQUENCY = 1120;

    explicit CPSK31PageDisplay(QWidget* parent = nullptr);
    ~CPSK31PageDisplay() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;

    void UpdateEnables();
    void OnColourBack();
    void OnColourScale();
    void OnFont();
    void OnReadColourFile();
    void OnResetColours();
    void OnPaletteEditor();
    void OnRealFrequency();

    COwnSpinButtonCtrl* GetMaxSpin() const { return m_pMaxSpin; }
    COwnSpinButtonCtrl* GetMinSpin() const { return m_pMinSpin; }
    COLORREF GetPageColour(int nIndex) const { return m_colours[nIndex & 0xFF]; }
    bool IsResetPending() const { return m_bResetPending; }

private:
    QButtonGroup* m_pMode;
    QCheckBox* m_pSpectrum;
    QCheckBox* m_pGrid;
    QLabel* m_pHeightLabel;
    COwnComboBox* m_pHeight;
    QLineEdit* m_pMax;
    QLineEdit* m_pMin;
    COwnSpinButtonCtrl* m_pMaxSpin;
    COwnSpinButtonCtrl* m_pMinSpin;
    CColourStatic* m_pColourFile;
    QCheckBox* m_pScreenSaver;
    QCheckBox* m_pRealFrequency;
    QPushButton* m_pPaletteEditor;

    int m_nMode = 0;
    int m_bSpectrum = 0;
    int m_bGrid = 0;
    int m_bScreenSaver = 0;
    int m_bRealFrequency = 0;
    COLORREF m_colBack = 0;
    COLORREF m_colText = 0;
    QString m_strFont;
    QString m_strColourFile;
    COLORREF m_colours[256] = {};
    bool m_bResetPending = false;
};
