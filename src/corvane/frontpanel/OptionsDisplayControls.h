#pragma once
// The "Buttons" page: face and text colours of the front panel's round
// buttons, normal and selected ("Active"), on two sample buttons that hold
// the colours being edited.
#include "shared/ui/OptionsPage.h"

class COXRoundedButton;

class COptionsDisplayControls : public COptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 246;
    static constexpr unsigned IDC_ACTIVE_FACE = 1161;
    static constexpr unsigned IDC_ACTIVE_TEXT = 1162;
    static constexpr unsigned IDC_NORMAL_FACE = 1158;
    static constexpr unsigned IDC_NORMAL_TEXT = 1159;
    static constexpr unsigned IDC_ACTIVE_SAMPLE = 1139;
    static constexpr unsigned IDC_NORMAL_SAMPLE = 1157;

    explicit COptionsDisplayControls(QWidget* parent = nullptr);
    ~COptionsDisplayControls() override;

    bool OnInitDialog() override;
    void GetKeywords(QStringList& keywords) override;
    void WriteToSettings(CSettings& settings) override;
    void ReadFromSettings(CSettings& settings) override;

    // Face or text colour of one sample through the colour dialog.
    void OnFace(bool bActive);
    void OnText(bool bActive);
    COXRoundedButton* GetSample(bool bActive) const { return bActive ? m_pActive : m_pNormal; }

private:
    COXRoundedButton* m_pActive = nullptr;
    COXRoundedButton* m_pNormal = nullptr;
};
