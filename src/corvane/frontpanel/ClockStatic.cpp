#include "corvane/frontpanel/ClockStatic.h"

#include "corvane/core/Settings.h"
#include "corvane/frontpanel/PanelFonts.h"
#include "shared/StringEx.h"

#include <QPainter>
#include <QTimerEvent>
#include <ctime>

const char* const CClockStatic::kFormats[10] = {
    "%H:%M:%S",          "%I:%M:%S %p",          "%c",
    "%d/%m/%y %H:%M:%S", "%d/%m/%Y %H:%M:%S",    "%m/%d/%y %H:%M:%S",
    "%m/%d/%Y %H:%M:%S", "%d-%b-%Y %H:%M:%S",    "%d %B %Y, %H:%M:%S",
    "%Y/%m/%d %H:%M:%S"};

CClockStatic::CClockStatic(QWidget* parent, bool bLarge)
    : QWidget(parent), m_bLarge(bLarge), m_now([] { return QDateTime::currentDateTime(); })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CClockStatic::~CClockStatic() = default;

int CClockStatic::EffectiveZone(int nZone, bool bAlternate)
{
    int zone = ((nZone % 3) + 3) % 3;
    if (bAlternate)
        zone = zone == 2 ? 1 : 2;
    return zone;
}

QString CClockStatic::FormatTime(const QDateTime& when, int nZone, int nFormat, bool bAlternate)
{
    const int zone = EffectiveZone(nZone, bAlternate);
    const char* format = kFormats[nFormat >= 0 && nFormat < 10 ? nFormat : 0];
    const time_t seconds = time_t(when.toSecsSinceEpoch());
    struct tm parts = {};
    if (zone == 2)
        localtime_r(&seconds, &parts);
    else
        gmtime_r(&seconds, &parts);
    char buffer[128] = {};
    strftime(buffer, sizeof buffer, format, &parts);
    QString text = QString::fromLocal8Bit(buffer);
    if (zone == 0)
        text += QStringLiteral(" GMT");
    else if (zone == 1)
        text += QStringLiteral(" UTC");
    return text;
}

QString CClockStatic::Shorten(const QString& strText, int nZone, bool bAlternate)
{
    QStringList words;
    CStringEx(strText).Split(' ', words);
    if (words.isEmpty())
        return strText;
    if (EffectiveZone(nZone, bAlternate) == 2)
        return words.last();
    if (words.size() < 2)
        return words.last();
    return words[words.size() - 2] + QLatin1Char(' ') + words.last();
}

void CClockStatic::paintEvent(QPaintEvent*)
{
    const CSettings& s = GetSettings();
    if (!m_pFont) {
        m_pFont = std::make_unique<QFont>(PanelFont(QStringLiteral("Courier"), m_bLarge ? 12 : 10));
        m_tick.start(100, this);
    }
    const QRect textRect(4, 0, std::max(0, width() - 8), height());
    m_lastShown = m_now();
    QString text = FormatTime(m_lastShown, s.m_nClockZone, s.m_nClockFormat, m_bAlternate);
    const QFontMetrics fm(*m_pFont);
    int textWidth = fm.horizontalAdvance(text);
    if (textWidth > textRect.width())
        text = Shorten(text, s.m_nClockZone, m_bAlternate);
    QPainter p(this);
    // The whole area is filled on every paint (Qt paints an opaque widget
    // afresh), so a shorter text never leaves a longer one's ends behind.
    m_nLastWidth = textWidth;
    p.fillRect(rect(), toQColor(s.m_colFreqBackground));
    p.setFont(*m_pFont);
    p.setPen(toQColor(s.m_colFreqForeground));
    p.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, text);
    m_strShown = text;
}

void CClockStatic::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_tick.timerId()) {
        if (m_now().toSecsSinceEpoch() != m_lastShown.toSecsSinceEpoch())
            update();
    } else if (event->timerId() == m_alternate.timerId()) {
        m_bAlternate = false;
        m_alternate.stop();
    } else {
        QWidget::timerEvent(event);
    }
}

void CClockStatic::mousePressEvent(QMouseEvent* event)
{
    m_bAlternate = true;
    m_alternate.start(3000, this);
    repaint();
    QWidget::mousePressEvent(event);
}
