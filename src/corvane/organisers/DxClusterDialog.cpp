#include "corvane/organisers/DxClusterDialog.h"

#include "corvane/core/MainFrame.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/RequestWorker.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/RefreshIntervalDialog.h"
#include "corvane/organisers/DxServerDialog.h"
#include "platform/DesktopOpener.h"
#include "platform/Prompter.h"
#include "shared/FontFactory.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/artwork/Artwork.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/OwnListCtrl.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QListWidget>
#include <QPointer>
#include <QShowEvent>
#include <QTimerEvent>
#include <QUrl>
#include <algorithm>
#include <memory>

namespace {
constexpr COLORREF kRedMask = RGB(255, 0, 0);
constexpr COLORREF kWhiteMask = RGB(255, 255, 255);
const QString kDefaultPage = QStringLiteral("25 DX");

enum SpotColumn { COL_DX, COL_FREQUENCY, COL_TIME, COL_SPOTTER, COL_COMMENT, COL_COUNT };
} // namespace

QString CDxClusterDialog::NoHostCaption()
{
    return QStringLiteral("DX Cluster - no DX-spot server is set; Start display updates asks for it");
}

CDxClusterDialog::CDxClusterDialog(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    setWindowTitle(QStringLiteral("DX Cluster"));
    setModal(false);
    SetNoSizeGrip();
    const CRegistry& registry = GetRegistry();
    m_strPage = registry.GetDialogString(IDD, IDC_PAGES, kDefaultPage);
    m_nInterval = registry.GetDialogInt(IDD, IDC_METER, kDefaultInterval);
    if (m_nInterval < kMinimumInterval)
        m_nInterval = kMinimumInterval;
    m_spotFont = CFontFactory(pParent ? pParent : this).CreateCourier(10, false);

    m_pUpdates = new COXBitmapButton(this);
    m_pRefresh = new COXBitmapButton(this);
    m_pInterval = new COXBitmapButton(this);
    m_pHome = new COXBitmapButton(this);
    m_pPages = new QListWidget(this);
    m_pMeter = new CBarMeter(this);
    m_pSpots = new COwnListCtrl(this);
    m_pUpdates->setGeometry(8, 8, 30, 30);
    m_pRefresh->setGeometry(42, 8, 30, 30);
    m_pInterval->setGeometry(76, 8, 30, 30);
    m_pHome->setGeometry(110, 8, 30, 30);
    m_pPages->setGeometry(8, 44, 132, 282);
    m_pMeter->setGeometry(8, 332, 132, 16);
    m_pSpots->setGeometry(146, 8, 506, 340);
    SetDlgCtrlID(m_pUpdates, IDC_UPDATES);
    SetDlgCtrlID(m_pRefresh, IDC_REFRESH);
    SetDlgCtrlID(m_pInterval, IDC_INTERVAL);
    SetDlgCtrlID(m_pHome, IDC_HOME);
    SetDlgCtrlID(m_pPages, IDC_PAGES);
    SetDlgCtrlID(m_pMeter, IDC_METER);
    SetDlgCtrlID(m_pSpots, IDC_SPOTS);
    m_pSpots->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pSpots->setSortingEnabled(false);
    m_pSpots->header()->setSectionsClickable(false);

    connect(m_pUpdates, &QPushButton::clicked, this, [this] { OnUpdatesToggle(); });
    connect(m_pRefresh, &QPushButton::clicked, this, [this] { OnRefresh(); });
    connect(m_pInterval, &QPushButton::clicked, this, [this] { OnSetInterval(); });
    connect(m_pHome, &QPushButton::clicked, this, [this] { OnHomePage(); });
    connect(m_pPages, &QListWidget::currentRowChanged, this, [this] {
        if (!m_bFilling)
            OnPageSelected();
    });
    connect(m_pPages, &QListWidget::itemDoubleClicked, this, [this] { OnPageDoubleClick(); });
    connect(m_pSpots, &QTreeWidget::itemClicked, this, [this] { OnSpotClick(); });

    resize(660, 356);
    static const DialogGeometry::AnchorRow anchors[] = {
        {IDC_PAGES, 0, 2, 0, 0},
        {IDC_METER, 0, 0, 0, 2},
        {IDC_SPOTS, 2, 2, 0, 0},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CDxClusterDialog::~CDxClusterDialog() = default;

bool CDxClusterDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_pHome->LoadBitmapResource(348, false, kRedMask);
    m_pInterval->LoadBitmapResource(349, false, kRedMask);
    m_pUpdates->LoadBitmapResource(216, false, kWhiteMask);
    m_pRefresh->LoadBitmapResource(262, false, kRedMask);
    PrepareButton(*m_pHome, QStringLiteral("DX Cluster hompage"));
    PrepareButton(*m_pInterval, QStringLiteral("Set refresh interval"));
    PrepareButton(*m_pUpdates, QStringLiteral("Start display updates"));
    PrepareButton(*m_pRefresh, QStringLiteral("Refresh display"));
    m_pUpdates->SetExtendedStyle(BBS_TOGGLE);
    m_pUpdates->SetToggleState(0, true);

    m_bFilling = true;
    m_pPages->addItems(CDxSpotPage::PageNames());
    m_pPages->setCurrentRow(0);
    // The first page whose name begins with the stored one, as a list box finds it.
    for (int i = 0; i < m_pPages->count(); ++i) {
        if (!m_strPage.isEmpty() && m_pPages->item(i)->text().startsWith(m_strPage, Qt::CaseInsensitive)) {
            m_pPages->setCurrentRow(i);
            break;
        }
    }
    m_bFilling = false;

    m_pSpots->setFont(m_spotFont);
    const ListColumn columns[COL_COUNT] = {{QStringLiteral("DX"), LVCFMT_LEFT},
                                           {QStringLiteral("Frequency"), LVCFMT_RIGHT},
                                           {QStringLiteral("Time UTC"), LVCFMT_LEFT},
                                           {QStringLiteral("Spotter"), LVCFMT_LEFT},
                                           {QStringLiteral("Comment"), LVCFMT_LEFT}};
    m_pSpots->SetColumns(columns, COL_COUNT);
    m_pSpots->SetFullRowSelect();
    m_pSpots->AutoSizeColumns();
    m_pMeter->DrawBackground(0, false);
    m_pMeter->SetRange(0, m_nInterval);
    m_pMeter->SetPos(0);
    return true;
}

QString CDxClusterDialog::Host() const
{
    return GetRegistry().GetString(HostValueName()).trimmed();
}

void CDxClusterDialog::ShowHostState()
{
    if (Host().isEmpty())
        setWindowTitle(NoHostCaption());
    else if (windowTitle() == NoHostCaption())
        setWindowTitle(QStringLiteral("DX Cluster"));
}

bool CDxClusterDialog::IsUpdating() const
{
    return m_pUpdates->IsToggledOn();
}

void CDxClusterDialog::FetchPage()
{
    const QListWidgetItem* item = m_pPages->currentItem();
    m_strPage = item ? item->text() : QString();
    GetRegistry().WriteDialogString(IDD, IDC_PAGES, m_strPage);
    const QString host = Host();
    // Nothing to fetch from: say so where a failed fetch would.
    ShowHostState();
    if (host.isEmpty())
        return;
    CRequestWorker* worker = m_pWorker;
    if (!worker && GetRadioApp())
        worker = &GetRadioApp()->GetRequestWorker();
    if (!worker)
        return;
    // The worker keeps only this window's newest page waiting.
    worker->QueueRequest(CRequestWorker::REQUEST_WEB_PAGE, this, 0,
                         CDxSpotPage::Address(host, CDxSpotPage::PathOf(m_strPage)));
}

void CDxClusterDialog::SetFetchingIcon(bool bFetching)
{
    const QImage icon = bFetching ? artwork::icon(317) : QImage();
    if (!icon.isNull())
        setWindowIcon(QPixmap::fromImage(icon));
    else
        setWindowIcon(QApplication::windowIcon());
}

void CDxClusterDialog::OnData(CWebPageResult* pRecord)
{
    std::unique_ptr<CWebPageResult> record(pRecord);
    if (!record)
        return;
    if (record->m_nKind == CWebPageResult::KIND_STARTED) {
        SetFetchingIcon(true);
    } else if (record->m_nKind == CWebPageResult::KIND_FINISHED) {
        SetFetchingIcon(false);
        ParsePage(*record);
    }
}

CDxSpotPage::Spot CDxClusterDialog::SpotAt(int nRow) const
{
    CDxSpotPage::Spot spot;
    spot.strDx = m_pSpots->GetItemText(nRow, COL_DX);
    spot.strFrequency = m_pSpots->GetItemText(nRow, COL_FREQUENCY);
    spot.strTime = m_pSpots->GetItemText(nRow, COL_TIME);
    spot.strSpotter = m_pSpots->GetItemText(nRow, COL_SPOTTER);
    spot.strComment = m_pSpots->GetItemText(nRow, COL_COMMENT);
    return spot;
}

void CDxClusterDialog::SetSpot(int nRow, const CDxSpotPage::Spot& spot)
{
    m_pSpots->SetItemText(nRow, COL_DX, spot.strDx);
    m_pSpots->SetItemText(nRow, COL_FREQUENCY, spot.strFrequency);
    m_pSpots->SetItemText(nRow, COL_TIME, spot.strTime);
    m_pSpots->SetItemText(nRow, COL_COMMENT, spot.strComment);
    m_pSpots->SetItemText(nRow, COL_SPOTTER, spot.strSpotter);
}

void CDxClusterDialog::ParsePage(const CWebPageResult& record)
{
    if (IsUpdating())
        m_timer.start(kTimerMs, this);
    m_nCountdown = 0;
    m_pMeter->SetPos(0);
    if (!record.m_nValue) {
        m_pSpots->DeleteAllItems();
        setWindowTitle(record.m_strError);
        // The list is empty now: the next good page must fill it again,
        // even when it is the page last shown.
        m_strLastPage.clear();
        return;
    }
    const QString text = record.m_lines.join(QLatin1Char(','));
    if (text == m_strLastPage)
        return;
    m_strLastPage = text;

    const int selected = m_pSpots->GetFirstSelectedItem();
    const bool remembered = selected >= 0;
    const CDxSpotPage::Spot kept = remembered ? SpotAt(selected) : CDxSpotPage::Spot();

    const CDxSpotPage::Parsed parsed = CDxSpotPage::ParseLines(record.m_lines);
    if (!parsed.strCaption.isEmpty())
        setWindowTitle(parsed.strCaption);

    m_pSpots->setUpdatesEnabled(false);
    const int count = int(parsed.spots.size());
    const bool cleared = m_pSpots->GetItemCount() != count;
    if (cleared)
        m_pSpots->DeleteAllItems();
    while (m_pSpots->GetItemCount() < count)
        m_pSpots->InsertItem(0, QString());
    for (int j = 0; j < count; ++j)
        SetSpot(j, parsed.spots[j]);
    if (remembered) {
        m_pSpots->DeselectAll();
        for (int j = 0; j < count; ++j) {
            if (SpotAt(j) == kept) {
                m_pSpots->SelectItem(j, true);
                break;
            }
        }
    }
    if (cleared)
        m_pSpots->AutoSizeColumns();
    m_pSpots->setUpdatesEnabled(true);
    m_pSpots->viewport()->update();
}

void CDxClusterDialog::OnTimerTick()
{
    ++m_nCountdown;
    m_pMeter->SetPos(m_nCountdown);
    // A hidden window keeps counting; it fetches once it is shown again.
    if (m_nCountdown >= m_nInterval && isVisible()) {
        m_timer.stop();
        FetchPage();
    }
}

void CDxClusterDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId()) {
        OnTimerTick();
        return;
    }
    CBaseDialog::timerEvent(event);
}

