#include "corvane/frontpanel/RadioMainFrame.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/DisplaySize.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/DisplayFrame.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/frontpanel/FullScreenDialog.h"
#include "shared/ui/FullScreenPlacement.h"
#include "corvane/frontpanel/IOLogView.h"
#include "corvane/frontpanel/MeterStatic.h"
#include "corvane/frontpanel/PanelFrameServices.h"
#include "corvane/frontpanel/SelectionBar.h"
#include "corvane/frontpanel/StressTestDialog.h"
#include "corvane/frontpanel/TransmitDialog.h"
#include "corvane/frontpanel/TransverterDisplay.h"
#include "corvane/frontpanel/TuningDial.h"
#include "platform/DataFolder.h"
#include "platform/LocalMessaging.h"
#include "platform/Prompter.h"
#include "platform/Sleeper.h"
#include "shared/artwork/ToolbarIcons.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/SupportMail.h"
#include "shared/VersionInfo.h"
#include "shared/mixer/SoundMixer.h"
#include "shared/ui/AmateurBands.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnComboBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QKeySequence>
#include <QShortcut>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QTimerEvent>
#include <QToolBar>
#include <map>

namespace {
struct Registered {
    std::map<unsigned, CRadioMainFrame::ToolWindow> windows;
    std::map<unsigned, std::function<void(CRadioMainFrame*)>> modal;
    std::map<unsigned, std::function<void(CCmdUI&)>> updates;
};
Registered& registered()
{
    static Registered r;
    return r;
}

QSize g_screenForTesting;
std::function<void()> g_screenSaverReset;

const QString kDigitalModeIdentifier = QStringLiteral("PSK31-Brevio-QT9XVK-Application");

struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

// The toolbar pictures: the desktop's for standard actions, our own for the radio's.
QIcon ToolbarIcon(const QString& name)
{
    return artwork::toolbarIcon(name);
}

// The front panel as the remote commands see it.
class ViewPanel final : public CRemotePanel {
public:
    CDisplayView* view = nullptr;
    uint32_t GetFrequency() const override { return view->GetFrequency(); }
    void SetFrequency(uint32_t nHz) override { view->SetFrequency(nHz); }
    void PollRadio(bool bExtra) override { view->PollRadio(bExtra); }
    bool IsAttenuatorOn() const override { return view->IsAttenuatorOn(); }
    bool IsIpoOn() const override { return view->IsIpoOn(); }
    bool IsNarrowOn() const override { return view->IsNarrowOn(); }
    bool IsNoiseBlankerOn() const override { return view->IsNoiseBlankerOn(); }
    uint8_t GetMode() const override { return view->GetMode(); }
    int GetSMeter() const override { return view->GetSMeter(); }
    int GetAgc() const override { return view->GetAgc(); }
    bool IsShowingTxMeter() const override { return view->IsShowingTxMeter(); }
    int GetTxMeter() const override { return view->GetTxMeter(); }
    int GetAlcMeter() const override { return view->GetAlcMeter(); }
    bool IsRadioAnswering() const override { return !view->Panel().LastPollFailed(); }
};
ViewPanel g_viewPanel;

CCatLink& Link()
{
    static CCatLink unopened;  // no application (a frame on its own): nothing is sent
    CRadioApp* app = GetRadioApp();
    return app ? app->GetCatLink() : unopened;
}

} // namespace

void CRadioMainFrame::RegisterToolWindow(unsigned nId, ToolWindow window)
{
    if (window.create)
        registered().windows[nId] = std::move(window);
    else
        registered().windows.erase(nId);
}

void CRadioMainFrame::RegisterModalCommand(unsigned nId, std::function<void(CRadioMainFrame*)> run)
{
    if (run)
        registered().modal[nId] = std::move(run);
    else
        registered().modal.erase(nId);
}

void CRadioMainFrame::RegisterCommandUpdate(unsigned nId, std::function<void(CCmdUI&)> update)
{
    if (update)
        registered().updates[nId] = std::move(update);
    else
        registered().updates.erase(nId);
}

std::function<CSelectionBar*(CRadioMainFrame*)>& selectionBarFactory()
{
    static std::function<CSelectionBar*(CRadioMainFrame*)> create;
    return create;
}

void CRadioMainFrame::SetSelectionBarFactory(std::function<CSelectionBar*(CRadioMainFrame*)> create)
{
    selectionBarFactory() = std::move(create);
}

void CRadioMainFrame::CreateSelectionBar()
{
    if (!m_pSelectionBar && selectionBarFactory())
        m_pSelectionBar = selectionBarFactory()(this);
    CMainFrame::CreateSelectionBar();
}

void CRadioMainFrame::SaveBarState()
{
    if (m_pSelectionBar)
        m_pSelectionBar->SaveState();
    CMainFrame::SaveBarState();
}

void CRadioMainFrame::SetScreenSizeForTesting(QSize size)
{
    g_screenForTesting = size;
}

void CRadioMainFrame::SetScreenSaverResetter(std::function<void()> reset)
{
    g_screenSaverReset = std::move(reset);
}

CRadioMainFrame::CRadioMainFrame()
{
    // The frame, its child windows and its dialogs all show the program's icon.
    QApplication::setWindowIcon(artwork::applicationIcon());
    setWindowIcon(artwork::applicationIcon());
    m_strAddFaveFolder = GetRegistry().GetString(QStringLiteral("CMainFrame::m_strAddFaveFolder"));
    CRemoteCommand::Hooks hooks;
    hooks.panel = []() -> CRemotePanel* {
        g_viewPanel.view = GetDisplayView();
        return g_viewPanel.view ? &g_viewPanel : nullptr;
    };
    hooks.closing = [this] { return IsClosing(); };
    hooks.activate = [this] { ActivateWindow(); };
    m_remote = std::make_unique<CRemoteCommand>(Link(), std::move(hooks));
    if (CRadioApp* app = GetRadioApp()) {
        app->SetMessageHandler([this](uint32_t message, uint32_t wParam, int32_t lParam) -> uint32_t {
            return message == CRemoteCommand::WM_REMOTE_COMMAND ? OnRemoteCommand(wParam, lParam) : 0;
        });
    }
    m_screenSaverTimer.start(kScreenSaverTimerMs, this);
    // A mixer that answers enables the volume window; it is closed again at once.
    m_bMixerFound = CSoundMixer::Open() != nullptr;
}

