#include "shared/ui/TitleTip.h"

#include "shared/WinDraw.h"
#include "shared/ui/ColourMix.h"

#include <QTimerEvent>

CTitleTip::CTitleTip(QWidget* parent)
    : QLabel(parent), m_colBackground(winapi::GetSysColor(winapi::COLOR_INFOBK)), m_colText(winapi::GetSysColor(winapi::COLOR_INFOTEXT))
{
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    ApplyColours();
    hide();
}

CTitleTip::~CTitleTip() = default;

QString CTitleTip::ItemText(const QString& strGroup, const QString& strName)
{
    if (strGroup.isEmpty())
        return strName;
    QString group = strGroup;
    group.replace(QLatin1Char('\\'), QLatin1Char(' '));
    return QStringLiteral("%1: %2").arg(group, strName);
}

int CTitleTip::FitX(int x, int nWidth, int nClientWidth)
{
    if (x + nWidth > nClientWidth)
        x = nWidth > nClientWidth ? 0 : nClientWidth - nWidth - 1;
    return x;
}

void CTitleTip::Show(QWidget* pOwner, int x, int y, const QString& strGroup, const QString& strName)
{
    if (!pOwner)
        return;
    if (parentWidget() != pOwner) {
        setParent(pOwner);
        m_bShown = false;
    }
    const QString text = ItemText(strGroup, strName);
    const QFontMetrics fm(font());
    const int width = fm.horizontalAdvance(text) + 8;
    const int height = fm.height() + 6;
    x = FitX(x, width, pOwner->width());
    if (m_bShown && QPoint(x, y) == m_ptLast)
        return;
    if (m_bShown)
        hide();
    m_ptLast = QPoint(x, y);
    setGeometry(x, y, width, height);
    setText(text);
    raise();
    show();
    m_bShown = true;
}

void CTitleTip::Hide()
{
    if (!m_bShown)
        return;
    hide();
    m_bShown = false;
}

void CTitleTip::StartHideTimer(int nMilliseconds) { m_hideTimer.start(nMilliseconds, this); }

void CTitleTip::SetColours(COLORREF background, COLORREF text)
{
    m_colBackground = background;
    m_colText = text;
    ApplyColours();
}

COLORREF CTitleTip::PaintedTextColour() const
{
    return isEnabled() ? m_colText : MixColours(m_colBackground, 4, m_colText, 1);
}

void CTitleTip::ApplyColours()
{
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Window, toQColor(m_colBackground));
        pal.setColor(group, QPalette::WindowText, toQColor(PaintedTextColour()));
    }
    setPalette(pal);
}

void CTitleTip::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        ApplyColours();
    QLabel::changeEvent(event);
}

void CTitleTip::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_hideTimer.timerId()) {
        m_hideTimer.stop();
        Hide();
        return;
    }
    QLabel::timerEvent(event);
}
