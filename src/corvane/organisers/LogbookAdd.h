#pragma once
// "Logbook: Add Entry": the modeless window in which the operator types a
// contact and adds it to the logbook. Date, time, frequency, mode and power
// come from the front panel's last poll, every 100 ms while "Synchronise
// with FT-817" is ticked or once on "Sync"; the signal report from the
// S-meter on the picture button. The window lists what it added.
#include "shared/ui/BaseDialog.h"

#include <QBasicTimer>
#include <QString>
#include <ctime>
#include <functional>

class COXBitmapButton;
class COwnComboBox;
class COwnListCtrl;
class QCheckBox;
class QLineEdit;
class QPushButton;
struct CLogbookRequest;

class CLogbookAdd : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 363;
    enum : unsigned {
        IDC_DATE = 1421, IDC_MODE = 1423, IDC_CALLSIGN = 1424, IDC_POWER = 1425, IDC_SIGNAL = 1426,
        IDC_COMMENT = 1427, IDC_SYNC_CHECK = 1429, IDC_FREQUENCY = 1430, IDC_LIST = 1078, IDC_FRAME = 1150,
        IDC_SYNC = 105, IDC_SIGNAL_BUTTON = 1161,
    };
    static constexpr int kSyncTimerMs = 100;  // timer 100

    // What the window reads from the front panel's last poll.
    struct RadioReading {
        QString strFrequency;  // as the frequency display shows it
        uint8_t nMode = 0;
        int nPowerLevel = 0;   // 0 (5 W) to 3 (0.5 W)
        int nSMeter = 0;       // 0 to 15
    };
    // FALSE when there is no front panel. The program's front panel by default.
    using RadioSource = std::function<bool(RadioReading& reading)>;
    static void SetRadioSource(RadioSource source);
    // The clock of the synchronisation (tests set it).
    static void SetClock(std::function<std::time_t()> now);

    explicit CLogbookAdd(QWidget* pParent);
    ~CLogbookAdd() override;

    bool OnInitDialog() override;
    void OnSyncCheck();
    void OnSync();
    void OnSignalButton();
    // "Add": stores the entry; the window stays open with every field.
    void OnOK() override;
    // Cancel and Escape only hide the window.
    void OnCancel() override { hide(); }
    // One tick of timer 100.
    void OnTimer();

    // "5.0 W" ... "0.5 W" for levels 0 to 3, empty otherwise.
    static QString PowerText(int nLevel);
    // "S0" ... "S9", "S9+10db" ... "S9+60db".
    static QString SignalText(int nSMeter);

    bool IsSync() const { return m_bSync; }
    const std::tm& GetUtc() const { return m_utc; }
    QLineEdit* Callsign() const { return m_pCallsign; }
    QLineEdit* Power() const { return m_pPower; }
    QLineEdit* Signal() const { return m_pSignal; }
    QLineEdit* Comment() const { return m_pComment; }
    QLineEdit* DateEdit() const { return m_pDate; }
    QLineEdit* Frequency() const { return m_pFrequency; }
    COwnComboBox* Mode() const { return m_pMode; }
    COwnListCtrl* List() const { return m_pList; }
    QCheckBox* SyncCheck() const { return m_pSyncCheck; }
    QPushButton* SyncButton() const { return m_pSync; }
    COXBitmapButton* SignalButton() const { return m_pSignalButton; }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    // Hands the entry to the logbook view, or straight to the store when
    // no logbook window is open.
    static void Deliver(CLogbookRequest& request);

    int m_bSync = 1;
    std::tm m_utc{};
    QBasicTimer m_timer;
    QLineEdit* m_pCallsign;
    QLineEdit* m_pPower;
    QLineEdit* m_pSignal;
    QLineEdit* m_pComment;
    QLineEdit* m_pDate;
    QLineEdit* m_pFrequency;
    COwnComboBox* m_pMode;
    COwnListCtrl* m_pList;
    QPushButton* m_pAdd;
    QPushButton* m_pSync;
    QPushButton* m_pCancel;
    QCheckBox* m_pSyncCheck;
    COXBitmapButton* m_pSignalButton;
};
