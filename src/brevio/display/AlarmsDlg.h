#pragma once
// "Super Browser Alarms": the alarms of a private copy of the application's
// alarm list with their enable boxes; new, copy, edit, delete, load and save;
// Save and OK copy the result back to the application and its file.
#include "brevio/display/AlarmList.h"
#include "shared/ui/BaseDialog.h"

#include <functional>

class CAlarmDlg;
class COwnListCtrl;
class COXBitmapButton;

class CAlarmsDlg : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 198;
    static constexpr unsigned IDR_TOOLBAR = 199;
    enum : int {
        IDC_LIST = 110,
        IDC_SAVE = 1083,
        ID_NEW = 32824,
        ID_COPY = 160,
        ID_EDIT = 32825,
        ID_DELETE = 32823,
        ID_LOAD = 33531,
        ID_SAVE_AS = 33532,
    };

    explicit CAlarmsDlg(QWidget* pParent);
    ~CAlarmsDlg() override;

    bool OnInitDialog() override;
    bool OnCommand(unsigned nId) override;
    void OnUpdateCommand(CCmdUI& cmdUI) override;
    void OnOK() override;
    void OnCancel() override;

    void Refill(const QString& strSelect);
    // Enable boxes into the working list, then the application's list and file.
    void Save();
    void UpdateButtons();
    void OnNew();
    void OnCopy();
    void OnEdit();
    void OnDelete();
    void OnLoad();
    void OnSaveAs();

    bool IsModified() const { return m_bModified; }
    const CAlarmList& WorkingList() const { return m_working; }
    COwnListCtrl* List() const { return m_pList; }
    QString BaseCaption() const { return m_strCaption; }

    // Runs the "Alarm" dialog; tests answer it without a modal loop.
    // The runner fills the result and answers IDOK or IDCANCEL.
    using EditorRunner = std::function<int(CAlarmDlg& dialog)>;
    static void SetEditorRunner(EditorRunner runner);

private:
    void SetModified();
    void OnChecksChanged();
    int RunEditor(CAlarmDlg& dialog);

    CAlarmList m_working;
    COwnListCtrl* m_pList = nullptr;
    COXBitmapButton* m_pSave = nullptr;
    bool m_bModified = false;
    bool m_bReady = false;
    QString m_strCaption;
};
