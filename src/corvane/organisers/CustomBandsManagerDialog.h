#pragma once
// "Custom Bands Manager": the custom band sets on a private copy, with load
// and save to a file, the factory defaults, new, copy, modify and delete.
// OK sorts, saves, and hands the copy to the application.
#include "corvane/organisers/BandSetList.h"
#include "shared/ui/BaseDialog.h"

class COwnListCtrl;
class COXBitmapButton;
class QLabel;

class CCustomBandsManagerDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 298;
    enum : unsigned { IDC_TEXT = 1320, IDC_LIST = 1078, IDC_DEFAULTS = 1348 };

    CCustomBandsManagerDialog(QWidget* pParent, const CBandSetList& sets);
    ~CCustomBandsManagerDialog() override;

    bool OnInitDialog() override;
    bool OnCommand(unsigned nId) override;
    void OnUpdateCommand(CCmdUI& cmdUI) override;
    void OnOK() override;

    void OnNew();
    void OnModify();
    void OnCopy();
    void OnDelete();
    void OnLoadFromFile();
    void OnSaveToFile();
    void OnDefaults();

    const CBandSetList& GetWorkingList() const { return m_sets; }
    COwnListCtrl* List() const { return m_pList; }
    COXBitmapButton* DefaultsButton() const { return m_pDefaults; }

private:
    void FillRows();
    void SetRow(int nRow, const CBandSet& set);

    CBandSetList m_sets;
    QLabel* m_pText;
    COwnListCtrl* m_pList;
    COXBitmapButton* m_pDefaults;
};

// The manager on the application's band sets (the Bands window's button
// and the main window's command); TRUE after OK.
bool RunCustomBandsManager(QWidget* pParent);
