#pragma once
// "Closing...": offers to switch the radio off as the program ends.
#include <QDialog>

class QCheckBox;

class CClosingDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 338;
    static constexpr unsigned IDC_POWER_DOWN = 1203;

    explicit CClosingDialog(QWidget* pParent = nullptr);
    ~CClosingDialog() override;

    int DoModal();
    // Continue: stores the check box and ends with IDOK. Cancel stores nothing.
    void OnOK();
    void OnCancel();
    bool GetPowerDown() const { return m_bPowerDown; }
    QCheckBox* GetCheckBox() const { return m_pCheck; }

protected:
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }

private:
    QCheckBox* m_pCheck = nullptr;
    bool m_bPowerDown = false;
};
