#include "brevio/core/MainFrame.h"

#include "brevio/core/Components.h"
#include "brevio/core/DspCalls.h"
#include "brevio/core/DspMessageSink.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/SettingToolbars.h"
#include "brevio/core/FullScreenDialog.h"
#include "brevio/core/MixerDialog.h"
#include "brevio/core/ModeToolBar.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RadioToolBar.h"
#include "brevio/core/RegisteredMessages.h"
#include "shared/artwork/ToolbarIcons.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/VersionInfo.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QProcess>

namespace {
QPointer<CMainFrame>& FrameSlot()
{
    static QPointer<CMainFrame> frame;
    return frame;
}

// A docking window the core shows when the part that fills it is not there.
QDockWidget* PlainDock(const QString& title, QWidget* parent)
{
    auto* dock = new QDockWidget(title, parent);
    dock->setWidget(new QWidget(dock));
    return dock;
}
} // namespace

CPskComponents& PskComponents()
{
    static CPskComponents components;
    return components;
}

CMainFrame* GetMainFrame()
{
    return FrameSlot().data();
}

CMainFrame::CMainFrame()
{
    FrameSlot() = this;
    setObjectName(OwnClass());
    CRegistry registry;
    m_bSendCWId = registry.GetBool(QStringLiteral("CMainFrame::m_bSendCWId"), true);
    m_bFreqAdjust = registry.GetBool(QStringLiteral("CMainFrame::m_bFreqAdjust"), true);
    m_arrStatusSeen = QList<int>(99, 0);
    CDspMessageSink::Instance().SetReceiver(this);
    SetSettingsBroadcastTarget(this);
    SetRxModeSource([] { return CurrentSettings().m_eSpeed; },
                    [this] { return m_pModeBar ? m_pModeBar->GetMode() : 0; });
    SetDspLogSink([](const QString& line) { CPSK31App::LogPrintf("%s", line.toLocal8Bit().constData()); });
}

CMainFrame::~CMainFrame()
{
    // From here on the engine's posts are dropped.
    CDspMessageSink::Instance().SetReceiver(nullptr);
    CurrentSettings().Save();
    delete m_pFullScreenDlg;
    delete m_pMixerLineIn;
    delete m_pMixerMic;
    delete m_pVolumeOut;
    if (m_pOptionsWidget)
        delete m_pOptionsWidget.data();
    if (FrameSlot() == this) {
        FrameSlot() = nullptr;
        SetRxModeSource(nullptr, nullptr);
    }
}

