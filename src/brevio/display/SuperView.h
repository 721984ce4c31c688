#pragma once
// The Super Browser: N DSP receive channels (10 .. N + 9) spread over the
// display range, each locking on to a signal of its own; the channels that
// have produced enough text are shown as boxes beside a vertical waterfall,
// joined to their frequency on its scale. Silent channels move on to other
// signals. Below the boxes an optional transmit panel answers the selected
// channel with macros and tags. One instance, in the third document
// template's frame.
#include "brevio/core/Components.h"
#include "brevio/core/ResizableFormView.h"
#include "brevio/display/BrowserPopup.h"
#include "brevio/display/SuperBrowserEngine.h"
#include "brevio/display/SuperPicture.h"
#include "platform/KeyboardKeys.h"

#include <QMap>
#include <QPointer>
#include <QTimer>
#include <functional>

class QFrame;
class QKeyEvent;
class QTreeWidgetItem;
class COXBitmapButton;
class COwnListCtrl;
class CDisplayCanvas;
class CEditableListCtrl;
class CMacro;
class CRxTextWindow;
class CSquelchBar;
class CSuperFrame;
class CTxTextWindow;

// The browser area (control 1178): its background colour and the picture.
class CSuperArea : public QWidget {
    Q_OBJECT
public:
    explicit CSuperArea(QWidget* parent = nullptr);
    void SetBackground(COLORREF colour);
    COLORREF GetBackground() const { return m_colBackground; }
    // Where the picture is shown, and the picture itself.
    void SetPicture(const QImage* pPicture, int nOffsetX);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    COLORREF m_colBackground = 0;
    const QImage* m_pPicture = nullptr;
    int m_nOffsetX = 0;
};

class CSuperView : public CResizableFormView, public ISuperView {
    Q_OBJECT
public:
    static constexpr int IDD = 400;
    static constexpr int IDR_SUPERBROWSER = 187;
    enum : int {
        IDC_AREA = 1178,
        IDC_SQUELCH = 1504,
        IDC_ALARMS = 1179,
        IDC_DEFINE_ALARMS = 144,
        IDC_RESTART = 1181,
        IDC_REFRESH = 146,
        IDC_OPTIONS = 147,
        IDC_FULL_SCREEN = 1183,
        IDC_TX_PANEL = 1182,
        IDC_SEPARATOR = 1508,
        IDC_ERASE_RX = 1197,
        IDC_LOGBOOK = 1149,
        IDC_LOCK = 1148,
        IDC_ERASE_TX = 1195,
        IDC_START = 1146,
        IDC_START_AUTOSTOP = 1145,
        IDC_STOP = 1147,
        IDC_MARK_UNSENT = 1196,
        IDC_RX = 1003,
        IDC_TX = 1057,
        IDC_MACROS = 1236,
        IDC_TAGS = 1083,
        IDC_CANVAS = 102,
    };
    static constexpr int kScaleWidth = 130;
    static constexpr int kLeftMargin = 0;

    explicit CSuperView(QWidget* parent = nullptr);
    ~CSuperView() override;

    void OnInitialUpdate();
    CSuperFrame* GetFrame() const;

    // ISuperView
    QWidget* GetWidget() override { return this; }
    void OnChannelChar(int nChar, int nChannel) override;
    void OnDspStatus(int nStatus) override;
    void OnChannelImd(int nSlot, int nReading, int nFlag) override;
    bool IsRunning() const override { return m_engine.IsRunning(); }
    bool IsAutoStop() const override { return m_bAutoStop; }
    CTxTextWindow* GetTxWindow() override { return m_pTxWindow; }
    IDisplayCanvas* GetCanvas() override;
    void DisableAllDspChannels() override { CSuperBrowserEngine::DisableAllDspChannels(); }
    void StartBrowser() override;
    void StopBrowser() override;
    void SetStatusText(const QString& strText) override;
    int GetChannelDspId(int nSlot) const override { return nSlot + CSuperBrowserEngine::kFirstDspId; }
    QString GetChannelText(int nSlot) const override;
    int GetSquelchThreshold() const override { return m_engine.GetSquelchThreshold(); }
    void SetTagValue(const QString& strTitle, const QString& strValue) override;
    QMdiSubWindow* CreateFrame() override;
    bool OnCommand(int nCommand) override;
    bool UpdateCommand(int nCommand, bool& bEnabled, bool& bChecked) override;

    // The channel engine.
    CSuperBrowserEngine& Engine() { return m_engine; }
    void StartChannels();
    void RestartBrowser();
    void SetChannelCount(int nChannels);
    int GetChannelCount() const { return m_engine.GetChannelCount(); }
    void SetSquelchThreshold(int nThreshold);
    bool IsInitialising() const { return m_engine.IsInitialising(); }
    // One second's placement and drawing, and the copy to the screen.
    void UpdateChannels();
    void BlitChannels();
    void RedrawChannel(int nIndex);
    CBrowserGeometry Geometry() const;
    const CSuperPicture& Picture() const { return m_picture; }
    void CreateChannelBitmap();
    // The searching animation's frame, -1 while it does not run.
    int GetAnimationFrame() const { return m_nFrame; }
    void ApplyOptions(bool bForce);
    void ApplyColours();
    void UpdateTitle();
    QString TitleText() const;
    // The channel box under a point of the view, -1 when none.
    int ChannelAt(const QPoint& point);
    void ActivateChannelWindow(int n);
    void OnAdvancedSelection();
    int GetClickedChannel() const { return m_nClicked; }
    void SetClickedChannel(int nIndex) { m_nClicked = nIndex; }
    void OnAlarmsButton();
    void OnDefineAlarms();
    int GetAfcLimit() const { return m_nAfc; }
    void ApplyAfc();
    void SetAfc(int nLimit);
    void OnTimer(int nId);
    bool IsTimerActive(int nId) const;