CRadioMainFrame::~CRadioMainFrame()
{
    if (CRadioApp* app = GetRadioApp())
        app->SetMessageHandler(nullptr);
    CPanelFrameServices::InstallDefaults();
    delete m_pFullScreen;
    for (const QPointer<QWidget>& w : std::as_const(m_toolWindows))
        delete w.data();
}

uint32_t CRadioMainFrame::OnRemoteCommand(uint32_t wParam, int32_t lParam)
{
    return m_remote->Handle(wParam, lParam);
}

void CRadioMainFrame::ReleaseRemoteControl()
{
    m_remote->ReleasePtt();
}

void CRadioMainFrame::ActivateWindow()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

// ------------------------------------------------------------------ building

bool CRadioMainFrame::LoadFrame(unsigned nIDResource)
{
    if (!CMainFrame::LoadFrame(nIDResource))
        return false;
    // The area scrolls when child windows lie outside it.
    GetMdiClient()->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    GetMdiClient()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    CreateMenus();
    CreateToolBars();
    ApplyPrompts();

    CPanelFrameServices& services = CPanelFrameServices::Get();
    services.stepCombo = [this] { return GetStepCombo(); };
    services.transverterFrequency = [this](uint32_t nHz) { UpdateTransverterDisplay(nHz); };

    auto* updates = new QTimer(this);
    connect(updates, &QTimer::timeout, this, &CRadioMainFrame::UpdateFrameCommands);
    updates->start(250);
    return true;
}

bool CRadioMainFrame::IsAvailable(unsigned nId) const
{
    switch (nId) {
    case ID_VIEW_SMETER_HISTORY: case ID_VIEW_QUICK_SAVE: case ID_SIZE_SMALL: case ID_SIZE_MEDIUM:
    case ID_SIZE_LARGE: case ID_FULL_SCREEN: case ID_FAVOURITES_MARKERS: case ID_SCAN_STOP: case ID_DESKTOP_ICON:
    case ID_ENTER_FREQUENCY: case ID_FST: case ID_LOCK: case ID_PSK31: case ID_TRANSMIT: case ID_TRANSVERTER:
    case ID_SPEECH_READER: case ID_SPEECH_TTS: case ID_RADIO_DISPLAY: case ID_IOLOG_DISPLAY: case ID_UNDO:
    case ID_REDO: case ID_FINE_TUNING: case CRadioApp::ID_STRESS_TEST: case ID_VIEW_LOGBOOK_TOOLBAR:
    case ID_SPEECH_FREQUENCY: case ID_SPEECH_FREQUENCY_MODE: case ID_SPEECH_AUTO: case ID_SPEECH_FULL:
    case ID_SPEECH_OUT_OF_BAND:
        return true;
    case ID_VIEW_SELECTION: case ID_FAVOURITES_DISPLAY: case ID_BANDS_DISPLAY: case ID_MEMORY_DISPLAY:
        return bool(selectionBarFactory()) || registered().modal.count(nId);
    default:
        return registered().windows.count(nId) || registered().modal.count(nId);
    }
}

QAction* CRadioMainFrame::Command(QMenu* pMenu, unsigned nId, const QString& strText, bool bCheckable)
{
    if (!IsAvailable(nId))
        return nullptr;
    return AddCommand(pMenu, nId, strText, bCheckable);
}

