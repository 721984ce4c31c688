#pragma once
#include <QBasicTimer>
#include <QDialog>
#include <QStringList>

class CColourStatic;
class QLabel;

// "About FT-817 Corvane": version, build date, notices and the credits,
// one line at a time every two seconds.
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* pParent = nullptr);

    static const QStringList& Credits();
    int GetCreditIndex() const { return m_nCredit; }
    CColourStatic* GetCreditsStatic() const { return m_pCredits; }
    // The next credit line (the timer's work).
    void NextCredit();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    CColourStatic* m_pCredits;
    QBasicTimer m_timer;  // the design's timer 100
    int m_nCredit = 0;
};
