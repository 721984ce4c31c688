#include "corvane/frontpanel/IndicatorStatic.h"

#include "corvane/core/Settings.h"
#include "shared/ui/ColourMix.h"

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

void CIndicatorStatic::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), toQColor(BackgroundColour()));
    p.setPen(toQColor(TextColour()));
    p.setFont(font());
    p.drawText(contentsRect(), int(alignment()) | Qt::TextSingleLine, text());
}
