#pragma once
// A receive channel window (DSP channels 0-3, shown as 1-4): the received
// text above the transmit text, the squelch bar, phase scope and transmit
// buttons on the left; the per-channel values it remembers; the registered
// messages and commands it answers. The document/view/frame triple of the
// design: CDocRx (no data), CFormRx (this form), CFrameRx (its MDI frame).
#include "brevio/core/ResizableFormView.h"
#include "brevio/core/RxAutosave.h"
#include "brevio/core/RxTextPath.h"
#include "platform/KeyboardKeys.h"

#include <QList>
#include <QMdiSubWindow>
#include <QTimer>
#include <functional>

class QLabel;
class QStatusBar;
class COXBitmapButton;
class CColourStatic;
class CMacro;
class CRxTextWindow;
class CSquelchBar;
class CTxTextWindow;
class CVectorScope;
class CFrameRx;

class CFormRx : public CResizableFormView, private CRxTextPath::Host {
    Q_OBJECT
public:
    static constexpr int IDD = 137;
    // Control ids of the form.
    enum : int {
        IDC_RX = 1003,
        IDC_SPLITTER = 1110,
        IDC_TX = 1057,
        IDC_SQUELCH = 1002,
        IDC_SCOPE = 1009,
        IDC_START = 1146,
        IDC_START_AUTOSTOP = 1145,
        IDC_STOP = 1147,
        IDC_MARK_UNSENT = 1196,
        IDC_ERASE_TX = 1195,
        IDC_TX_PANE = 1056,
        IDC_FREQUENCY = 1006,
    };

    explicit CFormRx(QWidget* parent = nullptr);
    ~CFormRx() override;

    virtual void OnInitialUpdate();
    virtual void SetChannel(int nChannel);
    int GetChannel() const { return m_nChannel; }

    // Receive (false) or transmit (true); with bForce even when unchanged.
    virtual void SetTxState(bool bTransmit, bool bForce);
    bool IsTxState() const { return m_bTxState; }
    virtual void SetIMD(int nReading, int nFlag);
    virtual void SetClockError(int nReading);
    virtual void AutosaveText();
    void SaveChannelValues();
    void RestoreChannelValues();
    // The main frame's name for SaveChannelValues.
    virtual void SaveChannelState() { SaveChannelValues(); }

    CTxTextWindow* GetTxWindow() const { return m_pTxWindow; }
    CRxTextWindow* GetRxWindow() const { return m_pRxWindow; }
    CSquelchBar* GetSquelchBar() const { return m_pSquelch; }
    CVectorScope* GetScope() const { return m_pScope; }
    COXBitmapButton* GetButton(int nId) const;
    CRxTextPath& RxPath() { return m_path; }
    // Stop the transmission when the text is used up.
    virtual bool IsAutoStop() const { return m_bAutoStop; }
    void SetAutoStop(bool bAutoStop) { m_bAutoStop = bAutoStop; }

    int GetImd() const { return m_nImd; }
    int GetImdFlag() const { return m_nImdFlag; }
    int GetClockError() const { return m_nClockError; }
    int GetAFC() const { return m_lAFC; }
    bool IsRxScroll() const { return m_bRxScroll; }
    bool IsTxFrequencyLocked() const { return m_bTxLocked; }
    int GetTxFrequency() const { return m_nTxFrequency; }
    bool IsSettling() const { return m_bSettling; }
    bool IsTxPaneShown() const;
    int GetResizeRx() const { return m_nResizeRx; }
    int GetResizeTx() const { return m_nResizeTx; }
    const QList<int>& GetUndoDial() const { return m_undoDial; }
    const QList<int>& GetUndoAudio() const { return m_undoAudio; }

    // Receive path.
    void OnCharRdy(int nChar, int nKind) { m_path.OnCharRdy(nChar, nKind); }
    void AddString(const QString& strText, int nKind) { m_path.AddString(strText, nKind); }
    void AddChar(int nChar, int nKind);
    void FlushPending() { m_path.FlushPending(); }
    bool CanInsertNow() const override;
    bool IsLastCharVisible() const;
    void ScrollToEnd();
    void OnOptions(bool bForce);
    void OnSuperChannel(int nSlot);
    void OnEraseRx();

    // Commands of the channel (buttons, Tx and Rx menus, AFC bar).
    bool OnCommand(int nCommand);
    // Enabled and checked state of a command; false when the form has none.
    bool UpdateCommand(int nCommand, bool& bEnabled, bool& bChecked);
    void ToggleTransmit();
    void OnTransmitAutostop();
    void OnAbort();
    void OnLockFrequency();
    void OnPrevSignal();
    void OnNextSignal();
    void SetAFC(int nLimit);
    void CentreOnFilter();
    void UndoCentre();
    void OnAutoscroll();
    void OnAddCWIdent();
    void OnOpenFile();
    void OnTag(int nRow);
    void OnBeacon();
    void BeaconSend(bool bStart, const QString& strText);
    void OnSaveRtf();
    void OnOpenRtf();
    void OnLogbookEntry();
    void OnSelectMacro();
    void OnToggleTxPane();
    // Makes sure the transmit pane is shown.
    void ShowTxPane();
    void LayoutPanes();
    // No insertion for a second after the window moved or changed size.
    void Settle();

    // Macros: an action code of nMsgMacro, or a macro (codes 5 and 6).
    void OnMacro(int nCode, const CMacro* pMacro);
    void ApplyMacro(const CMacro& macro);

