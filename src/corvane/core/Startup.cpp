#include "corvane/core/Startup.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/Settings.h"
#include "platform/Prompter.h"
#include "platform/SerialPort.h"
#include "shared/HtmlHelp.h"
#include "shared/ImageList.h"
#include "shared/ImageListBuilder.h"
#include "shared/Registry.h"
#include "shared/VersionInfo.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/Banners.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QThread>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {
const QString kAutoValue = QStringLiteral("CStartup::m_bAuto");
constexpr COLORREF kMagenta = 0xFF00FF;
constexpr unsigned kDialogId = 203;

template <class W>
W* control(W* widget, unsigned nId, const QRect& rect)
{
    SetDlgCtrlID(widget, nId);
    widget->setGeometry(rect);
    return widget;
}
} // namespace

// The search thread's view: what it shows reaches the dialog's widgets on
// the dialog's thread, in order. Repaints are the event loop's business.
class CStartup::QueuedView final : public CStartupSearch::View {
public:
    explicit QueuedView(CStartup& dialog) : m_dialog(dialog) {}
    void ClearRows() override { Post([](CStartup& d) { d.ClearRows(); }); }
    void AddRow(const CStartupSearch::Row& row) override { Post([row](CStartup& d) { d.AddRow(row); }); }
    void SetProgressText(const QString& strText) override
    {
        Post([strText](CStartup& d) { d.SetProgressText(strText); });
    }
    void ShowProgress(bool bShow) override { Post([bShow](CStartup& d) { d.ShowProgress(bShow); }); }
    void SetProgressPos(int nPos) override { Post([nPos](CStartup& d) { d.SetProgressPos(nPos); }); }
    void SelectPort(int nIndex) override { Post([nIndex](CStartup& d) { d.SelectPort(nIndex); }); }
    void SelectSpeed(int nIndex) override { Post([nIndex](CStartup& d) { d.SelectSpeed(nIndex); }); }
    void Repaint() override {}
    void RepaintProgress() override {}
    // Questions are asked on the dialog's own thread, after the search.
    QWidget* Owner() override { return nullptr; }
    QString Title() override { return QString(); }

private:
    template <class F>
    void Post(F f)
    {
        CStartup* dialog = &m_dialog;
        QMetaObject::invokeMethod(dialog, [dialog, f] { f(*dialog); }, Qt::QueuedConnection);
    }
    CStartup& m_dialog;
};

