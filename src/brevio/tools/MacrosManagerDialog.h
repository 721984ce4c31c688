#pragma once
// "Macros Manager": every macro of a private copy of the store; new, copy,
// edit, bulk edit, delete, sort, move, load and save. Save and OK copy the
// result back to the application's store and its file.
#include "brevio/core/MacroStore.h"
#include "shared/ui/BaseDialog.h"

class COwnListCtrl;
class COXBitmapButton;
class QMenuBar;

class CMacrosManagerDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 385;
    static constexpr unsigned IDR_TOOLBAR = 386;
    enum : int {
        IDC_LIST = 110,
        IDC_SAVE = 1083,
        ID_NEW = 32824,
        ID_COPY = 160,
        ID_EDIT = 32825,
        ID_BULK_EDIT = 33480,
        ID_DELETE = 32823,
        ID_LOAD = 32931,
        ID_SAVE_AS = 32930,
        ID_SORT = 33363,
        ID_MOVE_UP = 32821,
        ID_MOVE_DOWN = 32822,
        ID_CLOSE = 57665,
    };

    CMacrosManagerDialog(QWidget* pParent, const CMacroStore& store);
    ~CMacrosManagerDialog() override;

    bool OnInitDialog() override;
    bool OnCommand(unsigned nId) override;
    void OnUpdateCommand(CCmdUI& cmdUI) override;
    void OnOK() override;
    void OnCancel() override;

    void Refill(const QString& strSelect);
    void SetModified(bool bModified);
    // The check boxes into the working store, then the application's store and file.
    void Save();
    void OnNew();
    void OnCopy();
    void OnEdit();
    void OnBulkEdit();
    void OnDelete();
    void OnLoad();
    void OnSaveAs();
    void OnSort();
    void OnMove(int nDelta);

    bool IsModified() const { return m_bModified; }
    const CMacroStore& WorkingStore() const { return m_working; }
    COwnListCtrl* List() const { return m_pList; }
    COXBitmapButton* SaveButton() const { return m_pSave; }
    QMenuBar* MenuBar() const { return m_pMenuBar; }
    QString BaseCaption() const { return m_strCaption; }
    // Whether a command is enabled now (the toolbar and menu states).
    bool IsCommandEnabled(unsigned nId) const;

private:
    void BuildMenus();
    void ApplyChecks();
    void OnItemChanged(int nRow, int nColumn);

    CMacroStore m_working;
    COwnListCtrl* m_pList = nullptr;
    COXBitmapButton* m_pSave = nullptr;
    QMenuBar* m_pMenuBar = nullptr;
    bool m_bModified = false;
    bool m_bReady = false;
    QString m_strCaption;
};
