#pragma once
// "Grid Square Summary": the locators recently spotted in received text,
// newest first, one row per locator. Modeless; nothing is saved.
#include "brevio/core/Components.h"
#include "shared/ui/BaseDialog.h"

#include <QDateTime>
#include <functional>

class COXBitmapButton;
class COwnComboBox;
class COwnListCtrl;

class CGridSquareSummaryDialog : public CBaseDialog, public ILocatorLog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 231;
    enum : int { IDC_MAX = 1232, IDC_ERASE = 1079, IDC_OPTIONS = 147, IDC_LIST = 110 };
    enum Column { ColTime = 0, ColFrequency, ColLocator, ColDistance, ColHeading };

    explicit CGridSquareSummaryDialog(QWidget* pParent);
    ~CGridSquareSummaryDialog() override;

    // The local time of each new row comes from here (tests give their own).
    void SetClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    bool OnInitDialog() override;
    void AddEntry(const QString& strLocator, const QString& strDistance, const QString& strHeading,
                  const QString& strFrequency) override;
    // The operator's choice of the largest number of rows.
    void OnMaxChosen();
    void OnErase();
    void OnOptions();
    int GetMaximum() const;

    COwnListCtrl* List() const { return m_pList; }
    COwnComboBox* MaxCombo() const { return m_pMax; }

private:
    void Trim();

    std::function<QDateTime()> m_clock;
    COwnListCtrl* m_pList = nullptr;
    COwnComboBox* m_pMax = nullptr;
};
