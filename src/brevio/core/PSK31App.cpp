#include "brevio/core/PSK31App.h"

#include "platform/Program.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "platform/Sleeper.h"
#include "brevio/core/Components.h"
#include "brevio/core/CustomiseDialog.h"
#include "brevio/core/DspCalls.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/LogView.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/SplashWindow.h"
#include "shared/ShellOpen.h"
#include "shared/ui/FocusReturn.h"
#include "shared/Registry.h"
#include "shared/TextToSpeech.h"

#include <QApplication>
#include <QDockWidget>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <cstdarg>
#include <cstdio>
#include <cstring>

CPSK31App& TheApp()
{
    static CPSK31App app;
    return app;
}

CPSK31App::CPSK31App() = default;

CPSK31App::~CPSK31App() = default;

CTextToSpeech& CPSK31App::Speech()
{
    if (!m_pSpeech)
        m_pSpeech = std::make_unique<CTextToSpeech>();
    if (!m_pSpeech->IsComStarted())
        m_pSpeech->Initialise(m_pMainFrame);
    return *m_pSpeech;
}

void CPSK31App::Speak(const QString& strText, bool bSpell, bool bPhonetic)
{
    if (m_pMainFrame && m_pMainFrame->IsTransmitting())
        return;
    Speech().Speak(strText, bSpell, bPhonetic);
}

void CPSK31App::LogPrintf(const char* pszFormat, ...)
{
    // One line is at most 4096 bytes with its terminator; longer output is cut.
    char buffer[4096];
    va_list args;
    va_start(args, pszFormat);
    std::vsnprintf(buffer, sizeof buffer, pszFormat, args);
    va_end(args);
    if (CPSK31BrevioView* view = TheApp().m_pLogView)
        view->AppendLine(QString::fromLocal8Bit(buffer));
}

QString CPSK31App::GetDspErrorText()
{
    return ::GetDspErrorText();
}

bool CPSK31App::ShellOpen(const QString& strTarget)
{
    return CShellOpen::Open(strTarget, m_pMainFrame) > 32;
}

bool CPSK31App::InitInstance(const QStringList& arguments)
{
    // The "Views - Visible" decision, the start-up dialog and the windows all
    // need the frame; every failure before the frame shows ends the program.
    if (!CheckSingleInstance(HasMultiOk(arguments), true))
        return false;
    CFocusReturn::Install();
    if (QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier) {
        if (platform::messageBox(nullptr, QStringLiteral("Really reset this program's settings?"),
                                 platform::program().name,
                                 platform::MB_YESNO | int(platform::MB_ICONQUESTION)) == platform::IDYES)
            platform::SettingsStore::removeProgramKey();
    }
    CurrentSettings().Load();
    PreviousSettings() = CurrentSettings();
    CSplashWindow::EnableSplashScreen(!arguments.contains(QStringLiteral("-nologo")));
    if (PskComponents().loadStores)
        PskComponents().loadStores();

    m_pMainFrame = new CMainFrame;
    if (!m_pMainFrame->OnCreate()) {
        delete m_pMainFrame;
        m_pMainFrame = nullptr;
        return false;
    }
    m_pMainFrame->hide();
    if (!LoadDspLibrary(m_pMainFrame, m_strDspPath.isEmpty() ? DspLibraryPath() : m_strDspPath)) {
        delete m_pMainFrame;
        m_pMainFrame = nullptr;
        return false;
    }
    m_pMainFrame->InitialiseFrame();
    // Message 1090 from other programs goes to the frame's own handler.
    SetMessageHandler([this](uint32_t message, uint32_t wParam, int32_t lParam) -> uint32_t {
        if (message == CMainFrame::WM_REMOTE_COMMAND && m_pMainFrame)
            return m_pMainFrame->OnRadioLink(wParam, lParam);
        return 0;
    });
    CSplashWindow::ShowSplashScreen(m_pMainFrame);
    platform::sleepMs(kSplashWaitMs);

    int layout = 2;
    int result = 0;
    if (m_startupRunner) {
        result = m_startupRunner(m_pMainFrame, &layout);
    } else {
        CCustomiseDialog dialog(m_pMainFrame);
        result = dialog.exec();
        layout = dialog.GetLayout();
    }
    CSplashWindow::HideSplashScreen();
    if (result != QDialog::Accepted) {
        delete m_pMainFrame;
        m_pMainFrame = nullptr;
        return false;
    }
    m_nStartMode = layout;
    m_bNewBrowser = layout == 0;
    m_bNewClassic = layout == 1;
    m_bResume = layout == 2;

    m_pMainFrame->ApplyStartLayout(layout);
    m_pMainFrame->RestoreWindowPlacement();
    m_pMainFrame->showMaximized();

    OpenWindows();
    ShowStartViews();

    fnSetClockErrorAdjustment(CurrentSettings().m_nSoundcardClockAdjust);
    SetComPortPtt(CurrentSettings().m_nPTTPort, CurrentSettings().m_nPTTMode);
    m_pMainFrame->ToggleSoundcard();
    // The speech engine starts with its first phrase (Speech()).
    return true;
}

