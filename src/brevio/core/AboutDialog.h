#pragma once
#include "shared/ui/BaseDialog.h"

class QLabel;

// "About PSK31 Brevio": version, build date, rights notice and credit lines
// that change every 3 s.
class CAboutDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 100;
    explicit CAboutDialog(QWidget* pParent);
    ~CAboutDialog() override;

    static QStringList CreditLines();
    QLabel* CreditLabel() const { return m_pCredits; }
    void NextCredit();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    QLabel* m_pCredits = nullptr;
    int m_nCredit = 0;
    int m_nTimer = 0;
};
