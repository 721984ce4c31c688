#include "shared/ui/RotBevelLine.h"

#include "shared/ui/Rot90DC.h"
#include "shared/WinDraw.h"
#include "shared/ui/ColourMix.h"

#include <QPainter>

cdxCRotBevelLine::cdxCRotBevelLine(QWidget* parent) : cdxCRotBevelLine(QString(), parent) {}

cdxCRotBevelLine::cdxCRotBevelLine(const QString& text, QWidget* parent) : QLabel(text, parent) {}

cdxCRotBevelLine::~cdxCRotBevelLine() = default;

void cdxCRotBevelLine::SetSunken(bool bSunken)
{
    m_bSunken = bSunken;
    update();
}

int cdxCRotBevelLine::AlignFromLabel() const
{
    const Qt::Alignment a = alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter)
        return AlignCentreText;
    if (a & Qt::AlignRight)
        return AlignRightText;
    return AlignLeftText;
}

cdxCRotBevelLine::Layout cdxCRotBevelLine::ComputeLayout(const QRect& k, const QString& strText, int nAlign,
                                                         const std::function<QSize(const QString&)>& measure)
{
    Layout out;
    const bool horizontal = k.width() > k.height();
    // Corners kept in the exclusive form: right and bottom lie just outside.
    int lLeft, lTop, lRight, lBottom;
    if (horizontal) {
        lLeft = k.left();
        lRight = k.left() + k.width();
        lTop = k.top() + k.height() / 2;
        lBottom = lTop + 2;
    } else {
        lLeft = k.left() + k.width() / 2;
        lRight = lLeft + 2;
        lTop = k.top();
        lBottom = k.top() + k.height();
    }
    out.line = QRect(lLeft, lTop, lRight - lLeft, lBottom - lTop);
    if (strText.isEmpty())
        return out;

    QString text = strText;
    out.nAngle = 0;
    if (!horizontal) {
        out.nAngle = 90;
        if (text.startsWith(QLatin1Char('~'))) {
            out.nAngle = 270;
            text.remove(0, 1);
        }
    }
    if (nAlign != AlignLeftText)
        text.prepend(QStringLiteral("  "));
    if (nAlign != AlignRightText)
        text.append(QStringLiteral("  "));
    out.caption = text;

    const QSize s = measure(text);
    const int cx = s.width(), cy = s.height();
    const int lw = lRight - lLeft, lh = lBottom - lTop;
    int tLeft = 0, tTop = 0, tRight = 0, tBottom = 0;
    if (out.nAngle == 0) {
        tTop = lTop - cy / 2 - 2;
        tBottom = tTop + cy;
        if (nAlign == AlignCentreText) {
            tLeft = lLeft + (lw - cx) / 2;
            tRight = tLeft + cx;
        } else if (nAlign == AlignRightText) {
            tLeft = lRight - cx;
            tRight = lRight;
        } else {
            tLeft = lLeft;
            tRight = lLeft + cx;
        }
    } else {
        tLeft = out.nAngle == 90 ? lLeft - cy / 2 - 1 : lLeft - cy / 2 + 1;
        tRight = tLeft + cy;
        const bool atBottom = (out.nAngle == 90) == (nAlign == AlignLeftText);
        if (nAlign == AlignCentreText) {
            tTop = lTop + (lh - cx) / 2;
            tBottom = tTop + cx;
        } else if (atBottom) {
            tTop = lBottom - cx;
            tBottom = lBottom;
        } else {
            tTop = lTop;
            tBottom = lTop + cx;
        }
    }
    tBottom += 1;
    if (nAlign == AlignRightText)
        tLeft -= 1;
    out.text = QRect(tLeft, tTop, tRight - tLeft, tBottom - tTop);
    return out;
}

void cdxCRotBevelLine::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    const QRect k = rect();
    QColor edge1 = toQColor(winapi::GetSysColor(winapi::COLOR_BTNSHADOW));
    QColor edge2 = toQColor(winapi::GetSysColor(winapi::COLOR_BTNHIGHLIGHT));
    if (!m_bSunken)
        std::swap(edge1, edge2);
    const QColor face = toQColor(winapi::GetSysColor(winapi::COLOR_BTNFACE));
    p.fillRect(k, face);

    const QFontMetrics fm = p.fontMetrics();
    const Layout layout = ComputeLayout(k, text(), AlignFromLabel(), [&](const QString& t) {
        return QSize(fm.horizontalAdvance(t), fm.height());
    });
    // A 3-D rectangle: top and left in the first colour, bottom and right in
    // the second.
    const QRect& l = layout.line;
    p.fillRect(QRect(l.left(), l.top(), l.width() - 1, 1), edge1);
    p.fillRect(QRect(l.left(), l.top(), 1, l.height() - 1), edge1);
    p.fillRect(QRect(l.left() + l.width() - 1, l.top(), 1, l.height()), edge2);
    p.fillRect(QRect(l.left(), l.top() + l.height() - 1, l.width(), 1), edge2);
    if (layout.text.isEmpty())
        return;

    p.setClipRect(layout.text);
    p.fillRect(layout.text, face);
    auto drawCaption = [this, &layout](QPainter& painter, const QRect& r, const QPoint& offset) {
        painter.setBackgroundMode(Qt::TransparentMode);
        const QFontMetrics metrics = painter.fontMetrics();
        const QString shown = metrics.horizontalAdvance(layout.caption) <= r.width()
                                  ? layout.caption
                                  : metrics.elidedText(layout.caption, Qt::ElideRight, r.width());
        // A caption with a buddy underlines its mnemonic, as a label does.
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | (buddy() ? Qt::TextShowMnemonic : 0);
        if (!isEnabled()) {
            painter.setPen(toQColor(winapi::GetSysColor(winapi::COLOR_BTNHIGHLIGHT)));
            painter.drawText(r.translated(offset), flags, shown);
            painter.setPen(toQColor(winapi::GetSysColor(winapi::COLOR_BTNSHADOW)));
            painter.drawText(r, flags, shown);
        } else {
            painter.setPen(toQColor(winapi::GetSysColor(winapi::COLOR_BTNTEXT)));
            painter.drawText(r, flags, shown);
        }
    };
    if (layout.nAngle == 0) {
        drawCaption(p, layout.text, QPoint(1, 1));
    } else {
        cdxCRot90DC rotated(&p, layout.text, layout.nAngle, true);
        if (rotated.IsCreated())
            drawCaption(*rotated.GetPainter(), rotated.GetRotatedRect(), rotated.RotatePoint(QPoint(1, 1)));
    }
}
