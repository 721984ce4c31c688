#pragma once
// Two scan dialogs the program carries without opening them anywhere:
// "Advanced (Not Implemented Yet)" (what to do when a signal is found) and
// "Scan Definition" (one frequency entry).
#include "shared/ui/BaseDialog.h"

#include <QList>
#include <cstdint>

class CFrequencyEdit;
class COwnComboBox;
class COwnSpinButtonCtrl;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

class CScanAdvancedDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 241;
    enum : unsigned {
        IDC_ENABLE = 1147,
        IDC_LEVEL = 1143,
        IDC_LISTEN = 1079,
        IDC_WAIT = 1080,
        IDC_TIME = 1127,
        IDC_SPIN = 1123,
        IDC_RESUME = 1081,
        IDC_STOP = 1146,
    };

    CScanAdvancedDialog(QWidget* pParent, int bEnable, int nLevel, int nListenTime, int bResume);
    ~CScanAdvancedDialog() override;

    bool OnInitDialog() override;
    void OnOK() override;
    // The check box's state on the dependent controls.
    void EnableControls();

    int GetEnable() const { return m_bEnable; }
    int GetLevel() const { return m_nLevel; }
    int GetListenTime() const { return m_nListenTime; }
    int GetResume() const { return m_bResume; }

    QCheckBox* EnableBox() const { return m_pEnable; }
    QComboBox* LevelList() const { return m_pLevel; }
    QRadioButton* ListenButton() const { return m_pListen; }
    QRadioButton* WaitButton() const { return m_pWait; }
    QLineEdit* TimeEdit() const { return m_pTime; }
    COwnSpinButtonCtrl* Spin() const { return m_pSpin; }
    // The 13 controls the check box enables.
    QList<QWidget*> DependentControls() const;

private:
    int m_bEnable;
    int m_nLevel;
    int m_nListenTime;
    int m_bResume;
    QCheckBox* m_pEnable;
    QComboBox* m_pLevel;
    QRadioButton* m_pListen;
    QRadioButton* m_pWait;
    QLineEdit* m_pTime;
    COwnSpinButtonCtrl* m_pSpin;
    QRadioButton* m_pResume;
    QRadioButton* m_pStop;
};

class CScanDefinitionDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 238;
    enum : unsigned { IDC_TITLE = 1140, IDC_FOLDER = 1100, IDC_FREQUENCY = 1084, IDC_MODE = 1138, IDC_ACTIVE = 1139 };

    CScanDefinitionDialog(QWidget* pParent, const QString& strTitle, const QString& strFolder,
                          const QString& strFrequency, uint8_t nMode, int bActive);
    ~CScanDefinitionDialog() override;

    bool OnInitDialog() override;
    void OnOK() override;

    const QString& GetTitle() const { return m_strTitle; }
    const QString& GetFolder() const { return m_strFolder; }
    const QString& GetFrequencyText() const { return m_strFrequency; }
    const QString& GetModeText() const { return m_strModeText; }
    uint8_t GetMode() const { return m_nMode; }
    int GetActive() const { return m_bActive; }

    QLineEdit* TitleEdit() const { return m_pTitle; }
    QLineEdit* FolderEdit() const { return m_pFolder; }
    CFrequencyEdit* FrequencyEdit() const { return m_pFrequency; }
    COwnComboBox* ModeList() const { return m_pMode; }

private:
    QString m_strTitle;
    QString m_strFolder;
    QString m_strFrequency;
    QString m_strModeText;
    uint8_t m_nMode;
    int m_bActive;
    QLineEdit* m_pTitle;
    QLineEdit* m_pFolder;
    CFrequencyEdit* m_pFrequency;
    COwnComboBox* m_pMode;
    QCheckBox* m_pActive;
};
