#include "shared/buttons/BitmapButtonLayout.h"

#include "shared/buttons/ButtonStyles.h"

#include <algorithm>

namespace {
bool isEmpty(QSize s) { return s.width() <= 0 || s.height() <= 0; }
} // namespace

uint32_t BitmapButtonLayout::HorizontalAlignment() const
{
    const uint32_t h = style & BS_HORZMASK;
    return h ? h : BS_CENTER;
}

uint32_t BitmapButtonLayout::VerticalAlignment() const
{
    const uint32_t v = style & BS_VERTMASK;
    return v ? v : BS_VCENTER;
}

bool BitmapButtonLayout::SideBySide() const { return VerticalAlignment() == BS_VCENTER; }

QSize BitmapButtonLayout::FitTextSize() const
{
    if (text.isEmpty() || !measure)
        return {0, 0};
    QSize size = measure(text, -1);
    if (!(style & BS_MULTILINE))
        return size;
    // Wrap a long line until it is no more than 2.6 times as wide as high
    // and wider than high, or until wrapping stops changing it. The rounds
    // are bounded: two shapes could otherwise alternate for ever.
    QSize previous(-1, -1);
    int width = size.width();
    for (int round = 0; round < 64; ++round) {
        size = measure(text, std::max(1, width));
        if (size == previous || size.height() <= 0 || size.width() <= 0)
            break;
        const double wh = double(size.width()) / size.height();
        const double hw = double(size.height()) / size.width();
        if (wh < 2.6 && hw < 1.0)
            break;
        previous = size;
        width = wh < 2.0 ? size.width() + size.width() / 4 : size.width() - size.width() / 3;
    }
    return size;
}

QSize BitmapButtonLayout::LayoutTextSize(QSize client) const
{
    if (text.isEmpty() || !measure)
        return {0, 0};
    int roomW = client.width() - arrowSize.width() - 2 * textMargin.width();
    int roomH = client.height() - arrowSize.height() - 2 * textMargin.height();
    const bool hasImage = !isEmpty(imageSize);
    if (hasImage) {
        if (SideBySide())
            roomW -= imageSize.width() + 2 * imageMargin.width() - textMargin.width();
        else
            roomH -= imageSize.height() + 2 * imageMargin.height() - textMargin.height();
    }
    roomW = std::max(0, roomW);
    roomH = std::max(0, roomH);
    QSize t = measure(text, -1);
    if (style & BS_MULTILINE)
        t = measure(text, std::max(1, roomW));
    if (hasImage) {
        if (SideBySide())
            t = QSize(roomW, std::min(t.height(), roomH));
        else
            t = QSize(std::min(t.width(), roomW), roomH);
    }
    return t;
}

QSize BitmapButtonLayout::FitSize() const
{
    QSize i = imageSize;
    QSize t = FitTextSize();
    const QSize im2(2 * imageMargin.width(), 2 * imageMargin.height());
    QSize fit;
    if (SideBySide()) {
        if (i.width() > 0 && t.width() > 0) {
            if (!isEmpty(i))
                i += im2;
            if (!isEmpty(t))
                t += QSize(textMargin.width(), 2 * textMargin.height());
        } else if (i.width() <= 0) {
            t += QSize(2 * textMargin.width(), 2 * textMargin.height());
        } else {
            i += im2;
        }
        fit = QSize(i.width() + t.width(), std::max(i.height(), t.height()));
    } else {
        if (!isEmpty(t))
            t += QSize(2 * textMargin.width(), textMargin.height());
        if (!isEmpty(i))
            i += im2;
        else if (!isEmpty(t))
            t += QSize(0, textMargin.height());
        fit = QSize(std::max(i.width(), t.width()), i.height() + t.height());
        if (fit.height() == 0)
            fit.setHeight(2 * textMargin.height());
        if (fit.width() == 0)
            fit.setWidth(2 * textMargin.width());
    }
    return fit + arrowSize;
}

