#include "corvane/frontpanel/IndicatorStatic.h"

#include "corvane/core/Settings.h"
#include "shared/ui/ColourMix.h"
#include "shared/ui/FitText.h"

#include <QFontMetrics>
#include <QPainter>

CIndicatorStatic::CIndicatorStatic(QWidget* parent) : QLabel(parent) {}

CIndicatorStatic::CIndicatorStatic(const QString& text, QWidget* parent) : QLabel(text, parent) {}

CIndicatorStatic::~CIndicatorStatic() = default;

void CIndicatorStatic::SetLit(bool bLit)
{
    if (bLit == m_bLit)
        return;
    m_bLit = bLit;
    update();
}

COLORREF CIndicatorStatic::BackgroundColour() const
{
    return GetSettings().m_colDspBackground;
}

COLORREF CIndicatorStatic::TextColour() const
{
    const CSettings& s = GetSettings();
    return m_bLit ? s.m_colDspForeground : MixColours(s.m_colDspForeground, 1, s.m_colDspBackground, 4);
}

QFont CIndicatorStatic::PaintFont() const
{
    return FontToFit(font(), text(), contentsRect().width());
}

QSize CIndicatorStatic::sizeHint() const
{
    const QFontMetrics metrics(PaintFont());
    const QMargins m = contentsMargins();
    return {metrics.horizontalAdvance(text()) + m.left() + m.right(), metrics.height() + m.top() + m.bottom()};
}

QSize CIndicatorStatic::minimumSizeHint() const
{
    return sizeHint();
}

void CIndicatorStatic::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), toQColor(BackgroundColour()));
    p.setPen(toQColor(TextColour()));
    p.setFont(PaintFont());
    p.drawText(contentsRect(), int(alignment()) | Qt::TextSingleLine, text());
}
