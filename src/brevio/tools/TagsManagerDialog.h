#pragma once
// "Tags Manager": the tag definitions of a private copy of the tag store;
// new, copy, edit, delete, enable, order, load and save. Save and OK copy
// the result back to the application's store and its file.
#include "brevio/core/TagStore.h"
#include "shared/ui/BaseDialog.h"

class COwnListCtrl;
class COXBitmapButton;

class CTagsManagerDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 386;
    static constexpr unsigned IDR_TOOLBAR = 389;
    enum : int {
        IDC_LIST = 110,
        IDC_SAVE = 1083,
        ID_NEW = 32824,
        ID_COPY = 160,
        ID_EDIT = 32825,
        ID_DELETE = 32823,
        ID_SORT = 33363,
        ID_MOVE_UP = 32821,
        ID_MOVE_DOWN = 32822,
        ID_LOAD = 32931,
        ID_SAVE_AS = 32930,
    };
    // Item data bits of a row.
    static constexpr uint32_t kLockedBit = 1u << 30;
    static constexpr uint32_t kOwnBit = 1u << 31;
    enum Image { ImageOwn = 0, ImageLocked = 1, ImagePlain = 2 };

    CTagsManagerDialog(QWidget* pParent, const CTagStore& store);
    ~CTagsManagerDialog() override;

    bool OnInitDialog() override;
    bool OnCommand(unsigned nId) override;
    void OnUpdateCommand(CCmdUI& cmdUI) override;
    void OnOK() override;
    void OnCancel() override;

    void FillList(const QString& strSelect);
    // Check boxes and row order into the working store.
    void ApplyList();
    void SetModified(bool bModified);
    void Save();
    void OnNew();
    void OnCopy();
    void OnEdit();
    void OnDelete();
    void OnSort();
    void OnMove(int nDelta);
    void OnLoad();
    void OnSaveAs();
    bool IsCommandEnabled(unsigned nId) const;

    bool IsModified() const { return m_bModified; }
    const CTagStore& WorkingStore() const { return m_working; }
    COwnListCtrl* List() const { return m_pList; }
    COXBitmapButton* SaveButton() const { return m_pSave; }
    QString BaseCaption() const { return m_strCaption; }
    static QString Comment(const CTag& tag);

private:
    void OnItemChanged(int nRow, int nColumn);

    CTagStore m_working;
    COwnListCtrl* m_pList = nullptr;
    COXBitmapButton* m_pSave = nullptr;
    bool m_bModified = false;
    bool m_bReady = false;
    QString m_strCaption;
};
