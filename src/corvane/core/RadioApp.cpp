#include "corvane/core/RadioApp.h"

#include "corvane/core/AboutDialog.h"
#include "corvane/core/CatLink.h"
#include "corvane/core/DisplaySize.h"
#include "corvane/core/IoLogSink.h"
#include "corvane/core/MainFrame.h"
#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/QuickSave.h"
#include "corvane/core/RequestWorker.h"
#include "corvane/core/Settings.h"
#include "corvane/core/Startup.h"
#include "platform/Program.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "shared/ShellOpen.h"
#include "shared/HtmlHelp.h"
#include "shared/PrintSetup.h"
#include "shared/Registry.h"
#include "shared/SupportMail.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/FocusReturn.h"
#include "shared/ui/HelpKey.h"
#include "shared/ui/Win32Error.h"

#include <QApplication>
#include <cerrno>
#include <QMdiArea>
#include <QThread>

namespace {
CRadioApp* g_app = nullptr;
CIoLogSink* g_sink = nullptr;
int g_shiftOverride = -1;
std::recursive_mutex* g_globalLock = nullptr;

QByteArray bytesOf(const uint8_t* bytes, int count)
{
    return bytes && count > 0 ? QByteArray(reinterpret_cast<const char*>(bytes), count) : QByteArray();
}

struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};
} // namespace

CRadioApp* GetRadioApp()
{
    return g_app;
}

CRadioApp::Services& CRadioApp::GetServices()
{
    static Services services;
    return services;
}

// ---------------------------------------------------------------- global lock

CGlobalLock::CGlobalLock()
{
    if (g_globalLock)
        g_globalLock->lock();
}

CGlobalLock::~CGlobalLock()
{
    if (g_globalLock)
        g_globalLock->unlock();
}

// ---------------------------------------------------------------- life

CRadioApp::CRadioApp()
{
    g_app = this;
    for (auto& slot : m_quickSave)
        slot = std::make_unique<CQuickSave>();
    m_memoryList = std::make_unique<CRadioMemoryList>();
    m_catLink = std::make_unique<CCatLink>();
    m_catLink->SetMemoryListHooks(m_memoryList.get());
    m_displaySize = std::make_unique<CDisplaySize>();
    m_firstWorker = std::make_unique<CRequestWorker>();
    m_requestWorker = std::make_unique<CRequestWorker>();
}

CRadioApp::~CRadioApp()
{
    m_mainFrame.reset();
    m_templates.clear();
    // Reverse order of construction: the workers stop their threads first.
    m_requestWorker.reset();
    m_firstWorker.reset();
    m_displaySize.reset();
    m_catLink.reset();
    m_memoryList.reset();
    if (g_app == this) {
        g_app = nullptr;
        CHelpKey::Install(nullptr);
    }
}

CQuickSave& CRadioApp::GetQuickSave(int nSlot)
{
    return *m_quickSave[size_t(std::clamp(nSlot, 0, kQuickSaveSlots - 1))];
}

