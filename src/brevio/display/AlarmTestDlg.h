#pragma once
// "Alarm Test": tries a find expression on a typed (always lower-case) text
// and shows what it matches.
#include "shared/ui/BaseDialog.h"

class QLineEdit;
class CColourStatic;

class CAlarmTestDlg : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 206;
    enum : int { IDC_FIND = 1077, IDC_IN = 1175, IDC_RESULT = 1176, IDC_NOTE = 1084 };

    CAlarmTestDlg(QWidget* pParent, const QString& strFind);
    ~CAlarmTestDlg() override;

    bool OnInitDialog() override;
    void OnOK() override;
    QString GetFindText() const { return m_strFind; }
    QString GetResultText() const;
    // The result for a find text as typed and a test text.
    static QString Evaluate(const QString& strFind, const QString& strIn);
    void Evaluate();

    QLineEdit* FindEdit() const { return m_pFind; }
    QLineEdit* InEdit() const { return m_pIn; }

private:
    QString m_strFind;
    QLineEdit* m_pFind = nullptr;
    QLineEdit* m_pIn = nullptr;
    CColourStatic* m_pResult = nullptr;
};
