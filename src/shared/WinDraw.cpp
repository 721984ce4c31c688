#include "shared/WinDraw.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

namespace winapi {

COLORREF GetSysColor(int nIndex)
{
    const QPalette pal = QApplication::palette();
    switch (nIndex) {
    case COLOR_ACTIVECAPTION:
        return fromQColor(pal.color(QPalette::Active, QPalette::Highlight));
    case COLOR_INACTIVECAPTION:
        return fromQColor(pal.color(QPalette::Inactive, QPalette::Mid));
    case COLOR_GRADIENTACTIVECAPTION:
        return fromQColor(pal.color(QPalette::Active, QPalette::Highlight).lighter(150));
    case COLOR_GRADIENTINACTIVECAPTION:
        return fromQColor(pal.color(QPalette::Inactive, QPalette::Midlight));
    case COLOR_WINDOW:
        return fromQColor(pal.color(QPalette::Base));
    case COLOR_WINDOWTEXT:
        return fromQColor(pal.color(QPalette::Text));
    case COLOR_CAPTIONTEXT:
        return fromQColor(pal.color(QPalette::Active, QPalette::HighlightedText));
    case COLOR_HIGHLIGHT:
        return fromQColor(pal.color(QPalette::Active, QPalette::Highlight));
    case COLOR_HIGHLIGHTTEXT:
        return fromQColor(pal.color(QPalette::Active, QPalette::HighlightedText));
    case COLOR_INACTIVECAPTIONTEXT:
        return fromQColor(pal.color(QPalette::Inactive, QPalette::Text));
    case COLOR_BTNFACE:
        return fromQColor(pal.color(QPalette::Button));
    case COLOR_BTNSHADOW:
        return fromQColor(pal.color(QPalette::Dark));
    case COLOR_BTNTEXT:
        return fromQColor(pal.color(QPalette::ButtonText));
    case COLOR_BTNHIGHLIGHT:
        return fromQColor(pal.color(QPalette::Light));
    case COLOR_INFOTEXT:
        return fromQColor(pal.color(QPalette::ToolTipText));
    case COLOR_INFOBK:
        return fromQColor(pal.color(QPalette::ToolTipBase));
    default:
        return 0;
    }
}

namespace {

// The lines the text breaks into for the format and width.
QStringList layoutLines(const QFontMetrics& fm, QString text, int width, unsigned nFormat)
{
    if (nFormat & DT_EXPANDTABS)
        text.replace(QLatin1Char('\t'), QStringLiteral("        "));
    if (nFormat & DT_SINGLELINE) {
        text.replace(QLatin1Char('\r'), QLatin1Char(' '));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        return {text};
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    if (!(nFormat & DT_WORDBREAK))
        return paragraphs;
    QStringList lines;
    for (const QString& para : paragraphs) {
        if (para.isEmpty()) {
            lines.append(QString());
            continue;
        }
        // Break at blanks; a word wider than the line is broken only with
        // DT_EDITCONTROL's character breaking, else it overhangs.
        qsizetype pos = 0;
        while (pos < para.size()) {
            qsizetype lineEnd = pos;
            qsizetype lastBreak = -1;
            while (lineEnd < para.size()) {
                const int w = fm.horizontalAdvance(para.mid(pos, lineEnd - pos + 1));
                if (w > width && lineEnd > pos)
                    break;
                if (para.at(lineEnd) == QLatin1Char(' '))
                    lastBreak = lineEnd;
                ++lineEnd;
            }
            if (lineEnd >= para.size()) {
                lines.append(para.mid(pos));
                break;
            }
            if (lastBreak >= pos) {
                lines.append(para.mid(pos, lastBreak - pos));
                pos = lastBreak + 1;
            } else if (nFormat & DT_EDITCONTROL) {
                lines.append(para.mid(pos, lineEnd - pos));
                pos = lineEnd;
            } else {
                // No blank to break at: the word stays whole.
                qsizetype wordEnd = para.indexOf(QLatin1Char(' '), pos);
                if (wordEnd < 0)
                    wordEnd = para.size();
                lines.append(para.mid(pos, wordEnd - pos));
                pos = wordEnd + 1;
            }
        }
    }
    return lines;
}

int layoutText(QPainter* pPainter, const QFont& font, const QString& text, QRect& rect, unsigned nFormat)
{
    const QFontMetrics fm(font);
    const int lineHeight = fm.height() + ((nFormat & DT_EXTERNALLEADING) ? fm.leading() : 0);
    QStringList lines = layoutLines(fm, text, rect.width(), nFormat);
    int widest = 0;
    for (const QString& l : std::as_const(lines))
        widest = std::max(widest, fm.horizontalAdvance(l));
    const int height = lineHeight * int(lines.size());
    if (nFormat & DT_CALCRECT) {
        if (nFormat & DT_CENTER) {
            // The calculated rectangle keeps the left edge, as DrawText does.
            rect.setWidth(widest);
        } else if (nFormat & DT_RIGHT) {
            rect.setLeft(rect.x() + rect.width() - widest);
        } else {
            rect.setWidth(widest);
        }
        rect.setHeight(height);
        return height;
    }
    if (!pPainter)
        return height;
    pPainter->save();
    pPainter->setFont(font);
    if (!(nFormat & DT_NOCLIP))
        pPainter->setClipRect(rect, Qt::IntersectClip);
    int y = rect.y();
    if ((nFormat & DT_SINGLELINE) && (nFormat & DT_VCENTER))
        y = rect.y() + (rect.height() - height) / 2;
    else if ((nFormat & DT_SINGLELINE) && (nFormat & DT_BOTTOM))
        y = rect.y() + rect.height() - height;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        const bool more = i + 1 < lines.size();
        // With an ellipsis the text stops at the last line that fits whole.
        const bool lastFitting = (nFormat & DT_END_ELLIPSIS) && more && y + 2 * lineHeight > Bottom(rect);
        if (nFormat & DT_END_ELLIPSIS) {
            if (lastFitting)
                line = fm.elidedText(line + QStringLiteral(" ") + lines.mid(i + 1).join(QLatin1Char(' ')),
                                     Qt::ElideRight, rect.width());
            else if (fm.horizontalAdvance(line) > rect.width())
                line = fm.elidedText(line, Qt::ElideRight, rect.width());
        }
        const int w = fm.horizontalAdvance(line);
        int x = rect.x();
        if (nFormat & DT_CENTER)
            x = rect.x() + (rect.width() - w) / 2;
        else if (nFormat & DT_RIGHT)
            x = Right(rect) - w;
        pPainter->drawText(QPoint(x, y + fm.ascent()), line);
        y += lineHeight;
        if (lastFitting)
            break;
    }
    pPainter->restore();
    return height;
}

} // namespace

int DrawText(QPainter* pPainter, const QFont& font, const QString& text, QRect& rect, unsigned nFormat)
{
    return layoutText(pPainter, font, text, rect, nFormat);
}

int CalcTextRect(const QFont& font, const QString& text, QRect& rect, unsigned nFormat)
{
    return layoutText(nullptr, font, text, rect, nFormat | DT_CALCRECT);
}

void Draw3dRect(QPainter* pPainter, const QRect& rect, COLORREF colTopLeft, COLORREF colBottomRight)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const int l = rect.x(), t = rect.y(), r = Right(rect) - 1, b = Bottom(rect) - 1;
    pPainter->fillRect(QRect(l, t, rect.width() - 1, 1), toQColor(colTopLeft));
    pPainter->fillRect(QRect(l, t, 1, rect.height() - 1), toQColor(colTopLeft));
    pPainter->fillRect(QRect(r, t, 1, rect.height()), toQColor(colBottomRight));
    pPainter->fillRect(QRect(l, b, rect.width(), 1), toQColor(colBottomRight));
}

