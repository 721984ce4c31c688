#pragma once
#include <QDialog>

class QCheckBox;

// "Closing...": offers to switch the radio off as the program ends.
class CClosingDialog : public QDialog {
    Q_OBJECT
public:
    explicit CClosingDialog(QWidget* pParent = nullptr);

    // IDOK (Continue) or IDCANCEL.
    int DoModal();
    void OnOK();

    bool m_bPowerDown = false;
    QCheckBox* GetPowerDown() const { return m_pPowerDown; }

    static constexpr unsigned kDialogId = 338;
    static constexpr unsigned kPowerDownId = 1203;

private:
    QCheckBox* m_pPowerDown;
};