bool CMainFrame::OnCreate()
{
    // The frame, its child windows and its dialogs all show the program's icon.
    QApplication::setWindowIcon(artwork::applicationIcon());
    setWindowIcon(artwork::applicationIcon());
    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdiArea);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);

    // Status bar: message pane, then clock error, autosave, PTT, overload/AFC,
    // keyboard states and the time.
    const char* const sizing[] = {"Clock error: -99999", "Autosave", "PTT: FT-817 Corvane", "OVERLOAD",
                                  "CAP", "NUM", "SCRL", "99:99:99"};
    for (const char* text : sizing) {
        auto* pane = new QLabel(this);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QString::fromLatin1(text)) + 8);
        statusBar()->addPermanentWidget(pane);
        m_panes.append(pane);
    }

    auto makeBar = [this](int id, const QString& title, bool visible) {
        auto* bar = new QToolBar(title, this);
        bar->setObjectName(QStringLiteral("Bar%1").arg(id));
        bar->setProperty("controlId", id);
        m_toolBars.insert(id, bar);
        bar->setVisible(visible);
        return bar;
    };
    QToolBar* main = makeBar(59392, QStringLiteral("Main"), true);
    QToolBar* soundcard = makeBar(59427, QStringLiteral("Soundcard"), true);
    m_pModeBar = new CModeToolBar(QStringLiteral("Tx/Rx"), this);
    m_pModeBar->CreateCombo();
    m_toolBars.insert(59428, m_pModeBar);
    // The mode list applies the chosen mode to every channel itself.
    m_pRadioBar = new CRadioToolBar(this);
    if (!m_pRadioBar->Create(this, 59404))
        return false;
    m_toolBars.insert(59404, m_pRadioBar);
    m_pRadioBar->SetAgc(-1);
    m_pRadioBar->SetFrequency(0);
    m_pRadioBar->SetMeter(0, false);
    connect(m_pRadioBar, &CRadioToolBar::Command, this, [this](int c) { OnCommand(c); });
    connect(m_pRadioBar, &CRadioToolBar::AgcChosen, this, [this](int agc) { RadioCommand(13, agc); });
    // The setting bars: one number each with its spin, and the clock.
    auto* passbandBar = new CPassbandBar(this);
    auto* centreBar = new CCentreFrequencyBar(this);
    auto* afcBar = new CAfcBar(this);
    auto* clippingBar = new CClippingBar(this);
    auto* clockBar = new CClockBar(this);
    if (!passbandBar->CreateControls() || !centreBar->CreateControls() || !afcBar->CreateControls() ||
        !clippingBar->CreateControls() || !clockBar->Create(this, CClockBar::kBarId))
        return false;
    QToolBar* passband = passbandBar;
    QToolBar* centre = centreBar;
    QToolBar* afc = afcBar;
    QToolBar* clipping = clippingBar;
    QToolBar* clock = clockBar;
    for (QToolBar* bar : {passband, centre, afc, clipping, clock})
        m_toolBars.insert(bar->property("controlId").toInt(), bar);
    clipping->setVisible(false);
    clock->setVisible(false);
    QToolBar* distance = PskComponents().createDistanceBar ? PskComponents().createDistanceBar(this) : nullptr;
    if (!distance)
        distance = new QToolBar(QStringLiteral("Distance Calculator"), this);
    distance->setObjectName(QStringLiteral("Bar59434"));
    m_toolBars.insert(59434, distance);
    distance->setVisible(false);

    // Rows from the top: radio and centre; main and waterfall display; AFC,
    // waterfall data mode, Tx/Rx, soundcard and clock; distance.
    addToolBar(Qt::TopToolBarArea, m_pRadioBar);
    addToolBar(Qt::TopToolBarArea, centre);
    addToolBarBreak();
    addToolBar(Qt::TopToolBarArea, main);
    addToolBar(Qt::TopToolBarArea, passband);
    addToolBarBreak();
    addToolBar(Qt::TopToolBarArea, afc);
    addToolBar(Qt::TopToolBarArea, clipping);
    addToolBar(Qt::TopToolBarArea, m_pModeBar);
    addToolBar(Qt::TopToolBarArea, soundcard);
    addToolBar(Qt::TopToolBarArea, clock);
    addToolBarBreak();
    addToolBar(Qt::TopToolBarArea, distance);
    for (int id : {59404, 59428, 59429, 59430, 59431, 59432, 59433, 59434})
        m_toolBars[id]->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    clipping->hide();
    clock->hide();
    distance->hide();

    const CPskComponents& parts = PskComponents();
    m_pTagsBar = parts.createTagsBar ? parts.createTagsBar(this) : nullptr;
    if (!m_pTagsBar)
        m_pTagsBar = PlainDock(QStringLiteral("Tags"), this);
    m_pMacrosBar = parts.createMacrosBar ? parts.createMacrosBar(this) : nullptr;
    if (!m_pMacrosBar)
        m_pMacrosBar = PlainDock(QStringLiteral("Macros"), this);
    m_pDisplayBar = parts.createDisplayBar ? parts.createDisplayBar(this) : nullptr;
    if (!m_pDisplayBar)
        m_pDisplayBar = PlainDock(QStringLiteral("Display"), this);
    m_pTagsBar->setObjectName(QStringLiteral("Bar59424"));
    m_pMacrosBar->setObjectName(QStringLiteral("Bar59425"));
    m_pDisplayBar->setObjectName(QStringLiteral("Bar59426"));
    addDockWidget(Qt::LeftDockWidgetArea, m_pTagsBar);
    addDockWidget(Qt::LeftDockWidgetArea, m_pMacrosBar);
    splitDockWidget(m_pTagsBar, m_pMacrosBar, Qt::Vertical);
    addDockWidget(Qt::BottomDockWidgetArea, m_pDisplayBar);
    if (auto* host = dynamic_cast<IDisplayCanvasHost*>(m_pDisplayBar))
        if (host->GetCanvas())
            PostRegisteredMessage(host->GetCanvas()->GetMessageTarget(), RegisteredMessage::nMsgOptions, 0, 0);

    if (parts.createOptionsSheet) {
        m_pOptions = parts.createOptionsSheet(this);
        if (m_pOptions) {
            m_pOptionsWidget = m_pOptions->GetWidget();
            if (m_pOptionsWidget) {
                // A sheet that has set its own caption keeps it.
                if (m_pOptionsWidget->windowTitle().isEmpty())
                    m_pOptionsWidget->setWindowTitle(QStringLiteral("Options"));
                m_pOptionsWidget->hide();
            }
        }
    }
    SetOptionsPagesRefresher([] {
        if (CMainFrame* frame = GetMainFrame())
            if (frame->m_pOptions)
                frame->m_pOptions->LoadAllPages();
    });

    const CVersionInfo version;
    const QString special = version.GetSpecialBuild();
    setWindowTitle(QStringLiteral("%1 v%2%3%4")
                       .arg(version.GetProductName(), version.GetProductVersion(),
                            special.isEmpty() ? QString() : QStringLiteral(" "), special));
    main->setWindowTitle(version.GetProductName());

    BuildMenus();
    // The passband values take changes only while the range may be adjusted.
    passbandBar->SetEnabled(m_bFreqAdjust);
    // Toolbar buttons have no menu opening to bring them up to date.
    m_pCommandUpdate = new QTimer(this);
    connect(m_pCommandUpdate, &QTimer::timeout, this, [this] { UpdateCommandStates(); });
    m_pCommandUpdate->start(250);
    return true;
}

