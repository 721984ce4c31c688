#pragma once
// A dockable bar whose size the user changes by dragging its edges. Docking,
// rows and edge dragging are the main window's; this class keeps the bar's
// sizes per docking orientation (and floating), answers them as its size
// hint, and stores and restores them in the profile under "<name>-SCBar-<id>".
#include <QDockWidget>
#include <QSize>
#include <cstdint>

class QMainWindow;
class QPainter;

// Bar style bits.
constexpr uint32_t SZB_LEFT_EDGE = 0x01;
constexpr uint32_t SZB_RIGHT_EDGE = 0x02;
constexpr uint32_t SZB_TOP_EDGE = 0x04;
constexpr uint32_t SZB_BOTTOM_EDGE = 0x08;
constexpr uint32_t SZB_EDGES = 0x0F;
constexpr uint32_t SZB_DRAW_EDGES = 0x10;
constexpr uint32_t SZB_FIT_CHILD = 0x20;

// Dock bar ids naming the docking side.
constexpr unsigned AFX_IDW_DOCKBAR_TOP = 0xE81B;
constexpr unsigned AFX_IDW_DOCKBAR_LEFT = 0xE81C;
constexpr unsigned AFX_IDW_DOCKBAR_RIGHT = 0xE81D;
constexpr unsigned AFX_IDW_DOCKBAR_BOTTOM = 0xE81E;
constexpr unsigned AFX_IDW_DOCKBAR_FLOAT = 0xE81F;

// Control-bar style bits kept by Create.
constexpr uint32_t CBRS_ALL = 0x0040FFFF;

// Layout modes of CalcDynamicLayout.
constexpr uint32_t LM_STRETCH = 0x01;
constexpr uint32_t LM_HORZ = 0x02;
constexpr uint32_t LM_MRUWIDTH = 0x04;
constexpr uint32_t LM_HORZDOCK = 0x08;
constexpr uint32_t LM_VERTDOCK = 0x10;
constexpr uint32_t LM_LENGTHY = 0x20;
constexpr uint32_t LM_COMMIT = 0x40;

class CSizingControlBar : public QDockWidget {
    Q_OBJECT
public:
    explicit CSizingControlBar(QWidget* pParent = nullptr);
    ~CSizingControlBar() override;

    virtual bool Create(const QString& title, QMainWindow* pParentWnd, unsigned nID, uint32_t dwStyle = 0);
    virtual bool Create(const QString& title, QMainWindow* pParentWnd, QSize sizeDefault, bool bHasGripper,
                        unsigned nID, uint32_t dwStyle = 0);
    unsigned GetDlgCtrlID() const { return m_nID; }

    uint32_t GetBarStyle() const { return m_dwBarStyle; }
    void SetBarStyle(uint32_t dwStyle) { m_dwBarStyle = dwStyle & ~SZB_EDGES; }

    bool IsFloatingBar() const;
    bool IsDockedHorizontally() const;
    bool IsDockedVertically() const;
    unsigned GetDockBarId() const { return m_nDockBarId; }

    virtual QSize CalcFixedLayout(bool bStretch, bool bHorz);
    virtual QSize CalcDynamicLayout(int nLength, uint32_t nMode);

    // Profile section "<name>-SCBar-<id>", values sizeHorzCX … sizeFloatCY.
    static QString ProfileSection(const QString& strProfileName, unsigned nID);
    virtual void RestoreSizes(const QString& strProfileName);
    virtual void StoreSizes(const QString& strProfileName);
    static void RestoreAllSizes(QMainWindow* pFrame, const QString& strProfileName);
    static void StoreAllSizes(QMainWindow* pFrame, const QString& strProfileName);

    // Sizes per orientation: horizontal (top/bottom), vertical (left/right), floating.
    QSize m_sizeHorz{200, 200};
    QSize m_sizeVert{200, 200};
    QSize m_sizeFloat{200, 200};
    QSize m_sizeMinHorz{33, 32};
    QSize m_sizeMinVert{33, 32};
    QSize m_sizeMinFloat{37, 32};

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The size the bar keeps for the side it is on (the user's last sizing,
    // not what a small main window left it), and setting it there.
    QSize GetDockedSize() const;
    void SetDockedSize(const QSize& size);

    // Called to refresh hover and focus feedback of the bar's decoration.
    virtual void OnUpdateCmdUI();
    // Draws the decoration band of derived classes into rect (title-bar coordinates).
    virtual void PaintGrip(QPainter* pDC, const QRect& rectClient);
    // The area left for the bar's window once its decoration is taken off.
    virtual QRect CalcClientArea(const QRect& rectWindow, unsigned nDockBarId);

protected:
    // Refreshes the decoration for the docking side; floating bars show the frame's own caption.
    virtual void UpdateDecoration();
    // Gives the bar its remembered size for the side it is on.
    void ApplySize();

    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    uint32_t m_dwBarStyle = 0;
    unsigned m_nDockBarId = 0;
    int m_cxEdge = 5;
    unsigned m_nID = 0;
    uint32_t m_dwStyle = 0;

private:
    void OnDockChanged();
    QSize& CurrentSize();
    QSize CurrentMinimum() const;
    QMainWindow* mainWindow() const;
    // Set while the bar's own sizing or the main window's resizing moves the
    // bar, until the main window's layout has followed.
    bool m_bApplyingSize = false;
    bool m_bFrameResizing = false;
    bool m_bFrameFollowUp = false;
    QMainWindow* m_pWatchedFrame = nullptr;
};