void CRadioMainFrame::CreateMenus()
{
    QMenuBar* bar = menuBar();
    // The frame's base made File, Tools and Help; the rest go between them.
    QMenu* tools = nullptr;
    QMenu* help = nullptr;
    for (QAction* a : bar->actions()) {
        if (a->text() == QStringLiteral("&Tools"))
            tools = a->menu();
        else if (a->text() == QStringLiteral("&Help"))
            help = a->menu();
    }

    // Tuning changes the front panel made, stepped back and forth.
    QMenu* edit = AddMenu(QStringLiteral("&Edit"));
    Command(edit, ID_UNDO, QStringLiteral("&Undo"));
    Command(edit, ID_REDO, QStringLiteral("&Redo"));

    QMenu* view = AddMenu(QStringLiteral("&View"));
    Command(view, ID_VIEW_SELECTION, QStringLiteral("&Selection Window"), true);
    Command(view, ID_VIEW_SMETER_HISTORY, QStringLiteral("S-Meter &History"), true);
    Command(view, ID_VIEW_QUICK_SAVE, QStringLiteral("&Quick Save Toolbar"), true);
    Command(view, ID_VIEW_LOGBOOK_TOOLBAR, QStringLiteral("&Logbook Toolbar"), true);
    Command(view, ID_FINE_TUNING, QStringLiteral("Fine &Tuning"), true);
    QMenu* size = view->addMenu(QStringLiteral("&Button Size"));
    Command(size, ID_SIZE_SMALL, QStringLiteral("&Small"), true);
    Command(size, ID_SIZE_MEDIUM, QStringLiteral("&Medium"), true);
    Command(size, ID_SIZE_LARGE, QStringLiteral("&Large"), true);
    Command(view, ID_COLOUR_SCHEMES, QStringLiteral("&Colour Schemes..."));
    Command(view, ID_FULL_SCREEN, QStringLiteral("&Full Screen"), true);
    view->addSeparator();
    Command(view, ID_RADIO_DISPLAY, QStringLiteral("&Radio Display"), true);
    Command(view, ID_LOGBOOK_DISPLAY, QStringLiteral("L&ogbook Display"), true);
    Command(view, ID_IOLOG_DISPLAY, QStringLiteral("&I/O Logfile Display"), true);

    QMenu* favourites = AddMenu(QStringLiteral("Favo&urites"));
    Command(favourites, ID_FAVOURITES_ADD, QStringLiteral("&Add"));
    Command(favourites, CRadioApp::ID_FAVOURITES_MANAGER, QStringLiteral("&Manager"));
    Command(favourites, ID_FAVOURITES_MARKERS, QStringLiteral("Show &Markers"), true);
    Command(favourites, ID_FAVOURITES_DISPLAY, QStringLiteral("Displa&y"));
    QMenu* bands = AddMenu(QStringLiteral("&Bands"));
    Command(bands, ID_BANDS_DISPLAY, QStringLiteral("Displa&y"));
    Command(bands, ID_BANDS_MANAGER, QStringLiteral("&Manager..."));
    QMenu* memory = AddMenu(QStringLiteral("&Memory"));
    Command(memory, ID_MEMORY_DISPLAY, QStringLiteral("Displa&y"));
    Command(memory, ID_MEMORY_MANAGER, QStringLiteral("&Manager..."));
    Command(memory, ID_MEMORY_SAVE, QStringLiteral("&Save to Memory..."));
    Command(memory, ID_MEMORY_RELOAD, QStringLiteral("&Reload"));
    Command(memory, ID_MEMORY_ANALYSER, QStringLiteral("Mem&ory Analyser"));
    Command(memory, ID_MEMORY_BROWSER, QStringLiteral("Memory &Browser"));
    QMenu* scanning = AddMenu(QStringLiteral("Scann&ing"));
    Command(scanning, ID_SCAN_BAND, QStringLiteral("&Band"), true);
    Command(scanning, ID_SCAN_MEMORY, QStringLiteral("&Memory"), true);
    Command(scanning, ID_SCAN_STOP, QStringLiteral("&Stop"));

    if (tools) {
        tools->addSeparator();
        Command(tools, ID_DESKTOP_ICON, QStringLiteral("Add &Desktop Icon"));
        Command(tools, ID_CALIBRATION, QStringLiteral("&Calibration..."));
        Command(tools, CRadioApp::ID_COMMAND_ENTRY, QStringLiteral("Command Entr&y"));
        if (IsAvailable(ID_CLONE_SAVE) || IsAvailable(ID_CLONE_LOAD)) {
            QMenu* clone = tools->addMenu(QStringLiteral("Cl&one"));
            Command(clone, ID_CLONE_SAVE, QStringLiteral("&Save to File"));
            Command(clone, ID_CLONE_LOAD, QStringLiteral("&Load from File"));
        }
        Command(tools, ID_CW_SETTINGS, QStringLiteral("C&W Settings"), true);
        Command(tools, ID_CW_SPEED, QStringLiteral("CW Spee&d"), true);
        Command(tools, ID_DX_CLUSTER, QStringLiteral("DX Cl&uster"), true);
        Command(tools, ID_ENTER_FREQUENCY, QStringLiteral("&Enter Frequency"));
        Command(tools, ID_FST, QStringLiteral("&FST Mode"), true);
        Command(tools, ID_LOCK, QStringLiteral("Lock Front &Panel"), true);
        Command(tools, ID_PSK31, QStringLiteral("PSK31 &Brevio"));
        Command(tools, ID_REPEATER, QStringLiteral("&Repeater Settings"));
        Command(tools, ID_TRANSMIT, QStringLiteral("T&ransmit..."));
        Command(tools, ID_TRANSVERTER, QStringLiteral("Trans&verter Display"), true);
        Command(tools, ID_VOLUME, QStringLiteral("V&olume Control"), true);
        Command(tools, ID_MENU_MANAGER, QStringLiteral("FT-817 &Manager"));
        Command(tools, ID_PROGRAM_OPTIONS, QStringLiteral("Program &Options..."));
        Command(tools, CRadioApp::ID_STRESS_TEST, QStringLiteral("&Stress Test"));
    }
    QMenu* speech = AddMenu(QStringLiteral("&Speech"));
    Command(speech, ID_SPEECH_FREQUENCY, QStringLiteral("Frequency"));
    Command(speech, ID_SPEECH_FREQUENCY_MODE, QStringLiteral("Frequency + Mode"));
    speech->addSeparator();
    Command(speech, ID_SPEECH_AUTO, QStringLiteral("Auto-announce"), true);
    Command(speech, ID_SPEECH_FULL, QStringLiteral("Full Frequency"), true);
    Command(speech, ID_SPEECH_OUT_OF_BAND, QStringLiteral("Out of Band"), true);
    speech->addSeparator();
    Command(speech, ID_SPEECH_OPTIONS, QStringLiteral("&Options..."));
    QMenu* vendor = speech->addMenu(QStringLiteral("&Flite Speech Engine"));
    Command(vendor, ID_SPEECH_READER, QStringLiteral("&Reader"));
    Command(vendor, ID_SPEECH_TTS, QStringLiteral("&Text-to-Speech"));

    // Menu order: File, Edit, View, Favourites, Bands, Memory, Scanning, Tools, Speech, Help.
    for (QMenu* m : {tools, speech, help}) {
        if (m) {
            bar->removeAction(m->menuAction());
            bar->addAction(m->menuAction());
        }
    }
    for (QAction* a : bar->actions())
        if (QMenu* m = a->menu())
            connect(m, &QMenu::aboutToShow, this, &CRadioMainFrame::UpdateFrameCommands);
}

