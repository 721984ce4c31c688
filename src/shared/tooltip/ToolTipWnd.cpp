#include "shared/tooltip/ToolTipWnd.h"

#include "shared/WinDraw.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

using namespace winapi;

CToolTipWnd::CToolTipWnd()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_font = SystemFont();
}

CToolTipWnd::~CToolTipWnd()
{
    KillTimers();
}

QFont CToolTipWnd::SystemFont()
{
    return QToolTip::font();
}

bool CToolTipWnd::Create(QWidget* pOwner)
{
    if (!pOwner)
        return false;
    m_pParentWnd = pOwner;
    setGeometry(0, 0, 10, 10);
    SetTipFont(SystemFont(), false);
    return true;
}

QRect CToolTipWnd::ToOwner(QWidget* pWnd, const QRect* pRect) const
{
    const QRect r = pRect ? *pRect : pWnd->rect();
    if (!m_pParentWnd)
        return r;
    if (pWnd == m_pParentWnd)
        return r;
    if (m_pParentWnd->isAncestorOf(pWnd))
        return QRect(pWnd->mapTo(m_pParentWnd, r.topLeft()), r.size());
    return QRect(m_pParentWnd->mapFromGlobal(pWnd->mapToGlobal(r.topLeft())), r.size());
}

bool CToolTipWnd::AddTool(QWidget* pWnd, const QString& text, const QRect* pRect, unsigned nIDTool)
{
    if (!pWnd)
        return false;
    auto tool = std::make_unique<CToolTipInfo>();
    tool->hWnd = pWnd;
    tool->nControlID = nIDTool;
    tool->rectBounds = ToOwner(pWnd, pRect);
    tool->nCallback = 0;
    tool->strText = text;
    tool->nWidth = m_nMaxWidth;
    tool->clrTextColour = m_clrTextColour;
    tool->clrBackColour = m_clrBackColour;
    m_arrTools.push_back(std::move(tool));
    return true;
}

bool CToolTipWnd::AddTool(QWidget* pWnd, TextCallback, const QRect* pRect, unsigned nIDTool)
{
    if (!AddTool(pWnd, QString(), pRect, nIDTool))
        return false;
    m_arrTools.back()->nCallback = -1;
    return true;
}

void CToolTipWnd::DelTool(QWidget* pWnd, unsigned nIDTool)
{
    for (auto it = m_arrTools.begin(); it != m_arrTools.end();) {
        if ((*it)->hWnd == pWnd && (*it)->nControlID == nIDTool) {
            if (it->get() == m_pCurrentToolTip) {
                HideWindow();
                m_pCurrentToolTip = nullptr;
            }
            it = m_arrTools.erase(it);
        } else {
            ++it;
        }
    }
}

CToolTipInfo* CToolTipWnd::FindTool(QWidget* pWnd, unsigned nIDTool) const
{
    for (const auto& tool : m_arrTools) {
        if (tool->hWnd == pWnd && tool->nControlID == nIDTool)
            return tool.get();
    }
    return nullptr;
}

void CToolTipWnd::GetText(QString& text, QWidget* pWnd, unsigned nIDTool)
{
    if (const CToolTipInfo* tool = FindTool(pWnd, nIDTool))
        text = GetTipText(tool);
}

bool CToolTipWnd::GetToolInfo(OXTOOLINFO& info, QWidget* pWnd, unsigned nIDTool) const
{
    const CToolTipInfo* tool = FindTool(pWnd, nIDTool);
    if (!tool)
        return false;
    info.cbSize = 56;
    info.uFlags = tool->nFlags;
    info.hWnd = tool->hWnd;
    info.uId = tool->nControlID;
    info.rect = tool->rectBounds;
    info.bTextCallback = tool->nCallback == -1;
    info.strText = tool->strText;
    info.lParam = tool->lParam;
    info.nWidth = tool->nWidth;
    info.clrTextColour = tool->clrTextColour;
    info.clrBackColour = tool->clrBackColour;
    return true;
}

