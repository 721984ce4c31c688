#include "shared/ui/ColourStatic.h"

#include "shared/WinDraw.h"
#include "shared/ui/ColourMix.h"

#include <QPainter>

CColourStatic::CColourStatic(QWidget* parent) : CColourStatic(QString(), parent) {}

CColourStatic::CColourStatic(const QString& text, QWidget* parent)
    : QLabel(text, parent), m_colBackground(winapi::GetSysColor(winapi::COLOR_BTNFACE)), m_colText(winapi::GetSysColor(winapi::COLOR_BTNTEXT))
{
}

CColourStatic::~CColourStatic() = default;

void CColourStatic::SetColours(COLORREF background, COLORREF text)
{
    m_colBackground = background;
    m_colText = text;
}

void CColourStatic::SetBackgroundColour(COLORREF colour) { m_colBackground = colour; }

void CColourStatic::SetTextColour(COLORREF colour) { m_colText = colour; }

void CColourStatic::SetCaptionColours()
{
    SetColours(winapi::GetSysColor(winapi::COLOR_INACTIVECAPTION), winapi::GetSysColor(winapi::COLOR_CAPTIONTEXT));
}

void CColourStatic::SetLogFont(const QFont& font) { setFont(font); }

COLORREF CColourStatic::PaintedTextColour() const
{
    return isEnabled() ? m_colText : MixColours(m_colText, 1, m_colBackground, 4);
}

void CColourStatic::paintEvent(QPaintEvent* event)
{
    {
        QPainter p(this);
        p.fillRect(rect(), toQColor(m_colBackground));
    }
    // The label draws its text (and frame) with the colours of the moment.
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::WindowText, toQColor(PaintedTextColour()));
        pal.setColor(group, QPalette::Text, toQColor(PaintedTextColour()));
    }
    if (pal != palette()) {
        setPalette(pal);
    }
    QLabel::paintEvent(event);
}
