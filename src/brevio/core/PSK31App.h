#pragma once
#include "shared/BaseApp.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QMdiSubWindow;
class QWidget;
class CFormRx;
class CMainFrame;
class CPSK31BrevioView;
class ISuperView;
class CTextToSpeech;

// The application object of the digital-mode program: start-up, the windows
// that live as long as the program, and the log printer.
class CPSK31App : public CBaseApp {
public:
    // Document templates, kept by the application itself.
    static constexpr int IDR_LOGWINDOW = 129;
    static constexpr int IDR_CHANNEL = 139;
    static constexpr int IDR_SUPERBROWSER = 187;

    CPSK31App();
    ~CPSK31App() override;

    // The start-up sequence; FALSE ends the program before its main window shows.
    bool InitInstance(const QStringList& arguments);
    void ExitInstance() override;

    // One line in the log window (dropped before the log window exists).
    static void LogPrintf(const char* pszFormat, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 1, 2)))
#endif
        ;
    static QString GetDspErrorText();
    // Opens a file or web address; reports a failure in a message box.
    bool ShellOpen(const QString& strTarget);

    void ActivateView(int n, int nShowCommand);
    void ToggleView(QMdiSubWindow* pFrame);
    void HideView(QMdiSubWindow* pFrame);
    void SaveViewState();
    void SaveTagValues();
    // Which windows to show after start-up: entries 0-3 channels 1-4, 4 the
    // Super Browser; the maximised flag comes back through the pointer.
    QList<uint32_t> ViewsToShow(int nStartMode, bool* pbMaximised) const;

    CPSK31BrevioView* GetLogView() const { return m_pLogView; }
    void SetLogView(CPSK31BrevioView* pView) { m_pLogView = pView; }
    ISuperView* GetSuperView() const { return m_pSuperView; }
    QMdiSubWindow* GetChannelFrame(int n) const { return n >= 0 && n < 4 ? m_pChannelFrames[n] : nullptr; }
    QMdiSubWindow* GetLogFrame() const { return m_pLogFrame; }
    QMdiSubWindow* GetSuperFrame() const { return m_pSuperFrame; }
    CMainFrame* GetMainFrame() const { return m_pMainFrame; }
    int GetStartMode() const { return m_nStartMode; }

    // The start-up layout dialog; tests replace it. Returns OK (1) or Cancel
    // and the chosen layout code (0 new Super Browser, 1 new classic, 2 resume).
    using StartupDialogRunner = std::function<int(CMainFrame* pFrame, int* pnLayout)>;
    void SetStartupDialogRunner(StartupDialogRunner runner) { m_startupRunner = std::move(runner); }
    // Waits of the start-up sequence (the splash time) go through the sleeper.
    static constexpr int kSplashWaitMs = 4000;

    // Where the engine library is loaded from (beside the program by default).
    void SetDspLibraryPath(const QString& strPath) { m_strDspPath = strPath; }

    // The program's speech engine, started on first use with the main frame
    // as owner of its error message.
    CTextToSpeech& Speech();
    // Says the text unless a transmission is in progress or no engine runs.
    void Speak(const QString& strText, bool bSpell, bool bPhonetic);

    // Closes and deletes the windows (tests run the sequence repeatedly).
    void DestroyWindows();

private:
    void OpenWindows();
    void ShowStartViews();

    CPSK31BrevioView* m_pLogView = nullptr;
    ISuperView* m_pSuperView = nullptr;
    QMdiSubWindow* m_pChannelFrames[4] = {};
    QMdiSubWindow* m_pLogFrame = nullptr;
    QMdiSubWindow* m_pSuperFrame = nullptr;
    CMainFrame* m_pMainFrame = nullptr;
    int m_nStartMode = 2;
    bool m_bResume = false;
    bool m_bNewClassic = false;
    bool m_bNewBrowser = false;
    StartupDialogRunner m_startupRunner;
    QString m_strDspPath;
    std::unique_ptr<CTextToSpeech> m_pSpeech;
};

CPSK31App& TheApp();