void CToolTipWnd::SetToolInfo(const OXTOOLINFO& info)
{
    CToolTipInfo* tool = FindTool(info.hWnd, info.uId);
    if (!tool)
        return;
    tool->nFlags = info.uFlags;
    tool->rectBounds = info.rect;
    tool->nCallback = info.bTextCallback ? -1 : 0;
    tool->strText = info.strText;
    tool->lParam = info.lParam;
    tool->nWidth = info.nWidth;
    tool->clrTextColour = info.clrTextColour;
    tool->clrBackColour = info.clrBackColour;
}

bool CToolTipWnd::HitTest(QWidget* pWnd, QPoint pt, OXTOOLINFO* pInfo) const
{
    if (!pWnd || !m_pParentWnd)
        return false;
    const QPoint inOwner = ToOwner(pWnd, nullptr).topLeft() + pt;
    for (const auto& tool : m_arrTools) {
        if (tool->hWnd == pWnd && tool->rectBounds.contains(inOwner)) {
            if (pInfo)
                GetToolInfo(*pInfo, pWnd, tool->nControlID);
            return true;
        }
    }
    return false;
}

int CToolTipWnd::GetDelayTime(int nType) const
{
    if (nType == TTDT_AUTOPOP)
        return m_nDisplayDelay;
    if (nType == TTDT_INITIAL)
        return m_nInitialDelay;
    return 0;
}

void CToolTipWnd::SetDelayTime(int nType, int nMilliseconds)
{
    if (nType == TTDT_AUTOPOP)
        m_nDisplayDelay = nMilliseconds;
    else if (nType == TTDT_INITIAL)
        m_nInitialDelay = nMilliseconds;
}

int CToolTipWnd::SetMaxWidth(int nWidth)
{
    const int previous = m_nMaxWidth;
    for (auto& tool : m_arrTools) {
        if (tool->nWidth == previous)
            tool->nWidth = nWidth;
    }
    m_nMaxWidth = nWidth;
    return previous;
}

COLORREF CToolTipWnd::SetTipBkColour(COLORREF clr)
{
    const COLORREF previous = m_clrBackColour;
    for (auto& tool : m_arrTools) {
        if (tool->clrBackColour == previous)
            tool->clrBackColour = clr;
    }
    m_clrBackColour = clr;
    return previous;
}

COLORREF CToolTipWnd::SetTipTextColour(COLORREF clr)
{
    const COLORREF previous = m_clrTextColour;
    for (auto& tool : m_arrTools) {
        if (tool->clrTextColour == previous)
            tool->clrTextColour = clr;
    }
    m_clrTextColour = clr;
    return previous;
}

void CToolTipWnd::SetTipFont(const QFont& font, bool bRedraw)
{
    m_font = font;
    const QFont system = SystemFont();
    m_bSystemFont = font.pointSizeF() == system.pointSizeF() && font.pixelSize() == system.pixelSize() &&
                    font.weight() == system.weight() && font.italic() == system.italic() &&
                    font.family() == system.family();
    if (bRedraw)
        update();
}

void CToolTipWnd::changeEvent(QEvent* e)
{
    // A changed system font reaches a tip that follows it.
    if (e->type() == QEvent::ApplicationFontChange && m_bSystemFont)
        SetTipFont(SystemFont(), true);
    QWidget::changeEvent(e);
}

void CToolTipWnd::KillTimers()
{
    m_timer1.stop();
    m_timer2.stop();
}

void CToolTipWnd::HideWindow()
{
    QWidget::hide();
}

void CToolTipWnd::Hide()
{
    HideWindow();
    m_bHidden = true;
}

bool CToolTipWnd::IsMouseOverTip() const
{
    return isVisible() && geometry().contains(QCursor::pos());
}

CToolTipInfo* CToolTipWnd::FindToolUnder(QPoint ptScreen) const
{
    if (!m_pParentWnd)
        return nullptr;
    QWidget* pUnder = QApplication::widgetAt(ptScreen);
    // Nothing for the owner itself or for windows outside it.
    if (!pUnder || pUnder == m_pParentWnd || !m_pParentWnd->isAncestorOf(pUnder))
        return nullptr;
    const QPoint inOwner = m_pParentWnd->mapFromGlobal(ptScreen);
    for (const auto& tool : m_arrTools) {
        if (!tool->hWnd)
            continue;
        if (tool->hWnd == pUnder || tool->hWnd->isAncestorOf(pUnder))
            return tool->rectBounds.contains(inOwner) ? tool.get() : nullptr;
    }
    return nullptr;
}

