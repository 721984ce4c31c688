#include "shared/buttons/ButtonImages.h"

#include "shared/buttons/ButtonStyles.h"

namespace ButtonImages {

bool GrayPalette(QImage& image, COLORREF mask)
{
    if (image.isNull() || image.depth() > 8 || image.colorCount() == 0)
        return false;
    QVector<QRgb> table = image.colorTable();
    for (QRgb& entry : table) {
        const int r = qRed(entry), g = qGreen(entry), b = qBlue(entry);
        if (mask != CLR_NOMASK && COLORREF(r + 256 * g + 65536 * b) == mask)
            continue;
        const int l = (77 * r + 153 * g + 25 * b) / 255;
        const int gray = l < 64 ? 0 : l < 160 ? 128 : l < 224 ? 192 : 255;
        entry = qRgba(gray, gray, gray, qAlpha(entry));
    }
    image.setColorTable(table);
    return true;
}

QImage ApplyMask(const QImage& image, COLORREF mask)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    if (mask == CLR_NOMASK)
        return out;
    const QRgb key = toQColor(mask).rgb() & 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    return out;
}

QImage MakeDisabledImage(const QImage& source, const QColor& face, const QColor& highlight, const QColor& shadow)
{
    const QImage src = source.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width(), h = src.height();
    // Which pixels count as drawn: opaque and darker than a light gray.
    auto dark = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return false;
        const QRgb p = src.pixel(x, y);
        return qAlpha(p) >= 128 && qGray(p) < 192;
    };
    QImage out(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            QColor c = face;
            if (dark(x, y))
                c = shadow;
            else if (dark(x - 1, y - 1))
                c = highlight;
            c.setAlpha(qAlpha(src.pixel(x, y)));
            out.setPixel(x, y, c.rgba());
        }
    }
    return out;
}

} // namespace ButtonImages
