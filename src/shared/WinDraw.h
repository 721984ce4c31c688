#pragma once
// Drawing helpers that give owner-drawn controls the look and the text layout
// they were designed with: DrawText-style formatting and measuring, 3-D frames,
// scroll-button faces and the system colours by their classic indices.
#include "shared/WinTypes.h"

#include <QRect>
#include <QString>

class QFont;
class QPainter;

namespace winapi {

// DrawText format bits.
constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_EXPANDTABS = 0x0040;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_EXTERNALLEADING = 0x0200;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;

// System colour indices.
constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_INACTIVECAPTION = 3;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_CAPTIONTEXT = 9;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;
constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;

// The colour of a system colour index, taken from the application palette.
COLORREF GetSysColor(int nIndex);

// Lays out and draws text in a rectangle as DrawText does. With DT_CALCRECT
// nothing is drawn: the rectangle's right and bottom are set to fit the text
// (for DT_WORDBREAK within the given width). Answers the text height.
int DrawText(QPainter* pPainter, const QFont& font, const QString& text, QRect& rect, unsigned nFormat);
// Measuring without a painter.
int CalcTextRect(const QFont& font, const QString& text, QRect& rect, unsigned nFormat);

// A one-pixel frame: top and left in one colour, bottom and right in the other.
void Draw3dRect(QPainter* pPainter, const QRect& rect, COLORREF colTopLeft, COLORREF colBottomRight);
void FillSolidRect(QPainter* pPainter, const QRect& rect, COLORREF col);

// A scroll-button face with its arrow (pushed: sunken and the arrow offset).
void DrawScrollButton(QPainter* pPainter, const QRect& rect, bool bUp, bool bPushed);
// A filled arrow head pointing up or down (or left/right), centred in rect.
enum class ArrowDirection { Up, Down, Left, Right };
void DrawArrow(QPainter* pPainter, const QRect& rect, ArrowDirection direction, COLORREF col);

// Rectangles with the right and bottom just outside, as the design counts them.
inline QRect RectLTRB(int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); }
inline int Right(const QRect& r) { return r.x() + r.width(); }
inline int Bottom(const QRect& r) { return r.y() + r.height(); }
inline bool IsRectEmpty(const QRect& r) { return r.width() <= 0 || r.height() <= 0; }
// Intersection that is empty (all zero) when the two do not overlap.
QRect IntersectRect(const QRect& a, const QRect& b);
// Union ignoring empty rectangles.
QRect UnionRect(const QRect& a, const QRect& b);
// TRUE when inner lies wholly inside outer (their intersection is inner).
inline bool RectInside(const QRect& inner, const QRect& outer) { return IntersectRect(inner, outer) == inner; }

} // namespace winapi
