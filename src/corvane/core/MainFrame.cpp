#include "corvane/core/MainFrame.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/ClosingDialog.h"
#include "corvane/core/CommandPrompts.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/RequestWorker.h"
#include "corvane/core/Settings.h"
#include "corvane/core/VfoMemoryAnalyzerDialog.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "platform/Sleeper.h"
#include "shared/Registry.h"
#include "shared/VersionInfo.h"
#include "shared/ui/BaseDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>

namespace {
const QString kPlacement = QStringLiteral("Main frame");
const QString kZoomed = QStringLiteral("Main frame zoomed");
const QString kBarState = QStringLiteral("Control Bar State");
constexpr const char* kCommandId = "commandId";

struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};
} // namespace

CMainFrame* GetMainFrame()
{
    return qobject_cast<CMainFrame*>(CMDIFrameWnd::GetMainFrameWnd());
}

CMainFrame::CMainFrame()
{
    m_client.SubclassWindow(GetMdiClient());
    m_client.SetCommandTarget([this](unsigned nId) { return OnCommand(nId); });
}

CMainFrame::~CMainFrame() = default;

QMenu* CMainFrame::AddMenu(const QString& strTitle)
{
    QMenu* menu = menuBar()->addMenu(strTitle);
    connect(menu, &QMenu::aboutToShow, this, [this] { UpdateCommandStates(); });
    // A menu that closes leaves no prompt behind.
    connect(menu, &QMenu::aboutToHide, this, [this] { statusBar()->showMessage(IdleMessage()); });
    m_menus << menu;
    return menu;
}

QAction* CMainFrame::AddCommand(QMenu* pMenu, unsigned nId, const QString& strText, bool bCheckable)
{
    QAction* action = pMenu->addAction(strText);
    action->setProperty(kCommandId, nId);
    action->setCheckable(bCheckable);
    action->setStatusTip(CommandPrompt(nId, strText));
    connect(action, &QAction::triggered, this, [this, nId] { OnCommand(nId); });
    m_commands.insert(nId, action);
    return action;
}

void CMainFrame::ApplyPrompts()
{
    for (QAction* action : findChildren<QAction*>()) {
        const unsigned id = action->property(kCommandId).toUInt();
        // (a separator holds the place of a toolbar's own control)
        if (id == 0 || action->isSeparator() || !action->statusTip().isEmpty())
            continue;
        action->setStatusTip(CommandPrompt(id, action->text().isEmpty() ? action->toolTip() : action->text()));
    }
}

bool CMainFrame::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        statusBar()->showMessage(tip.isEmpty() ? IdleMessage() : tip);
        return true;
    }
    return CMDIFrameWnd::event(event);
}

bool CMainFrame::LoadFrame(unsigned nIDResource)
{
    setProperty("resourceId", nIDResource);
    setObjectName(QStringLiteral("VE817-Corvane-QT9XVK-Application"));

    QMenu* file = AddMenu(QStringLiteral("&File"));
    AddCommand(file, CRadioApp::ID_PRINT_SETUP, QStringLiteral("P&rint Setup..."));
    file->addSeparator();
    AddCommand(file, ID_APP_EXIT, QStringLiteral("E&xit"));
    QMenu* tools = AddMenu(QStringLiteral("&Tools"));
    AddCommand(tools, ID_VFO_MEMORY_ANALYZER, QStringLiteral("&VFO && Memory Analyzer"));
    tools->addSeparator();
    AddCommand(tools, CRadioApp::ID_TRACE_ALL_COMMS, QStringLiteral("&Trace All Comms"), true);
    QMenu* help = AddMenu(QStringLiteral("&Help"));
    AddCommand(help, CRadioApp::ID_HELP_CONTENTS, QStringLiteral("&Contents"));
    AddCommand(help, CRadioApp::ID_HELP_INDEX, QStringLiteral("&Index..."));
    AddCommand(help, CRadioApp::ID_HELP_SEARCH, QStringLiteral("&Search..."));
    help->addSeparator();
    AddCommand(help, CRadioApp::ID_SUPPORT_EMAIL, QStringLiteral("Send E-mail to QT9XVK"));
    AddCommand(help, CRadioApp::ID_USERGROUP, QStringLiteral("&Usergroup Homepage"));
    AddCommand(help, CRadioApp::ID_MAKER_WEB, QStringLiteral("QT9XVK on the Web"));
    help->addSeparator();
    AddCommand(help, CRadioApp::ID_APP_ABOUT, QStringLiteral("&About..."));

    statusBar()->showMessage(IdleMessage());

    const CVersionInfo version;
    const QString special = version.GetSpecialBuild();
    setWindowTitle(QStringLiteral("%1 v%2%3%4")
                       .arg(version.GetProductName(), version.GetProductVersion(),
                            special.isEmpty() ? QString() : QStringLiteral(" "), special));
    if (!qApp->windowIcon().isNull())
        setWindowIcon(qApp->windowIcon());
    resize(1024, 700);
    return true;
}