bool CDxClusterDialog::AskForHost()
{
    CDxServerDialog dialog(this, Host());
    if (dialog.DoModal() != platform::IDOK || dialog.GetHost().isEmpty())
        return false;
    GetRegistry().WriteString(HostValueName(), dialog.GetHost());
    ShowHostState();
    return true;
}

void CDxClusterDialog::OnRefresh()
{
    // Without a server there is nothing to fetch from: ask for one, and
    // without an answer leave the updates off.
    if (Host().isEmpty() && !AskForHost()) {
        m_timer.stop();
        if (IsUpdating())
            m_pUpdates->SetToggleState(0, true);
        m_pMeter->SetRange(0, m_nInterval);
        m_pMeter->SetPos(0);
        ShowHostState();
        return;
    }
    m_nCountdown = 0;
    m_timer.stop();
    m_pMeter->SetRange(0, m_nInterval);
    m_pMeter->SetPos(m_nInterval);
    FetchPage();
    m_pMeter->SetPos(0);
}

void CDxClusterDialog::OnUpdatesToggle()
{
    m_timer.stop();
    m_nCountdown = 0;
    if (IsUpdating())
        OnRefresh();
    m_pMeter->SetRange(0, m_nInterval);
    m_pMeter->SetPos(m_nCountdown);
}

