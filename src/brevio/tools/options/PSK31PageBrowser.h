#pragma once
// "Super Browser 1": the colours of the browser's channel boxes, searching
// ticks and background, the box font and the text that replaces a line end.
#include "brevio/tools/options/PSK31OptionsPage.h"

class CPSK31PageBrowser : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 390;
    // border, inside, text, connector, signal, no signal
    static constexpr unsigned IDC_CH_BORDER = 1421;
    static constexpr unsigned IDC_FONT = 1427;
    // searching ticks: none, data
    static constexpr unsigned IDC_TICK_NONE = 1428;
    static constexpr unsigned IDC_TICK_SOME = 1429;
    static constexpr unsigned IDC_BACKGROUND = 1430;
    static constexpr unsigned IDC_NEWLINE = 1431;
    static constexpr unsigned IDC_DEFAULTS = 1432;
    static constexpr int kColourCount = 9;

    explicit CPSK31PageBrowser(QWidget* parent = nullptr);
    ~CPSK31PageBrowser() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;
    // Only this page's values back to their defaults, then applied.
    void OnRestoreDefaults();
    COLORREF GetPageColour(int nIndex) const { return m_colours[nIndex]; }

private:
    void OnColour(int nIndex);
    void ShowSwatches();

    QPushButton* m_pColourButtons[kColourCount];
    QLineEdit* m_pNewline;
    // border, inside, text, connector, signal, no signal, tick none, tick data, background
    COLORREF m_colours[kColourCount] = {};
    QString m_strFont;
    QString m_strNewline;
};
