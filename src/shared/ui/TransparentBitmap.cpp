#include "shared/ui/TransparentBitmap.h"

#include <QPainter>

QImage MapBitmapColour(const QImage& image, COLORREF from, COLORREF to)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb f = toQColor(from).rgb() & 0xFFFFFF;
    const QRgb t = toQColor(to).rgb();
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (qAlpha(line[x]) == 255 && (line[x] & 0xFFFFFF) == f)
                line[x] = t;
    }
    return out;
}

void DrawTransparentBitmap(QPainter& painter, const QImage& image, int x, int y, COLORREF transparent)
{
    if (image.isNull())
        return;
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = toQColor(transparent).rgb() & 0xFFFFFF;
    for (int row = 0; row < masked.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(row));
        for (int col = 0; col < masked.width(); ++col)
            if ((line[col] & 0xFFFFFF) == key)
                line[col] = 0;
    }
    painter.drawImage(x, y, masked);
}