void CRadioMainFrame::CreateToolBars()
{
    const CVersionInfo version;
    m_pToolBar = new QToolBar(version.GetProductName(), this);
    m_pToolBar->setObjectName(QStringLiteral("MainToolBar"));
    m_pToolBar->setIconSize(QSize(20, 20));
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
    struct Button {
        unsigned nId;
        const char* pIcon;
        const char* pTip;
    };
    static const Button buttons[] = {
        {ID_VIEW_SELECTION, "selection-window", "Selection Window"}, {ID_VIEW_SMETER_HISTORY, "smeter-history", "S-Meter History"},
        {ID_VIEW_QUICK_SAVE, "quick-save-toolbar", "Quick Save Toolbar"}, {ID_FULL_SCREEN, "view-fullscreen", "Full Screen"}, {0, nullptr, nullptr},
        {ID_FAVOURITES_ADD, "bookmark-new", "Add Favourite"}, {ID_MEMORY_SAVE, "memory-save", "Save to Memory"}, {0, nullptr, nullptr},
        {ID_SCAN_BAND, "scan-band", "Scan Band"}, {ID_SCAN_MEMORY, "scan-memory", "Scan Memory"}, {ID_SCAN_STOP, "media-playback-stop", "Stop Scanning"},
        {ID_FINE_TUNING, "fine-tuning", "Fine Tuning"}, {0, nullptr, nullptr},
        {ID_UNDO, "edit-undo", "Undo"}, {ID_REDO, "edit-redo", "Redo"}, {0, nullptr, nullptr},
        {ID_STEP_LABEL, nullptr, nullptr}, {ID_STEP_COMBO, nullptr, nullptr}, {0, nullptr, nullptr},
        {ID_TRANSMIT, "transmit", "Transmit"}, {ID_TRANSVERTER, "transverter", "Transverter Display"},
        {ID_PSK31, "brevio", "PSK31 Brevio"}, {ID_DX_CLUSTER, "dx-cluster", "DX Cluster"}, {ID_LOCK, "changes-prevent", "Lock Front Panel"},
        {ID_FST, "fst-mode", "FST Mode"}, {ID_VOLUME, "multimedia-volume-control", "Volume Control"}, {ID_CW_SETTINGS, "cw-settings", "CW Settings"},
        {0, nullptr, nullptr},
        {ID_REPEATER, "repeater", "Repeater Settings"}, {ID_MENU_MANAGER, "ft817-manager", "FT-817 Manager"},
        {ID_PROGRAM_OPTIONS, "preferences-system", "Program Options"}, {0, nullptr, nullptr},
        {CRadioApp::ID_SUPPORT_EMAIL, "mail-message-new", "Send E-mail"}, {CRadioApp::ID_USERGROUP, "system-users", "Usergroup Homepage"},
        {CRadioApp::ID_MAKER_WEB, "web-browser", "On the Web"},
    };
    bool lastWasSeparator = true;
    for (const Button& b : buttons) {
        if (b.nId == 0) {
            if (!lastWasSeparator)
                m_pToolBar->addSeparator();
            lastWasSeparator = true;
            continue;
        }
        if (b.nId == ID_STEP_LABEL || b.nId == ID_STEP_COMBO) {
            // Places for the step list, filled by CreateToolBarCombos.
            QAction* place = m_pToolBar->addSeparator();
            place->setProperty("commandId", b.nId);
            place->setVisible(false);
            lastWasSeparator = false;
            continue;
        }
        QAction* action = GetCommandAction(b.nId);
        if (!action && IsAvailable(b.nId)) {
            // Front-panel commands without a menu item.
            action = new QAction(QString::fromLatin1(b.pTip), this);
            action->setProperty("commandId", b.nId);
            const unsigned id = b.nId;
            connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
            m_viewActions.insert(b.nId, action);
        }
        if (!action)
            continue;
        action->setIcon(ToolbarIcon(QString::fromLatin1(b.pIcon)));
        action->setToolTip(QString::fromLatin1(b.pTip));
        m_pToolBar->addAction(action);
        m_toolbarButtons.insert(b.nId, action);
        lastWasSeparator = false;
    }

    m_pQuickSaveBar = new QToolBar(QStringLiteral("Quick Save"), this);
    m_pQuickSaveBar->setObjectName(QStringLiteral("QuickSaveBar"));
    m_pQuickSaveBar->setIconSize(QSize(20, 20));
    addToolBar(Qt::TopToolBarArea, m_pQuickSaveBar);
    auto quick = [this](unsigned nId, const QString& icon, const QString& tip) {
        QAction* a = m_pQuickSaveBar->addAction(ToolbarIcon(icon), tip);
        a->setProperty("commandId", nId);
        connect(a, &QAction::triggered, this, [this, nId] { OnCommand(nId); });
        m_viewActions.insert(nId, a);
    };
    const unsigned save[10] = {33009, 33010, 33011, 33012, 33013, 33014, 33015, 33016, 33017, 33023};
    const unsigned load[10] = {32997, 33002, 32996, 33003, 33004, 33005, 33006, 33007, 33008, 33024};
    for (int i = 0; i < 10; ++i)
        quick(save[i], QStringLiteral("quick-save-%1").arg(i + 1), QStringLiteral("Save to Location %1").arg(i + 1));
    quick(33019, QStringLiteral("quick-erase"), QStringLiteral("Erase All Memories"));
    m_pQuickSaveBar->addSeparator();
    for (int i = 0; i < 10; ++i)
        quick(load[i], QStringLiteral("quick-load-%1").arg(i + 1), QStringLiteral("Load from Location %1").arg(i + 1));
    quick(33043, QStringLiteral("quick-definitions"), QStringLiteral("Quick Save Definitions"));
    m_pQuickSaveBar->hide();

    // The logbook's toolbar: the buttons of the commands that exist.
    m_pLogbookBar = new QToolBar(QStringLiteral("Logbook"), this);
    m_pLogbookBar->setObjectName(QStringLiteral("LogbookToolBar"));
    m_pLogbookBar->setIconSize(QSize(20, 20));
    addToolBar(Qt::TopToolBarArea, m_pLogbookBar);
    static const Button logbook[] = {
        {ID_LOGBOOK_ADD, "logbook-add", "Toggle Add"},     {33037, "edit-delete", "Delete"},
        {33028, "view-refresh", "Reload"},                  {0, nullptr, nullptr},
        {33033, "view-sort-ascending", "Sort"},                    {33034, "filter-apply", "Apply Filter"},
        {33036, "filter-remove", "Remove Filter"},           {0, nullptr, nullptr},
        {ID_RADIO_DISPLAY, "radio-display", "Radio Display"}, {ID_LOGBOOK_DISPLAY, "logbook-display", "Logbook Display"},
        {ID_IOLOG_DISPLAY, "io-log", "I/O Logfile Display"},
    };
    lastWasSeparator = true;
    for (const Button& b : logbook) {
        if (b.nId == 0) {
            if (!lastWasSeparator)
                m_pLogbookBar->addSeparator();
            lastWasSeparator = true;
            continue;
        }
        if (!IsAvailable(b.nId))
            continue;
        // A command with a menu item shares its action; the others get their own.
        QAction* action = nullptr;
        if (QAction* menuAction = GetCommandAction(b.nId)) {
            action = new QAction(menuAction->text(), this);
            action->setCheckable(menuAction->isCheckable());
        } else {
            action = new QAction(QString::fromLatin1(b.pTip), this);
        }
        action->setProperty("commandId", b.nId);
        const unsigned id = b.nId;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        action->setIcon(ToolbarIcon(QString::fromLatin1(b.pIcon)));
        action->setToolTip(QString::fromLatin1(b.pTip));
        m_pLogbookBar->addAction(action);
        m_logbookButtons.insert(b.nId, action);
        lastWasSeparator = false;
    }
    m_pLogbookBar->hide();
}

