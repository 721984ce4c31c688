#pragma once
// "Define Band": one range of a custom band set: title, From and To (MHz
// with five decimals) and enabled. The edges come back in order.
#include "shared/ui/BaseDialog.h"

#include <algorithm>
#include <cstdint>

class CFrequencyEdit;
class QCheckBox;
class QLineEdit;

class CDefineBandDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 300;
    enum : unsigned { IDC_TITLE = 1140, IDC_FROM = 1355, IDC_TO = 1085, IDC_ENABLE = 1208 };

    CDefineBandDialog(QWidget* pParent, const QString& strTitle, uint32_t nFrom, uint32_t nTo, int bEnabled);
    ~CDefineBandDialog() override;

    bool OnInitDialog() override;
    void OnOK() override;

    // The smaller and the larger of the two edits, in Hz.
    uint32_t GetFrom() const { return std::min(m_nFrom, m_nTo); }
    uint32_t GetTo() const { return std::max(m_nFrom, m_nTo); }
    const QString& GetTitle() const { return m_strTitle; }
    int GetEnabled() const { return m_bEnabled; }

    QLineEdit* TitleEdit() const { return m_pTitle; }
    CFrequencyEdit* FromEdit() const { return m_pFrom; }
    CFrequencyEdit* ToEdit() const { return m_pTo; }
    QCheckBox* EnableBox() const { return m_pEnable; }

private:
    QString m_strTitle;
    uint32_t m_nFrom;
    uint32_t m_nTo;
    int m_bEnabled;
    QLineEdit* m_pTitle;
    CFrequencyEdit* m_pFrom;
    CFrequencyEdit* m_pTo;
    QCheckBox* m_pEnable;
};
