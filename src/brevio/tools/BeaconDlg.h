#pragma once
// "Beacon": sends a text from one receive channel once or repeatedly while
// the dialog is open (the repetition itself is CBeaconCycle).
#include "brevio/tools/BeaconCycle.h"
#include "shared/ui/BaseDialog.h"

#include <QBasicTimer>
#include <functional>
#include <memory>

class CColourStatic;
class CFormRx;
class COXBitmapButton;
class COwnSpinButtonCtrl;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

class CBeaconDlg : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 181;
    enum : int {
        IDC_ONCE = 1105,
        IDC_EVERY = 1106,
        IDC_AFTER = 1109,
        IDC_EVERY_EDIT = 1102,
        IDC_EVERY_SPIN = 1101,
        IDC_AFTER_EDIT = 1103,
        IDC_AFTER_SPIN = 1104,
        IDC_TEXT = 1077,
        IDC_STATUS = 1107,
        IDC_LINE = 1108,
        IDC_START = 1080,
        IDC_STOP = 1081,
        IDC_OPEN = 1082,
        IDC_SAVE = 1083,
    };
    static constexpr int kTimerMs = 100;
    static QString DefaultFileName() { return QStringLiteral("PSK31 Beacon.txt"); }

    // The receive window's frame (parent), its transmit text, and the window.
    CBeaconDlg(QWidget* pParent, const QString& strTxText, CFormRx* pForm);
    ~CBeaconDlg() override;

    // What the dialog drives and the clock it reads (tests give their own).
    void SetHost(CBeaconCycle::Host host);
    void SetClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    bool OnInitDialog() override;
    void OnCancel() override;
    void OnStart();
    void OnStop();
    void OnOpen();
    void OnSave();
    // Timer 100: button states, the cycle's next step, the status text.
    void OnTimer();

    int m_nOption = 0;
    QString m_strEvery;
    QString m_strCont;
    QString m_strText;

    const CBeaconCycle& Cycle() const { return *m_cycle; }
    QString GetStatusText() const;
    QPlainTextEdit* TextEdit() const { return m_pText; }
    QLineEdit* EveryEdit() const { return m_pEvery; }
    QLineEdit* AfterEdit() const { return m_pAfter; }
    COwnSpinButtonCtrl* EverySpin() const { return m_pEverySpin; }
    COwnSpinButtonCtrl* AfterSpin() const { return m_pAfterSpin; }
    QRadioButton* OptionButton(int nOption) const { return m_pOption[nOption]; }
    COXBitmapButton* Button(int nId) const;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    // Controls into the members and the cycle.
    void ReadControls();
    void WriteRegistry() const;
    QDateTime Now() const;

    QString m_strFrameCaption;
    std::unique_ptr<CBeaconCycle> m_cycle;
    std::function<QDateTime()> m_clock;
    QBasicTimer m_timer;
    bool m_bReady = false;
    QRadioButton* m_pOption[3] = {};
    QLineEdit* m_pEvery = nullptr;
    QLineEdit* m_pAfter = nullptr;
    COwnSpinButtonCtrl* m_pEverySpin = nullptr;
    COwnSpinButtonCtrl* m_pAfterSpin = nullptr;
    QPlainTextEdit* m_pText = nullptr;
    CColourStatic* m_pStatus = nullptr;
};
