#pragma once
// "Favourite": the title and frequency of one favourite of the digital-mode
// program's favourites list.
#include "shared/ui/BaseDialog.h"

#include <cstdint>

class CFrequencyEdit;
class QLineEdit;

class CFavouriteDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 158;
    enum : int { IDC_TITLE = 1059, IDC_FREQUENCY = 1060 };

    CFavouriteDialog(QWidget* pParent, const QString& strTitle, uint32_t nFrequency);
    ~CFavouriteDialog() override;

    bool OnInitDialog() override;
    // Refuses an empty title.
    void OnOK() override;

    QString m_strTitle;
    uint32_t m_nFrequency = 0;
    // The frequency as the field shows it, without its prompt characters.
    QString m_strFrequency;

    QLineEdit* TitleEdit() const { return m_pTitle; }
    CFrequencyEdit* FrequencyEdit() const { return m_pFrequency; }

private:
    QLineEdit* m_pTitle = nullptr;
    CFrequencyEdit* m_pFrequency = nullptr;
};