void CDxClusterDialog::OnSetInterval()
{
    const bool running = m_timer.isActive();
    CRefreshIntervalDialog dialog(this, unsigned(m_nInterval));
    if (dialog.DoModal() != platform::IDOK)
        return;
    m_nInterval = std::max(int(dialog.GetInterval()), kMinimumInterval);
    m_nCountdown = 0;
    GetRegistry().WriteDialogInt(IDD, IDC_METER, m_nInterval);
    m_pMeter->SetRange(0, m_nInterval);
    m_pMeter->SetPos(m_nInterval);
    m_pMeter->SetPos(0);
    if (IsUpdating() && running)
        m_timer.start(kTimerMs, this);
}

void CDxClusterDialog::OnHomePage()
{
    if (Host().isEmpty() && !AskForHost())
        return;
    const QString address = CDxSpotPage::Address(Host(), CDxSpotPage::HomePath());
    // The browser is started on its own and may give up later: what it says
    // then is shown as for every page the program fails to open.
    QPointer<CDxClusterDialog> self(this);
    platform::openOnDesktop(QUrl(address), [self, address](const QString& reason) {
        platform::messageBox(self ? static_cast<QWidget*>(self) : GetMainFrame(),
                             QStringLiteral("Error starting \"") + address + QStringLiteral("\" -\n \n") + reason,
                             QStringLiteral("Error"), platform::MB_ICONERROR);
    });
}