void CMainFrame::InitialiseFrame()
{
    BuildAccelerators();
    CRegistry registry;
    registry.GetIntArray(QStringLiteral("Favourites-I"), m_arrFavFreq);
    registry.GetStringArray(QStringLiteral("Favourites-S"), m_arrFavTitle);
    if (m_arrFavFreq.isEmpty() || m_arrFavFreq.size() != m_arrFavTitle.size())
        BuiltInFavourites(m_arrFavFreq, m_arrFavTitle);
    BuildFavouritesMenu();

    OnOptions(1);

    SetTimer(102, 5000);
    SetTimer(104, 200);
    SetTimer(106, 250);
    SetTimer(107, 60000);
    ProbeRadioProgram();
}

void CMainFrame::ApplyStartLayout(int nStartMode)
{
    if (nStartMode == 2) {
        if (!(QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier)) {
            CBarLayout::LoadBarState(this, m_pDisplayBar, QStringLiteral("DisplayBar"));
            CBarLayout::LoadBarState(this, m_pMacrosBar, QStringLiteral("MacrosBar"));
            CBarLayout::LoadBarState(this, m_pTagsBar, QStringLiteral("TagsBar"));
            const QByteArray state =
                CRegistry().GetString(QStringLiteral("Control Bar State")).toLatin1();
            if (!state.isEmpty())
                restoreState(QByteArray::fromBase64(state));
        }
        return;
    }
    if (nStartMode == 0) {
        m_pDisplayBar->hide();
        m_pMacrosBar->hide();
        m_pTagsBar->hide();
    } else {
        m_toolBars[59433]->hide();
        m_toolBars[59429]->hide();
        m_toolBars[59427]->hide();
    }
    ProbeRadioProgram();
    if (!m_bRadioLinked) {
        m_pRadioBar->hide();
        m_toolBars[59433]->hide();
    }
}

void CMainFrame::RestoreWindowPlacement()
{
    CRegistry registry;
    const RECT none{0, 0, 0, 0};
    const RECT rect = registry.GetRect(QStringLiteral("Main frame"), none);
    if (rect.right > rect.left && rect.bottom > rect.top)
        setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    if (registry.GetBool(QStringLiteral("Main frame zoomed"), false))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void CMainFrame::SaveWindowPlacement()
{
    CRegistry registry;
    if (!isMinimized()) {
        const QRect g = normalGeometry().isValid() ? normalGeometry() : geometry();
        registry.WriteRect(QStringLiteral("Main frame"), RECT{g.left(), g.top(), g.right() + 1, g.bottom() + 1});
    }
    registry.WriteBool(QStringLiteral("Main frame zoomed"), isMaximized() ? 1 : 0);
}

void CMainFrame::SetChannelWindow(CFormRx* pView, int n)
{
    if (n >= 0 && n < 4)
        m_pFormRx[n] = pView;
}

ISuperView* CMainFrame::SuperView() const
{
    return TheApp().GetSuperView();
}

void CMainFrame::SetTimer(int nId, int nMs, bool bSingleShot)
{
    QTimer* timer = m_timers.value(nId);
    if (!timer) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, nId] { OnTimer(nId); });
        m_timers.insert(nId, timer);
    }
    timer->setSingleShot(bSingleShot);
    timer->start(nMs);
}

void CMainFrame::KillTimer(int nId)
{
    if (QTimer* timer = m_timers.value(nId))
        timer->stop();
}

bool CMainFrame::IsTimerActive(int nId) const
{
    QTimer* timer = m_timers.value(nId);
    return timer && timer->isActive();
}

int CMainFrame::TimerInterval(int nId) const
{
    QTimer* timer = m_timers.value(nId);
    return timer ? timer->interval() : 0;
}