QString CToolTipWnd::GetTipText(const CToolTipInfo* pTool)
{
    if (!pTool)
        return QString();
    if (pTool->nCallback == -1) {
        QString text;
        emit needText(pTool->nControlID, pTool->hWnd, &text);
        return text;
    }
    return pTool->strText;
}

QString CToolTipWnd::GetShownText() const
{
    return m_strShown;
}

QRect CToolTipWnd::MeasureTip(const QString& text, int nMaxWidth)
{
    int nWidth = nMaxWidth;
    if (nWidth == 0) {
        const QFontMetrics fm(m_font);
        for (const QString& line : text.split(QLatin1Char('\n')))
            nWidth = std::max(nWidth, fm.horizontalAdvance(QString(line).replace(QLatin1Char('\t'), QStringLiteral("        "))));
    }
    QRect r(0, 0, nWidth, 0);
    CalcTextRect(m_font, text, r, m_nTextFormat);
    return QRect(0, 0, r.width() + m_rectMargin.left() + m_rectMargin.right(),
                 r.height() + m_rectMargin.top() + m_rectMargin.bottom());
}

QRect CToolTipWnd::PositionTip(QRect rectTip, QPoint ptScreen, const CToolTipInfo* pTool)
{
    rectTip.moveTopLeft(ptScreen);
    const QScreen* screen = QGuiApplication::screenAt(ptScreen);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect bounds = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    if (Right(rectTip) > Right(bounds))
        rectTip.moveLeft(Right(bounds) - rectTip.width());
    if (rectTip.left() < bounds.left())
        rectTip.moveLeft(bounds.left());
    if (Bottom(rectTip) > Bottom(bounds) && pTool && pTool->hWnd)
        rectTip.moveTop(pTool->hWnd->mapToGlobal(QPoint(0, 0)).y() - rectTip.height());
    return rectTip;
}

void CToolTipWnd::ShowTipAt(QPoint ptScreen, bool bArrowLeft)
{
    if (!m_bActive || !m_pCurrentToolTip)
        return;
    m_bArrowLeft = bArrowLeft;
    const QString text = GetTipText(m_pCurrentToolTip);
    if (text.isEmpty())
        return;
    m_bTwoPart = text.contains(QLatin1Char('\r'));
    if (m_bTwoPart) {
        const QStringList parts = text.split(QLatin1Char('\r'));
        m_strShown = bArrowLeft ? QStringLiteral("  ") + parts.value(1) : parts.value(0) + QStringLiteral("  ");
    } else {
        m_strShown = text;
    }
    const QRect rect = PositionTip(MeasureTip(m_strShown, m_pCurrentToolTip->nWidth), ptScreen, m_pCurrentToolTip);
    HideWindow();
    setGeometry(rect);
    show();
    raise();
}

void CToolTipWnd::RelayEvent(const QEvent* pEvent)
{
    if (!pEvent)
        return;
    switch (pEvent->type()) {
    case QEvent::MouseMove: {
        const auto* e = static_cast<const QMouseEvent*>(pEvent);
        CToolTipInfo* tool = FindToolUnder(e->globalPosition().toPoint());
        if (!tool) {
            if (!isVisible())
                m_pCurrentToolTip = nullptr;
            return;
        }
        if (tool != m_pCurrentToolTip && (!m_pCurrentToolTip || !IsMouseOverTip())) {
            m_pCurrentToolTip = tool;
            KillTimers();
            HideWindow();
            m_bHidden = false;
            m_timer1.start(std::max(1, m_nInitialDelay), this);
        }
        return;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* e = static_cast<const QMouseEvent*>(pEvent);
        if (e->button() == Qt::LeftButton && pEvent->type() == QEvent::MouseButtonPress) {
            if (!IsMouseOverTip())
                HideWindow();
        } else {
            HideWindow();
        }
        return;
    }
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        HideWindow();
        return;
    default:
        return;
    }
}

