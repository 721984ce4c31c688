#pragma once
// A self-drawn tooltip: a small top-most popup that shows a text next to the
// mouse when it rests on a registered tool (a rectangle of a child window of
// the owner), with its own timing, colours, margins, maximum width and font.
// A text with a carriage return has two parts; clicking the tip flips between
// them, a small black arrow marking the side. The owner passes its mouse and
// keyboard events to RelayEvent.
#include "shared/WinTypes.h"

#include <QBasicTimer>
#include <QFont>
#include <QMargins>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

// One registered tool.
class CToolTipInfo {
public:
    unsigned nFlags = 0;
    QPointer<QWidget> hWnd;
    unsigned nControlID = 0;
    QRect rectBounds; // in the owner's client coordinates
    int nCallback = 0; // -1: the text is asked from the owner each time
    QString strText;
    int nWidth = 0;
    COLORREF clrTextColour = 0;
    COLORREF clrBackColour = 0;
    intptr_t lParam = 0;
};

// What GetToolInfo fills and SetToolInfo reads.
struct OXTOOLINFO {
    uint32_t cbSize = 56;
    unsigned uFlags = 0;
    QWidget* hWnd = nullptr;
    unsigned uId = 0;
    QRect rect;
    bool bTextCallback = false;
    QString strText;
    intptr_t lParam = 0;
    int nWidth = 0;
    COLORREF clrTextColour = 0;
    COLORREF clrBackColour = 0;
};

// The system's tooltip colours stand for themselves in a tool.
constexpr COLORREF CLR_TIP_DEFAULT = 0xFF000000;

class CToolTipWnd : public QWidget {
    Q_OBJECT
public:
    struct TextCallback {};
    static constexpr TextCallback LPSTR_TEXTCALLBACK{};

    // Delay types.
    static constexpr int TTDT_AUTOPOP = 2;
    static constexpr int TTDT_INITIAL = 3;

    CToolTipWnd();
    ~CToolTipWnd() override;

    bool Create(QWidget* pOwner);
    QWidget* GetOwner() const { return m_pParentWnd; }

    // pRect in pWnd's client coordinates; NULL: the whole window.
    bool AddTool(QWidget* pWnd, const QString& text, const QRect* pRect = nullptr, unsigned nIDTool = 0);
    bool AddTool(QWidget* pWnd, TextCallback, const QRect* pRect = nullptr, unsigned nIDTool = 0);
    void DelTool(QWidget* pWnd, unsigned nIDTool = 0);
    void GetText(QString& text, QWidget* pWnd, unsigned nIDTool = 0);
    bool GetToolInfo(OXTOOLINFO& info, QWidget* pWnd, unsigned nIDTool = 0) const;
    void SetToolInfo(const OXTOOLINFO& info);
    // The tool of pWnd at pt (pWnd's client coordinates).
    bool HitTest(QWidget* pWnd, QPoint pt, OXTOOLINFO* pInfo) const;
    int GetToolCount() const { return int(m_arrTools.size()); }

    QMargins GetMargin() const { return m_rectMargin; }
    int GetDelayTime(int nType) const;
    void SetDelayTime(int nType, int nMilliseconds);
    int GetMaxWidth() const { return m_nMaxWidth; }
    int SetMaxWidth(int nWidth);
    COLORREF GetTipBkColour() const { return m_clrBackColour; }
    COLORREF SetTipBkColour(COLORREF clr);
    COLORREF GetTipTextColour() const { return m_clrTextColour; }
    COLORREF SetTipTextColour(COLORREF clr);
    void SetTipFont(const QFont& font, bool bRedraw = true);
    QFont GetTipFont() const { return m_font; }
    bool IsSystemFont() const { return m_bSystemFont; }
    void Activate(bool bActivate) { m_bActive = bActivate; }

    void Hide();
    // Starts the show delay over (the mouse moved to another item of a list
    // tool); a tip on show goes at once, and the next tick finds no tool.
    void RestartTimer();
    bool IsShowTimerActive() const { return m_timer1.isActive(); }
    int GetShowTimerInterval() const { return m_nShowTimerMs; }
    // Hands the owner's mouse and keyboard events to the tip.
    void RelayEvent(const QEvent* pEvent);

    // What the tip shows now (tests and painting).
    const CToolTipInfo* GetCurrentTool() const { return m_pCurrentToolTip; }
    QString GetShownText() const;
    bool IsTwoPart() const { return m_bTwoPart; }
    bool IsArrowLeft() const { return m_bArrowLeft; }

signals:
    // A tool with a callback text asks its owner; set *pText.
    void needText(unsigned nIDTool, QWidget* pToolWnd, QString* pText);

protected:
    virtual QRect PositionTip(QRect rectTip, QPoint ptScreen, const CToolTipInfo* pTool);
    virtual QRect MeasureTip(const QString& text, int nMaxWidth);

    void paintEvent(QPaintEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

public:
    // Timer ticks: 1 the initial delay, 2 the visibility poll.
    void OnTimer(int nIDEvent);

private:
    CToolTipInfo* FindToolUnder(QPoint ptScreen) const;
    CToolTipInfo* FindTool(QWidget* pWnd, unsigned nIDTool) const;
    QString GetTipText(const CToolTipInfo* pTool);
    void ShowTipAt(QPoint ptScreen, bool bArrowLeft);
    void HideWindow();
    bool IsMouseOverTip() const;
    QRect ToOwner(QWidget* pWnd, const QRect* pRect) const;
    void KillTimers();
    static QFont SystemFont();

    QPointer<QWidget> m_pParentWnd;
    QMargins m_rectMargin{2, 2, 3, 3};
    int m_nMaxWidth = 0;
    QPoint m_ptOffset{0, 20};
    QFont m_font;
    unsigned m_nTextFormat = 0x0A50;
    bool m_bSystemFont = true;
    CToolTipInfo* m_pCurrentToolTip = nullptr;
    int m_nCheckInterval = 500;
    int m_nDisplayDelay = 5000;
    int m_nDisplayTime = 0;
    int m_nInitialDelay = 500;
    bool m_bActive = true;
    bool m_bHidden = false;
    bool m_bTwoPart = false;
    bool m_bArrowLeft = false;
    COLORREF m_clrBackColour = CLR_TIP_DEFAULT;
    COLORREF m_clrTextColour = CLR_TIP_DEFAULT;
    QPointer<QWidget> m_hOldFocusWnd;
    std::vector<std::unique_ptr<CToolTipInfo>> m_arrTools;
    QBasicTimer m_timer1;
    int m_nShowTimerMs = 0;
    QBasicTimer m_timer2;
    QString m_strShown;
};