void CDxClusterDialog::OnPageSelected()
{
    if (IsUpdating())
        OnRefresh();
}

void CDxClusterDialog::OnPageDoubleClick()
{
    if (IsUpdating())
        return;
    m_pUpdates->SetToggleState(BBST_ON, true);
    OnUpdatesToggle();
}

void CDxClusterDialog::OnSpotClick()
{
    const int row = m_pSpots->GetFirstSelectedItem();
    if (row < 0)
        return;
    uint32_t hz = 0;
    if (!CDxSpotPage::FrequencyToHz(m_pSpots->GetItemText(row, COL_FREQUENCY), hz))
        return;
    if (CDisplayView* view = GetDisplayView())
        view->TuneFromDial(hz);
}

void CDxClusterDialog::showEvent(QShowEvent* event)
{
    CBaseDialog::showEvent(event);
    // Checked on every showing: the server may have been set while hidden.
    ShowHostState();
}

void CDxClusterDialog::closeEvent(QCloseEvent* event)
{
    if (IsUpdating()) {
        m_pUpdates->SetToggleState(0, true);
        OnUpdatesToggle();
    }
    CBaseDialog::closeEvent(event);
}

bool CDxClusterDialog::event(QEvent* event)
{
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgData)) {
        OnData(reinterpret_cast<CWebPageResult*>(m->lParam()));
        m->SetResult(0);
        return true;
    }
    return CBaseDialog::event(event);
}
