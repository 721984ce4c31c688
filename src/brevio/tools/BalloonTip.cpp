#include "brevio/tools/BalloonTip.h"

#include <QApplication>
#include <QCursor>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

namespace {
constexpr int kMarginX = 12;
constexpr int kMarginY = 10;
constexpr int kIconGap = 5;

std::function<QPoint()>& CursorSource()
{
    static std::function<QPoint()> source;
    return source;
}

QPainterPath Outline(const QSize& size)
{
    QPainterPath path;
    // Corner ellipses 12 x 10 pixels.
    path.addRoundedRect(QRectF(0, 0, size.width(), size.height()), kMarginX / 2.0, kMarginY / 2.0);
    return path;
}
} // namespace

void CBalloonTip::SetCursorSource(std::function<QPoint()> source)
{
    CursorSource() = std::move(source);
}

QPoint CBalloonTip::CursorPos()
{
    return CursorSource() ? CursorSource()() : QCursor::pos();
}

CBalloonTip::CBalloonTip() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    m_show.setSingleShot(true);
    connect(&m_show, &QTimer::timeout, this, [this] { OnShowTimer(); });
    connect(&m_watch, &QTimer::timeout, this, [this] { OnWatchTimer(); });
}

CBalloonTip::~CBalloonTip() = default;

bool CBalloonTip::Create(QWidget* pParent)
{
    setParent(pParent, windowFlags());
    setFont(m_font);
    resize(0, 0);
    return true;
}

void CBalloonTip::AddTool(QWidget* pWindow, const QString& strText, const QImage& icon)
{
    if (pWindow)
        m_tools.insert(pWindow, Tool{strText, icon});
}

void CBalloonTip::RemoveTool(QWidget* pWindow)
{
    m_tools.remove(pWindow);
}

void CBalloonTip::RelayEvent(const QMouseEvent* pEvent)
{
    if (pEvent)
        RelayEvent(pEvent->type(), pEvent->globalPosition().toPoint());
}

void CBalloonTip::RelayEvent(QEvent::Type type, const QPoint& globalPos)
{
    switch (type) {
    case QEvent::MouseMove: {
        if (globalPos == m_point)
            return;
        QWidget* under = QApplication::widgetAt(globalPos);
        // A child of a registered window belongs to it.
        while (under && !m_tools.contains(under))
            under = under->isWindow() ? nullptr : under->parentWidget();
        if (under) {
            m_point = globalPos;
            const Tool& tool = m_tools[under];
            m_icon = tool.icon;
            update();
            Show(tool.text, &m_point);
        }
        if (globalPos != m_point)
            Hide();
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Hide();
        break;
    default:
        break;
    }
}

void CBalloonTip::Show(const QString& strText, const QPoint* pPoint)
{
    m_point = pPoint ? *pPoint : CursorPos();
    if (isVisible()) {
        if (strText != m_strText) {
            m_show.start(1);
            m_nTimerId = kShowTimer;
        }
    } else {
        m_show.start(kDelay);
        m_nTimerId = kShowTimer;
    }
    m_strText = strText;
}

void CBalloonTip::Hide()
{
    m_show.stop();
    hide();
}

QSize CBalloonTip::IconSize() const
{
    if (m_icon.isNull())
        return {0, 0};
    return {m_icon.width() & 0xFF, m_icon.height() & 0xFF};
}

QSize CBalloonTip::OutlineSize() const
{
    const QRect text = QFontMetrics(m_font).boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, m_strText);
    const QSize icon = IconSize();
    // The text starts right of the icon, so the balloon makes room for both.
    const int contentWidth = text.width() + (icon.isEmpty() ? 0 : icon.width() + kIconGap);
    const int contentHeight = std::max(text.height(), icon.height());
    return {contentWidth + 2 * kMarginX, contentHeight + 2 * kMarginY};
}

void CBalloonTip::OnShowTimer()
{
    m_show.stop();
    hide();
    const QSize size = OutlineSize();
    setMask(QRegion(Outline(size).toFillPolygon().toPolygon()));
    const int x = std::max(0, m_point.x() + 25);
    const int y = std::max(0, m_point.y() - size.height() - 5);
    setGeometry(x, y, size.width(), size.height());
    show();
    raise();
    m_watch.start(kWatchInterval);
    m_nTimerId = kWatchTimer;
}

void CBalloonTip::OnWatchTimer()
{
    if (CursorPos() != m_point) {
        m_watch.stop();
        hide();
    }
}

void CBalloonTip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath outline = Outline(size());
    p.fillPath(outline, palette().color(QPalette::Base));
    p.setPen(QPen(palette().color(QPalette::Button), 3));
    p.drawPath(outline);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.drawPath(outline);
    int x = kMarginX;
    if (!m_icon.isNull()) {
        const QSize icon = IconSize();
        p.drawImage(QRect(QPoint(kMarginX, kMarginY), icon), m_icon);
        x += icon.width() + kIconGap;
    }
    p.setFont(m_font);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(x, kMarginY, width() - x, height() - kMarginY), Qt::AlignLeft | Qt::AlignTop, m_strText);
}
