#include "corvane/frontpanel/PanelArtwork.h"

#include "shared/artwork/Artwork.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>

namespace PanelArtwork {
namespace {
const int kDigitIds[4][13] = {
    {297, 298, 299, 287, 286, 296, 288, 289, 290, 291, 292, 293, 294},
    {143, 145, 144, 133, 134, 135, 136, 137, 138, 139, 140, 141, 142},
    {401, 402, 403, 390, 391, 392, 393, 394, 395, 396, 397, 398, 399},
    {416, 418, 417, 405, 406, 407, 408, 409, 410, 411, 412, 413, 414},
};
// Digit width, height and point width of each size.
const int kDigitSize[4][3] = {{18, 27, 4}, {25, 39, 6}, {29, 45, 7}, {33, 51, 8}};
const int kIndicatorIds[15] = {319, 357, 320, 321, 322, 323, 324, 325, 326, 327, 328, 329, 330, 331, 332};
constexpr int kSmallHeight = 12;
constexpr int kIndicatorHeight = 16;

// Segments a..g of each digit.
const char* const kSegments[10] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg",
                                   "abcdfg"};

QImage blank(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A seven-segment digit with hexagonal segments, as an LCD draws them.
QImage sevenSegment(int w, int h, int digit)
{
    QImage image = blank(w, h);
    if (digit < 0)
        return image;
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const int t = std::max(2, w / 6);
    const int m = std::max(1, w / 10);
    const int left = m + 1, right = w - m - 1;
    const int top = m, bottom = h - m - 1, middle = h / 2;
    auto horizontal = [&](int yc) {
        const int x1 = left + 1, x2 = right - 1, half = t / 2;
        p.drawPolygon(QPolygon({{x1, yc}, {x1 + half, yc - half}, {x2 - half, yc - half}, {x2, yc},
                                {x2 - half, yc + half}, {x1 + half, yc + half}}));
    };
    auto vertical = [&](int xc, int y1, int y2) {
        const int half = t / 2;
        y1 += 1;
        y2 -= 1;
        p.drawPolygon(QPolygon({{xc, y1}, {xc + half, y1 + half}, {xc + half, y2 - half}, {xc, y2},
                                {xc - half, y2 - half}, {xc - half, y1 + half}}));
    };
    const int yt = top + t / 2, yb = bottom - t / 2;
    for (const char* s = kSegments[digit]; *s; ++s) {
        switch (*s) {
        case 'a': horizontal(yt); break;
        case 'g': horizontal(middle); break;
        case 'd': horizontal(yb); break;
        case 'f': vertical(left + t / 2, yt, middle); break;
        case 'b': vertical(right - t / 2, yt, middle); break;
        case 'e': vertical(left + t / 2, middle, yb); break;
        case 'c': vertical(right - t / 2, middle, yb); break;
        default: break;
        }
    }
    return image;
}

QImage point(int w, int h)
{
    QImage image = blank(w, h);
    QPainter p(&image);
    const int side = std::max(2, w - 2);
    p.fillRect((w - side) / 2, h - side - std::max(1, h / 20), side, side, Qt::black);
    return image;
}

// Text pictures without smoothing: every non-white pixel becomes the
// foreground colour when the display recolours them.
QImage textPicture(const QString& text, int h, int pixelSize, bool bold, int minWidth = 0)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    const int w = std::max(minWidth, QFontMetrics(font).horizontalAdvance(text) + 2);
    QImage image = blank(w, h);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, text);
    return image;
}

QImage smallGlyph(int id)
{
    if (id == kSmallSpacer)
        return blank(2, kSmallHeight);
    if (id == kSmallS)
        return textPicture(QStringLiteral("S"), kSmallHeight, 11, true, 7);
    if (id == kSmallPlus)
        return textPicture(QStringLiteral("+"), kSmallHeight, 11, true, 7);
    if (id == kSmallPwr)
        return textPicture(QStringLiteral("Pwr"), kSmallHeight, 10, true);
    if (id == kSmallUp || id == kSmallDown) {
        QImage image = blank(7, kSmallHeight);
        QPainter p(&image);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        if (id == kSmallUp)
            p.drawPolygon(QPolygon({{0, 8}, {3, 3}, {6, 8}}));
        else
            p.drawPolygon(QPolygon({{0, 4}, {3, 9}, {6, 4}}));
        return image;
    }
    if (id >= 146 && id <= 155)
        return textPicture(QString::number(id - 146), kSmallHeight, 11, true, 7);
    return QImage();
}