void CPSK31App::OpenWindows()
{
    QMdiArea* mdi = m_pMainFrame->GetMdiArea();
    if (PskComponents().createSuperView) {
        m_pSuperView = PskComponents().createSuperView(nullptr);
        if (m_pSuperView && m_pSuperView->GetWidget()) {
            if (QMdiSubWindow* frame = m_pSuperView->CreateFrame()) {
                if (!frame->widget())
                    frame->setWidget(m_pSuperView->GetWidget());
                m_pSuperFrame = mdi->addSubWindow(frame);
            } else {
                m_pSuperFrame = mdi->addSubWindow(m_pSuperView->GetWidget());
            }
            // Shown normal for the first time, the frame opens at its view's
            // full size, not at the few pixels of a frame never shown.
            const QSize design = m_pSuperView->GetWidget()->size();
            const QSize decoration = m_pSuperFrame->size() - m_pSuperFrame->contentsRect().size();
            m_pSuperFrame->resize((design + decoration).expandedTo(m_pSuperFrame->minimumSize()));
            m_pSuperFrame->hide();
            m_pSuperView->DisableAllDspChannels();
        }
    }
    for (int n = 0; n < 4; ++n) {
        auto* frame = new CFrameRx;
        auto* form = new CFormRx;
        frame->setWidget(form);
        mdi->addSubWindow(frame);
        form->OnInitialUpdate();
        form->SetChannel(n);
        // Restored from maximised, a channel comes back at its form's full
        // size, not at the few pixels a frame has before it was ever shown.
        frame->resize(QSize(640, 420).expandedTo(frame->minimumSize()));
        frame->hide();
        frame->setWindowTitle(QString::number(n + 1));
        m_pChannelFrames[n] = frame;
        m_pMainFrame->SetChannelWindow(form, n);
        fnEnableRXChannel(n, 0);
        form->SetTxState(false, true);
    }
    auto* logFrame = new CChildFrame;
    auto* view = new CPSK31BrevioView;
    logFrame->setWidget(view);
    mdi->addSubWindow(logFrame);
    logFrame->setWindowTitle(QStringLiteral("Logfile"));
    logFrame->hide();
    view->OnInitialUpdate();
    m_pLogFrame = logFrame;
}

QList<uint32_t> CPSK31App::ViewsToShow(int nStartMode, bool* pbMaximised) const
{
    QList<uint32_t> visible;
    bool maximised = false;
    if (nStartMode == 2) {
        CRegistry registry;
        maximised = registry.GetBool(QStringLiteral("Views - Maximised"), false);
        registry.GetIntArray(QStringLiteral("Views - Visible"), visible);
    }
    while (visible.size() < 5)
        visible.append(0);
    visible = visible.mid(0, 5);
    if (nStartMode == 0)
        visible[4] = 1;
    if (nStartMode == 1)
        visible[0] = 1;
    if (pbMaximised)
        *pbMaximised = maximised;
    return visible;
}

