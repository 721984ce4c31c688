#pragma once
// The main window of FT-817 Corvane as the front-panel subsystem completes
// it: the main toolbar with the tuning-step list, the Quick Save toolbar,
// the program's tool windows, full screen, the remote commands of other
// programs (message 1090), the screen-saver timer and the commands that act
// on the radio and on the front panel.
#include "corvane/core/MainFrame.h"
#include "corvane/frontpanel/RemoteCommand.h"
#include "shared/ui/FullScreenPlacement.h"

#include <QBasicTimer>
#include <QFont>
#include <QMap>
#include <QPointer>
#include <QRect>
#include <functional>
#include <memory>

class CCmdUI;
class CDisplayView;
class CFullScreenDialog;
class CSelectionBar;
class COwnComboBox;
class CTransverterDisplay;
class QLabel;
class QToolBar;

class CRadioMainFrame : public CMainFrame {
    Q_OBJECT
public:
    enum Command : unsigned {
        ID_VIEW_SELECTION = 32775,
        ID_VIEW_SMETER_HISTORY = 32916,
        ID_VIEW_QUICK_SAVE = 33018,
        ID_VIEW_LOGBOOK_TOOLBAR = 33027,
        ID_SIZE_SMALL = 33048,
        ID_SIZE_MEDIUM = 33049,
        ID_SIZE_LARGE = 33050,
        ID_COLOUR_SCHEMES = 33053,
        ID_FULL_SCREEN = 33042,
        ID_FAVOURITES_ADD = 32776,
        ID_FAVOURITES_MARKERS = 33063,
        ID_FAVOURITES_DISPLAY = 32938,
        ID_BANDS_DISPLAY = 32939,
        ID_MEMORY_DISPLAY = 32940,
        ID_BANDS_MANAGER = 32925,
        ID_MEMORY_MANAGER = 32811,
        ID_MEMORY_SAVE = 32774,
        ID_MEMORY_RELOAD = 32847,
        ID_MEMORY_ANALYSER = 32787,
        ID_MEMORY_BROWSER = 32782,
        ID_SCAN_BAND = 32794,
        ID_SCAN_MEMORY = 32796,
        ID_SCAN_STOP = 33022,
        ID_DESKTOP_ICON = 32987,
        ID_CALIBRATION = 32790,
        ID_CLONE_SAVE = 33061,
        ID_CLONE_LOAD = 33062,
        ID_CW_SETTINGS = 32912,
        ID_CW_SPEED = 32993,
        ID_DX_CLUSTER = 32994,
        ID_ENTER_FREQUENCY = 32858,
        ID_FST = 32966,
        ID_LOCK = 32876,
        ID_PSK31 = 33041,
        ID_TRANSMIT = 32877,
        ID_TRANSVERTER = 32992,
        ID_VOLUME = 32910,
        ID_MENU_MANAGER = 32802,
        ID_PROGRAM_OPTIONS = 32809,
        ID_SPEECH_OPTIONS = 33069,
        ID_SPEECH_FREQUENCY = 33064,
        ID_SPEECH_FREQUENCY_MODE = 33065,
        ID_SPEECH_AUTO = 33066,
        ID_SPEECH_FULL = 33067,
        ID_SPEECH_OUT_OF_BAND = 33068,
        ID_SPEECH_READER = 33542,
        ID_SPEECH_TTS = 33543,
        ID_LOGBOOK_ADD = 33026,
        ID_RADIO_DISPLAY = 33029,
        ID_LOGBOOK_DISPLAY = 33030,
        ID_IOLOG_DISPLAY = 33032,
        ID_UNDO = 32812,
        ID_REDO = 32813,
        ID_FINE_TUNING = 32922,
        ID_REPEATER = 32898,
        ID_STEP_COMBO = 32884,
        ID_STEP_LABEL = 32885,
    };
    static constexpr int kScreenSaverTimerMs = 60000;  // timer 101

    // A modeless window of another part of the program, made on first use.
    struct ToolWindow {
        std::function<QWidget*(CRadioMainFrame*)> create;
        // Run before a hidden window is shown again (a scan window rereads its state).
        std::function<void(QWidget*)> beforeShow;
        bool bCloseByPost = false;  // its command closes it rather than hiding it
        bool bNeverHide = false;    // its command only brings it forward
    };
    // Other parts register their windows and modal commands here before the
    // frame is made; the frame keeps the toggling, ticking and exclusion rules.
    // An empty registration removes one.
    static void RegisterToolWindow(unsigned nId, ToolWindow window);
    static void RegisterModalCommand(unsigned nId, std::function<void(CRadioMainFrame*)> run);
    // The state of a command of another part (enabled, ticked); run with the
    // frame's own rules on every command update.
    static void RegisterCommandUpdate(unsigned nId, std::function<void(CCmdUI&)> update);
    // The docking "Selection" bar (the navigator), made by CreateSelectionBar.
    static void SetSelectionBarFactory(std::function<CSelectionBar*(CRadioMainFrame*)> create);

