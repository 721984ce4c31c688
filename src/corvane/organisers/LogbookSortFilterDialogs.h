#pragma once
// "Sort" and "Filter": the logbook view's two modal dialogs, each with three
// rows of a field (from the list's column headers) and a pair of radio
// buttons. OK (and Remove) send their request to the logbook view at once
// and leave the dialog open, so several orders or filters can be tried;
// Cancel closes it.
#include "shared/ui/BaseDialog.h"

#include <QStringList>

class COwnComboBox;
class COwnListCtrl;
class QLineEdit;
class QRadioButton;
class cdxCRotBevelLine;

// What both dialogs share: the three labelled rows and the captions.
class CLogbookRowsDialog : public CBaseDialog {
    Q_OBJECT
public:
    enum : unsigned {
        IDC_LABEL_1 = 1150, IDC_LABEL_2 = 1151, IDC_LABEL_3 = 1152,
        IDC_FIELD_1 = 1360, IDC_FIELD_2 = 1361, IDC_FIELD_3 = 1362,
        IDC_FIRST_1 = 1079, IDC_SECOND_1 = 1080,
        IDC_FIRST_2 = 1081, IDC_SECOND_2 = 1146,
        IDC_FIRST_3 = 1083, IDC_SECOND_3 = 1084,
    };
    struct RowTexts {
        const char* pLabel;
        const char* pFirst;
        const char* pSecond;
        int nStart;  // 0 first radio button, 1 second
    };

    bool OnInitDialog() override;

    const QStringList& GetCaptions() const { return m_captions; }
    COwnComboBox* Field(int nRow) const { return m_pField[nRow]; }
    QRadioButton* First(int nRow) const { return m_pFirst[nRow]; }
    QRadioButton* Second(int nRow) const { return m_pSecond[nRow]; }
    // 0 when the first button of the row is chosen, 1 for the second.
    int GetRadio(int nRow) const;

protected:
    CLogbookRowsDialog(unsigned nIDD, const QString& strTitle, QWidget* pParent, const COwnListCtrl* pList,
                       const RowTexts rows[3], bool bValueEdits);

    QStringList m_captions;
    cdxCRotBevelLine* m_pLabel[3];
    COwnComboBox* m_pField[3];
    QRadioButton* m_pFirst[3];
    QRadioButton* m_pSecond[3];
    QLineEdit* m_pValue[3] = {nullptr, nullptr, nullptr};
};

class CLogbookSortDialog : public CLogbookRowsDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 364;
    CLogbookSortDialog(QWidget* pParent, const COwnListCtrl* pList);
    ~CLogbookSortDialog() override;

    // Sends the order of the three rows to the logbook view; stays open.
    void OnOK() override;
};

class CLogbookFilterDialog : public CLogbookRowsDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 365;
    enum : unsigned { IDC_VALUE_1 = 1432, IDC_VALUE_2 = 1085, IDC_VALUE_3 = 1086, IDC_REMOVE = 1406 };

    CLogbookFilterDialog(QWidget* pParent, const COwnListCtrl* pList);
    ~CLogbookFilterDialog() override;

    bool OnInitDialog() override;
    // Sends the filter of the rows to the logbook view; stays open.
    void OnOK() override;
    // Sends the removal of the filter; stays open.
    void OnRemove();
    QLineEdit* Value(int nRow) const { return m_pValue[nRow]; }

private:
    // Rows 2 and 3 take a value only while a field is chosen in them.
    void ApplyEnableRule();
};