void CRadioMainFrame::CreateToolBarCombos()
{
    if (m_pStepCombo)
        return;
    m_toolbarFont = QFont(QStringLiteral("Microsoft Sans Serif"), 8);
    QAction* labelPlace = nullptr;
    QAction* comboPlace = nullptr;
    for (QAction* a : m_pToolBar->actions()) {
        if (a->property("commandId").toUInt() == ID_STEP_LABEL)
            labelPlace = a;
        else if (a->property("commandId").toUInt() == ID_STEP_COMBO)
            comboPlace = a;
    }
    m_pStepLabel = new QLabel(QStringLiteral(" Step:"), m_pToolBar);
    m_pStepLabel->setFont(m_toolbarFont);
    m_pStepLabel->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    SetDlgCtrlID(m_pStepLabel, ID_STEP_LABEL);
    m_pStepLabel->setFixedWidth(QFontMetrics(m_toolbarFont).horizontalAdvance(m_pStepLabel->text()) + 2);
    m_pStepCombo = new COwnComboBox(m_pToolBar);
    m_pStepCombo->setFont(m_toolbarFont);
    SetDlgCtrlID(m_pStepCombo, ID_STEP_COMBO);
    m_pStepCombo->setFixedWidth(100);
    m_pStepCombo->setMaxVisibleItems(12);
    m_pStepCombo->addItem(QString());
    m_pStepCombo->SetCurSel(0);
    if (labelPlace)
        m_pToolBar->insertWidget(labelPlace, m_pStepLabel);
    else
        m_pToolBar->addWidget(m_pStepLabel);
    if (comboPlace)
        m_pToolBar->insertWidget(comboPlace, m_pStepCombo);
    else
        m_pToolBar->addWidget(m_pStepCombo);
}

COwnComboBox* CRadioMainFrame::GetStepCombo()
{
    if (!m_pStepCombo)
        CreateToolBarCombos();
    return m_pStepCombo;
}

// ------------------------------------------------------------------ commands

void CRadioMainFrame::OnUpdateCommand(CCmdUI& ui)
{
    CDisplayView* view = GetDisplayView();
    auto visible = [this](unsigned id) {
        QWidget* w = m_toolWindows.value(id);
        return w && w->isVisible();
    };
    switch (ui.m_nID) {
    case ID_VIEW_QUICK_SAVE: ui.SetCheck(m_pQuickSaveBar && m_pQuickSaveBar->isVisible()); break;
    case ID_VIEW_SELECTION:
        ui.SetCheck(m_pSelectionBar && m_pSelectionBar->GetBarWindow()->isVisible());
        break;
    case ID_VIEW_LOGBOOK_TOOLBAR: ui.SetCheck(m_pLogbookBar && m_pLogbookBar->isVisible()); break;
    case ID_SIZE_SMALL:
    case ID_SIZE_MEDIUM:
    case ID_SIZE_LARGE: {
        CRadioApp* app = GetRadioApp();
        ui.SetCheck(app && app->GetDisplaySize().GetSize() == int(ui.m_nID - ID_SIZE_SMALL));
        break;
    }
    case ID_FULL_SCREEN: ui.Enable(true); ui.SetCheck(IsFullScreen()); break;
    case ID_FAVOURITES_MARKERS: ui.SetCheck(GetSettings().m_bFaveMarkers != 0); break;
    case ID_MEMORY_SAVE: ui.Enable(Link().IsOpen() && view && !view->IsMemoryMode()); break;
    case ID_SCAN_STOP: ui.Enable(view && view->IsScanning()); break;
    case ID_FST: ui.Enable(view != nullptr); ui.SetCheck(view && view->IsFstOn()); break;
    case ID_LOCK: ui.Enable(view != nullptr); ui.SetCheck(view && view->IsLocked()); break;
    case ID_VOLUME: ui.Enable(m_bMixerFound); ui.SetCheck(visible(ID_VOLUME)); break;
    case ID_TRANSVERTER: ui.SetCheck(visible(ID_TRANSVERTER)); break;
    case ID_SCAN_BAND: case ID_SCAN_MEMORY: case ID_CW_SETTINGS: case ID_CW_SPEED: case ID_DX_CLUSTER:
    case ID_LOGBOOK_ADD:
        ui.SetCheck(visible(ui.m_nID));
        break;
    case ID_RADIO_DISPLAY:
    case ID_IOLOG_DISPLAY: {
        CMDIChildWnd* child = ui.m_nID == ID_RADIO_DISPLAY ? GetDisplayFrame() : GetIoLogFrame();
        ui.Enable(child != nullptr);
        ui.SetCheck(child && GetMdiClient()->activeSubWindow() == child);
        break;
    }
    default:
        break;
    }
    if (auto it = registered().updates.find(ui.m_nID); it != registered().updates.end())
        it->second(ui);
}

