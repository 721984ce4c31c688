#pragma once
// "Memory Manager": the radio's 202 channels ("FT-817 Memories") beside an
// archive kept in a file ("File Archive"). Every change stays in the two
// lists until the Save Changes step writes the radio and the file.
#include "corvane/memory/MemoryManagerModel.h"
#include "shared/ui/BaseDialog.h"

class CBarMeter;
class CBaseDialogToolBar;
class CColourStatic;
class COXBitmapButton;
class COwnListCtrl;
class QMenu;
class QMenuBar;

class CMemoryManagerDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 252;
    static constexpr unsigned kMenuId = 253;
    enum Control : unsigned {
        IDC_LIVE_CAPTION = 1192, IDC_LIVE = 1188, IDC_ARCHIVE_CAPTION = 1193, IDC_ARCHIVE = 1189,
        IDC_FROM_ARCHIVE = 1391, IDC_TO_ARCHIVE = 1389, IDC_ALL_TO_ARCHIVE = 1390, IDC_SAVE = 1121,
        IDC_PROGRESS = 1101,
    };
    enum Command : unsigned {
        ID_AUTOFIT = 32949, ID_CLOSE = 2,
        ID_MEMORY_NEW = 32970, ID_MEMORY_COPY = 32824, ID_MEMORY_EDIT = 32823, ID_MEMORY_ERASE = 32971,
        ID_MEMORY_DUPLICATES = 32976, ID_MEMORY_ENABLE = 32846, ID_MEMORY_DISABLE = 32825,
        ID_MEMORY_SAVE_VFO = 32859, ID_MEMORY_SAVE_FILE = 32817, ID_MEMORY_LOAD_FILE = 32838,
        ID_MEMORY_UP = 32828, ID_MEMORY_DOWN = 32829, ID_MEMORY_SORT = 32972, ID_MEMORY_AUTOFIT = 32955,
        ID_MEMORY_RELOAD = 32833,
        ID_ARCHIVE_EDIT = 32822, ID_ARCHIVE_ERASE = 32826, ID_ARCHIVE_DUPLICATES = 32973, ID_ARCHIVE_SORT = 32975,
        ID_ARCHIVE_LOAD_FILE = 32819, ID_ARCHIVE_SAVE_FILE = 32818, ID_ARCHIVE_AUTOFIT = 32956,
    };

    // bSaveToMemory: run "Save current VFO to Memory" once the lists are filled.
    CMemoryManagerDialog(QWidget* pParent, bool bSaveToMemory);
    ~CMemoryManagerDialog() override;

    bool OnInitDialog() override;
    bool OnCommand(unsigned nId) override;
    void OnUpdateCommand(CCmdUI& cmdUI) override;
    // Whether a command is enabled now.
    bool IsCommandEnabled(unsigned nId);

    // The first-show work: read the radio, load the archive file.
    void OnInitialise();
    void LoadLive(bool bRead, bool bFitColumns);
    void RefreshArchive(bool bReload);
    void UpdateTitle();
    void UpdateCopyButtons();

    // The buttons.
    void OnSave();
    void OnFromArchive();
    void OnToArchive(bool bAll);

    CMemoryManagerModel& Model() { return m_model; }
    COwnListCtrl* GetLiveList() const { return m_pLive; }
    COwnListCtrl* GetArchiveList() const { return m_pArchive; }
    CColourStatic* GetLiveCaption() const { return m_pLiveCaption; }
    CColourStatic* GetArchiveCaption() const { return m_pArchiveCaption; }
    COXBitmapButton* GetButton(unsigned nId) const;
    CBarMeter* GetProgress() const { return m_pProgress; }
    QMenu* GetMemoryMenu() const { return m_pMemoryMenu; }
    QMenu* GetArchiveMenu() const { return m_pArchiveMenu; }
    bool WasMemoryWritten() const { return m_bMemoryWritten; }
    bool IsEnableAllowed() const { return m_bEnableAllowed; }
    bool IsDisableAllowed() const { return m_bDisableAllowed; }
    QList<int> LiveSelection() const;
    QList<int> ArchiveSelection() const;

    // The toolbar and menu of commands (resource 253), registered once.
    static void RegisterToolbar();

protected:
    void OnOK() override;
    void OnCancel() override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenus();
    void RefreshLiveRow(int nChannel);
    void RefreshLiveRows();
    void RefreshArchiveRow(int nIndex);
    void SelectLive(int nChannel, bool bOnly);
    void OnLiveSelectionChanged();
    void OnLiveDoubleClick();
    void EditLive();
    void NewLive();
    void CopyLive();
    void EraseLive();
    void DisableLive();
    void EnableLive();
    void MoveLive(bool bUp);
    void RemoveLiveDuplicates();
    void SortLive();
    void ReloadLive();
    void SaveLiveToFile();
    void LoadLiveFromFile();
    void SaveToMemory();
    void EditArchive();
    void EraseArchive();
    void RemoveArchiveDuplicates();
    void SortArchive();
    void LoadArchiveFromFile();
    void SaveArchiveToFile();
    // Runs the editor; TRUE when it ended with OK.
    bool RunEditor(CRadioMemoryList& list, int nIndex, bool bLive, bool* pStored = nullptr);
    // The Save Changes step; TRUE when it ended with OK and every ticked
    // part was saved.
    bool RunSaveChanges();
    // After the Save Changes step wrote the radio: read it again when every
    // channel took, else keep what is still to be saved.
    void AfterMemoryWrite();
    // Closing by OK or Cancel.
    void Finish(int nResult);
    QString ChooseFile(bool bSave, const QString& strTitle);
    // FALSE, after saying so, when a record of the file is no memory channel.
    bool AcceptArchiveRecords(const QString& strPath);
    bool LiveCommandsAllowed() const { return m_model.IsLiveRead(); }

    CMemoryManagerModel m_model;
    bool m_bMemoryWritten = false;
    bool m_bInitialised = false;
    bool m_bSaveToMemory;
    bool m_bEnableAllowed = false;
    bool m_bDisableAllowed = false;
    QString m_strInitialTitle;
    QString m_strInitialLiveCaption;
    QString m_strInitialArchiveCaption;

    QMenuBar* m_pMenuBar = nullptr;
    QMenu* m_pMemoryMenu = nullptr;
    QMenu* m_pArchiveMenu = nullptr;
    CBaseDialogToolBar* m_pToolBar = nullptr;
    CColourStatic* m_pLiveCaption;
    CColourStatic* m_pArchiveCaption;
    COwnListCtrl* m_pLive;
    COwnListCtrl* m_pArchive;
    COXBitmapButton* m_pFromArchive;
    COXBitmapButton* m_pToArchive;
    COXBitmapButton* m_pAllToArchive;
    COXBitmapButton* m_pSave;
    CBarMeter* m_pProgress;
};