CStartup::CStartup(QWidget* pParent) : CBaseDialog(kDialogId, pParent)
{
    m_bAuto = CRegistry().GetBool(kAutoValue, true);
    SetPersistGeometry(false);
    setWindowTitle(QStringLiteral("Startup"));
    resize(500, 502);

    m_pLogo = control(new CCreditsStatic(this), 1198, QRect(10, 10, 480, 166));
    m_pList = control(new COwnListCtrl(this), 1106, QRect(10, 184, 480, 140));
    m_pGroup = control(new QGroupBox(QStringLiteral("Connection"), this), 1354, QRect(10, 332, 480, 86));
    m_pAuto = control(new QCheckBox(QStringLiteral("&Autodetect"), this), 1330, QRect(24, 354, 110, 24));
    m_pPortLabel = control(new QLabel(QStringLiteral("COM &Port:"), this), 1150, QRect(140, 354, 70, 24));
    m_pPort = control(new COwnComboBox(this), 1102, QRect(212, 352, 150, 26));
    m_pSpeedLabel = control(new QLabel(QStringLiteral("&Speed:"), this), 1151, QRect(140, 384, 70, 24));
    m_pSpeed = control(new COwnComboBox(this), 1103, QRect(212, 382, 150, 26));
    m_pPortLabel->setBuddy(m_pPort);
    m_pSpeedLabel->setBuddy(m_pSpeed);
    m_pLineOptions = control(new QPushButton(QStringLiteral("DTR / RTS"), this), 3, QRect(374, 352, 104, 26));
    m_pProgress = control(new CBarMeter(this), 1101, QRect(10, 426, 480, 24));
    m_pConnect = control(new COXBitmapButton(this), 1, QRect(10, 460, 130, 34));
    m_pConnect->LoadBitmapResource(383, false, kMagenta);
    m_pConnect->SetWindowText(QStringLiteral("Connect"));
    m_pConnect->setDefault(true);
    m_pHelp = control(new QPushButton(QStringLiteral("&Help"), this), 1202, QRect(250, 460, 110, 34));
    m_pCancel = control(new QPushButton(QStringLiteral("Cancel"), this), 2, QRect(380, 460, 110, 34));

    static const DialogGeometry::AnchorRow anchors[] = {
        {1198, 2, 0, 0, 0}, {1106, 2, 2, 0, 0}, {1354, 2, 0, 0, 2}, {1330, 0, 0, 0, 2},
        {1150, 0, 0, 0, 2}, {1102, 0, 0, 0, 2}, {1151, 0, 0, 0, 2}, {1103, 0, 0, 0, 2},
        {3, 0, 0, 2, 2},    {1101, 2, 0, 0, 2}, {1, 0, 0, 0, 2},    {1202, 0, 0, 2, 2},
        {2, 0, 0, 2, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));

    m_pSearch = std::make_unique<CStartupSearch>(static_cast<CStartupSearch::View&>(*this), GetRadioApp()->GetCatLink(), GetRadioApp()->GetMemoryList());

    connect(m_pConnect, &QPushButton::clicked, this, [this] { OnConnect(); });
    connect(m_pCancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pHelp, &QPushButton::clicked, this, [this] { OnHelp(); });
    connect(m_pLineOptions, &QPushButton::clicked, this, [this] { OnOptions(); });
    connect(m_pAuto, &QCheckBox::clicked, this, [this] { OnAutodetect(); });
    connect(m_pPort, &QComboBox::activated, this, [this](int i) { m_pSearch->Select(i, m_pSpeed->currentIndex()); });
    connect(m_pSpeed, &QComboBox::activated, this, [this](int i) { m_pSearch->Select(m_pPort->currentIndex(), i); });
    // A device path is longer than the box: its tip shows it whole.
    connect(m_pPort, &QComboBox::activated, this, [this] { m_pPort->setToolTip(m_pPort->currentText()); });
}

CStartup::~CStartup()
{
    StopSearch();
}

bool CStartup::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    const CVersionInfo version;
    setWindowTitle(QStringLiteral("%1 v%2").arg(version.GetProductName(), version.GetProductVersion()));

    m_pList->SetColumns({{QStringLiteral("Port"), LVCFMT_LEFT},
                         {QStringLiteral("Speed"), LVCFMT_LEFT},
                         {QStringLiteral("Status"), LVCFMT_LEFT}});
    for (int c = 0; c < 3; ++c)
        m_pList->setColumnWidth(c, 150);
    CImageListBuilder images;
    for (unsigned id : {207u, 208u, 266u, 380u})
        images.AddBitmap(id);
    if (images.CreateMasked(kMagenta)) {
        QList<QPixmap> pictures;
        const CImageList* list = images.GetImageList();
        for (int i = 0; i < list->GetImageCount(); ++i)
            pictures << list->GetImage(i);
        m_pList->SetImageList(pictures);
    }

    m_pProgress->SetRange(0, GetRadioApp()->GetMemoryList().GetCount());
    m_pProgress->SetShowText(true);
    m_pProgress->hide();

    FillPorts();
    m_pSpeed->ResetContent();
    m_pSpeed->AddStrings({QStringLiteral("4800"), QStringLiteral("9600"), QStringLiteral("38400")});
    QStringList speeds;
    for (int i = 0; i < m_pSpeed->count(); ++i)
        speeds << m_pSpeed->itemText(i);
    m_pSearch->SetSpeeds(speeds);

    // The fixed defaults first, then where the radio answered last time.
    auto select = [](COwnComboBox* combo, const QString& text) {
        const int index = combo->findText(text, Qt::MatchStartsWith);
        if (index >= 0)
            combo->SetCurSel(index);
    };
    select(m_pPort, CSettings::GetDefaultPort());
    select(m_pSpeed, CSettings::GetDefaultSpeed());
    const CRegistry registry;
    select(m_pPort, registry.GetString(QStringLiteral("Startup port"), CSettings::GetDefaultPort()));
    select(m_pSpeed, registry.GetString(QStringLiteral("Startup speed"), CSettings::GetDefaultSpeed()));
    if (m_pPort->currentIndex() < 0 && m_pPort->count() > 0)
        m_pPort->SetCurSel(0);
    m_pPort->setToolTip(m_pPort->currentText());
    m_pSearch->Select(m_pPort->currentIndex(), m_pSpeed->currentIndex());

    {
        const QSignalBlocker block(m_pAuto);
        m_pAuto->setChecked(m_bAuto);
    }
    OnAutodetect();
    raise();
    activateWindow();
    // An unattended start (a launcher script, a test driving both programs)
    // presses Connect once the dialog shows; a failed search leaves the
    // dialog open for the operator as usual.
    if (qEnvironmentVariableIntValue("CORVANE_AUTOCONNECT") != 0)
        QTimer::singleShot(0, this, [this] { OnConnect(); });
    return true;
}

