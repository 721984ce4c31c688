#pragma once
// "Scan Manager": deletes and renames scan definitions on a copy of the
// store read afresh from its file; OK writes the file and reloads the
// application's store from it.
#include "corvane/organisers/ScanDefinitions.h"
#include "shared/ui/BaseDialog.h"

class COwnListCtrl;
class QPushButton;

class CScanManagerDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 426;
    enum : unsigned { IDC_LIST = 1078, IDC_DELETE = 1124, IDC_RENAME = 1211 };

    explicit CScanManagerDialog(QWidget* pParent);
    ~CScanManagerDialog() override;

    bool OnInitDialog() override;
    void OnOK() override;

    void FillList();
    void UpdateButtons();
    void OnDelete();
    void OnRename();

    const CScanDefinitions& GetWorkingStore() const { return m_store; }
    COwnListCtrl* List() const { return m_pList; }
    QPushButton* DeleteButton() const { return m_pDelete; }
    QPushButton* RenameButton() const { return m_pRename; }

private:
    CScanDefinitions m_store;
    QString m_strCaption;
    COwnListCtrl* m_pList;
    QPushButton* m_pDelete;
    QPushButton* m_pRename;
};
