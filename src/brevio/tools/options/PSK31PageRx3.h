#pragma once
// "Rx": how long the clock-error and IMD readings stay shown, how received
// text is cleaned up, and what happens on an input overload.
#include "brevio/tools/options/PSK31OptionsPage.h"

class CPSK31PageRx3 : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 388;
    static constexpr unsigned IDC_CLOCK = 1341;
    static constexpr unsigned IDC_CLOCK_LABEL = 1342;
    static constexpr unsigned IDC_IMD = 1343;
    static constexpr unsigned IDC_IMD_LABEL = 1344;
    static constexpr unsigned IDC_EMOTICONS = 1345;
    static constexpr unsigned IDC_SLASH_ZERO = 1346;
    static constexpr unsigned IDC_COMPRESS_LINES = 1347;
    static constexpr unsigned IDC_COMPRESS_SPACES = 1348;
    static constexpr unsigned IDC_OVERLOAD = 1349;

    explicit CPSK31PageRx3(QWidget* parent = nullptr);
    ~CPSK31PageRx3() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;
    QSlider* GetClockSlider() const { return m_pClock; }
    QSlider* GetImdSlider() const { return m_pImd; }

private:
    void UpdateLabels();

    QSlider* m_pClock;
    QLabel* m_pClockLabel;
    QSlider* m_pImd;
    QLabel* m_pImdLabel;
    QCheckBox* m_pEmoticons;
    QCheckBox* m_pSlashZero;
    QCheckBox* m_pCompressLines;
    QCheckBox* m_pCompressSpaces;
    QCheckBox* m_pOverload;
    int m_nClock = 1;
    int m_nImd = 1;
    int m_bEmoticons = 0;
    int m_bSlashZero = 0;
    int m_bCompressLines = 0;
    int m_bCompressSpaces = 0;
    int m_bOverload = 0;
};