void CStartup::FillPorts()
{
    m_pPort->ResetContent();
    QStringList ports = platform::availablePortNames();
    // Ports the operator named himself (a pseudo-terminal, a radio on an
    // adapter the system does not list) are where the radio most likely is.
    const QStringList named =
        qEnvironmentVariable("CORVANE_EXTRA_PORTS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (qsizetype i = named.size() - 1; i >= 0; --i) {
        if (ports.removeAll(named[i]) > 0)
            ports.prepend(named[i]);
    }
    if (ports.isEmpty())
        ports = {QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"), QStringLiteral("COM4")};
    m_pPort->AddStrings(ports);
    m_pSearch->SetPorts(ports);
}

void CStartup::UpdateData()
{
    m_bAuto = m_pAuto->isChecked();
}

void CStartup::OnAutodetect()
{
    UpdateData();
    for (QWidget* w : {static_cast<QWidget*>(m_pPortLabel), static_cast<QWidget*>(m_pSpeedLabel),
                       static_cast<QWidget*>(m_pPort), static_cast<QWidget*>(m_pSpeed)})
        w->setEnabled(!m_bAuto);
}

void CStartup::OnConnect()
{
    if (m_bSearching || m_bCancelled)
        return;
    UpdateData();
    CRegistry().WriteBool(kAutoValue, m_bAuto);
    // Cancel stays: a search over ports that do not answer takes long, and
    // the operator may give up at any moment.
    QList<QWidget*> disabled;
    for (unsigned id : {1354u, 1150u, 1151u, 1102u, 1103u, 3u, 1330u, 1u, 1202u}) {
        QWidget* w = GetDlgItem(id);
        if (w && w->isEnabled()) {
            w->setEnabled(false);
            disabled << w;
        }
    }
    bool ok = RunSearch(m_bAuto);
    if (m_bCancelled)
        return;  // the dialog has ended
    if (ok) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ok = m_pSearch->Finish(true);
        QApplication::restoreOverrideCursor();
    }
    for (QWidget* w : disabled)
        w->setEnabled(true);
    if (ok)
        done(Accepted);
}

bool CStartup::RunSearch(bool bSearch)
{
    if (!m_pQueuedView)
        m_pQueuedView = std::make_unique<QueuedView>(*this);
    m_bCancel = false;
    m_bSearching = true;
    m_pSearch->SetCancelFlag(&m_bCancel);
    m_pSearch->SetView(*m_pQueuedView);
    QEventLoop loop;
    m_pSearchLoop = &loop;
    std::atomic<bool> found{false};
    QThread* const home = thread();
    m_pSearchThread.reset(QThread::create([this, bSearch, home, &found] {
        found = m_pSearch->Search(bSearch);
        // The port found is used by this thread's owner from now on.
        GetRadioApp()->GetCatLink().MoveToThread(home);
        // Queued behind every row the search showed.
        QMetaObject::invokeMethod(this, [this] {
            if (m_pSearchLoop)
                m_pSearchLoop->quit();
        }, Qt::QueuedConnection);
    }));
    m_pSearchThread->start();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    loop.exec();
    QApplication::restoreOverrideCursor();
    StopSearch();
    // Rows still queued by the search are shown before anything follows.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    m_pSearch->SetView(*this);
    m_bSearching = false;
    return found && !m_bCancelled;
}

