#pragma once
// The dialog base of both programs: anchored controls that follow the
// dialog's size, a resizable frame with a grip and remembered geometry, an
// optional toolbar along the top, a 250 ms heartbeat that updates command
// states and can post a message of the dialog's choice, and small services
// (help on F1, the discard-changes question, pseudo-disabled buttons).
#include "shared/ui/DialogGeometry.h"

#include <QBasicTimer>
#include <QDialog>
#include <QImage>
#include <QList>
#include <QMargins>
#include <QPointer>
#include <QToolBar>
#include <functional>

class QAction;

// Control ids: every control of a dialog carries its numeric id as the
// property "controlId" (remembered values are stored by it).
void SetDlgCtrlID(QWidget* pWnd, unsigned nId);
unsigned GetDlgCtrlID(const QWidget* pWnd);

// What a command-state update offers its handler.
class CCmdUI {
public:
    unsigned m_nID = 0;
    void Enable(bool bOn = true) { m_bEnabled = bOn; m_bEnableSet = true; }
    void SetCheck(int nCheck = 1) { m_nCheck = nCheck; m_bCheckSet = true; }
    bool m_bEnabled = true;
    bool m_bEnableSet = false;
    int m_nCheck = 0;
    bool m_bCheckSet = false;
};

// One button of a toolbar resource: command id (0 is a separator), its
// picture, and its prompt "status text\ntooltip". A picture name (see
// artwork::toolbarIcon) is used in place of the image when given.
struct ToolbarButton {
    unsigned nId;
    QImage image;
    QString strPrompt;
    QString strPicture = {};
};
// Toolbar resources by id; the programs register theirs at start-up.
void RegisterToolbarResource(unsigned nResourceId, const QList<ToolbarButton>& buttons);

class CBaseDialog;

class CBaseDialogToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit CBaseDialogToolBar(QWidget* parent = nullptr);
    bool LoadToolBar(unsigned nResourceId);
    // Button states from the dialog's command handlers.
    void OnUpdateCmdUI(CBaseDialog* pTarget);
    QAction* ActionFor(unsigned nId) const;
    // The tooltip of a command: the second field of its prompt.
    static QString TipFromPrompt(const QString& strPrompt);

signals:
    void command(unsigned nId);
};

class CBaseDialog : public QDialog {
    Q_OBJECT
public:
    CBaseDialog(unsigned nIDTemplate, QWidget* pParent = nullptr);
    ~CBaseDialog() override;

    // IDOK (1) or IDCANCEL (2).
    int DoModal();

    void SetAnchors(const DialogGeometry::AnchorRow* pRows, int nCount);
    void SetAnchors(const QList<DialogGeometry::AnchorRow>& rows) { SetAnchors(rows.constData(), int(rows.size())); }
    void SetNoSizeGrip();
    // A dialog whose frame does not size (the template's fixed border).
    void SetFixedFrame() { m_bResizable = false; }
    void SetPeriodicMessage(unsigned nMsg) { m_nPeriodicMessage = nMsg; }
    void SetPersistGeometry(bool bPersist) { m_bPersistGeometry = bPersist; }
    void SetRestoreAtOpen(bool bRestore) { m_bRestoreAtOpen = bRestore; }
    void SetTooltips(bool bOn) { m_bTooltips = bOn; }
    void SetSecondId(int nSecondId) { m_nSecondId = nSecondId; }

    void LoadToolbar(unsigned nResourceId, const QList<unsigned>& shiftDown, const QList<unsigned>& topDown,
                     bool bBottomBorder);
    void LoadToolbar(unsigned nResourceId, unsigned nTopDownId, bool bBottomBorder);
    bool LoadToolbarAndGrow(unsigned nResourceId, bool bBottomBorder);
    CBaseDialogToolBar* GetToolBar() const { return m_toolbar; }
    // Where the toolbar's top edge goes: below the dialog's own menu bar.
    int ToolbarTop() const;
    int GetToolbarOffset() const { return m_nToolbarOffset; }

    void RepositionControls();
    void SaveGeometry() { SaveRestoreGeometry(0); }
    void SaveRestoreGeometry(int nMode);
    bool ConfirmCancel();

