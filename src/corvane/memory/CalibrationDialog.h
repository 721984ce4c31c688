#pragma once
// "Calibration": the radio's factory calibration bytes as a table read live
// from the radio, one byte changed at a time through the value dialog, and
// the table saved as a text file or shown in the text viewer.
#include "shared/ui/BaseDialog.h"

#include <QDialog>

class CAnimatedButton;
class CBarMeter;
class CCatLink;
class COXBitmapButton;
class COwnListCtrl;
class COwnSpinButtonCtrl;
class QLineEdit;
class QPushButton;

class CCalibrationDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 213;
    static constexpr unsigned IDC_ANIMATION = 1201;
    static constexpr unsigned IDC_RELOAD = 1118;
    static constexpr unsigned IDC_CHANGE = 1117;
    static constexpr unsigned IDC_SAVE = 1119;
    static constexpr unsigned IDC_VIEWER = 1120;
    static constexpr unsigned IDC_PROGRESS = 1101;
    static constexpr unsigned IDC_LIST = 1078;
    static constexpr unsigned IDC_WARNING = 1150;
    static constexpr int kFileKind = 1;

    // The link defaults to the application's.
    explicit CCalibrationDialog(QWidget* pParent = nullptr, CCatLink* pLink = nullptr);
    ~CCalibrationDialog() override;

    bool OnInitDialog() override;
    // The first read, once the window is up.
    void OnInitialise();

    void OnReload();
    void OnChange();
    void OnSave();
    void OnViewer();
    void UpdateButtons();

    // The value dialog of a Change; tests answer it.
    using ValueDialogRunner = std::function<void(class CCalibrationValueDialog& dialog)>;
    static void SetValueDialogRunner(ValueDialogRunner runner);

    COwnListCtrl* GetList() const { return m_pList; }
    CBarMeter* GetProgress() const { return m_pProgress; }
    COXBitmapButton* GetChangeButton() const { return m_pChange; }
    COXBitmapButton* GetSaveButton() const { return m_pSave; }
    COXBitmapButton* GetViewerButton() const { return m_pViewer; }
    // Every caption the progress bar showed since the dialog was made.
    const QStringList& GetProgressHistory() const { return m_history; }
    int GetReloadCount() const { return m_nReloads; }

protected:
    bool event(QEvent* event) override;

private:
    CCatLink* m_pLink;
    CAnimatedButton* m_pAnimation;
    COXBitmapButton* m_pReload;
    COXBitmapButton* m_pChange;
    COXBitmapButton* m_pSave;
    COXBitmapButton* m_pViewer;
    CBarMeter* m_pProgress;
    COwnListCtrl* m_pList;
    uint16_t m_nHighest = 0;
    uint16_t m_nLowest = 0xFFFF;
    QStringList m_history;
    int m_nReloads = 0;
};

class CCalibrationValueDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 214;
    static constexpr unsigned IDC_APPLY = 1121;
    static constexpr unsigned IDC_SPIN = 1123;
    static constexpr unsigned IDC_NAME = 1124;
    static constexpr unsigned IDC_VALUE = 1122;
    static constexpr unsigned IDC_DESCRIPTION = 1427;

    CCalibrationValueDialog(QWidget* pParent, const QString& strName, const QString& strDescription,
                            unsigned nAddress, uint8_t nValue, CCatLink* pLink = nullptr);
    ~CCalibrationValueDialog() override;

    int DoModal();
    void OnApply();
    void OnOK();

    bool IsWritten() const { return m_bWritten != 0; }
    unsigned GetAddress() const { return m_nAddress; }
    QLineEdit* GetValueEdit() const { return m_pValue; }
    COwnSpinButtonCtrl* GetSpin() const { return m_pSpin; }
    QPushButton* GetApplyButton() const { return m_pApply; }
    QPushButton* GetOkButton() const { return m_pOk; }

private:
    void OnValueChanged();

    CCatLink* m_pLink;
    CAnimatedButton* m_pAnimation;
    QPushButton* m_pApply;
    QPushButton* m_pOk;
    QLineEdit* m_pValue;
    COwnSpinButtonCtrl* m_pSpin;
    int m_bWritten = 0;
    unsigned m_nAddress;
    uint8_t m_nValue;
};
