#pragma once
// "Sound Card": which card the engine opens, what it echoes, and the
// correction of the card's sample clock.
#include "brevio/tools/options/PSK31OptionsPage.h"

class COwnSpinButtonCtrl;

class CPSK31PageSoundcard : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 375;
    // "0" .. "3", "&Auto-detect"
    static constexpr unsigned IDC_CARD_0 = 1041;
    static constexpr unsigned IDC_ECHO_INPUT = 1046;
    static constexpr unsigned IDC_ECHO_OUTPUT = 1047;
    static constexpr unsigned IDC_CLOCK = 1048;
    static constexpr unsigned IDC_CLOCK_SPIN = 1049;
    static constexpr unsigned IDC_DEVICES = 1050;

    explicit CPSK31PageSoundcard(QWidget* parent = nullptr);
    ~CPSK31PageSoundcard() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;

    COwnSpinButtonCtrl* GetClockSpin() const { return m_pSpin; }

private:
    QButtonGroup* m_pCard;
    QCheckBox* m_pEchoInput;
    QCheckBox* m_pEchoOutput;
    QLineEdit* m_pClock;
    COwnSpinButtonCtrl* m_pSpin;
    int m_nCard = 0;  // button index
    int m_bEchoInput = 0;
    int m_bEchoOutput = 0;
    QString m_strClock;
};