void CRadioMainFrame::UpdateFrameCommands()
{
    UpdateCommandStates();
    CRadioApp* app = GetRadioApp();
    auto apply = [this, app](unsigned id, QAction* action) {
        CCmdUI ui;
        ui.m_nID = id;
        // The front panel's commands get their states through the application.
        if (app)
            app->OnUpdateCommand(ui);
        OnUpdateCommand(ui);
        if (ui.m_bEnableSet)
            action->setEnabled(ui.m_bEnabled);
        if (ui.m_bCheckSet) {
            action->setCheckable(true);
            action->setChecked(ui.m_nCheck != 0);
        }
    };
    for (auto it = m_toolbarButtons.constBegin(); it != m_toolbarButtons.constEnd(); ++it)
        apply(it.key(), it.value());
    for (auto it = m_viewActions.constBegin(); it != m_viewActions.constEnd(); ++it)
        apply(it.key(), it.value());
    for (auto it = m_logbookButtons.constBegin(); it != m_logbookButtons.constEnd(); ++it)
        apply(it.key(), it.value());
    static const unsigned menuOnly[] = {ID_SIZE_SMALL, ID_SIZE_MEDIUM, ID_SIZE_LARGE, ID_FAVOURITES_MARKERS,
                                        ID_RADIO_DISPLAY, ID_IOLOG_DISPLAY, ID_VIEW_QUICK_SAVE, ID_ENTER_FREQUENCY,
                                        ID_SCAN_STOP, ID_FST, ID_LOCK, ID_TRANSVERTER, ID_FULL_SCREEN, ID_CW_SPEED,
                                        ID_VIEW_LOGBOOK_TOOLBAR, ID_SPEECH_AUTO, ID_SPEECH_FULL, ID_SPEECH_OUT_OF_BAND};
    for (unsigned id : menuOnly)
        if (QAction* a = GetCommandAction(id))
            apply(id, a);
    for (const auto& entry : registered().updates)
        if (QAction* a = GetCommandAction(entry.first))
            apply(entry.first, a);
}