    // The transmit panel.
    bool IsTxPanelShown() const { return m_bTxPanel; }
    void ShowTxPanel();
    int GetSelectedChannel() const { return m_nSelected; }
    void SelectChannel(int nIndex);
    void AddRxChar(int nChar);
    bool IsTxLocked() const { return m_bTxLocked; }
    int GetLockedFrequency() const { return m_nLockedFrequency; }
    int GetTxFrequency() const;
    void GetImd(int& nBound, int& nValue) const;
    void StartTx();
    void ToggleAutostop();
    void StopTx();
    void ToggleTxLock();
    void RetuneSelected(int nFrequency);
    void OnMacro(int nCode, CMacro* pMacro);
    void ApplyMacro(const CMacro& macro);
    QString MacroTip(int nItem) const;
    void EditMacro();
    void FillMacroList();
    void FillTagList();
    void StoreTagValues();
    void WatchTagEdits();
    void AddToLogbook();
    void UpdatePanelButtons();
    void LayoutLowerPanel(bool bRedraw);
    void DragSplitter(const QPoint& point);
    int HoverMode(const QPoint& point) const;
    int GetDragMode() const { return m_nDragMode; }
    int GetHeightRx() const { return m_nHeightRx; }
    int GetWidthMacros() const { return m_nWidthMacros; }
    int GetWidthTags() const { return m_nWidthTags; }

    COXBitmapButton* GetButton(int nId) const { return m_buttons.value(nId); }
    CSuperArea* GetArea() const { return m_pArea; }
    CDisplayCanvas* GetDisplayCanvas() const { return m_pCanvas; }
    CSquelchBar* GetSquelchBar() const { return m_pSquelch; }
    CRxTextWindow* GetRxWindow() const { return m_pRxWindow; }
    COwnListCtrl* GetMacroList() const { return m_pMacros; }
    CEditableListCtrl* GetTagList() const { return m_pTags; }
    CBrowserPopup* GetPopup() const { return m_pPopup; }
    // While a navigation key is held the receive window keeps its place.
    bool IsNavigationKeyHeld() const { return m_navigationKeys.IsHeld(); }

    // Runs a popup menu; tests pick the entry.
    using MenuRunner = std::function<QAction*(QMenu* pMenu, const QPoint& globalPos)>;
    static void SetMenuRunner(MenuRunner runner);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool HandleRegistered(uint32_t nMsg, uintptr_t wParam, intptr_t lParam, intptr_t& result);
    void StartTimer(int nId, int nMs, bool bSingleShot);
    void StopTimer(int nId);
    void DrawPlacement(const CBrowserPlacement& placement);
    void DrawChannel(int nIndex, const RECT& box, bool bTransmit);
    void DrawSearchingFrame(bool bCopy);
    QPoint AreaOrigin() const;
    void ApplyTextFormats(bool bForce);
    void ShowPanelControls(bool bShow);
    void StretchArea();
    void OnTimer101();
    // Ctrl+digit and Ctrl+Shift+digit: the macro of that number; true when
    // the key was one of them.
    bool OnKeyShortcut(const QKeyEvent& event);
    bool IsOwnTransmission() const;
    bool IsOtherTransmission() const;
    QAction* RunMenu(QMenu* pMenu, const QPoint& globalPos);
    void ShowContextMenu(const QPoint& globalPos);
    QStringList CollectTagNames(const CMacro& macro, QStringList& values) const;

    CSuperBrowserEngine m_engine;
    CSuperPicture m_picture;
    platform::NavigationKeys m_navigationKeys;

    CSuperArea* m_pArea = nullptr;
    CSquelchBar* m_pSquelch = nullptr;
    CDisplayCanvas* m_pCanvas = nullptr;
    CRxTextWindow* m_pRxWindow = nullptr;
    CTxTextWindow* m_pTxWindow = nullptr;
    COwnListCtrl* m_pMacros = nullptr;
    CEditableListCtrl* m_pTags = nullptr;
    QFrame* m_pSeparator = nullptr;
    QMap<int, COXBitmapButton*> m_buttons;
    QMap<int, QTimer*> m_timers;
    QPointer<CBrowserPopup> m_pPopup;

    bool m_bInitialised = false;
    bool m_bTxPanel = false;
    int m_nSelected = -1;
    int m_nClicked = -1;
    int m_nAfc = 10;
    int m_nCustomAfc = 10;
    int m_nFrame = -1;
    bool m_bAutoStop = false;
    bool m_bTxLocked = false;
    int m_nLockedFrequency = 0;

    int m_nHeightRx = -1;
    int m_nWidthMacros = -1;
    int m_nWidthTags = -1;
    int m_nRowGap = 0;
    int m_nColumnGap = 0;
    int m_nHoverMode = 0;
    int m_nDragMode = 0;
    QPoint m_dragStart;
    QRect m_dragMacros;
    QRect m_dragTags;
    QRect m_dragRx;
    QRect m_dragTx;
};
