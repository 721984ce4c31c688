#pragma once
// "Scan Band": scans a range with the radio's own scanner and plots what
// it hears on the scan graph, retuning the radio at either edge so the scan
// keeps cycling; mirrors the radio's FST flag and resume setting, and saves
// the range as a band scan definition.
#include "corvane/organisers/BandScanner.h"
#include "shared/ui/BaseDialog.h"

#include <QBasicTimer>
#include <memory>

class CCatLink;
class CFrequencyEdit;
class COwnComboBox;
class COXBitmapButton;
class CScanDefinition;
class CScanGraph;
class CScanPanel;
class QLabel;

class CScanBandDialog : public CBaseDialog, public CBandScanHost {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 354;
    enum : unsigned {
        IDC_FROM = 1416,
        IDC_TO = 1083,
        IDC_RESUME = 1415,
        IDC_MODE = 1138,
        IDC_START = 1126,
        IDC_STOP = 1131,
        IDC_SAVE = 1119,
        IDC_FST = 1120,
        IDC_GRAPH = 1129,
    };
    static constexpr int kStateTimerMs = 50;  // timer 101

    // The link and panel default to the application's and the front panel.
    explicit CScanBandDialog(QWidget* pParent, const CScanDefinition* pDefinition = nullptr,
                             CCatLink* pLink = nullptr, CScanPanel* pPanel = nullptr);
    ~CScanBandDialog() override;

    bool OnInitDialog() override;
    // Enter: stop a scan, else start one; the window stays open.
    void OnOK() override;

    void StartScan();
    void StopScan() { m_scanner->Stop(); }
    void SetResume();
    void LoadDefinition(const CScanDefinition& definition);
    void RefreshFromRadio();
    void OnSave();
    void OnFst();
    void UpdateScanState(int nState) { m_scanner->UpdateScanState(nState); }

    CBandScanner& Scanner() { return *m_scanner; }
    CScanGraph* Graph() const { return m_pGraph; }
    CFrequencyEdit* FromEdit() const { return m_pFrom; }
    CFrequencyEdit* ToEdit() const { return m_pTo; }
    COwnComboBox* ResumeList() const { return m_pResume; }
    COwnComboBox* ModeList() const { return m_pMode; }
    COXBitmapButton* StartButton() const { return m_pStart; }
    COXBitmapButton* StopButton() const { return m_pStop; }
    COXBitmapButton* FstButton() const { return m_pFst; }
    int GetStopBitmap() const { return m_nStopBitmap; }
    const QString& GetTitle() const { return m_strTitle; }
    const QString& GetBaseCaption() const { return m_strCaption; }
    bool IsReadTimerActive() const { return m_readTimer.isActive(); }

    // CBandScanHost.
    void ShowProgress(const QString& strCaption) override;
    void ShowScanState(bool bScanning) override;
    void AddReading(uint32_t nHz, uint8_t nLevel) override;
    void ArmReadTimer(bool bArm) override;

protected:
    bool event(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void StartFromChecks();
    void SetStopBitmap(int nBitmap);

    CCatLink& m_link;
    CScanPanel& m_panel;
    std::unique_ptr<CBandScanner> m_scanner;
    const CScanDefinition* m_pInitialDefinition;
    QString m_strTitle;
    QString m_strCaption;
    CFrequencyEdit* m_pFrom;
    CFrequencyEdit* m_pTo;
    COwnComboBox* m_pResume;
    COwnComboBox* m_pMode;
    COXBitmapButton* m_pStart;
    COXBitmapButton* m_pStop;
    COXBitmapButton* m_pSave;
    COXBitmapButton* m_pFst;
    CScanGraph* m_pGraph;
    QBasicTimer m_readTimer;   // 100
    QBasicTimer m_stateTimer;  // 101
    int m_nStopBitmap = 354;
};

// The Resume and Mode lists of both scan windows.
void FillResumeList(COwnComboBox* pList);
void FillScanModeList(COwnComboBox* pList);