    // Next and previous signal from f within min..max; peak(start, limit)
    // finds a peak from start towards limit (start when none).
    static int PrevSignal(int f, int nMin, int nMax, const std::function<int(int, int)>& peak);
    static int NextSignal(int f, int nMin, int nMax, const std::function<int(int, int)>& peak);
    // Filter centring: the dial and audio frequency that keep the signal on
    // air with the audio at the centre (the dial a multiple of 10 Hz).
    static void CentreFrequencies(int nDial, int nAudio, int nCentre, int& nNewDial, int& nNewAudio);

    // Per-channel value names.
    static QString ControlValueName(int nControlId, int nChannel);
    static QString MemberValueName(const char* pszMember, int nChannel);

    // The frame title for the timer's cycle.
    QString BuildTitle() const;
    // The radio-based text of an audio frequency ("" without a dial frequency
    // or without the real-frequency option).
    static QString RealFrequencyText(int nAudio);

    void OnTimer(int nId);
    bool IsTimerActive(int nId) const;
    // Navigation keys and mouse buttons held in the text windows (insertion waits).
    void SetInputHeldForTest(bool bHeld) { m_bHeldForTest = bHeld; }

    CFrameRx* GetFrame() const;

signals:
    void TitleChanged(const QString& strTitle);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool SelectMacroByKey(const QKeyEvent& event);

    // CRxTextPath::Host
    bool IsTransmittingHere() const override;
    void BeforeChange() override;
    void RestartQueueTimer() override;
    void StopQueueTimer() override;
    void AfterAppend() override;
    int ReplaceEmoticon(const QString& strRecent) override;
    void SendLocatorToOrbisk(const QString& strLocator) override;
    void LogLocator(const QString& strLocator, const QString& strDistance, const QString& strHeading,
                    const QString& strFrequency) override;
    QString LocatorFrequencyText() const override;

    bool HandleRegistered(uint32_t nMsg, uintptr_t wParam, intptr_t lParam, intptr_t& result);
    void StartTimer(int nId, int nMs);
    void StopTimer(int nId);
    void ClearReadings();
    void StartTransmitting(bool bAutostop);
    void SetFrameMessage(const QString& strText);
    void RememberFrequency(int nHz);
    bool IsTransmittingOnThis() const;
    bool IsMainTransmitting() const;
    int MainTxChannel() const;
    void UpdateButtons();
    void SplitterDrag(int y);
    QString TimeTextNow() const;

    CRxTextWindow* m_pRxWindow = nullptr;
    CTxTextWindow* m_pTxWindow = nullptr;
    CColourStatic* m_pSplitter = nullptr;
    CSquelchBar* m_pSquelch = nullptr;
    CVectorScope* m_pScope = nullptr;
    QList<COXBitmapButton*> m_buttons;
    CRxTextPath m_path;
    CRxAutosave m_autosave;
    QTimer m_timers[6];

    bool m_bAutoStop = false;
    bool m_bVisible = false;
    bool m_bDragging = false;
    bool m_bSettling = false;
    int m_nImdFlag = 0;
    bool m_bTxLocked = false;
    int m_lAFC = 25;
    int m_nChannel = -1;
    int m_nImd = 0;
    int m_nClockError = 0;
    int m_nTxFrequency = 0;
    int m_nSplitterGap = 0;
    int m_nResizeRx = 2;
    int m_nResizeTx = 1;
    QString m_strRtfFile;
    bool m_bRxScroll = true;
    bool m_bTxState = false;
    int m_nDragY = 0;
    QList<int> m_undoDial;
    QList<int> m_undoAudio;
    bool m_bInitialised = false;

    // Selection and view noted before an insertion.
    int m_nSelStart = 0;
    int m_nSelEnd = 0;
    int m_nOldLength = 0;
    bool m_bLastVisible = false;
    bool m_bHeldForTest = false;
    platform::NavigationKeys m_navigationKeys;
};

class CDocRx {
public:
    virtual ~CDocRx() = default;
};

// The MDI frame of a channel window: its status bar of six panes; its close
// button hides it.
class CFrameRx : public QMdiSubWindow {
    Q_OBJECT
public:
    // Status panes after the message pane.
    static constexpr int kPaneIds[6] = {0, 106, 108, 166, 126, 127};

    explicit CFrameRx(QWidget* parent = nullptr);
    ~CFrameRx() override;

    void SetChannel(int nChannel) { m_nChannel = nChannel; }
    int GetChannel() const { return m_nChannel; }
    void SetTxState(int nState);
    void SetStatusText(const QString& strText);
    void SetMessageText(const QString& strText) { SetStatusText(strText); }
    QString GetStatusText() const;
    void SetMinTrackSize(const QSize& size);
    void ShowStatusBar(bool bShow);
    bool IsStatusBarShown() const;
    QStatusBar* GetStatusBar() const { return m_pStatusBar; }

    // The text and enabled state of a pane (by its id) as the next update shows them.
    QString PaneText(int nId) const;
    bool IsPaneEnabled(int nId) const;
    void UpdatePanes();
    bool GetBlink() const { return m_bBlink; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    CFormRx* Form() const;
    void PlaceStatusBar();

    QStatusBar* m_pStatusBar = nullptr;
    QWidget* m_pHolder = nullptr;
    QList<QLabel*> m_panes;
    QTimer m_blinkTimer;
    bool m_bBlink = false;
    int m_nTxStateShown = 1;
    int m_nChannel = -1;
    QSize m_minTrack;
};