void CToolTipWnd::OnTimer(int nIDEvent)
{
    QBasicTimer& timer = nIDEvent == 1 ? m_timer1 : m_timer2;
    if (!m_pCurrentToolTip || m_bHidden) {
        timer.stop();
        HideWindow();
        return;
    }
    const QPoint cursor = QCursor::pos();
    if (nIDEvent == 1) {
        m_timer1.stop();
        if (FindToolUnder(cursor) == m_pCurrentToolTip) {
            ShowTipAt(cursor + m_ptOffset, false);
            m_nDisplayTime = 0;
            m_timer2.start(m_nCheckInterval, this);
        }
        return;
    }
    m_nDisplayTime += m_nCheckInterval;
    CToolTipInfo* under = FindToolUnder(cursor);
    if (under && under != m_pCurrentToolTip) {
        m_timer2.stop();
        HideWindow();
        return;
    }
    if ((under != m_pCurrentToolTip || m_nDisplayTime >= m_nDisplayDelay) && !IsMouseOverTip()) {
        m_timer2.stop();
        HideWindow();
    }
}

void CToolTipWnd::timerEvent(QTimerEvent* e)
{
    if (e->timerId() == m_timer1.timerId())
        OnTimer(1);
    else if (e->timerId() == m_timer2.timerId())
        OnTimer(2);
    else
        QWidget::timerEvent(e);
}

void CToolTipWnd::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !m_pCurrentToolTip || m_bHidden)
        return;
    QWidget* focus = QApplication::focusWidget();
    if (m_bTwoPart)
        ShowTipAt(geometry().topLeft(), !m_bArrowLeft);
    // Clicking the tip never takes the focus away from the owner's window.
    if (focus && QApplication::focusWidget() != focus)
        focus->setFocus();
}

void CToolTipWnd::paintEvent(QPaintEvent*)
{
    if (!m_pCurrentToolTip || m_strShown.isEmpty())
        return;
    QPainter painter(this);
    const COLORREF back =
        m_pCurrentToolTip->clrBackColour == CLR_TIP_DEFAULT ? GetSysColor(COLOR_INFOBK) : m_pCurrentToolTip->clrBackColour;
    const COLORREF fore =
        m_pCurrentToolTip->clrTextColour == CLR_TIP_DEFAULT ? GetSysColor(COLOR_INFOTEXT) : m_pCurrentToolTip->clrTextColour;
    const QRect client = rect();
    FillSolidRect(&painter, client, back);
    Draw3dRect(&painter, client, RGB(0, 0, 0), RGB(0, 0, 0));
    QRect text = client.marginsRemoved(m_rectMargin);
    painter.setPen(toQColor(fore));
    QRect drawn = text;
    DrawText(&painter, m_font, m_strShown, drawn, m_nTextFormat);

    if (m_bTwoPart) {
        // A black arrow the height of two blanks marks the other part's side.
        const QFontMetrics fm(m_font);
        int h = fm.height();
        if (h % 2)
            --h;
        const int inset = std::max(fm.descent(), fm.leading() + (fm.height() - fm.ascent() - fm.descent()));
        const int w = fm.horizontalAdvance(QStringLiteral("  ")) - fm.averageCharWidth() / 2;
        const int top = text.y() + inset;
        const int bottom = text.y() + h - inset;
        if (w <= 0 || bottom <= top)
            return;
        const int mid = (top + bottom) / 2;
        QPolygon arrow;
        if (!m_bArrowLeft)
            arrow << QPoint(Right(text) - w, top) << QPoint(Right(text), mid) << QPoint(Right(text) - w, bottom);
        else
            arrow << QPoint(text.x() + w, top) << QPoint(text.x(), mid) << QPoint(text.x() + w, bottom);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::black);
        painter.drawPolygon(arrow);
    }
}

void CToolTipWnd::RestartTimer()
{
    if (isVisible()) {
        Hide();
        m_pCurrentToolTip = nullptr;
        m_timer1.stop();
        m_nShowTimerMs = 1;
    } else {
        m_timer1.stop();
        m_nShowTimerMs = std::max(1, m_nInitialDelay);
    }
    m_timer1.start(m_nShowTimerMs, this);
}
