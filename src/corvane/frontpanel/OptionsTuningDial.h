#pragma once
// The "Tuning Dial" page: the dial's three colours on a live preview dial
// and two switches of its behaviour.
#include "shared/ui/OptionsPage.h"

class CTuningDial;
class QCheckBox;

class COptionsTuningDial : public COptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 245;
    static constexpr unsigned IDC_SLIDER = 1162;
    static constexpr unsigned IDC_TEXT = 1160;
    static constexpr unsigned IDC_BACKGROUND = 1159;
    static constexpr unsigned IDC_DIAL = 1038;
    static constexpr unsigned IDC_HIDE_SLIDER = 1526;
    static constexpr unsigned IDC_SWITCH_VFO = 1546;
    // The preview shows the built-in "Options" plan.
    static constexpr int kPreviewPlan = 4;

    explicit COptionsTuningDial(QWidget* parent = nullptr);
    ~COptionsTuningDial() override;

    bool OnInitDialog() override;
    void DoDataExchange(bool bSaveAndValidate) override;
    void GetKeywords(QStringList& keywords) override;
    void WriteToSettings(CSettings& settings) override;
    void ReadFromSettings(CSettings& settings) override;

    void OnColourButton(unsigned nId);
    CTuningDial* GetDial() const { return m_pDial; }

private:
    CTuningDial* m_pDial = nullptr;
    QCheckBox* m_pHideSlider = nullptr;
    QCheckBox* m_pSwitchVfo = nullptr;
    int m_bHideSlider = 0;
    int m_bSwitchVfo = 0;
};
