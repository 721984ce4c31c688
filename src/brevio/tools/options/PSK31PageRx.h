#pragma once
// Two older receive pages, kept as components with the page contract; the
// sheet does not use them. "Rx" (373) shows text samples whose look only
// the page itself changes, and the signal bar's four colours; "Rx" (374)
// holds three of the receive text switches.
#include "brevio/tools/options/PSK31OptionsPage.h"

class CSquelchSamples;
class QTextEdit;

class CPSK31PageRx : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 373;
    static constexpr unsigned IDC_RX_SAMPLE = 1381;
    static constexpr unsigned IDC_TX_SAMPLE = 1382;
    static constexpr unsigned IDC_RX_BOLD = 1383;
    static constexpr unsigned IDC_RX_ITALIC = 1384;
    static constexpr unsigned IDC_TX_BOLD = 1385;
    static constexpr unsigned IDC_TX_ITALIC = 1386;
    static constexpr unsigned IDC_RX_COLOUR = 1387;
    static constexpr unsigned IDC_TX_COLOUR = 1388;
    static constexpr unsigned IDC_TEXT_BACKGROUND = 1389;
    static constexpr unsigned IDC_FONT = 1390;
    // "Background", "Gripper", "Squelched", "Active"
    static constexpr unsigned IDC_BAR_BACKGROUND = 1391;

    explicit CPSK31PageRx(QWidget* parent = nullptr);
    ~CPSK31PageRx() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    CSquelchSamples* GetSamples() const { return m_pSamples; }

private:
    void UpdateSamples();

    QTextEdit* m_pRxSample;
    QTextEdit* m_pTxSample;
    QPushButton* m_pStyle[4];  // Rx bold, Rx italic, Tx bold, Tx italic
    CSquelchSamples* m_pSamples;
    COLORREF m_colRx;
    COLORREF m_colTx;
    COLORREF m_colBackground;
    QString m_strFont;
};

class CPSK31PageRx2 : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 374;
    static constexpr unsigned IDC_SLASH_ZERO = 1401;
    static constexpr unsigned IDC_COMPRESS_LINES = 1402;
    static constexpr unsigned IDC_COMPRESS_SPACES = 1403;

    explicit CPSK31PageRx2(QWidget* parent = nullptr);
    ~CPSK31PageRx2() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;

private:
    QCheckBox* m_pSlashZero;
    QCheckBox* m_pCompressLines;
    QCheckBox* m_pCompressSpaces;
};
