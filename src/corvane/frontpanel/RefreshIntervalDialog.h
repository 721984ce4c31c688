#pragma once
// "Refresh Interval" of the DX-spot window: 10 to 999 seconds.
#include <QDialog>

class QLineEdit;
class COwnSpinButtonCtrl;

class CRefreshIntervalDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 350;
    static constexpr unsigned IDC_INTERVAL = 1082;
    static constexpr unsigned IDC_SPIN = 1083;

    CRefreshIntervalDialog(QWidget* pParent, unsigned nSeconds);
    ~CRefreshIntervalDialog() override;

    int DoModal();
    // The interval is held within 10 to 999 when the operator confirms, so
    // typing "50" is not turned into "10" after its first digit.
    void OnOK();
    QString GetText() const { return m_strInterval; }
    unsigned GetInterval() const { return m_strInterval.toUInt(); }
    QLineEdit* GetEdit() const { return m_pEdit; }
    COwnSpinButtonCtrl* GetSpin() const { return m_pSpin; }

    static QString Clamp(const QString& strText);

protected:
    void accept() override { OnOK(); }

private:
    QLineEdit* m_pEdit = nullptr;
    COwnSpinButtonCtrl* m_pSpin = nullptr;
    QString m_strInterval;
};