    CRadioMainFrame();
    ~CRadioMainFrame() override;

    bool LoadFrame(unsigned nIDResource) override;
    void CreateSelectionBar() override;
    void SaveBarState() override;
    void CreateToolBarCombos() override;
    bool OnCommand(unsigned nId) override;
    void OnUpdateCommand(CCmdUI& cmdUI);
    void UpdateFrameCommands();

    // Message 1090 from another program.
    uint32_t OnRemoteCommand(uint32_t wParam, int32_t lParam);
    CRemoteCommand& GetRemoteCommand() { return *m_remote; }
    void ReleaseRemoteControl() override;

    COwnComboBox* GetStepCombo();
    QToolBar* GetMainToolBar() const { return m_pToolBar; }
    QToolBar* GetQuickSaveBar() const { return m_pQuickSaveBar; }
    // The logbook toolbar (hidden at start); View > Logbook Toolbar shows it.
    QToolBar* GetLogbookBar() const { return m_pLogbookBar; }
    CSelectionBar* GetNavigatorBar() const { return m_pSelectionBar; }
    void ToggleQuickSaveBar();
    // The front panel's frequency after every poll, for the transverter window.
    void UpdateTransverterDisplay(uint32_t nHz);
    void SetTransverterFrequency(uint32_t nHz) { UpdateTransverterDisplay(nHz); }
    void EnterFrequency(int nDigit);

    // Full screen: the MDI area covers the screen; the dialog ends it.
    void FullScreenOn();
    void OnExitFullScreen();
    bool IsFullScreen() const;
    QRect GetSavedRect() const { return m_placement.GetSavedRect(); }
    // A screen size other than the window's own (tests).
    static void SetScreenSizeForTesting(QSize size);

    QWidget* GetToolWindow(unsigned nId) const { return m_toolWindows.value(nId); }
    CTransverterDisplay* GetTransverterDisplay() const;
    CFullScreenDialog* GetFullScreenDialog() const;
    bool IsMixerFound() const { return m_bMixerFound; }
    // Writes the desktop launcher; FALSE when a step failed (silently).
    bool AddDesktopIcon(const QString& strDesktopFolder);
    // The screen-saver timer's step; TRUE when it restarted the idle count.
    bool OnScreenSaverTimer();
    static void SetScreenSaverResetter(std::function<void()> reset);

protected:
    bool event(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBars();
    QAction* Command(QMenu* pMenu, unsigned nId, const QString& strText, bool bCheckable = false);
    bool IsAvailable(unsigned nId) const;
    void ToggleToolWindow(unsigned nId);
    // The table keys of a window's command, given to the window itself.
    void GiveToggleKeys(QWidget* pWindow, unsigned nId);
    void SetButtonSize(int nSize);
    void ActivateChild(CMDIChildWnd* pFrame);
    void StartDigitalModeProgram();
    void ActivateWindow();

    std::unique_ptr<CRemoteCommand> m_remote;
    QToolBar* m_pToolBar = nullptr;
    QToolBar* m_pQuickSaveBar = nullptr;
    QToolBar* m_pLogbookBar = nullptr;
    QPointer<COwnComboBox> m_pStepCombo;
    QPointer<QLabel> m_pStepLabel;
    QFont m_toolbarFont;
    CFullScreenPlacement m_placement;
    bool m_bMixerFound = false;
    QString m_strAddFaveFolder;
    QMap<unsigned, QPointer<QWidget>> m_toolWindows;
    QMap<unsigned, QAction*> m_toolbarButtons;
    QMap<unsigned, QAction*> m_viewActions;
    QMap<unsigned, QAction*> m_logbookButtons;
    QPointer<CFullScreenDialog> m_pFullScreen;
    CSelectionBar* m_pSelectionBar = nullptr;
    QBasicTimer m_screenSaverTimer;
};

// Makes CRadioMainFrame the program's main frame, registers the I/O log and
// the stress test with the application and points the amateur-band test at
// the band-plan options; the program calls it before its start-up.
void InstallMainFrame();
// The "Stress Test" dialog on the current front panel.
void RunStressTest(QWidget* pParent);