void BitmapButtonLayout::CalcLayout(const State& state, const QRect& r, QSize client, QRect* face, QRect* image,
                                    QRect* textRect) const
{
    if (face)
        *face = r;
    QSize I = imageSize;
    QSize T = LayoutTextSize(client);
    const QSize im = imageMargin;
    const QSize tm = textMargin;
    int W = r.width();
    int H = r.height();
    QSize Ib = isEmpty(I) ? I : I + QSize(2 * im.width(), 2 * im.height());
    QSize Tb = T;
    QPoint textPos(r.left() + tm.width(), r.top() + tm.height());
    QPoint imagePos(r.left() + im.width(), r.top() + im.height());
    const uint32_t horz = HorizontalAlignment();
    const uint32_t vert = VerticalAlignment();

    if (vert == BS_VCENTER && I.width() > 0 && T.width() > 0) {
        if (!isEmpty(T))
            Tb = T + QSize(tm.width(), 2 * tm.height());
        if (W < Tb.width()) {
            Tb.setWidth(W);
            T.setWidth(std::max(0, W - tm.width()));
        }
        if (H < Tb.height()) {
            Tb.setHeight(H);
            T.setHeight(std::max(0, H - 2 * tm.height()));
        }
        W -= Tb.width();
        if (W < Ib.width()) {
            Ib.setWidth(W);
            I.setWidth(std::max(0, W - 2 * im.width()));
        }
        if (H < Ib.height()) {
            Ib.setHeight(H);
            I.setHeight(std::max(0, H - 2 * im.height()));
        }
        W -= Ib.width();
        if (I.width() == 0)
            T.setWidth(std::max(0, Tb.width() - 2 * tm.width()));
        if (horz == BS_LEFT)
            imagePos.setX(r.left() + Tb.width() + im.width()); // text first, image behind it
        else if (Ib.width() != 0)
            textPos.setX(r.left() + Ib.width()); // image first, text behind it
        textPos.setY(r.top() + (r.height() - Tb.height()) / 2 + tm.height());
        imagePos.setY(r.top() + (r.height() - Ib.height()) / 2 + im.height());
    } else {
        if (!isEmpty(T))
            Tb = T + QSize(2 * tm.width(), tm.height());
        if (!isEmpty(I)) {
            if (H < Tb.height()) {
                Tb.setHeight(H);
                T.setHeight(std::max(0, H - tm.height()));
            }
        } else {
            if (!isEmpty(Tb))
                Tb += QSize(0, tm.height());
            if (H < Tb.height()) {
                Tb.setHeight(H);
                T.setHeight(std::max(0, H - 2 * tm.height()));
            }
        }
        if (W < Tb.width()) {
            Tb.setWidth(W);
            T.setWidth(std::max(0, W - 2 * tm.width()));
        }
        H -= Tb.height();
        if (W < Ib.width()) {
            Ib.setWidth(W);
            I.setWidth(std::max(0, W - 2 * im.width()));
        }
        if (H < Ib.height()) {
            Ib.setHeight(H);
            I.setHeight(std::max(0, H - 2 * im.height()));
        }
        H -= Ib.height();
        const int fullW = r.width();
        if (horz == BS_RIGHT) {
            textPos.setX(r.left() + fullW - Tb.width() + tm.width());
            imagePos.setX(r.left() + fullW - Ib.width() + im.width());
        } else if (horz != BS_LEFT) {
            textPos.setX(r.left() + (fullW - Tb.width()) / 2 + tm.width());
            imagePos.setX(r.left() + (fullW - Ib.width()) / 2 + im.width());
        }
        const int fullH = r.height();
        if (vert == BS_TOP) {
            if (Ib.height() > 0)
                textPos.setY(r.top() + Ib.height()); // image above, text below
        } else if (vert == BS_BOTTOM) {
            // The image sits at the bottom; the text stays at the top.
            imagePos.setY(r.top() + fullH - I.height() - im.height());
            if (Ib.height() == 0)
                textPos.setY(r.top() + fullH - T.height() - tm.height());
        } else {
            const int m = (fullH - Ib.height() - Tb.height()) / 2;
            imagePos.setY(r.top() + m + im.height());
            textPos.setY(r.top() + m + (Ib.height() ? Ib.height() : tm.height()));
        }
    }

    QRect imageRect = isEmpty(I) ? QRect() : QRect(imagePos, I);
    QRect textR = isEmpty(T) ? QRect() : QRect(textPos, T);
    QPoint shift;
    if (state.pushed)
        shift = QPoint(2, 2);
    else if (state.toggledOn)
        shift = QPoint(1, 1);
    else if (!state.disabled && state.transparent && state.mouseOver)
        shift = QPoint(-1, -1);
    if (!imageRect.isEmpty())
        imageRect.translate(shift);
    if (!textR.isEmpty())
        textR.translate(shift);
    if (image)
        *image = imageRect;
    if (textRect)
        *textRect = textR;
}