void CPSK31App::ShowStartViews()
{
    bool maximised = false;
    const QList<uint32_t> visible = ViewsToShow(m_nStartMode, &maximised);
    int shown = 0;
    for (int entry = 4; entry >= 0; --entry) {
        if (!visible[entry])
            continue;
        QMdiSubWindow* frame = entry == 4 ? m_pSuperFrame : m_pChannelFrames[entry];
        if (!frame)
            continue;
        ToggleView(frame);
        if (maximised)
            frame->showMaximized();
        if (entry == 4 && m_pSuperView)
            m_pSuperView->StartBrowser();
        ++shown;
    }
    if (shown == 0) {
        // The Super Browser when there is one, else channel 1.
        if (m_pSuperFrame)
            m_pMainFrame->OnCommand(33490);
        else
            ToggleView(m_pChannelFrames[0]);
    }
    if (m_nStartMode != 2 && m_pMainFrame->GetMdiArea()->activeSubWindow())
        m_pMainFrame->GetMdiArea()->activeSubWindow()->showMaximized();
}

void CPSK31App::ExitInstance()
{
    fnStopSoundCard();
    platform::sleepMs(1000);
    CBaseApp::ExitInstance();
}

void CPSK31App::DestroyWindows()
{
    m_pSpeech.reset();
    delete m_pMainFrame;
    m_pMainFrame = nullptr;
    m_pLogView = nullptr;
    m_pSuperView = nullptr;
    m_pSuperFrame = nullptr;
    m_pLogFrame = nullptr;
    for (auto& frame : m_pChannelFrames)
        frame = nullptr;
}

void CPSK31App::ActivateView(int n, int nShowCommand)
{
    QMdiSubWindow* frame = GetChannelFrame(n);
    if (!frame || !m_pMainFrame)
        return;
    QMdiArea* mdi = m_pMainFrame->GetMdiArea();
    if (mdi->activeSubWindow() != frame) {
        frame->show();
        mdi->setActiveSubWindow(frame);
        if (frame->isMinimized())
            frame->showNormal();
        return;
    }
    if (frame->isMinimized())
        frame->showNormal();
    else if (frame->isMaximized())
        frame->show();
    else if (nShowCommand != -1)
        frame->show();
}

void CPSK31App::ToggleView(QMdiSubWindow* pFrame)
{
    if (!pFrame || !m_pMainFrame)
        return;
    QMdiArea* mdi = m_pMainFrame->GetMdiArea();
    QMdiSubWindow* active = mdi->activeSubWindow();
    if (active && active->isMaximized() && active->isVisible()) {
        if (pFrame != active) {
            pFrame->show();
            mdi->setActiveSubWindow(pFrame);
            pFrame->showMaximized();
            SaveViewState();
        } else {
            HideView(pFrame);
            SaveViewState();
        }
        return;
    }
    if (!pFrame->isVisible()) {
        pFrame->show();
        pFrame->showNormal();
        mdi->setActiveSubWindow(pFrame);
    } else {
        HideView(pFrame);
        SaveViewState();
    }
}

void CPSK31App::HideView(QMdiSubWindow* pFrame)
{
    if (!pFrame || !m_pMainFrame) {
        if (pFrame)
            pFrame->hide();
        return;
    }
    QMdiArea* mdi = m_pMainFrame->GetMdiArea();
    if (mdi->activeSubWindow() == pFrame) {
        // The window the operator had in front before this one comes back
        // as it was, taking over a maximised frame's state as MDI windows
        // do, never minimised: it keeps the keyboard and its commands.
        const QList<QMdiSubWindow*> history = mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
        for (auto it = history.crbegin(); it != history.crend(); ++it) {
            if (*it != pFrame && (*it)->isVisible()) {
                mdi->setActiveSubWindow(*it);
                break;
            }
        }
    }
    pFrame->hide();
}

void CPSK31App::SaveViewState()
{
    if (!m_pMainFrame)
        return;
    QMdiSubWindow* active = m_pMainFrame->GetMdiArea()->activeSubWindow();
    CRegistry registry;
    registry.WriteBool(QStringLiteral("Views - Maximised"), active && active->isMaximized() ? 1 : 0);
    QList<uint32_t> visible;
    for (QMdiSubWindow* frame : m_pChannelFrames)
        visible.append(frame && frame->isVisible() ? 1 : 0);
    visible.append(m_pSuperFrame && m_pSuperFrame->isVisible() ? 1 : 0);
    registry.WriteIntArray(QStringLiteral("Views - Visible"), visible);
}

void CPSK31App::SaveTagValues()
{
    if (m_pMainFrame)
        if (auto* tags = dynamic_cast<ITagsBar*>(m_pMainFrame->GetTagsBar()))
            tags->StorePendingValues();
}