QImage indicator(int index)
{
    const int h = kIndicatorHeight;
    switch (index) {
    case 0: return textPicture(QStringLiteral("DW"), h, 11, true);
    case 1: return textPicture(QStringLiteral("PRI"), h, 11, true);
    case 2: return textPicture(QStringLiteral("-"), h, 14, true, 9);
    case 3: return textPicture(QStringLiteral("+"), h, 14, true, 9);
    case 4: return textPicture(QStringLiteral("T"), h, 11, true);
    case 5: return textPicture(QStringLiteral("SQ"), h, 11, true);
    case 6: return textPicture(QStringLiteral("DCS"), h, 11, true);
    case 7: {  // auto power-off: a clock face
        QImage image = blank(15, h);
        QPainter p(&image);
        p.setPen(QPen(Qt::black, 1));
        p.drawEllipse(1, 2, 12, 12);
        p.drawLine(7, 8, 7, 4);
        p.drawLine(7, 8, 10, 8);
        return image;
    }
    case 8: case 9: case 10: {  // low power: an L with one, two or three bars
        QImage image = blank(16, h);
        QPainter p(&image);
        p.fillRect(1, 2, 2, 12, Qt::black);
        p.fillRect(1, 12, 6, 2, Qt::black);
        for (int bar = 0; bar <= index - 8; ++bar)
            p.fillRect(8 + bar * 3, 14 - (bar + 1) * 4, 2, (bar + 1) * 4, Qt::black);
        return image;
    }
    case 11: return textPicture(QStringLiteral("High"), h, 11, true);
    case 12: {  // split: an "s" in a dark badge
        QImage image = textPicture(QStringLiteral("s"), h, 12, true, 12);
        image.invertPixels();
        return image;
    }
    case 13: {  // panel lock: a padlock
        QImage image = blank(12, h);
        QPainter p(&image);
        p.setPen(QPen(Qt::black, 2));
        p.drawArc(3, 2, 6, 8, 0, 180 * 16);
        p.fillRect(1, 7, 10, 7, Qt::black);
        return image;
    }
    case 14: return textPicture(QStringLiteral("F"), h, 11, true, 10);  // FST
    default: return QImage();
    }
}

// Button pictures: arrows on white (white is the buttons' transparent colour).
QImage arrowPicture(int id)
{
    QImage image(16, 12, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    auto up = [&](int x, int y) { p.drawPolygon(QPolygon({{x, y + 5}, {x + 4, y}, {x + 8, y + 5}})); };
    auto down = [&](int x, int y) { p.drawPolygon(QPolygon({{x, y}, {x + 4, y + 5}, {x + 8, y}})); };
    switch (id) {
    case 165: up(4, 3); break;                        // up
    case 166: down(4, 4); break;                      // down
    case 171: p.setBrush(QColor(0xA0, 0xA0, 0xA0)); up(4, 3); break;    // up, greyed
    case 168: p.setBrush(QColor(0xA0, 0xA0, 0xA0)); down(4, 4); break;  // down, greyed
    case 188: up(4, 1); up(4, 6); break;              // up by the step
    case 187: down(4, 1); down(4, 6); break;          // down by the step
    case 359: up(1, 3); up(7, 3); break;              // up by half the range
    case 360: down(1, 4); down(7, 4); break;          // down by half the range
    case 363: up(4, 1); p.drawRect(4, 8, 9, 2); break;    // next memory
    case 364: p.drawRect(4, 1, 9, 2); down(4, 5); break;  // previous memory
    default: return QImage();
    }
    return image;
}
} // namespace

int DigitGlyphId(int nSize, int nIndex) { return kDigitIds[nSize][nIndex]; }
int SmallDigitId(int nDigit) { return 146 + nDigit; }
int IndicatorId(int nIndex) { return kIndicatorIds[nIndex]; }

QImage Bitmap(int nId)
{
    for (int s = 0; s < 4; ++s)
        for (int i = 0; i < 13; ++i)
            if (kDigitIds[s][i] == nId) {
                const int w = kDigitSize[s][0], h = kDigitSize[s][1], pw = kDigitSize[s][2];
                if (i == 0)
                    return point(pw, h);
                if (i == 1)
                    return blank(pw, h);
                return sevenSegment(w, h, i - 3);
            }
    for (int i = 0; i < 15; ++i)
        if (kIndicatorIds[i] == nId)
            return indicator(i);
    QImage small = smallGlyph(nId);
    if (!small.isNull())
        return small;
    return arrowPicture(nId);
}

void RegisterButtonPictures()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    for (int id : {165, 166, 168, 171, 187, 188, 359, 360, 363, 364})
        artwork::addImage(QStringLiteral("bitmaps"), QString::number(id), arrowPicture(id));
}

} // namespace PanelArtwork
