#include "shared/ui/SysColours.h"

#include <QGuiApplication>
#include <QPalette>

COLORREF GetSysColor(int index)
{
    const QPalette pal = QGuiApplication::palette();
    auto c = [&](QPalette::ColorRole role) { return fromQColor(pal.color(QPalette::Active, role)); };
    switch (index) {
    // Qt has no window captions of its own: the selection colours stand in for
    // the active caption, the mid greys for the inactive one.
    case COLOR_ACTIVECAPTION: return c(QPalette::Highlight);
    case COLOR_GRADIENTACTIVECAPTION: return MixColours(c(QPalette::Highlight), 1, c(QPalette::Base), 1);
    case COLOR_CAPTIONTEXT: return c(QPalette::HighlightedText);
    case COLOR_INACTIVECAPTION: return c(QPalette::Mid);
    case COLOR_GRADIENTINACTIVECAPTION: return c(QPalette::Midlight);
    case COLOR_INACTIVECAPTIONTEXT: return c(QPalette::ButtonText);
    case COLOR_WINDOW: return c(QPalette::Base);
    case COLOR_WINDOWTEXT: return c(QPalette::Text);
    case COLOR_HIGHLIGHT: return c(QPalette::Highlight);
    case COLOR_HIGHLIGHTTEXT: return c(QPalette::HighlightedText);
    case COLOR_BTNFACE: return c(QPalette::Button);
    case COLOR_BTNSHADOW: return c(QPalette::Dark);
    case COLOR_GRAYTEXT: return fromQColor(pal.color(QPalette::Disabled, QPalette::Text));
    case COLOR_BTNTEXT: return c(QPalette::ButtonText);
    case COLOR_BTNHIGHLIGHT: return c(QPalette::Light);
    case COLOR_3DDKSHADOW: return c(QPalette::Shadow);
    case COLOR_3DLIGHT: return c(QPalette::Midlight);
    case COLOR_INFOTEXT: return c(QPalette::ToolTipText);
    case COLOR_INFOBK: return c(QPalette::ToolTipBase);
    default: return 0;
    }
}

COLORREF MixColours(COLORREF a, int wa, COLORREF b, int wb)
{
    const int w = wa + wb;
    if (w == 0)
        return a;
    return RGB((GetRValue(a) * wa + GetRValue(b) * wb) / w, (GetGValue(a) * wa + GetGValue(b) * wb) / w,
               (GetBValue(a) * wa + GetBValue(b) * wb) / w);
}
