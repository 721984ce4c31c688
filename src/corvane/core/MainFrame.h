#pragma once
#include "corvane/core/DocView.h"
#include "shared/MenuAccelerators.h"
#include "shared/ui/MDIClientWnd.h"

#include <QHash>
#include <QPointer>

class CCmdUI;
class QAction;
class QMenu;

// The main window of FT-817 Corvane: the multiple-document frame the front
// panel, the I/O log and the logbook open in, its menu of the commands that
// exist, the window placement and bar layout it remembers, and the close
// sequence that may power the radio off and stops the request workers.
class CMainFrame : public CMDIFrameWnd {
    Q_OBJECT
public:
    CMainFrame();
    ~CMainFrame() override;

    // Builds the window from resource 128: menu, status bar and title.
    virtual bool LoadFrame(unsigned nIDResource);
    // Places the window as stored ("Main frame", "Main frame zoomed");
    // bZoomed tells the caller to show it maximised.
    virtual void RestoreWindowPlacement(bool& bZoomed);
    virtual void SaveWindowPlacement();
    // The docking bars and the keyboard accelerators of the menu.
    virtual void CreateSelectionBar();
    virtual void CreateToolBarCombos() {}
    // "Control Bar State"; a frame with more bars (the navigator) adds theirs.
    virtual void LoadBarState();
    virtual void SaveBarState();

    // The client area draws the logo and version lines once start-up is done.
    void EnableBanner() { m_client.EnableBanner(); }
    bool IsBannerEnabled() const { return m_client.IsBannerEnabled() != 0; }
    CMDIClientWnd& GetClientWnd() { return m_client; }
    bool IsClosing() const { return m_bClosing; }

    void SetDisplayFrame(CMDIChildWnd* pFrame) { m_pDisplayFrame = pFrame; }
    CMDIChildWnd* GetDisplayFrame() const { return m_pDisplayFrame; }
    void SetIoLogFrame(CMDIChildWnd* pFrame) { m_pIoLogFrame = pFrame; }
    CMDIChildWnd* GetIoLogFrame() const { return m_pIoLogFrame; }

    // The menu item of a command, or nullptr.
    QAction* GetCommandAction(unsigned nId) const { return m_commands.value(nId); }
    const QList<ACCEL>& GetAccelerators() const { return m_accelerators; }
    // Runs a menu command: the frame's own, else the application's.
    virtual bool OnCommand(unsigned nId);
    void UpdateCommandStates();

    // Gives every command of the window's menus and toolbars its status-bar
    // prompt (commands added later get theirs at the next call).
    void ApplyPrompts();
    // The status bar's text while no prompt shows.
    static QString IdleMessage() { return QStringLiteral("Ready"); }

    // The close sequence; FALSE when the operator cancelled it.
    bool OnClose();
    // The "Closing..." question; IDOK or IDCANCEL, bPowerDown from its box.
    virtual int RunClosingDialog(bool& bPowerDown);
    // Closing has begun: other programs are answered 0 from now on, so what
    // they started on the radio and can no longer undo is undone here.
    virtual void ReleaseRemoteControl() {}

    // How long closing waits for each request worker (ms).
    static constexpr int kWorkerStopWait = 5000;

    enum Command : unsigned {
        ID_APP_EXIT = 57665,
        ID_VFO_MEMORY_ANALYZER = 33100,
    };

protected:
    void closeEvent(QCloseEvent* event) override;
    // A command's prompt while its item or button is under the mouse, and
    // "Ready" once it is not.
    bool event(QEvent* event) override;

    // For a derived frame's own menus and commands.
    QMenu* AddMenu(const QString& strTitle);
    QAction* AddCommand(QMenu* pMenu, unsigned nId, const QString& strText, bool bCheckable = false);

private:
    bool m_bClosing = false;
    CMDIClientWnd m_client;
    QHash<unsigned, QAction*> m_commands;
    QList<QMenu*> m_menus;
    QList<ACCEL> m_accelerators;
    QPointer<CMDIChildWnd> m_pDisplayFrame;
    QPointer<CMDIChildWnd> m_pIoLogFrame;
    QPointer<QWidget> m_pAnalyzer;
};

// The program's main frame, once it exists.
CMainFrame* GetMainFrame();