void FillSolidRect(QPainter* pPainter, const QRect& rect, COLORREF col)
{
    pPainter->fillRect(rect, toQColor(col));
}

void DrawArrow(QPainter* pPainter, const QRect& rect, ArrowDirection direction, COLORREF col)
{
    // A triangle made of one-pixel runs, crisp at any size.
    const int half = std::max(1, std::min(rect.width(), rect.height()) / 4 + 1);
    const QPoint c = rect.center();
    const int y0 = c.y() - half / 2;
    const int x0 = c.x() - half / 2;
    const QColor colour = toQColor(col);
    for (int i = 0; i < half; ++i) {
        switch (direction) {
        case ArrowDirection::Up:
            pPainter->fillRect(QRect(c.x() - i, y0 + i, 2 * i + 1, 1), colour);
            break;
        case ArrowDirection::Down:
            pPainter->fillRect(QRect(c.x() - (half - 1 - i), y0 + i, 2 * (half - 1 - i) + 1, 1), colour);
            break;
        case ArrowDirection::Left:
            pPainter->fillRect(QRect(x0 + i, c.y() - i, 1, 2 * i + 1), colour);
            break;
        case ArrowDirection::Right:
            pPainter->fillRect(QRect(x0 + i, c.y() - (half - 1 - i), 1, 2 * (half - 1 - i) + 1), colour);
            break;
        }
    }
}

void DrawScrollButton(QPainter* pPainter, const QRect& rect, bool bUp, bool bPushed)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    FillSolidRect(pPainter, rect, face);
    if (bPushed) {
        Draw3dRect(pPainter, rect, shadow, shadow);
    } else {
        Draw3dRect(pPainter, rect, light, RGB(0, 0, 0));
        Draw3dRect(pPainter, rect.adjusted(1, 1, -1, -1), face, shadow);
    }
    QRect glyph = rect.adjusted(2, 2, -2, -2);
    if (bPushed)
        glyph.translate(1, 1);
    DrawArrow(pPainter, glyph, bUp ? ArrowDirection::Up : ArrowDirection::Down, GetSysColor(COLOR_BTNTEXT));
}

QRect IntersectRect(const QRect& a, const QRect& b)
{
    const int l = std::max(a.x(), b.x());
    const int t = std::max(a.y(), b.y());
    const int r = std::min(Right(a), Right(b));
    const int bt = std::min(Bottom(a), Bottom(b));
    if (l >= r || t >= bt)
        return QRect(0, 0, 0, 0);
    return RectLTRB(l, t, r, bt);
}

QRect UnionRect(const QRect& a, const QRect& b)
{
    if (IsRectEmpty(a))
        return IsRectEmpty(b) ? QRect(0, 0, 0, 0) : b;
    if (IsRectEmpty(b))
        return a;
    return RectLTRB(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(Right(a), Right(b)),
                    std::max(Bottom(a), Bottom(b)));
}

} // namespace winapi
