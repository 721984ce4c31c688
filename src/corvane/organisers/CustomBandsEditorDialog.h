#pragma once
// "Custom Bands Editor": the ranges of one band set with new, copy, modify,
// delete and move up/down, on a private copy that OK rebuilds from the list.
#include "corvane/organisers/BandSetList.h"
#include "shared/ui/BaseDialog.h"

class COwnListCtrl;
class QCheckBox;
class QLabel;
class QLineEdit;

class CCustomBandsEditorDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 299;
    enum : unsigned {
        IDC_TITLE_LABEL = 1354,
        IDC_TITLE = 1140,
        IDC_ENABLED = 1208,
        IDC_TEXT = 1353,
        IDC_LIST = 1078,
    };
    // The list's pictures: 0 an enabled range, 2 a disabled one.
    static constexpr int kImageEnabled = 0;
    static constexpr int kImageDisabled = 2;

    CCustomBandsEditorDialog(QWidget* pParent, const CBandSet& set);
    ~CCustomBandsEditorDialog() override;

    bool OnInitDialog() override;
    bool OnCommand(unsigned nId) override;
    void OnUpdateCommand(CCmdUI& cmdUI) override;
    void OnOK() override;

    const CBandSet& GetBandSet() const { return m_set; }

    void OnNew();
    void OnModify();
    void OnCopy();
    void OnDelete();
    void OnMoveUp();
    void OnMoveDown();

    COwnListCtrl* List() const { return m_pList; }
    QLineEdit* TitleEdit() const { return m_pTitle; }
    QCheckBox* EnabledBox() const { return m_pEnabled; }

    // "7.000.000" for 7000000 Hz (empty below 1000 Hz), and back.
    static QString EdgeText(uint32_t nHz);
    static uint32_t EdgeFromText(const QString& strText);

private:
    void SetRow(int nRow, int bEnabled, uint32_t nFrom, uint32_t nTo, const QString& strTitle);
    int AppendRow(int bEnabled, uint32_t nFrom, uint32_t nTo, const QString& strTitle);

    CBandSet m_set;
    QLineEdit* m_pTitle;
    QCheckBox* m_pEnabled;
    QLabel* m_pText;
    COwnListCtrl* m_pList;
};
