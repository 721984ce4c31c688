#pragma once
// "Add To Logfile": the contact's ADIF record, editable, before it is
// appended to the logbook files; its check box switches the confirmation
// itself off for later contacts.
#include "shared/ui/BaseDialog.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

class CAddToLogfileDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 401;
    enum : int { IDC_RECORD = 1077, IDC_CONFIRM = 1249, IDC_OPTIONS = 1248, IDC_NOTE = 1084 };

    CAddToLogfileDialog(QWidget* pParent, const QString& strRecord);
    ~CAddToLogfileDialog() override;

    bool OnInitDialog() override;
    // Takes the record and, when the check box changed, the confirmation
    // setting (saved, and shown on the options sheet).
    void OnOK() override;

    QString m_strRecord;
    bool m_bConfirm = true;

    QPlainTextEdit* RecordEdit() const { return m_pRecord; }
    QCheckBox* ConfirmCheck() const { return m_pConfirm; }
    QPushButton* OptionsButton() const { return m_pOptions; }

private:
    QPlainTextEdit* m_pRecord = nullptr;
    QCheckBox* m_pConfirm = nullptr;
    QPushButton* m_pOptions = nullptr;
};
