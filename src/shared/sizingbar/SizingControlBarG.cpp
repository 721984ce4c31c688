#include "shared/sizingbar/SizingControlBarG.h"

#include "shared/WinDraw.h"

#include <QApplication>
#include <QCursor>
#include <QFontDatabase>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

using namespace winapi;

// ---- the band widget: the dock's title bar while the bar is docked

class CGripperBand : public QWidget {
public:
    explicit CGripperBand(CSizingControlBarG* pBar) : QWidget(pBar), m_pBar(pBar)
    {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QSize sizeHint() const override { return QSize(m_pBar->m_cyGripArea, m_pBar->m_cyGripArea); }
    QSize minimumSizeHint() const override { return sizeHint(); }

    bool vertical() const { return m_pBar->features() & QDockWidget::DockWidgetVerticalTitleBar; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), toQColor(GetSysColor(COLOR_BTNFACE)));
        m_pBar->PaintGrip(&painter, rect());
    }
    void resizeEvent(QResizeEvent*) override { m_pBar->CalcClientArea(rect(), m_pBar->GetDockBarId()); }
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && overButton(e)) {
            m_bPressedOnButton = true;
            m_pBar->OnUpdateCmdUI();
            return;
        }
        e->ignore(); // the dock drags the bar by its band
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && m_bPressedOnButton) {
            m_bPressedOnButton = false;
            m_pBar->OnUpdateCmdUI();
            if (overButton(e))
                m_pBar->OnCloseButton();
            return;
        }
        e->ignore();
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        m_pBar->OnUpdateCmdUI();
        if (!m_bPressedOnButton)
            e->ignore();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        if (overButton(e))
            return;
        e->ignore(); // docking and floating by double click are the dock's
    }
    void leaveEvent(QEvent*) override { m_pBar->OnUpdateCmdUI(); }

private:
    bool overButton(QMouseEvent* e) const { return m_pBar->m_btnClose.GetRect().contains(e->position().toPoint()); }

    CSizingControlBarG* m_pBar;
    bool m_bPressedOnButton = false;
};

// ---- close button

void CBarCloseButton::Paint(QPainter* pDC) const
{
    const QRect r = GetRect();
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    if (m_bPushed)
        Draw3dRect(pDC, r, shadow, light);
    else if (m_bHot)
        Draw3dRect(pDC, r, light, shadow);
    // The close symbol: a small cross, two pixels thick, at the origin plus (2, 2).
    const QColor colour = toQColor(GetSysColor(COLOR_BTNTEXT));
    const QPoint o = m_ptOrigin + QPoint(2, 2);
    for (int i = 0; i < 6; ++i) {
        pDC->fillRect(QRect(o.x() + i, o.y() + i, 2, 1), colour);
        pDC->fillRect(QRect(o.x() + 5 - i, o.y() + i, 2, 1), colour);
    }
}

// ---- CSizingControlBarG

CSizingControlBarG::CSizingControlBarG(QWidget* pParent) : CSizingControlBar(pParent)
{
    m_pBand = new CGripperBand(this);
    m_pBand->hide();
}

CSizingControlBarG::~CSizingControlBarG() = default;

void CSizingControlBarG::UpdateDecoration()
{
    if (ShowsGripper()) {
        setFeatures(IsDockedHorizontally() ? features() | DockWidgetVerticalTitleBar
                                           : features() & ~DockWidgetVerticalTitleBar);
        if (titleBarWidget() != m_pBand)
            setTitleBarWidget(m_pBand);
        m_pBand->show();
        CalcClientArea(m_pBand->rect(), m_nDockBarId);
        m_pBand->update();
    } else {
        if (titleBarWidget() == m_pBand)
            setTitleBarWidget(nullptr);
        m_pBand->hide();
        setFeatures(features() & ~DockWidgetVerticalTitleBar);
    }
}

QRect CSizingControlBarG::CalcClientArea(const QRect& rectWindow, unsigned nDockBarId)
{
    // Here rectWindow is the band; the close button sits at the band's top
    // (bar docked at the top or bottom) or at its right end.
    if (!ShowsGripper())
        return rectWindow;
    if (nDockBarId == AFX_IDW_DOCKBAR_TOP || nDockBarId == AFX_IDW_DOCKBAR_BOTTOM)
        m_btnClose.Move(QPoint(rectWindow.x(), rectWindow.y() + 1));
    else
        m_btnClose.Move(QPoint(Right(rectWindow) - 12, rectWindow.y()));
    return rectWindow;
}

int CSizingControlBarG::NcHitTest(QPoint ptScreen) const
{
    if (!ShowsGripper() || !m_pBand->isVisible())
        return HTCLIENT;
    return m_btnClose.GetRect().contains(m_pBand->mapFromGlobal(ptScreen)) ? HTCLOSE : HTCLIENT;
}

void CSizingControlBarG::OnUpdateCmdUI()
{
    if (!ShowsGripper())
        return;
    const bool bOver = NcHitTest(QCursor::pos()) == HTCLOSE;
    const bool bDown = (QApplication::mouseButtons() & Qt::LeftButton) != 0;
    const bool bPushed = bOver && bDown;
    const bool bHot = bOver && !bDown;
    if (bPushed != m_btnClose.m_bPushed || bHot != m_btnClose.m_bHot) {
        m_btnClose.m_bPushed = bPushed;
        m_btnClose.m_bHot = bHot;
        m_pBand->update();
    }
}