bool CRadioMainFrame::OnCommand(unsigned nId)
{
    CDisplayView* view = GetDisplayView();
    switch (nId) {
    case ID_VIEW_QUICK_SAVE:
        // The navigator shows the slots beside the toolbar.
        if (m_pSelectionBar && m_pQuickSaveBar && !m_pQuickSaveBar->isVisible())
            m_pSelectionBar->SelectQuickSaveGroup();
        ToggleQuickSaveBar();
        return true;
    case ID_VIEW_SELECTION:
        if (m_pSelectionBar)
            m_pSelectionBar->GetBarWindow()->setVisible(!m_pSelectionBar->GetBarWindow()->isVisible());
        return true;
    case ID_FAVOURITES_DISPLAY:
    case ID_BANDS_DISPLAY:
    case ID_MEMORY_DISPLAY:
        if (m_pSelectionBar) {
            m_pSelectionBar->GetBarWindow()->show();
            if (nId == ID_FAVOURITES_DISPLAY)
                m_pSelectionBar->SelectFavouritesGroup();
            else if (nId == ID_BANDS_DISPLAY)
                m_pSelectionBar->SelectBandsGroup();
            else
                m_pSelectionBar->SelectMemoryGroup();
        }
        return true;
    case ID_VIEW_LOGBOOK_TOOLBAR:
        if (m_pLogbookBar)
            m_pLogbookBar->setVisible(!m_pLogbookBar->isVisible());
        return true;
    case ID_SIZE_SMALL:
    case ID_SIZE_MEDIUM:
    case ID_SIZE_LARGE:
        SetButtonSize(int(nId - ID_SIZE_SMALL));
        return true;
    case ID_FULL_SCREEN:
        if (IsFullScreen()) {
            m_pFullScreen->hide();
            OnExitFullScreen();
        } else {
            FullScreenOn();
        }
        return true;
    case ID_FAVOURITES_MARKERS:
        GetSettings().m_bFaveMarkers = GetSettings().m_bFaveMarkers ? 0 : 1;
        GetSettings().Save();
        if (view && view->GetTuningDial())
            view->GetTuningDial()->Rebuild();
        return true;
    case ID_SCAN_STOP: {
        WaitCursor wait;
        Link().StopScanning();
        return true;
    }
    case ID_DESKTOP_ICON:
        AddDesktopIcon(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
        return true;
    case ID_ENTER_FREQUENCY:
        EnterFrequency(-1);
        return true;
    case ID_FST:
        if (view) {
            WaitCursor wait;
            Link().SetFst(!view->IsFstOn());
            // The next poll then shows the change.
            platform::sleepMs(250);
        }
        return true;
    case ID_LOCK:
        if (view) {
            WaitCursor wait;
            Link().SetLock(!view->IsLocked());
            platform::sleepMs(250);
        }
        return true;
    case ID_PSK31:
        StartDigitalModeProgram();
        return true;
    case ID_TRANSMIT: {
        std::unique_ptr<CTransmitDialog> dialog;
        {
            WaitCursor wait;
            dialog = std::make_unique<CTransmitDialog>(this, Link(), view ? view->GetMode() : uint8_t(0xFF));
        }
        dialog->DoModal();
        return true;
    }
    case ID_SPEECH_READER:
    case ID_SPEECH_TTS:
        if (CRadioApp* app = GetRadioApp())
            app->OpenDocumentOrUrl(nId == ID_SPEECH_READER ? support::SpeechReaderAddress()
                                                           : support::SpeechEngineAddress());
        return true;
    case ID_RADIO_DISPLAY:
        ActivateChild(GetDisplayFrame());
        return true;
    case ID_IOLOG_DISPLAY:
        ActivateChild(GetIoLogFrame());
        return true;
    case ID_TRANSVERTER:
        ToggleToolWindow(nId);
        return true;
    case ID_VOLUME:
        // Only with a mixer; the window itself is the options part's.
        if (!m_bMixerFound)
            return true;
        break;
    default:
        break;
    }
    if (registered().windows.count(nId)) {
        ToggleToolWindow(nId);
        return true;
    }
    if (auto it = registered().modal.find(nId); it != registered().modal.end()) {
        it->second(this);
        return true;
    }
    return CMainFrame::OnCommand(nId);
}

void CRadioMainFrame::ToggleToolWindow(unsigned nId)
{
    QWidget* w = m_toolWindows.value(nId);
    const auto spec = registered().windows.find(nId);
    const bool bCloseByPost = spec != registered().windows.end() && spec->second.bCloseByPost;
    const bool bNeverHide = spec != registered().windows.end() && spec->second.bNeverHide;
    if (w && w->isVisible() && !bNeverHide) {
        if (bCloseByPost)
            QMetaObject::invokeMethod(w, "close", Qt::QueuedConnection);
        else
            w->hide();
        return;
    }
    // The two scan windows exclude each other.
    const unsigned other = nId == ID_SCAN_BAND ? ID_SCAN_MEMORY : nId == ID_SCAN_MEMORY ? ID_SCAN_BAND : 0;
    if (QWidget* o = other ? m_toolWindows.value(other).data() : nullptr)
        QMetaObject::invokeMethod(o, "close", Qt::QueuedConnection);
    // The windows are plain dialogs owned by the frame, not tool windows:
    // Qt passes a window's keys on to its tool windows, where the frame's
    // keys and menu titles would meet the dialog's own underlined letters
    // (the Bands window's "&Custom Bands" is Alt+C, as Calibration is) and
    // take turns with them.
    bool created = false;
    if (!w) {
        if (nId == ID_TRANSVERTER) {
            auto* display = new CTransverterDisplay(this);
            if (CDisplayView* view = GetDisplayView())
                display->SetFrequency(view->GetFrequency());
            w = display;
        } else if (spec != registered().windows.end() && spec->second.create) {
            w = spec->second.create(this);
        }
        if (!w)
            return;
        m_toolWindows.insert(nId, w);
        created = true;
    } else if (!w->isVisible() && spec != registered().windows.end() && spec->second.beforeShow) {
        spec->second.beforeShow(w);
    }
    w->showNormal();
    // (its controls are all there once it has been shown)
    if (created)
        GiveToggleKeys(w, nId);
    w->raise();
    w->activateWindow();
}

void CRadioMainFrame::GiveToggleKeys(QWidget* pWindow, unsigned nId)
{
    // The key that opened the window closes it again also while the window
    // has the keyboard, as it does from the main window: the frame's keys
    // do not reach a window of its own.
    // An underlined letter of the window's own keeps its key.
    QList<QKeySequence> own;
    for (const QAbstractButton* button : pWindow->findChildren<QAbstractButton*>())
        own << QKeySequence::mnemonic(button->text());
    for (const QLabel* label : pWindow->findChildren<QLabel*>())
        if (label->buddy())
            own << QKeySequence::mnemonic(label->text());
    for (const ACCEL& accel : GetAccelerators()) {
        const QKeySequence keys(CMenuAccelerators::KeySequenceText(accel.fVirt, accel.key));
        if (accel.cmd != nId || own.contains(keys))
            continue;
        auto* key = new QShortcut(keys, pWindow);
        connect(key, &QShortcut::activated, this, [this, nId] { OnCommand(nId); });
    }
}

CTransverterDisplay* CRadioMainFrame::GetTransverterDisplay() const
{
    return qobject_cast<CTransverterDisplay*>(m_toolWindows.value(ID_TRANSVERTER).data());
}

void CRadioMainFrame::UpdateTransverterDisplay(uint32_t nHz)
{
    if (CTransverterDisplay* display = GetTransverterDisplay())
        display->SetFrequency(nHz);
}

void CRadioMainFrame::EnterFrequency(int nDigit)
{
    CPanelFrameServices::Get().enterFrequency(nDigit, -1);
}

void CRadioMainFrame::ToggleQuickSaveBar()
{
    m_pQuickSaveBar->setVisible(!m_pQuickSaveBar->isVisible());
}

void CRadioMainFrame::SetButtonSize(int nSize)
{
    CRadioApp* app = GetRadioApp();
    if (!app)
        return;
    CDisplaySize& size = app->GetDisplaySize();
    if (nSize == 0)
        size.SetSmall();
    else if (nSize == 1)
        size.SetMedium();
    else
        size.SetLarge();
    // A new front panel in the new size, even when the size did not change.
    CMultiDocTemplate* tpl = app->GetTemplate(CRadioApp::IDR_DISPLAY);
    if (!tpl)
        return;
    tpl->CloseAllDocuments(false);
    app->ShowTemplateDocument(tpl, true);
}

void CRadioMainFrame::ActivateChild(CMDIChildWnd* pFrame)
{
    if (!pFrame)
        return;
    if (pFrame->isMinimized())
        pFrame->showNormal();
    GetMdiClient()->setActiveSubWindow(pFrame);
}

// ------------------------------------------------------------------ full screen

CFullScreenDialog* CRadioMainFrame::GetFullScreenDialog() const
{
    return m_pFullScreen;
}

bool CRadioMainFrame::IsFullScreen() const
{
    return m_pFullScreen && m_pFullScreen->isVisible();
}

void CRadioMainFrame::FullScreenOn()
{
    QSize screenSize = g_screenForTesting;
    if (screenSize.isEmpty()) {
        const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        screenSize = s ? s->size() : QSize(1024, 768);
    }
    // The window grows past the screen by what it adds around its MDI area.
    QMdiArea* area = GetMdiClient();
    const QRect areaRect(area->mapToGlobal(QPoint(0, 0)), area->size());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_placement.Enter(this, CFullScreenPlacement::EnlargedRect(geometry(), areaRect, screenSize));

    if (!m_pFullScreen)
        m_pFullScreen = new CFullScreenDialog(this);
    CFullScreenPlacement::KeepAbove(m_pFullScreen, this);
    m_pFullScreen->showNormal();
    m_pFullScreen->raise();
    if (CDisplayView* view = GetDisplayView()) {
        view->setFocus();
        view->update();
    }
}

void CRadioMainFrame::OnExitFullScreen()
{
    m_placement.Leave(this);
    if (CDisplayView* view = GetDisplayView())
        view->update();
}

// ------------------------------------------------------------------ other programs

void CRadioMainFrame::StartDigitalModeProgram()
{
    if (platform::LocalClient::isServed(kDigitalModeIdentifier)) {
        // The running copy comes forward on an activation request.
        platform::LocalClient::postTo(kDigitalModeIdentifier, CBaseApp::WM_ACTIVATE, CBaseApp::WA_ACTIVE, 0);
        return;
    }
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/PSK31 Brevio");
    if (QFileInfo(path).isExecutable() && QProcess::startDetached(path, {}))
        return;
    if (CRadioApp* app = GetRadioApp())
        app->OpenDocumentOrUrl(path);
}

bool CRadioMainFrame::AddDesktopIcon(const QString& strDesktopFolder)
{
    if (strDesktopFolder.isEmpty())
        return false;
    const CVersionInfo version;
    const QString name = version.GetProductName();
    const QString target = QCoreApplication::applicationFilePath();
    const QString file = strDesktopFolder + QLatin1Char('/') + name + QStringLiteral(".desktop");
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nComment=%1\nExec=\"%2\"\n"
                                  "Terminal=false\n")
                       .arg(name, target);
    const QString icon = artwork::applicationIconFile();
    if (!icon.isEmpty())
        text += QStringLiteral("Icon=%1\n").arg(icon);
    QString error;
    if (!platform::writeFileAtomically(file, text.toUtf8(), &error))
        return false;
    // Desktops start only launchers marked executable.
    QFile::setPermissions(file, QFile::permissions(file) | QFile::ExeOwner | QFile::ExeUser);
    platform::messageBox(this, QStringLiteral("An icon has been added to your Desktop."), QStringLiteral("Add Icon"),
                         platform::MB_ICONINFORMATION);
    return true;
}