void CMainFrame::OnTimer(int nId)
{
    switch (nId) {
    case 101:
        KillTimer(101);
        m_bDataFlowing = false;
        break;
    case 102:
        if (!m_bRadioLinked)
            ProbeRadioProgram();
        break;
    case 104:
        if (m_bRadioLinked) {
            RadioCommand(2, 0);
            // A lost link skips the status poll of the same tick.
            if (m_bRadioLinked)
                RadioCommand(9, 0);
        }
        break;
    case 105:
        for (CFormRx* form : m_pFormRx)
            if (form)
                form->AutosaveText();
        break;
    case 106:
        m_bBlink = !m_bBlink;
        UpdateStatusPanes();
        break;
    case 107:
        // Resetting the desktop's idle count keeps the screen saver away
        // while this program has the focus.
        if (!CurrentSettings().m_bDisableScreenSaver || !QApplication::focusWidget() || isMinimized())
            break;
        QProcess::startDetached(QStringLiteral("xdg-screensaver"), {QStringLiteral("reset")});
        break;
    default:
        break;
    }
}

bool CMainFrame::event(QEvent* e)
{
    if (e->type() == CDspEvent::EventType()) {
        auto* dsp = static_cast<CDspEvent*>(e);
        if (m_bInTxDelay)
            m_heldEvents.push_back(std::make_unique<CDspEvent>(dsp->m_nMessage, dsp->m_wParam, dsp->m_lParam));
        else
            HandleDspEvent(*dsp);
        return true;
    }
    if (uint32_t(e->type()) >= 0xC000) {
        if (HandleRegistered(static_cast<CRegisteredEvent*>(e)))
            return true;
    }
    return QMainWindow::event(e);
}

bool CMainFrame::HandleRegistered(CRegisteredEvent* e)
{
    const uint32_t msg = uint32_t(e->type());
    if (msg == RegisteredMessage::nMsgOptions) {
        OnOptions(e->lParam());
        e->SetResult(0);
        return true;
    }
    if (msg == RegisteredMessage::nMsgBrowserActivate) {
        e->SetResult(OnBrowserActivate(e->lParam()));
        return true;
    }
    if (msg == RegisteredMessage::nMsgLocator) {
        if (QToolBar* distance = m_toolBars.value(59434))
            PostRegisteredMessage(distance, RegisteredMessage::nMsgLocator, e->wParam(), e->lParam());
        e->SetResult(0);
        return true;
    }
    if (msg == RegisteredMessage::nMsgFullScreen) {
        OnFullScreen();
        e->SetResult(0);
        return true;
    }
    return false;
}

intptr_t CMainFrame::OnBrowserActivate(intptr_t lParam)
{
    if (lParam != 0) {
        m_layoutChannels.Save(this, m_pMacrosBar, m_pTagsBar, m_pDisplayBar);
        m_layoutBrowser.Restore(this, m_pMacrosBar, m_pTagsBar, m_pDisplayBar);
    } else {
        m_layoutBrowser.Save(this, m_pMacrosBar, m_pTagsBar, m_pDisplayBar);
        m_layoutChannels.Restore(this, m_pMacrosBar, m_pTagsBar, m_pDisplayBar);
    }
    return 1;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    fnAbortTX();
    const CPSK31Settings& s = CurrentSettings();
    if (s.m_bPTTFT817 || s.m_bPTTRVL)
        PttOff();
    m_bClosing = true;
    if (s.m_bAutosaveEnable)
        for (CFormRx* form : m_pFormRx)
            if (form) {
                // Characters still waiting for the mouse go into the last save
                // instead of vanishing with the window.
                form->FlushPending();
                form->AutosaveText();
            }
    for (int n = 0; n < 4; ++n)
        if (m_pFormRx[n] && fnIsRXChannelActive(n))
            m_pFormRx[n]->SaveChannelState();
    TheApp().SaveViewState();
    if (auto* tags = dynamic_cast<ITagsBar*>(m_pTagsBar))
        tags->StorePendingValues();
    CurrentSettings().Save();
    SaveWindowPlacement();
    if (s.m_bBrowserToolbarStates && m_pMdiArea && TheApp().GetSuperFrame() &&
        m_pMdiArea->activeSubWindow() == TheApp().GetSuperFrame())
        m_layoutChannels.Restore(this, m_pMacrosBar, m_pTagsBar, m_pDisplayBar);
    CRegistry().WriteString(QStringLiteral("Control Bar State"), QString::fromLatin1(saveState().toBase64()));
    CBarLayout::SaveBarState(this, m_pDisplayBar, QStringLiteral("DisplayBar"));
    CBarLayout::SaveBarState(this, m_pMacrosBar, QStringLiteral("MacrosBar"));
    CBarLayout::SaveBarState(this, m_pTagsBar, QStringLiteral("TagsBar"));
    for (QTimer* timer : std::as_const(m_timers))
        timer->stop();
    if (m_pCommandUpdate)
        m_pCommandUpdate->stop();
    QApplication::restoreOverrideCursor();
    event->accept();
}

void CMainFrame::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_pToolbarsMenu)
        m_pToolbarsMenu->popup(event->globalPos());
}
