#pragma once
// The merge dialog: lists the favourites of another favourites file and adds
// the rows the operator selects to a target collection, replacing entries
// of the same folder and title only when asked to.
#include "corvane/organisers/FavouritesCollection.h"
#include "shared/ui/BaseDialog.h"

class COXBitmapButton;
class COwnListCtrl;
class QCheckBox;
class QPushButton;

class CLoadFavouritesDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 385;
    enum ControlId : unsigned { IDC_LIST = 1078, IDC_OVERWRITE = 1520, IDC_OPEN = 1521, IDC_HINT = 1150 };

    CLoadFavouritesDialog(QWidget* pParent, CFavouritesCollection* pTarget);
    ~CLoadFavouritesDialog() override;

    bool OnInitDialog() override;
    // "Add": the selected rows go to the target; the window stays open.
    void OnOK() override;
    void OnOpen();
    bool IsAdded() const { return m_bAdded; }

    COwnListCtrl* List() const { return m_pList; }
    QCheckBox* OverwriteBox() const { return m_pOverwrite; }
    QPushButton* AddButton() const { return m_pAdd; }
    const CFavouritesCollection& Loaded() const { return m_loaded; }
    // FALSE, with a message captioned as given, when the file just loaded
    // into the collection was no favourites file (nothing may come of it).
    static bool CheckFile(QWidget* pOwner, const CFavouritesCollection& loaded, const QString& strPath,
                          const QString& strCaption);

protected:
    bool event(QEvent* pEvent) override;

private:
    // FALSE when no file was chosen, or a refused one left nothing to show.
    bool ChooseFile();
    void FillList();
    void UpdateAdd();

    CFavouritesCollection* m_pTarget;
    CFavouritesCollection m_loaded;
    bool m_bAdded = false;
    COwnListCtrl* m_pList = nullptr;
    QCheckBox* m_pOverwrite = nullptr;
    COXBitmapButton* m_pOpen = nullptr;
    QPushButton* m_pAdd = nullptr;
};
