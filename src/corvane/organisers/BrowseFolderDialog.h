#pragma once
// "Browse for Folder": picks the folder a favourite moves to, from a
// folders-only copy of the manager's tree under a "Favourites" root.
#include "shared/ui/BaseDialog.h"

class CFavouritesTree;

class CBrowseFolderDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 268;
    enum ControlId : unsigned { IDC_TEXT = 1215, IDC_TREE = 1209 };

    CBrowseFolderDialog(QWidget* pParent, const CFavouritesTree& source);
    ~CBrowseFolderDialog() override;

    bool OnInitDialog() override;
    void OnOK() override;
    // After OK; empty for the top level.
    QString GetFolderPath() const { return m_strPath; }
    CFavouritesTree* Tree() const { return m_pTree; }

private:
    const CFavouritesTree& m_source;
    CFavouritesTree* m_pTree = nullptr;
    QString m_strPath;
};
