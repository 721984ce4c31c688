#pragma once
// "CW Settings": the CW page's settings in a tool window, each written to
// the radio as soon as the operator changes it.
#include "corvane/memory/EepromFields.h"
#include "shared/ui/BaseDialog.h"

class CCWSettingsForm;
class COXBitmapButton;

class CCWSettingsDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 294;
    static constexpr unsigned IDC_RELOAD = 1118;

    // The link defaults to the application's.
    explicit CCWSettingsDialog(QWidget* pParent = nullptr, CCatLink* pLink = nullptr);
    ~CCWSettingsDialog() override;

    bool OnInitDialog() override;
    // Every setting from the radio.
    void OnReload();

    CCWSettingsForm* Form() const { return m_pForm; }

private:
    void OnChanged(int nSetting);

    CEepromFields m_fields;
    CCWSettingsForm* m_pForm;
    COXBitmapButton* m_pReload;
};