bool CRadioApp::IsShiftHeld()
{
    if (g_shiftOverride >= 0)
        return g_shiftOverride != 0;
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

void CRadioApp::SetShiftOverride(int nState)
{
    g_shiftOverride = nState;
}

// ---------------------------------------------------------------- start-up

bool CRadioApp::InitInstance()
{
    // The process-wide critical section.
    if (!g_globalLock)
        g_globalLock = new std::recursive_mutex;
    // F1 in the main window and in any dialog opens the user guide.
    CBaseDialog::SetHelpHandler([this] { OnCommand(ID_HELP_CONTENTS); });
    CHelpKey::Install([] {
        if (CRadioApp* app = GetRadioApp())
            app->OnCommand(ID_HELP_CONTENTS);
    });

    // A second copy brings the running one forward and ends, without a
    // question, unless the command line allows several.
    const bool multiOk = HasMultiOk(QCoreApplication::arguments());
    if (!CheckSingleInstance(multiOk, false))
        return false;
    CFocusReturn::Install();

    ResetSettingsIfShift(QStringLiteral("Software/%1/%2").arg(QLatin1String(platform::kOrganisation),
                                                              platform::program().name),
                         false);

    CSettings& settings = GetSettings();
    settings.Load();

    const CRegistry registry;
    const RECT placement = registry.GetRect(QStringLiteral("Main frame"), RECT{0, 0, 0, 0});
    const bool firstRun = !registry.GetBool(QStringLiteral("Startup Flag"), false) &&
                          placement.right - placement.left == 0 && placement.bottom - placement.top == 0;
    Services& services = GetServices();
    // Without the colour schemes the first run is left for when they exist.
    if (firstRun && services.applyPresetScheme) {
        services.applyPresetScheme(QStringLiteral("Seaweed"), settings);
        settings.Save();
        registry.WriteBool(QStringLiteral("Startup Flag"), 1);
    }
    if (services.loadChartSettings)
        services.loadChartSettings();

    CreateTemplates();

    if (!RunStartupDialog())
        return false;

    CMainFrame* frame = services.createMainFrame ? services.createMainFrame() : new CMainFrame;
    m_mainFrame.reset(frame);
    if (!frame || !frame->LoadFrame(128)) {
        m_mainFrame.reset();
        return false;
    }
    frame->MakeMainFrame();
    bool zoomed = false;
    frame->RestoreWindowPlacement(zoomed);
    if (zoomed)
        frame->showMaximized();
    else
        frame->show();

    if (services.loadOrganisers)
        services.loadOrganisers();
    frame->CreateSelectionBar();
    if (!IsShiftHeld())
        frame->LoadBarState();
    m_displaySize->Load();

    ShowTemplateDocument(GetTemplate(IDR_IOLOG), false);
    ShowTemplateDocument(GetTemplate(IDR_DISPLAY), true);
    frame->EnableBanner();
    frame->CreateToolBarCombos();

    StartWorker(*m_firstWorker);
    StartWorker(*m_requestWorker);
    return true;
}

bool CRadioApp::RunStartupDialog()
{
    CStartup startup;
    return startup.DoModal() == platform::IDOK;
}

void CRadioApp::ExitInstance()
{
    delete g_globalLock;
    g_globalLock = nullptr;
    CBaseApp::ExitInstance();
}

void CRadioApp::StartWorker(CRequestWorker& worker)
{
    worker.Start(0, CRequestWorker::INFINITE);
}

bool CRadioApp::StopWorkers(int nTimeoutMs)
{
    m_firstWorker->QueueStop();
    m_requestWorker->QueueStop();
    const bool first = m_firstWorker->WaitFinished(nTimeoutMs);
    const bool second = m_requestWorker->WaitFinished(nTimeoutMs);
    if (!first || !second)
        Log(QStringLiteral("A request worker did not stop within %1 ms").arg(nTimeoutMs));
    return first && second;
}

int ResetSettingsIfShift(const QString& strKeyPath, bool bForce)
{
    if (!bForce && !CRadioApp::IsShiftHeld())
        return 0;
    const QString caption = platform::program().name;
    if (platform::messageBox(nullptr, QStringLiteral("Really reset this program's settings?"), caption,
                             platform::MB_YESNO | platform::MB_ICONQUESTION) == platform::IDYES) {
        platform::SettingsStore::removeProgramKey();
        platform::SettingsStore::sync();
        const bool gone = platform::SettingsStore::valueNames(CRegistry::Section()).isEmpty();
        if (gone) {
            platform::messageBox(nullptr, CWin32Error(0).GetText(), caption, platform::MB_ICONINFORMATION);
        } else {
            platform::messageBox(nullptr,
                                 QStringLiteral("Deleting 'HKEY_CURRENT_USER\\%1' -\n \n%2")
                                     .arg(strKeyPath, CWin32Error(EACCES).GetText()),
                                 caption, platform::MB_ICONERROR);
        }
    }
    return 1;
}

// ---------------------------------------------------------------- documents

void CRadioApp::CreateTemplates()
{
    const Services& services = GetServices();
    for (unsigned id : {unsigned(IDR_IOLOG), unsigned(IDR_DISPLAY), unsigned(IDR_LOGBOOK)}) {
        const auto it = services.templates.find(id);
        m_templates[id] = std::make_unique<CMultiDocTemplate>(
            id, it != services.templates.end() ? it->second : CMultiDocTemplate::Classes{});
    }
}

CMultiDocTemplate* CRadioApp::GetTemplate(unsigned nIDResource) const
{
    const auto it = m_templates.find(nIDResource);
    return it != m_templates.end() ? it->second.get() : nullptr;
}

CMainFrame* CRadioApp::GetMainFrame() const
{
    return m_mainFrame.get();
}

CIoLogSink* CRadioApp::FindIoLogView() const
{
    const CMultiDocTemplate* log = GetTemplate(IDR_IOLOG);
    if (!log)
        return nullptr;
    for (CDocument* document : log->GetDocuments())
        if (CView* view = document->GetFirstView())
            return dynamic_cast<CIoLogSink*>(view);
    return nullptr;
}

void CRadioApp::ShowTemplateDocument(CMultiDocTemplate* pTemplate, bool bMaximise)
{
    if (!pTemplate)
        return;
    auto frameOf = [](CDocument* document) -> QMdiSubWindow* {
        CView* view = document ? document->GetFirstView() : nullptr;
        QWidget* w = view ? view->parentWidget() : nullptr;
        while (w && !qobject_cast<QMdiSubWindow*>(w))
            w = w->parentWidget();
        return qobject_cast<QMdiSubWindow*>(w);
    };
    if (!bMaximise) {
        for (CDocument* document : pTemplate->GetDocuments()) {
            if (QMdiSubWindow* frame = frameOf(document)) {
                frame->showNormal();
                if (QMdiArea* area = frame->mdiArea())
                    area->setActiveSubWindow(frame);
                return;
            }
        }
    }
    if (QMdiSubWindow* frame = frameOf(pTemplate->OpenDocumentFile(true)); frame && bMaximise)
        frame->showMaximized();
}

// ---------------------------------------------------------------- shell

int CRadioApp::OpenDocumentOrUrl(const QString& strTarget)
{
    const int code = CShellOpen::Open(strTarget, GetMainFrame());
    return code > 32 ? code : 0;
}

QString CRadioApp::MakerWebAddress()
{
    return support::MakerWebAddress();
}

QString CRadioApp::UserGroupAddress()
{
    return support::UserGroupAddress();
}

QString CRadioApp::SupportAddress()
{
    return support::SupportAddress();
}

QString CRadioApp::SupportGreetingName()
{
    return support::GreetingName();
}

void CRadioApp::SendSupportMail()
{
    support::SendSupportMail(GetMainFrame());
}

// ---------------------------------------------------------------- commands

bool CRadioApp::OnCommand(unsigned nId)
{
    switch (nId) {
    case ID_APP_ABOUT: {
        CAboutDialog about(GetMainFrame());
        about.exec();
        return true;
    }
    case ID_HELP_CONTENTS: {
        WaitCursor wait;
        CHtmlHelp().ShowContents();
        return true;
    }
    case ID_HELP_INDEX: {
        WaitCursor wait;
        CHtmlHelp().ShowIndex();
        return true;
    }
    case ID_HELP_SEARCH: {
        WaitCursor wait;
        CHtmlHelp().ShowSearch();
        return true;
    }
    case ID_TRACE_ALL_COMMS:
        m_catLink->SetTraceAll(!m_catLink->GetTraceAll());
        return true;
    case ID_MAKER_WEB:
        OpenDocumentOrUrl(MakerWebAddress());
        return true;
    case ID_USERGROUP:
        OpenDocumentOrUrl(UserGroupAddress());
        return true;
    case ID_SUPPORT_EMAIL:
        SendSupportMail();
        return true;
    case ID_PRINT_SETUP:
        CPrintSetup::Run(GetMainFrame());
        return true;
    case ID_FAVOURITES_LOAD:
        // Routed here and left without an action, like its menu twin's
        // counterpart in the favourites manager.
        return true;
    default:
        break;
    }
    const Services& services = GetServices();
    return services.command && services.command(nId);
}

void CRadioApp::OnUpdateCommand(CCmdUI& cmdUI)
{
    if (cmdUI.m_nID == ID_TRACE_ALL_COMMS)
        cmdUI.SetCheck(m_catLink->GetTraceAll() ? 1 : 0);
    const Services& services = GetServices();
    if (services.updateCommand)
        services.updateCommand(cmdUI);
}

void CRadioApp::WinHelp()
{
    OnCommand(ID_HELP_CONTENTS);
}

void CRadioApp::QuickSaveChanged()
{
    const Services& services = GetServices();
    if (services.quickSaveChanged)
        services.quickSaveChanged();
}

// ---------------------------------------------------------------- log

void CRadioApp::SetIoLogSink(CIoLogSink* sink)
{
    g_sink = sink;
}

CIoLogSink* CRadioApp::GetIoLogSink()
{
    return g_sink;
}

namespace {
// The I/O log is a window: rows from another thread (the start-up search
// runs on one) are handed to the user-interface thread, in order.
bool OffUiThread()
{
    return QCoreApplication::instance() && QThread::currentThread() != QCoreApplication::instance()->thread();
}

template <class F>
void OnUiThread(F f)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(f), Qt::QueuedConnection);
}
} // namespace

