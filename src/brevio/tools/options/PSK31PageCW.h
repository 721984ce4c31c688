#pragma once
// "CW ID": the identification sent in Morse after a transmission and its speed.
#include "brevio/tools/options/PSK31OptionsPage.h"

class CPSK31PageCW : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 389;
    static constexpr unsigned IDC_STRING = 1011;
    // "37.5 wpm", "18.75 wpm", "12.5 wpm", "9.375 wpm"
    static constexpr unsigned IDC_SPEED_1 = 1012;

    explicit CPSK31PageCW(QWidget* parent = nullptr);
    ~CPSK31PageCW() override;

    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;

private:
    QLineEdit* m_pString;
    QButtonGroup* m_pSpeed;
    QString m_strString;
    int m_nSpeed = 0;  // button index
};
