#pragma once
// "Sort": up to three keys with a direction each, duplicate removal, and
// (for the radio's channels) compaction instead of sorting. The choices are
// remembered per list.
#include "corvane/memory/MemorySort.h"

#include <QDialog>

class COwnComboBox;
class QButtonGroup;
class QCheckBox;
class QRadioButton;
class cdxCRotBevelLine;

class CMemorySortDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 335;
    // The archive's choices are kept apart from the live list's.
    static constexpr uint32_t kArchiveSettingsId = 0x8000014F;
    enum Control : unsigned {
        IDC_KEY1 = 1360, IDC_KEY2 = 1361, IDC_KEY3 = 1362,
        IDC_CAPTION1 = 1150, IDC_CAPTION2 = 1151, IDC_CAPTION3 = 1152,
        IDC_ASCENDING1 = 1079, IDC_DESCENDING1 = 1080, IDC_ASCENDING2 = 1081, IDC_DESCENDING2 = 1146,
        IDC_ASCENDING3 = 1083, IDC_DESCENDING3 = 1084,
        IDC_REMOVE_DUPLICATES = 1168, IDC_REMOVE_EMPTY = 1203,
    };

    // bSeparateSettings: the live list's own remembered choices (335).
    CMemorySortDialog(QWidget* pParent, const QString& strTitle, bool bSeparateSettings, bool bEmptyRemovalAllowed);
    ~CMemorySortDialog() override;

    int DoModal();
    // The choices after OK.
    CMemorySortChoice GetChoice() const { return m_choice; }
    uint32_t GetSettingsId() const { return m_nSettingsId; }
    // OK: every choice remembered, then the dialog ends.
    void accept() override;

    COwnComboBox* GetKeyCombo(int n) const { return m_pKeys[n]; }
    QRadioButton* GetDirectionButton(int nGroup, bool bDescending) const;
    QCheckBox* GetRemoveDuplicates() const { return m_pDuplicates; }
    QCheckBox* GetRemoveEmpty() const { return m_pEmpty; }

private:
    void UpdateControls();

    COwnComboBox* m_pKeys[3];
    cdxCRotBevelLine* m_pCaptions[3];
    QButtonGroup* m_pDirections[3];
    QCheckBox* m_pDuplicates;
    QCheckBox* m_pEmpty;
    bool m_bEmptyRemovalAllowed;
    uint32_t m_nSettingsId;
    CMemorySortChoice m_choice;
};
