#pragma once
// A strip that scrolls a row of items from right to left without end: texts
// in a large font and pictures, each after a gap and, where a logo fits,
// after the logo; one item can show the current date and time.
#include <QBasicTimer>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class CMarquee : public QWidget {
    Q_OBJECT
public:
    CMarquee();
    ~CMarquee() override;

    // Becomes a child over the parent's whole client area (control 106,
    // name "Marquee"), builds the strip and shows itself.
    bool Create(QWidget* pParent);

    void SetItems(const QStringList& items, bool bRebuild);
    void SetItems(const QString& strItem, bool bRebuild) { SetItems(QStringList{strItem}, bRebuild); }
    void SetBackgroundColour(int r, int g, int b, bool bRebuild);
    void SetTextColour(int r, int g, int b, bool bRebuild);
    void UseHighlightColours(bool bRebuild);
    void SetPeriod(int nMilliseconds);
    void SetNotify(QWidget* pWnd, unsigned nMsg);
    void Resize(const QRect& rect, bool bRebuild);
    // The host's size hook: fills the host again and rebuilds.
    void OnHostSize(int cx, int cy);
    // The appearance message: highlight colours again (white on black when
    // they cannot be told apart), the default period, a rebuild.
    intptr_t OnAppearance();

    // One scrolling step (the timer's work).
    void ScrollStep();

    bool IsBuilt() const { return m_bBuilt; }
    int GetPeriod() const { return m_nPeriod; }
    int GetClockItem() const { return m_nClockItem; }
    int GetCurrentItem() const { return m_nCurrentItem; }
    int GetColumn() const { return m_nColumn; }
    bool HasLogo() const { return m_bHasLogo; }
    bool IsTimerActive() const { return m_timer.isActive(); }
    QRgb BackgroundColour() const { return qRgb(m_bg[0], m_bg[1], m_bg[2]); }
    QRgb TextColour() const { return qRgb(m_fg[0], m_fg[1], m_fg[2]); }
    const QStringList& Items() const { return m_items; }
    const QImage& ItemImage(int i) const { return m_itemImages[i]; }
    const QImage& Strip() const { return m_strip; }

    static unsigned AppearanceMessage();

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Build();
    void RenderItem(int i);
    void FillStrip();
    QString ClockText() const;

    bool m_bNotify = false;
    bool m_bBuilt = false;
    bool m_bHasLogo = false;
    int m_bg[3] = {0, 0, 0};
    int m_fg[3] = {0, 0, 0};
    int m_nStripHeight = 0;
    int m_nStripWidth = 0;
    int m_nColumn = 0;
    int m_nPeriod = 20;
    int m_nStep = 1;
    int m_nCurrentItem = 0;
    int m_nClockItem = 1;
    unsigned m_nNotifyMessage = 0;
    QList<QImage> m_itemImages;
    QImage m_strip;
    QImage m_logo;
    QFont m_font;
    QPointer<QWidget> m_pParent;
    QPointer<QWidget> m_pNotify;
    QList<int> m_logos{347};
    QStringList m_items;
    QSize m_gap;
    QBasicTimer m_timer; // the design's timer 100
};
