#pragma once
// "Scan Memory": runs the radio's memory scan over the channels checked in
// a list of its memories. Each check box is the channel's skip flag in the
// radio, written the moment it changes; the choice can be saved and loaded
// as a memory scan definition.
#include "corvane/organisers/MemoryScanModel.h"
#include "shared/ui/BaseDialog.h"

#include <QBasicTimer>
#include <QList>

class CCatLink;
class COwnComboBox;
class COwnListCtrl;
class COXBitmapButton;
class CRadioMemoryList;
class CScanDefinition;
class CScanPanel;

class CScanMemoryDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 353;
    enum : unsigned {
        IDC_LIST = 1078,
        IDC_RESUME = 1415,
        IDC_START = 1126,
        IDC_STOP = 1131,
        IDC_SAVE = 1119,
        IDC_REFRESH = 105,
        IDC_MANAGER = 1396,
    };
    static constexpr int kStateTimerMs = 50;  // timer 100

    // The link, panel and memory list default to the application's.
    explicit CScanMemoryDialog(QWidget* pParent, const CScanDefinition* pDefinition = nullptr,
                               CCatLink* pLink = nullptr, CScanPanel* pPanel = nullptr,
                               CRadioMemoryList* pMemories = nullptr);
    ~CScanMemoryDialog() override;

    bool OnInitDialog() override;
    // Enter: stop a scan, else start one; the window stays open.
    void OnOK() override;

    void FillMemoryList();
    void LoadDefinition(const CScanDefinition& definition);
    void StartScan();
    void StopScan();
    void SetResume();
    void OnSave();
    void OnMemoryManager();
    void UpdateScanState(int nState);
    // A row's check box changed (the list's item notification).
    void OnItemChanged(int nRow);

    COwnListCtrl* List() const { return m_pList; }
    COwnComboBox* ResumeList() const { return m_pResume; }
    COXBitmapButton* StartButton() const { return m_pStart; }
    COXBitmapButton* StopButton() const { return m_pStop; }
    COXBitmapButton* RefreshButton() const { return m_pRefresh; }
    COXBitmapButton* ManagerButton() const { return m_pManager; }
    int GetStartBitmap() const { return m_nStartBitmap; }
    int GetStopBitmap() const { return m_nStopBitmap; }
    int GetRadioScanning() const { return m_nRadioScanning; }
    const QString& GetTitle() const { return m_strTitle; }
    const QString& GetBaseCaption() const { return m_strCaption; }
    // The identifier of a row as a definition keeps it.
    QString RowIdentifier(int nRow) const;
    int CountChecked() const;

    // How the memories are read from the radio (the Loading Memory dialog)
    // and how the memory manager runs; tests put their own.
    static void SetMemoryLoader(std::function<void(QWidget* pParent, CRadioMemoryList& list)> loader);
    static void SetManagerRunner(std::function<void(QWidget* pParent)> runner);

protected:
    bool event(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void SetButtons(bool bScanning);
    CRadioMemoryList& Memories() const;

    CCatLink& m_link;
    CScanPanel& m_panel;
    CRadioMemoryList* m_pMemories;
    const CScanDefinition* m_pInitialDefinition;
    bool m_bRefreshing = false;
    int m_nRadioScanning = 0;
    QString m_strTitle;
    QString m_strCaption;
    QList<bool> m_checkStates;
    QList<CMemoryScanRow> m_rows;
    COwnListCtrl* m_pList;
    COwnComboBox* m_pResume;
    COXBitmapButton* m_pStart;
    COXBitmapButton* m_pStop;
    COXBitmapButton* m_pSave;
    COXBitmapButton* m_pRefresh;
    COXBitmapButton* m_pManager;
    QBasicTimer m_stateTimer;
    int m_nStartBitmap = 216;
    int m_nStopBitmap = 354;
};
