#pragma once
// "Bands": a small window listing the four built-in band plans and the
// enabled custom band sets; choosing one sets the tuning dial's range.
#include "shared/ui/BaseDialog.h"

class QListWidget;
class QPushButton;

class CBandsDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 337;
    enum : unsigned { IDC_LIST = 1078, IDC_BAND_PLANS = 1348, IDC_CUSTOM_BANDS = 1396 };
    // The front panel's button that shows and hides the window.
    static constexpr unsigned ID_BANDS_BUTTON = 1394;

    explicit CBandsDialog(QWidget* pParent);
    ~CBandsDialog() override;

    bool OnInitDialog() override;
    void FillList();
    void Refresh() { FillList(); }
    // A row was chosen: a built-in plan (0-3) or the k-th enabled set.
    void OnSelect(int nRow);
    void OnDoubleClick(int nRow);
    void OnCustomBands();
    void OnBandPlans();

    QListWidget* List() const { return m_pList; }
    // The custom band set a row shows, -1 for none.
    static int SetIndexForRow(int nRow);
    // The row of a tuning range (the front panel's numbering), -1 for none.
    static int RowForRange(int nRange);
    // Highlights the range the dial uses, without choosing it.
    void ShowRangeInUse();

private:
    QListWidget* m_pList;
    QPushButton* m_pBandPlans;
    QPushButton* m_pCustomBands;
    bool m_bFilling = false;
};

// The Bands window, when it exists.
CBandsDialog* GetBandsDialog();
// Refills the Bands window when it exists.
void RefreshBandBar();
