#pragma once
// "Transmit": keys the radio in a chosen mode, continuously or for a number
// of seconds, and puts it back in receive and in the mode it had.
#include <QBasicTimer>
#include <QDialog>
#include <QString>
#include <cstdint>

class CCatLink;
class COwnComboBox;
class COwnSpinButtonCtrl;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CTransmitDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 283;
    static constexpr unsigned IDC_CONTINUOUS = 1079;
    static constexpr unsigned IDC_TIMER = 1080;
    static constexpr unsigned IDC_SECONDS = 1297;
    static constexpr unsigned IDC_SPIN = 1299;
    static constexpr unsigned IDC_MODE = 1138;
    static constexpr unsigned IDC_MODE_LABEL = 1301;
    static constexpr unsigned IDC_SECONDS_LABEL = 1302;
    static constexpr unsigned IDC_STOP = 1131;

    // nSavedMode: the front panel's mode byte now (0xFF when there is none);
    // it comes back after the transmission.
    CTransmitDialog(QWidget* pParent, CCatLink& link, uint8_t nSavedMode);
    ~CTransmitDialog() override;

    int DoModal();
    bool OnInitDialog();
    // Start and Stop: one handler that toggles.
    void OnStart();
    void OnCancel();
    void OnTimer();

    bool IsTransmitting() const { return m_bTransmitting; }
    int GetSecondsLeft() const { return m_nSecondsLeft; }
    QString GetCaption() const { return m_strCaption; }
    QRadioButton* GetTimerChoice() const { return m_pTimer; }
    QLineEdit* GetSecondsEdit() const { return m_pSeconds; }
    COwnComboBox* GetModeCombo() const { return m_pMode; }
    QPushButton* GetStartButton() const { return m_pStart; }
    QPushButton* GetStopButton() const { return m_pStop; }

    struct ModeRow {
        const char* pName;
        uint8_t nCode;
    };
    static const ModeRow kModes[8];

protected:
    void showEvent(QShowEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void accept() override { OnStart(); }
    void reject() override { OnCancel(); }

private:
    void EnableControls();
    void Stop();

    CCatLink& m_link;
    QRadioButton* m_pContinuous = nullptr;
    QRadioButton* m_pTimer = nullptr;
    QLineEdit* m_pSeconds = nullptr;
    COwnSpinButtonCtrl* m_pSpin = nullptr;
    COwnComboBox* m_pMode = nullptr;
    QLabel* m_pModeLabel = nullptr;
    QLabel* m_pSecondsLabel = nullptr;
    QPushButton* m_pStart = nullptr;
    QPushButton* m_pCancel = nullptr;
    QPushButton* m_pStop = nullptr;
    uint8_t m_nSavedMode;
    bool m_bTransmitting = false;
    bool m_bInitialised = false;
    int m_nSecondsLeft = 0;
    QString m_strCaption;
    QBasicTimer m_timer;  // 100
};