void CRadioApp::Log(const QString& text)
{
    if (OffUiThread()) {
        OnUiThread([text] { Log(text); });
        return;
    }
    if (!g_sink)
        return;
    // Cut at a whole character: a surrogate pair is never split.
    qsizetype length = std::min<qsizetype>(text.size(), kMaxLogLine);
    if (length < text.size() && length > 0 && text[length - 1].isHighSurrogate())
        --length;
    g_sink->AddTextRow(text.left(length));
}

void CRadioApp::LogSent(const uint8_t* bytes, int count, const QString& description)
{
    if (OffUiThread()) {
        const QByteArray sent = bytesOf(bytes, count);
        OnUiThread([sent, description] {
            LogSent(reinterpret_cast<const uint8_t*>(sent.constData()), int(sent.size()), description);
        });
        return;
    }
    if (g_sink)
        g_sink->AddBytesRow(bytesOf(bytes, count), std::nullopt, description);
}

void CRadioApp::LogReceived(const uint8_t* bytes, int count, const QString& description)
{
    if (OffUiThread()) {
        const QByteArray received = bytesOf(bytes, count);
        OnUiThread([received, description] {
            LogReceived(reinterpret_cast<const uint8_t*>(received.constData()), int(received.size()), description);
        });
        return;
    }
    if (g_sink)
        g_sink->AddBytesRow(std::nullopt, bytesOf(bytes, count), description);
}

void CRadioApp::LogExchange(const uint8_t* sent, int sentCount, const uint8_t* received, int receivedCount,
                            const QString& description)
{
    if (OffUiThread()) {
        const QByteArray out = bytesOf(sent, sentCount);
        const QByteArray in = bytesOf(received, receivedCount);
        OnUiThread([out, in, description] {
            LogExchange(reinterpret_cast<const uint8_t*>(out.constData()), int(out.size()),
                        reinterpret_cast<const uint8_t*>(in.constData()), int(in.size()), description);
        });
        return;
    }
    if (g_sink)
        g_sink->AddBytesRow(bytesOf(sent, sentCount), bytesOf(received, receivedCount), description);
}
