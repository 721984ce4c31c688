#pragma once
// "Add Favourite": stores the radio's current setting as a favourite. The
// frequency and mode are read from the radio when the dialog opens, the
// repeater settings come from the last poll's record, and the folder is
// chosen in a folders-only copy of the navigator's favourites tree.
#include "corvane/frontpanel/RadioStatus.h"
#include "shared/ui/BaseDialog.h"

#include <cstdint>

class CCatLink;
class CFavouritesTree;
class CFrequencyEdit;
class COwnComboBox;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeWidgetItem;

class CAddFavouriteDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 201;
    enum ControlId : unsigned {
        IDC_TITLE = 1099, IDC_FREQUENCY = 1084, IDC_MODE = 1138, IDC_ENABLE = 1440, IDC_EDIT = 1122,
        IDC_TREE = 1097, IDC_NEW_FOLDER = 1123,
    };

    // The link defaults to the application's.
    CAddFavouriteDialog(QWidget* pParent, const QString& strFolder, const CRadioStatus& status,
                        CCatLink* pLink = nullptr);
    ~CAddFavouriteDialog() override;

    bool OnInitDialog() override;
    void OnOK() override;
    void OnNewFolder();
    void OnEditRepeater();

    // Results after OK.
    QString GetFolder() const { return m_strFolder; }
    QString GetTitle() const { return m_strTitle; }
    uint32_t GetFrequency() const { return m_nFrequency; }
    uint8_t GetMode() const { return m_nMode; }
    QString GetRepeaterSettings() const;

    // Controls.
    QLineEdit* TitleEdit() const { return m_pTitle; }
    CFrequencyEdit* FrequencyEdit() const { return m_pFrequency; }
    COwnComboBox* ModeList() const { return m_pMode; }
    QCheckBox* EnableBox() const { return m_pEnable; }
    CFavouritesTree* Tree() const { return m_pTree; }
    QPushButton* OkButton() const { return m_pOk; }
    // The repeater values held now.
    int GetCtcss() const { return m_nCtcss; }
    int GetDcs() const { return m_nDcs; }
    int GetOffsetDirection() const { return m_nOffset; }
    uint32_t GetShift() const { return m_nShift; }
    int GetToneMode() const { return m_nToneMode; }

    // The folder path of a tree item below the "Favourites" root.
    static QString FolderPath(const QTreeWidgetItem* pItem);

private:
    void UpdateOk();
    void SelectFolder(const QString& strFolder);

    CRadioStatus m_status;
    CCatLink* m_pLink;
    QLineEdit* m_pTitle = nullptr;
    CFrequencyEdit* m_pFrequency = nullptr;
    COwnComboBox* m_pMode = nullptr;
    QCheckBox* m_pEnable = nullptr;
    CFavouritesTree* m_pTree = nullptr;
    QPushButton* m_pOk = nullptr;
    QString m_strFolder;
    QString m_strTitle;
    uint32_t m_nFrequency = 0;
    uint8_t m_nMode = 0;
    bool m_bEnable = false;
    int m_nCtcss = 0;
    int m_nDcs = 0;
    int m_nOffset = 0;
    uint32_t m_nShift = 0;
    int m_nToneMode = 0;
};
