#pragma once
// "Macro Bulk Editor": a find and replace over the full titles and the
// definition lines of the selected macros or of all of them.
#include "shared/ui/BaseDialog.h"

class COwnComboBox;
class QCheckBox;
class QLineEdit;
class QRadioButton;

class CMacroBulkEdit : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 177;
    enum : int {
        IDC_FIND = 1096,
        IDC_REPLACE = 1090,
        IDC_MATCH_CASE = 1095,
        IDC_WHAT = 1097,
        IDC_ALL = 1079,
        IDC_SELECTED = 1080,
    };
    // The combo's values: bit 1 titles, bit 2 definition lines.
    enum : int { MatchTitle = 1, MatchValue = 2, MatchBoth = 3 };

    CMacroBulkEdit(QWidget* pParent, bool bHasSelection);
    ~CMacroBulkEdit() override;

    bool OnInitDialog() override;
    void OnOK() override;

    QString m_strFind;
    QString m_strReplace;
    int m_bMatchCase = 0;
    int m_dwMatch = MatchBoth;
    // After OK.
    bool m_bAll = false;
    bool m_bReplaceTitles = false;
    bool m_bReplaceDefinitions = false;

    QLineEdit* FindEdit() const { return m_pFind; }
    QLineEdit* ReplaceEdit() const { return m_pReplace; }
    QCheckBox* MatchCaseCheck() const { return m_pMatchCase; }
    COwnComboBox* WhatCombo() const { return m_pWhat; }
    QRadioButton* AllRadio() const { return m_pAll; }
    QRadioButton* SelectedRadio() const { return m_pSelected; }
    bool IsOkEnabled() const;

private:
    void UpdateOkState();

    bool m_bHasSelection;
    QLineEdit* m_pFind = nullptr;
    QLineEdit* m_pReplace = nullptr;
    QCheckBox* m_pMatchCase = nullptr;
    COwnComboBox* m_pWhat = nullptr;
    QRadioButton* m_pAll = nullptr;
    QRadioButton* m_pSelected = nullptr;
};