void CStartup::StopSearch()
{
    if (m_pSearchThread) {
        // The flag cuts short the exchange or pause in progress (within a
        // few tens of milliseconds), and the search closes the port before
        // it ends: whatever comes next has the link to itself.
        m_bCancel = m_bCancel || m_bCancelled;
        m_pSearchThread->wait();
        m_pSearchThread.reset();
        m_pSearch->SetCancelFlag(nullptr);
    }
}

void CStartup::OnCancel()
{
    if (m_bSearching) {
        m_bCancelled = true;
        m_bCancel = true;
        if (m_pSearchLoop)
            m_pSearchLoop->quit();
    }
    CBaseDialog::OnCancel();
}

void CStartup::OnOptions()
{
    CStartupOptionsDialog dialog(this);
    dialog.exec();
}

void CStartup::OnHelp()
{
    if (CRadioApp* app = GetRadioApp())
        app->OnCommand(CRadioApp::ID_HELP_CONTENTS);
}

void CStartup::ClearRows()
{
    m_pList->DeleteAllItems();
}

void CStartup::AddRow(const CStartupSearch::Row& row)
{
    const int item = m_pList->InsertItem(m_pList->GetItemCount(), row.strPort, row.nImage);
    m_pList->SetItemText(item, 1, row.strSpeed);
    m_pList->SetItemText(item, 2, row.strStatus);
    m_pList->scrollToItem(m_pList->topLevelItem(item));
    m_pList->AutoSizeColumns();
}

void CStartup::SetProgressText(const QString& strText)
{
    m_progressHistory << strText;
    m_pProgress->SetText(strText);
}

void CStartup::ShowProgress(bool bShow)
{
    m_pProgress->setVisible(bShow);
}

void CStartup::SetProgressPos(int nPos)
{
    m_pProgress->SetPos(nPos);
}

void CStartup::SelectPort(int nIndex)
{
    m_pPort->SetCurSel(nIndex);
    m_pPort->setToolTip(m_pPort->currentText());
}

void CStartup::SelectSpeed(int nIndex)
{
    m_pSpeed->SetCurSel(nIndex);
}

void CStartup::Repaint()
{
    repaint();
}

void CStartup::RepaintProgress()
{
    m_pProgress->repaint();
}

// ---------------------------------------------------------------- line options

CStartupOptionsDialog::CStartupOptionsDialog(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QStringLiteral("Options"));
    setProperty("dialogId", 431);
    const CRegistry registry;
    m_bDtr = registry.GetBool(QStringLiteral("Startup - DTR"), false);
    m_bRts = registry.GetBool(QStringLiteral("Startup - RTS"), false);
    resize(360, 170);
    m_pDtr = control(new QCheckBox(QStringLiteral("DTR enabled"), this), 1549, QRect(16, 14, 160, 24));
    m_pRts = control(new QCheckBox(QStringLiteral("RTS enabled"), this), 1548, QRect(16, 42, 160, 24));
    auto* note = new QLabel(QStringLiteral("The standard setting for the Yaesu CT-62 cable is both RTS and DTR "
                                           "disabled. Some non-standard cables required RTS to be enabled."),
                            this);
    note->setWordWrap(true);
    note->setGeometry(16, 72, 328, 48);
    auto* ok = control(new QPushButton(QStringLiteral("OK"), this), 1, QRect(16, 130, 100, 28));
    auto* cancel = control(new QPushButton(QStringLiteral("Cancel"), this), 2, QRect(130, 130, 100, 28));
    auto* defaults = control(new QPushButton(QStringLiteral("Defaults"), this), 1348, QRect(244, 130, 100, 28));
    ok->setDefault(true);
    m_pDtr->setChecked(m_bDtr);
    m_pRts->setChecked(m_bRts);
    if (!qApp->windowIcon().isNull())
        setWindowIcon(qApp->windowIcon());
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(defaults, &QPushButton::clicked, this, [this] { OnDefaults(); });
}

void CStartupOptionsDialog::OnOK()
{
    m_bDtr = m_pDtr->isChecked();
    m_bRts = m_pRts->isChecked();
    const CRegistry registry;
    registry.WriteBool(QStringLiteral("Startup - DTR"), m_bDtr);
    registry.WriteBool(QStringLiteral("Startup - RTS"), m_bRts);
    accept();
}

void CStartupOptionsDialog::OnDefaults()
{
    m_pDtr->setChecked(false);
    m_pRts->setChecked(false);
}
