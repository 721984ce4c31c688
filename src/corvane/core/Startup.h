#pragma once
#include "corvane/core/StartupSearch.h"
#include "shared/ui/BaseDialog.h"

#include <QDialog>
#include <QPointer>
#include <atomic>
#include <memory>

class CBarMeter;
class CCreditsStatic;
class COXBitmapButton;
class COwnComboBox;
class COwnListCtrl;
class QCheckBox;
class QGroupBox;
class QLabel;
class QEventLoop;
class QThread;
class QPushButton;

// The start-up dialog: finds the FT-817, opens the CAT link and loads the
// memory channels with a progress bar. It ends with IDOK only after that.
class CStartup : public CBaseDialog, private CStartupSearch::View {
    Q_OBJECT
public:
    explicit CStartup(QWidget* pParent = nullptr);
    ~CStartup() override;

    bool OnInitDialog() override;
    // Connect (button 1).
    void OnConnect();
    void OnAutodetect();
    void OnOptions();
    void OnHelp();

    bool m_bAuto = true;

    CStartupSearch& GetSearch() { return *m_pSearch; }
    COwnListCtrl* GetList() const { return m_pList; }
    CBarMeter* GetProgress() const { return m_pProgress; }
    COwnComboBox* GetPortCombo() const { return m_pPort; }
    COwnComboBox* GetSpeedCombo() const { return m_pSpeed; }
    QCheckBox* GetAutodetect() const { return m_pAuto; }
    // Every progress text shown since the dialog opened, in order.
    const QStringList& GetProgressHistory() const { return m_progressHistory; }
    // A search for the radio is running (off the dialog's thread).
    bool IsSearching() const { return m_bSearching; }
    // Also while a search runs: the dialog ends at once, the exchange in
    // progress is cut short and the port closed.
    void OnCancel() override;

protected:
    void OnOK() override { OnConnect(); }

private:
    // CStartupSearch::View
    void ClearRows() override;
    void AddRow(const CStartupSearch::Row& row) override;
    void SetProgressText(const QString& strText) override;
    void ShowProgress(bool bShow) override;
    void SetProgressPos(int nPos) override;
    void SelectPort(int nIndex) override;
    void SelectSpeed(int nIndex) override;
    void Repaint() override;
    void RepaintProgress() override;
    QWidget* Owner() override { return this; }
    QString Title() override { return windowTitle(); }

    void UpdateData();
    void FillPorts();
    // The search on a thread of its own while the dialog stays painted and
    // answers Cancel; TRUE when the radio answered.
    bool RunSearch(bool bSearch);
    void StopSearch();

    // The view the search thread talks to: every call is queued to the dialog.
    class QueuedView;
    std::unique_ptr<QueuedView> m_pQueuedView;
    std::unique_ptr<QThread> m_pSearchThread;
    std::atomic<bool> m_bCancel{false};
    bool m_bSearching = false;
    bool m_bCancelled = false;
    QPointer<QEventLoop> m_pSearchLoop;

    std::unique_ptr<CStartupSearch> m_pSearch;
    CCreditsStatic* m_pLogo = nullptr;
    COwnListCtrl* m_pList = nullptr;
    QGroupBox* m_pGroup = nullptr;
    QCheckBox* m_pAuto = nullptr;
    QLabel* m_pPortLabel = nullptr;
    QLabel* m_pSpeedLabel = nullptr;
    COwnComboBox* m_pPort = nullptr;
    COwnComboBox* m_pSpeed = nullptr;
    QPushButton* m_pLineOptions = nullptr;
    CBarMeter* m_pProgress = nullptr;
    COXBitmapButton* m_pConnect = nullptr;
    QPushButton* m_pHelp = nullptr;
    QPushButton* m_pCancel = nullptr;
    QStringList m_progressHistory;
};

// The DTR and RTS levels the CAT link sets when it opens the port.
class CStartupOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit CStartupOptionsDialog(QWidget* pParent = nullptr);

    bool m_bDtr = false;
    bool m_bRts = false;

    QCheckBox* GetDtr() const { return m_pDtr; }
    QCheckBox* GetRts() const { return m_pRts; }
    void OnOK();
    void OnDefaults();

private:
    QCheckBox* m_pDtr;
    QCheckBox* m_pRts;
};