    // A bitmap button shown pseudo-disabled with a tooltip.
    template <class Button>
    void PrepareButton(Button& button, const QString& strTooltip)
    {
        button.SetPseudoDisabled(true);
        button.EnableToolTip(true);
        button.SetToolTipText(strTooltip);
    }

    QWidget* GetDlgItem(unsigned nId) const;
    unsigned GetDialogId() const { return m_nIDTemplate; }
    int GetSecondId() const { return m_nSecondId; }
    QString GeometryValueName() const { return DialogGeometry::ValueName(m_nIDTemplate, m_nSecondId); }
    bool IsGeometryLoaded() const { return m_bGeometryLoaded; }
    bool IsMeasured() const { return m_bMeasured; }
    bool IsResizable() const { return m_bResizable; }
    bool HasSizeGrip() const { return m_bResizable && !m_bNoSizeGrip; }
    QSize MinimumTrackSize() const { return QSize(m_nMinWidth, m_nMinHeight); }
    const QList<DialogGeometry::AnchorEntry>& Anchors() const { return m_anchors; }

    // F1 runs the program's help contents command (the program sets it).
    static void SetHelpHandler(std::function<void()> handler);

    // Framework-style hooks.
    virtual bool OnInitDialog();
    virtual void OnOK() { done(Accepted); }
    virtual void OnCancel() { done(Rejected); }
    // A toolbar or menu command; true when handled.
    virtual bool OnCommand(unsigned nId) { return false; }
    // The state of a toolbar or menu command, asked on every heartbeat.
    virtual void OnUpdateCommand(CCmdUI& cmdUI) {}
    // One heartbeat step: command states, then the periodic message.
    void Heartbeat();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int r) override;
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool event(QEvent* event) override;

    void MeasureFrame();
    void RecordControlRects(bool bTakeWindowRect);
    void SendIdleUpdate();
    void UpdateMenuCmdUI();

private:
    // The outer rectangle: the client area with the window manager's frame
    // around it, as far as it is known (see FrameMargins).
    RECT WindowRect() const;
    RECT ClientRect() const;
    QSize ClientSize() const { return size(); }
    // What the window manager adds around the client area: this window's own
    // frame once the window manager has given it one, until then the frame
    // last seen around a dialog of the program or around its owner.
    QMargins FrameMargins() const;
    bool HasKnownFrame() const;
    // Puts the window's outer rectangle at rect (keeping the client size
    // unless bSize). The client area is what is placed, so the window system
    // and the program agree on where it is; a frame that turns out other
    // than assumed is allowed for once it is known (CheckFrame) when the
    // place must be exact (bExact: a stored rectangle).
    void PlaceWindow(const RECT& rect, bool bSize, bool bExact = true);
    void CheckFrame();
    bool CreateToolbar(unsigned nResourceId, bool bBottomBorder, bool bGrowStyle);
    void ShiftControl(unsigned nId, bool bWhole);

    bool m_bMeasured = false;
    bool m_bNoSizeGrip = false;
    bool m_bResizable = true;
    bool m_bPersistGeometry = true;
    bool m_bGeometryLoaded = false;
    bool m_bRestoreAtOpen = true;
    bool m_bTooltips = true;
    bool m_bInitialised = false;
    bool m_bClosing = false;
    QPointer<CBaseDialogToolBar> m_toolbar;
    QSize m_initialClient;
    RECT m_recordWindow;
    RECT m_initialWindow;
    QList<DialogGeometry::AnchorEntry> m_anchors;
    unsigned m_nIDTemplate;
    int m_nSecondId = 0;
    int m_nMinHeight = 0;
    int m_nMinWidth = 0;
    int m_nToolbarOffset = 0;
    int m_nFrameWidth = 0;
    int m_nCaption = 0;
    int m_nFrameHeight = 0;
    unsigned m_nPeriodicMessage = 0;
    QBasicTimer m_heartbeat; // the design's timer 1003
    QBasicTimer m_moveSave;  // the design's timer 1002
    QBasicTimer m_frameCheck;
    int m_nFrameChecks = 0;
    RECT m_placedRect;
    bool m_bPlacedSize = false;
    QMargins m_placedMargins;
    bool m_bPlacePending = false;
};
