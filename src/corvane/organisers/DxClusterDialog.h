#pragma once
// "DX Cluster": the modeless window of DX spots. The operator picks one of
// the 29 spot pages; the application's request worker fetches it and the
// window lists its spots (DX, frequency, time, spotter, comment). While
// "Start display updates" is down the page is fetched again a set number
// of seconds after each result, with a countdown meter. A click on a spot
// tunes the radio to it.
#include "corvane/organisers/DxSpotPage.h"
#include "shared/ui/BaseDialog.h"

#include <QBasicTimer>
#include <QFont>
#include <QStringList>

class CBarMeter;
class COXBitmapButton;
class COwnListCtrl;
class CRequestWorker;
class CWebPageResult;
class QListWidget;

class CDxClusterDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 345;
    enum : unsigned {
        IDC_UPDATES = 1126, IDC_REFRESH = 105, IDC_INTERVAL = 1411, IDC_HOME = 1412, IDC_PAGES = 1413,
        IDC_METER = 1101, IDC_SPOTS = 1078,
    };
    static constexpr int kTimerMs = 1000;  // timer 100
    static constexpr int kDefaultInterval = 60;
    static constexpr int kMinimumInterval = 10;
    // The server's host name (a port may follow after ':'), section "Options".
    static QString HostValueName() { return QStringLiteral("CDxClusterDialog::m_strHost"); }
    static QString NoHostCaption();

    explicit CDxClusterDialog(QWidget* pParent);
    ~CDxClusterDialog() override;

    bool OnInitDialog() override;
    // Enter does not close the window.
    void OnOK() override {}

    // Queues the selected page on the request worker.
    void FetchPage();
    // A result of the worker (the record is the window's and is deleted).
    void OnData(CWebPageResult* pRecord);
    void ParsePage(const CWebPageResult& record);
    // One tick of timer 100.
    void OnTimerTick();
    void OnRefresh();
    void OnUpdatesToggle();
    void OnSetInterval();
    void OnHomePage();
    void OnPageSelected();
    void OnPageDoubleClick();
    void OnSpotClick();

    // Another worker than the application's (tests).
    void SetRequestWorker(CRequestWorker* pWorker) { m_pWorker = pWorker; }

    QListWidget* Pages() const { return m_pPages; }
    COwnListCtrl* Spots() const { return m_pSpots; }
    CBarMeter* Meter() const { return m_pMeter; }
    COXBitmapButton* UpdatesButton() const { return m_pUpdates; }
    COXBitmapButton* RefreshButton() const { return m_pRefresh; }
    bool IsUpdating() const;
    bool IsTimerRunning() const { return m_timer.isActive(); }
    int GetCountdown() const { return m_nCountdown; }
    int GetInterval() const { return m_nInterval; }
    const QString& GetLastPageText() const { return m_strLastPage; }
    QString GetSelectedPage() const { return m_strPage; }
    CDxSpotPage::Spot SpotAt(int nRow) const;

protected:
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    QString Host() const;
    // "DX-Spot Server" asks for the host and stores it; FALSE when none was given.
    bool AskForHost();
    // The caption says when there is no server to fetch from.
    void ShowHostState();
    void SetSpot(int nRow, const CDxSpotPage::Spot& spot);
    void SetFetchingIcon(bool bFetching);

    QString m_strPage;
    int m_nInterval = kDefaultInterval;
    int m_nCountdown = -1;
    QString m_strLastPage;
    QFont m_spotFont;
    QBasicTimer m_timer;
    CRequestWorker* m_pWorker = nullptr;
    QListWidget* m_pPages;
    COwnListCtrl* m_pSpots;
    CBarMeter* m_pMeter;
    COXBitmapButton* m_pHome;
    COXBitmapButton* m_pInterval;
    COXBitmapButton* m_pRefresh;
    COXBitmapButton* m_pUpdates;
    bool m_bFilling = false;
};
