#pragma once
// "Tx": when typed characters go out, what happens to sent text, and the
// pause between keying the transmitter and sending.
#include "brevio/tools/options/PSK31OptionsPage.h"

class CPSK31PageTx2 : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 376;
    // "&Immediately", "&If followed by a space", "If followed by a &linefeed"
    static constexpr unsigned IDC_SEND_IMMEDIATELY = 1321;
    static constexpr unsigned IDC_CLEAR_TEXT = 1324;
    static constexpr unsigned IDC_BACKSPACE = 1325;
    static constexpr unsigned IDC_DELAY = 1326;
    static constexpr unsigned IDC_DELAY_LABEL = 1327;

    explicit CPSK31PageTx2(QWidget* parent = nullptr);
    ~CPSK31PageTx2() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;
    QSlider* GetDelaySlider() const { return m_pDelay; }

private:
    void UpdateDelayLabel();

    QButtonGroup* m_pSend;
    QCheckBox* m_pClear;
    QCheckBox* m_pBackspace;
    QSlider* m_pDelay;
    QLabel* m_pDelayLabel;
    int m_nSend = 0;
    int m_bClear = 0;
    int m_bBackspace = 0;
    int m_nDelay = 0;  // slider position, tens of ms
    QString m_strDelay;
};
