#pragma once
// "Frequency": the operator types a frequency and sends it to the VFO in use
// ("Main") or to the other VFO ("Sub"). Modeless; hidden, not destroyed.
#include "shared/ui/BaseDialog.h"

#include <cstdint>

class CFrequencyEdit;
class QCheckBox;
class QPushButton;
class QRadioButton;
class CCatLink;

class CFrequencyEntryDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 270;
    enum : unsigned { IdField = 1082, IdMain = 1079, IdSub = 1080, IdClose = 1214, IdEnter = 1 };

    explicit CFrequencyEntryDialog(QWidget* pParent = nullptr, CCatLink* pLink = nullptr);
    ~CFrequencyEntryDialog() override;

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    // Puts the chosen target's current frequency into the field.
    void Refill();
    // The "Main" (0) / "Sub" (1) choice.
    void SetTarget(int nTarget);
    int GetTarget() const { return m_nTarget; }
    bool GetCloseAfterEntry() const { return m_bClose; }
    // A digit typed on the panel goes into the field.
    void TypeDigit(int nDigit);
    CFrequencyEdit* Field() const { return m_pField; }

    // "%8.8u" of Hz / 10 as "ddd.ddd.dd".
    static QString FieldText(uint32_t nHz);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ReadControls();
    // No digit typed at all.
    bool IsFieldEmpty() const;
    CCatLink* Link() const;

    CFrequencyEdit* m_pField;
    QRadioButton* m_pMain;
    QRadioButton* m_pSub;
    QCheckBox* m_pClose;
    QPushButton* m_pEnter;
    int m_nTarget = 0;
    int m_bClose = 0;
    CCatLink* m_pLink;
};
