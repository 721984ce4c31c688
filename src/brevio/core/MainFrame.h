#pragma once
#include "platform/LocalMessaging.h"
#include "brevio/core/BarLayout.h"
#include "shared/MenuAccelerators.h"
#include "shared/ui/FullScreenPlacement.h"

#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QSet>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <optional>

class QAction;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;
class CDspEvent;
class CFormRx;
class CFullScreenDialog;
class CMixerDialog;
class CModeToolBar;
class CRadioToolBar;
class CRegisteredEvent;
class CTxTextWindow;
class CVolumeDialog;
class IOptionsSheet;

// The main window of the digital-mode program: an MDI frame with the log
// window, the four channel windows and the Super Browser, its bars, the
// engine's notifications, the link to the radio program, and the timers.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Window messages between programs and from the engine.
    static constexpr uint32_t WM_USER = 0x400;
    static constexpr uint32_t WM_REMOTE_COMMAND = WM_USER + 0x42;  // 1090
    static constexpr uint32_t WM_REMOTE_LOCATOR = WM_USER + 0x43;  // 1091
    static constexpr unsigned WM_FFT_READY = WM_USER + 1000;
    static constexpr unsigned WM_DSP_CHAR = WM_USER + 1001;
    static constexpr unsigned WM_DSP_STATUS = WM_USER + 1002;
    static constexpr unsigned WM_DSP_IMD = WM_USER + 1003;
    static constexpr unsigned WM_DSP_CLOCK_ERROR = WM_USER + 1004;

    // Window identifiers of the programs it talks to.
    static QString RadioProgramClass() { return QStringLiteral("VE817-Corvane-QT9XVK-Application"); }
    static QString RavelinClass() { return QStringLiteral("RVL-QT9XVK-Application"); }
    static QString OrbiskClass() { return QStringLiteral("Orbisk-QT9XVK-Application"); }
    static QString OwnClass() { return QStringLiteral("PSK31-Brevio-QT9XVK-Application"); }
    // This program's user guide. Both programs can share one folder, so the
    // guide's name says whose it is; it lies beside the program.
    static QString GuideFileName() { return QStringLiteral("PSK31 Brevio UserGuide.html"); }

    // How long one message 1090 may take before the link counts as lost.
    static constexpr int kRemoteTimeoutMs = 2000;
    static constexpr int kCWIdLimit = 1023;  // characters of m_szCWId before its zero

    CMainFrame();
    ~CMainFrame() override;

    // Bars, status bar, docking windows, options sheet, title. FALSE when a
    // part fails.
    bool OnCreate();
    void InitialiseFrame();
    // 0 new Super Browser layout, 1 new classic layout, 2 resume.
    void ApplyStartLayout(int nStartMode);
    void RestoreWindowPlacement();
    void SaveWindowPlacement();

    QMdiArea* GetMdiArea() const { return m_pMdiArea; }
    CModeToolBar* GetModeToolBar() const { return m_pModeBar; }
    CRadioToolBar* GetRadioBar() const { return m_pRadioBar; }
    QDockWidget* GetMacrosBar() const { return m_pMacrosBar; }
    QDockWidget* GetTagsBar() const { return m_pTagsBar; }
    QDockWidget* GetDisplayBar() const { return m_pDisplayBar; }
    QToolBar* GetToolBar(int nId) const { return m_toolBars.value(nId); }
    IOptionsSheet* GetOptionsSheet() const { return m_pOptions; }

    void SetChannelWindow(CFormRx* pView, int n);
    CFormRx* GetChannelWindow(int n) const { return n >= 0 && n < 4 ? m_pFormRx[n] : nullptr; }
    int GetTxChannel() const { return m_nTxChannel; }
    void SetTxChannel(int nChannel) { m_nTxChannel = nChannel; }
    bool IsTransmitting() const { return m_bTransmitting; }
    bool IsDataFlowing() const { return m_bDataFlowing; }
    bool IsSettled() const { return m_bSettled; }
    int GetTxMode() const { return m_nTxMode; }
    bool IsClosing() const { return m_bClosing; }

    // The engine's five notifications.
    void OnFftReady();
    void OnDspChar(uintptr_t wParam, intptr_t lParam);
    void OnDspStatus(uintptr_t wParam, intptr_t lParam);
    void OnDspImd(uintptr_t wParam, intptr_t lParam);
    void OnDspClockError(uintptr_t wParam, intptr_t lParam);
    bool IsStatusSeen(int nCode) const { return nCode >= 0 && nCode < m_arrStatusSeen.size() && m_arrStatusSeen[nCode]; }
    static QString StatusText(int nCode);

    // Transmit control.
    // False when a start was refused because the radio could not be keyed.
    bool StartTransmit(bool bStart);
    // Keys the radio through the radio program when PTT goes that way, before
    // a window starts sending its text (StartTransmit then does not key it
    // again). False, and the operator told, when the radio could not be
    // keyed: nothing may be transmitted then.
    bool KeyRadioForTransmit();
    bool IsInTxDelay() const { return m_bInTxDelay; }
    void PttOn() { RadioCommand(3, 0); }
    void PttOff();
    void SetSendCWId(bool bSend);
    bool GetSendCWId() const { return m_bSendCWId; }
    void SetCWIdPending(bool bPending) { m_bCWIdPending = bPending; }
    bool IsCWIdPending() const { return m_bCWIdPending; }
    const char* GetCWIdBuffer() const { return m_szCWId; }
    // Transmit mode from the speed and the modulation.
    static int TxModeCode(int nSpeed, int nModulation);

    // The link to the radio program.
    void ProbeRadioProgram();
    void RadioCommand(int nCommand, int nArgument);
    void ActivateRadioProgram();
    uint32_t OnRadioLink(uint32_t wParam, int32_t lParam);
    void SendLocatorToOrbisk(const QString& strLocator);
    void NotifyExternalLogbook();
    bool IsRadioLinked() const { return m_bRadioLinked; }
    int GetRadioProgram() const { return m_nRadioProgram; }
    bool IsRadioAtt() const { return m_bRadioAtt; }
    bool IsRadioPreamp() const { return m_bRadioPreamp; }
    bool IsRadioNarrow() const { return m_bRadioNarrow; }
    bool IsRadioNB() const { return m_bRadioNB; }
    bool IsRadioDig() const { return m_bRadioDig; }
    // The locator's two message parameters (characters 1-4, then 5-6).
    static void LocatorParams(const QString& strLocator, uint32_t& wParam, int32_t& lParam);

    // Sound card and options.
    void StartSoundcard();
    void OnSoundcardStart();
    void ToggleSoundcard() { OnSoundcardStart(); }
    void RewindInput();
    void OnOptions(intptr_t lParam);
    void ReduceMixerLevels(int nPercent);

    // Status bar, commands, favourites, full screen.
    void OnCommand(int nCommand);
    // Enabled state and check mark of a command, as the menus show them.
    bool IsCommandEnabled(int nCommand);
    bool IsCommandChecked(int nCommand);
    // Brings every menu item and toolbar button of the frame up to the state
    // of its command; runs as a menu opens and, for the bars, every 250 ms.
    void UpdateCommandStates();
    void UpdateStatusPanes();
    QString GetPaneText(int nPane) const;
    bool IsPaneEnabled(int nPane) const;
    void ShowOptionsPage(int nPage);
    void SetFavourites(const QList<uint32_t>& freqs, const QStringList& titles);
    void GetFavourites(QList<uint32_t>& freqs, QStringList& titles) const;
    static void BuiltInFavourites(QList<uint32_t>& freqs, QStringList& titles);
    // The frequency that "Favourite Up" / "Down" tunes to from a dial frequency.
    static uint32_t NextFavourite(const QList<uint32_t>& freqs, uint32_t nDial, bool bUp);
    QMenu* GetFavouritesMenu() const { return m_pFavouritesMenu; }
    void OnFullScreen();
    bool IsFullScreen() const { return m_bFullScreen; }
    void HideToolWindows();
    void LogLocator(const QString& strLocator, const QString& strDistance, const QString& strHeading,
                    const QString& strFrequency);
    // The tool window of command 33564, 33565 or 33627 once it was made.
    QWidget* GetToolWindow(int nCommand) const { return m_toolWindows.value(nCommand); }

    void OnTimer(int nId);
    bool IsTimerActive(int nId) const;
    int TimerInterval(int nId) const;

    // The layouts of the docking windows for the channel view and the Super Browser.
    intptr_t OnBrowserActivate(intptr_t lParam);
    CBarLayout& GetBrowserLayout() { return m_layoutBrowser; }
    CBarLayout& GetChannelLayout() { return m_layoutChannels; }

    QAction* GetCommandAction(int nCommand) const { return m_commands.value(nCommand); }
    const QList<ACCEL>& GetAcceleratorTable() const { return m_accelTable; }
    // The channel window of the active MDI child, or none.
    CFormRx* GetActiveChannel() const;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void HandleDspEvent(const CDspEvent& e);
    void EndTxDelay();
    bool HandleRegistered(CRegisteredEvent* e);
    void PumpEcho(CTxTextWindow* pTx, bool bAutoStop);
    void BuildMenus();
    QAction* AddCommand(QMenu* menu, int nCommand, const QString& strText, bool bCheckable = false);
    void BuildFavouritesMenu();
    void BuildAccelerators();
    void SetTimer(int nId, int nMs, bool bSingleShot = false);
    void KillTimer(int nId);
    void ToggleBar(QWidget* pBar);
    void ToggleToolWindow(QWidget* pWindow);
    void ApplyDecodedStatus(uint32_t nWord);
    void LoseRadioLink();
    static QString RadioProgramName(int nProgram);
    // A transmission keyed through a radio program whose link was lost.
    void StopTransmissionWithoutRadio();
    // The status bar's word on such a stop goes once the next transmission starts.
    void ClearTxStopNote();
    std::optional<uint32_t> SendRemote(const QString& strClass, uint32_t nCommand, int32_t nArgument);
    void ResetSettings();
    class ISuperView* SuperView() const;
    // The Super Browser view when a command is for it, else nullptr.
    class ISuperView* CommandSuperView(int nCommand) const;

    QMdiArea* m_pMdiArea = nullptr;
    QMap<int, QToolBar*> m_toolBars;
    CRadioToolBar* m_pRadioBar = nullptr;
    CModeToolBar* m_pModeBar = nullptr;
    QDockWidget* m_pDisplayBar = nullptr;
    QDockWidget* m_pMacrosBar = nullptr;
    QDockWidget* m_pTagsBar = nullptr;
    QList<QLabel*> m_panes;
    QList<int> m_arrStatusSeen;
    QList<uint32_t> m_arrFavFreq;
    QStringList m_arrFavTitle;
    CBarLayout m_layoutBrowser;
    CBarLayout m_layoutChannels;

    CMixerDialog* m_pMixerLineIn = nullptr;
    CMixerDialog* m_pMixerMic = nullptr;
    CVolumeDialog* m_pVolumeOut = nullptr;
    CFullScreenDialog* m_pFullScreenDlg = nullptr;
    IOptionsSheet* m_pOptions = nullptr;
    QPointer<QWidget> m_pOptionsWidget;
    QMap<int, QPointer<QWidget>> m_toolWindows;

    QMap<int, QAction*> m_commands;
    // The Tx, Rx and Edit items that only a channel window carries out.
    QSet<int> m_channelCommands;
    CMenuAccelerators m_accelerators;
    QList<ACCEL> m_accelTable;
    QMenu* m_pFavouritesMenu = nullptr;
    QMenu* m_pToolbarsMenu = nullptr;
    QMap<int, QTimer*> m_timers;
    QTimer* m_pCommandUpdate = nullptr;

    int m_nSettleCount = 0;
    int m_nRadioProgram = 0;
    bool m_bSettled = true;
    bool m_bClosing = false;
    bool m_bBlink = false;
    bool m_bRadioAtt = false;
    bool m_bRadioPreamp = false;
    bool m_bRadioNarrow = false;
    bool m_bRadioNB = false;
    bool m_bRadioDig = false;
    bool m_bRadioLinked = false;
    bool m_bPttPrepared = false;  // keyed by KeyRadioForTransmit for the next start
    int m_nPttProgram = 0;        // the program that keyed the radio and has not unkeyed it
    QString m_strTxStopNote;      // why the last transmission was stopped, while the status bar shows it
    bool m_bFreqAdjust = true;
    bool m_bFullScreen = false;
    CFullScreenPlacement m_fullScreenPlacement;  // the frame before full screen
    bool m_bTransmitting = false;
    bool m_bDataFlowing = false;
    CFormRx* m_pFormRx[4] = {};
    int m_nTxChannel = 0;
    char m_szCWId[1024] = {};
    bool m_bSendCWId = true;
    bool m_bCWIdPending = false;
    int m_nTxMode = 0;

    // Engine messages held while the transmit delay runs, in arrival order.
    bool m_bInTxDelay = false;
    std::deque<std::unique_ptr<CDspEvent>> m_heldEvents;
    std::unique_ptr<platform::LocalClient> m_radioClient;
    QString m_strRadioClientClass;
};

// The application's main window (nullptr before it exists).
CMainFrame* GetMainFrame();