void CSizingControlBarG::OnCloseButton()
{
    hide();
}

void CSizingControlBarG::PaintGrip(QPainter* pDC, const QRect& rectClient)
{
    if (!ShowsGripper())
        return;
    const QRect button = m_btnClose.GetRect();
    QRect grip;
    if (IsDockedHorizontally()) {
        grip = RectLTRB(rectClient.x() + 1, Bottom(button) + 3, rectClient.x() + 4, Bottom(rectClient) - 1);
    } else {
        grip = RectLTRB(rectClient.x() + 1, rectClient.y() + 1, button.x() - 3, rectClient.y() + 4);
    }
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    // Two raised lines side by side.
    Draw3dRect(pDC, grip, light, shadow);
    grip.translate(IsDockedHorizontally() ? QPoint(3, 0) : QPoint(0, 3));
    Draw3dRect(pDC, grip, light, shadow);
    m_btnClose.Paint(pDC);
}

// ---- CSizingControlBarCF

namespace {
bool& gradientCaptions()
{
    static bool on = true;
    return on;
}
} // namespace

bool CSizingControlBarCF::GradientCaptions()
{
    return gradientCaptions();
}

void CSizingControlBarCF::SetGradientCaptions(bool bOn)
{
    gradientCaptions() = bOn;
}

QString CSizingControlBarCF::ChooseCaptionFont(const QStringList& families)
{
    return families.contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive) ? QStringLiteral("Tahoma")
                                                                             : QStringLiteral("Arial");
}

CSizingControlBarCF::CSizingControlBarCF(QWidget* pParent)
    : CSizingControlBarG(pParent), m_strCaptionFont(ChooseCaptionFont(QFontDatabase::families()))
{
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this, [this] { OnUpdateCmdUI(); });
    // A new title shows at once.
    connect(this, &QWidget::windowTitleChanged, this, [this] {
        if (GripperWidget())
            GripperWidget()->update();
    });
}

CSizingControlBarCF::~CSizingControlBarCF()
{
    // Children going away move the focus; the bar must not hear of it any more.
    disconnect(m_focusConnection);
}

void CSizingControlBarCF::OnUpdateCmdUI()
{
    CSizingControlBarG::OnUpdateCmdUI();
    if (!ShowsGripper())
        return;
    const QWidget* focus = QApplication::focusWidget();
    const bool bInside = focus && isAncestorOf(focus);
    if (bInside != m_bFocusInside) {
        m_bFocusInside = bInside;
        GripperWidget()->update();
    }
}

void CSizingControlBarCF::PaintGrip(QPainter* pDC, const QRect& rectClient)
{
    if (!ShowsGripper())
        return;
    const QRect button = m_btnClose.GetRect();
    const bool bHorz = IsDockedHorizontally();
    QRect band;
    if (bHorz)
        band = RectLTRB(rectClient.x() - 1, Bottom(button) + 3, rectClient.x() + 11 + 1, Bottom(rectClient));
    else
        band = RectLTRB(rectClient.x(), rectClient.y() - 1, button.x() - 3, rectClient.y() + 11 + 1);
    if (IsRectEmpty(band)) {
        m_btnClose.Paint(pDC);
        return;
    }

    const COLORREF first = GetSysColor(m_bFocusInside ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    if (!GradientCaptions()) {
        FillSolidRect(pDC, band, first);
    } else {
        const COLORREF second =
            GetSysColor(m_bFocusInside ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
        auto mix = [](int a, int b, int i) { return (a * (64 - i) + b * i) >> 6; };
        const int h = band.height();
        const int w = band.width();
        for (int i = 0; i < 64; ++i) {
            const COLORREF c = RGB(mix(GetRValue(first), GetRValue(second), i),
                                   mix(GetGValue(first), GetGValue(second), i),
                                   mix(GetBValue(first), GetBValue(second), i));
            QRect step;
            if (bHorz)
                step = RectLTRB(band.x(), Bottom(band) - (((i + 1) * h) >> 6), Right(band), Bottom(band) - ((i * h) >> 6));
            else
                step = RectLTRB(band.x() + ((i * w) >> 6), band.y(), band.x() + (((i + 1) * w) >> 6), Bottom(band));
            if (!IsRectEmpty(step))
                FillSolidRect(pDC, step, c);
        }
    }

    QFont font(m_strCaptionFont);
    font.setPointSizeF(8.5);
    pDC->save();
    pDC->setClipRect(band, Qt::IntersectClip);
    pDC->setFont(font);
    pDC->setPen(toQColor(GetSysColor(m_bFocusInside ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT)));
    const int ascent = QFontMetrics(font).ascent();
    if (bHorz) {
        // The title runs upwards from the band's bottom.
        pDC->translate(band.x() - 1, Bottom(band) - 3);
        pDC->rotate(-90);
        pDC->drawText(QPoint(0, ascent), windowTitle());
    } else {
        pDC->drawText(QPoint(band.x() + 3, band.y() - 1 + ascent), windowTitle());
    }
    pDC->restore();
    m_btnClose.Paint(pDC);
}