// ------------------------------------------------------------------ messages and timers

bool CRadioMainFrame::OnScreenSaverTimer()
{
    if (!GetSettings().m_bDisableScreenSaver || !QApplication::focusWidget() || isMinimized())
        return false;
    // Resetting the desktop's idle count keeps the screen saver from starting.
    if (g_screenSaverReset)
        g_screenSaverReset();
    else if (!QStandardPaths::findExecutable(QStringLiteral("xdg-screensaver")).isEmpty())
        QProcess::startDetached(QStringLiteral("xdg-screensaver"), {QStringLiteral("reset")});
    return true;
}

void CRadioMainFrame::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_screenSaverTimer.timerId()) {
        OnScreenSaverTimer();
        return;
    }
    CMainFrame::timerEvent(event);
}

bool CRadioMainFrame::event(QEvent* event)
{
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgFullScreen)) {
        OnExitFullScreen();
        m->SetResult(0);
        return true;
    }
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgReloadMemory)) {
        if (IsAvailable(ID_MEMORY_RELOAD))
            OnCommand(ID_MEMORY_RELOAD);
        m->SetResult(0);
        return true;
    }
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgOrganise)) {
        if (CRadioApp* app = GetRadioApp())
            app->OnCommand(CRadioApp::ID_FAVOURITES_MANAGER);
        m->SetResult(0);
        return true;
    }
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgRedrawNew)) {
        if (CTransverterDisplay* display = GetTransverterDisplay())
            SendRegisteredMessage(display, RegisteredMessage::nMsgRedrawNew);
        if (m_pFullScreen)
            SendRegisteredMessage(m_pFullScreen, RegisteredMessage::nMsgRedrawNew);
        m->SetResult(0);
        return true;
    }
    return CMainFrame::event(event);
}

void RunStressTest(QWidget* pParent)
{
    CStressTestDialog::Hooks hooks;
    hooks.view = []() -> QWidget* { return GetDisplayView(); };
    hooks.showFrequencyBytes = [](const uint8_t b[4]) {
        CDisplayView* view = GetDisplayView();
        if (!view || !view->GetRadioState())
            return;
        // The four bytes as the radio sends them, first byte lowest in the word.
        view->GetRadioState()->SetFrequency(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                                            uint32_t(b[3]) << 24);
        view->GetRadioState()->Update();
    };
    hooks.setSMeterBar = [](int nValue) {
        CDisplayView* view = GetDisplayView();
        if (view && view->GetRadioState()) {
            view->GetRadioState()->SetSMeter(uint8_t(nValue));
            view->GetRadioState()->Update();
        }
    };
    hooks.setMeters = [](int alc, int mod, int swr) {
        CDisplayView* view = GetDisplayView();
        if (!view)
            return;
        const int values[3] = {alc, mod, swr};
        for (int i = 0; i < 3; ++i)
            if (CMeterStatic* meter = view->Meter(i))
                meter->SetValue(values[i]);
    };
    auto navigator = []() -> CSelectionBar* {
        auto* frame = qobject_cast<CRadioMainFrame*>(GetMainFrame());
        return frame ? frame->GetNavigatorBar() : nullptr;
    };
    hooks.navigatorGroupCount = [navigator] { return navigator() ? navigator()->GetGroupCount() : 0; };
    hooks.expandNavigatorGroup = [navigator](int order) {
        if (CSelectionBar* bar = navigator())
            bar->ExpandGroupByOrder(order);
    };
    hooks.reapplyNavigator = [navigator] {
        if (CSelectionBar* bar = navigator())
            bar->ApplyTreeStyle();
    };
    hooks.restorePanel = [] {
        if (CDisplayView* view = GetDisplayView())
            view->ShowRadioState();
    };
    CStressTestDialog dialog(pParent, hooks);
    dialog.DoModal();
}

void InstallMainFrame()
{
    CRadioApp::Services& services = CRadioApp::GetServices();
    services.createMainFrame = [] { return new CRadioMainFrame; };
    InstallIoLogTemplate();
    static bool chained = false;
    if (chained)
        return;
    chained = true;
    // The stress test is an application command; other parts keep theirs.
    auto previous = services.command;
    services.command = [previous](unsigned nId) {
        if (nId == CRadioApp::ID_STRESS_TEST) {
            RunStressTest(GetMainFrame());
            return true;
        }
        return previous ? previous(nId) : false;
    };
    // The amateur-band test follows the band-plan options.
    CAmateurBands::SetPlanSource([] {
        const CSettings& s = GetSettings();
        CAmateurBands::Plan plan;
        plan.m_eBand80M = s.m_eBand80M;
        plan.m_eBand40M = s.m_eBand40M;
        plan.m_eBand6M = s.m_eBand6M;
        plan.m_eBand2M = s.m_eBand2M;
        plan.m_eBand70CM = s.m_eBand70CM;
        return plan;
    });
}