void CMainFrame::RestoreWindowPlacement(bool& bZoomed)
{
    const CRegistry registry;
    const RECT stored = registry.GetRect(kPlacement, RECT{0, 0, 0, 0});
    bZoomed = registry.GetInt(kZoomed, 1) != 0;
    if (bZoomed) {
        const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        const QSize s = screen ? screen->size() : QSize(1024, 768);
        setGeometry(QRect(QPoint(s.width() / 20, s.height() / 20),
                          QPoint(19 * s.width() / 20 - 1, 19 * s.height() / 20 - 1)));
        return;
    }
    const int w = stored.right - stored.left;
    const int h = stored.bottom - stored.top;
    if (w > 0 && h > 0)
        setGeometry(stored.left, stored.top, w, h);
}

void CMainFrame::SaveWindowPlacement()
{
    const CRegistry registry;
    if (!isMinimized()) {
        const QRect g = geometry();
        registry.WriteRect(kPlacement, RECT{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()});
    }
    registry.WriteInt(kZoomed, isMaximized() ? 1 : 0);
}

void CMainFrame::CreateSelectionBar()
{
    m_accelerators = GetMenuAccelerators().Build(m_menus, this);
    GetMenuAccelerators().SetPromptSource(CommandPromptString);
    ApplyPrompts();
    menuBar()->update();
}

void CMainFrame::LoadBarState()
{
    const QVariant state = platform::SettingsStore::value(CRegistry::Section(), kBarState);
    if (state.canConvert<QByteArray>())
        restoreState(state.toByteArray());
}

void CMainFrame::SaveBarState()
{
    platform::SettingsStore::setValue(CRegistry::Section(), kBarState, saveState());
}

bool CMainFrame::OnCommand(unsigned nId)
{
    switch (nId) {
    case ID_APP_EXIT:
        close();
        return true;
    case ID_VFO_MEMORY_ANALYZER:
        if (!m_pAnalyzer) {
            auto* dialog = new CVfoMemoryAnalyzerDialog(this);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            m_pAnalyzer = dialog;
        }
        m_pAnalyzer->show();
        m_pAnalyzer->raise();
        m_pAnalyzer->activateWindow();
        return true;
    default:
        break;
    }
    CRadioApp* app = GetRadioApp();
    return app && app->OnCommand(nId);
}

void CMainFrame::UpdateCommandStates()
{
    CRadioApp* app = GetRadioApp();
    for (auto it = m_commands.constBegin(); it != m_commands.constEnd(); ++it) {
        CCmdUI ui;
        ui.m_nID = it.key();
        if (app)
            app->OnUpdateCommand(ui);
        if (ui.m_bEnableSet)
            it.value()->setEnabled(ui.m_bEnabled);
        if (ui.m_bCheckSet)
            it.value()->setChecked(ui.m_nCheck != 0);
    }
}

int CMainFrame::RunClosingDialog(bool& bPowerDown)
{
    CClosingDialog dialog(this);
    const int result = dialog.DoModal();
    bPowerDown = dialog.m_bPowerDown;
    return result;
}

bool CMainFrame::OnClose()
{
    WaitCursor wait;
    // From here on the other program's requests are answered with 0.
    m_bClosing = true;
    ReleaseRemoteControl();
    CRadioApp* app = GetRadioApp();
    if (app && !app->IsRestarting() && GetSettings().m_bPowerDown) {
        bool powerDown = false;
        if (RunClosingDialog(powerDown) != platform::IDOK) {
            // The program stays: the other program may use the radio again.
            m_bClosing = false;
            return false;
        }
        if (powerDown)
            app->GetCatLink().SetPower(false);
    }
    SaveWindowPlacement();
    SaveBarState();
    if (app) {
        // A worker that does not finish in time is left to the program's
        // end; the window must not hang on it.
        app->StopWorkers(kWorkerStopWait);
    }
    platform::sleepMs(500);
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!OnClose()) {
        event->ignore();
        return;
    }
    for (QMdiSubWindow* child : GetMdiClient()->subWindowList())
        child->close();
    event->accept();
}
