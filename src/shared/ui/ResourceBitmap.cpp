#include "shared/ui/ResourceBitmap.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

static void InitToolkitResources()
{
    // The toolkit's pictures live in a static library: make sure the linker
    // keeps them.
    static const bool done = [] {
        Q_INIT_RESOURCE(toolkit_bitmaps);
        return true;
    }();
    (void)done;
}

QImage LoadResourceBitmap(int id)
{
    InitToolkitResources();
    const QString base = QStringLiteral(":/bitmaps/%1").arg(id);
    if (QFile::exists(base + QStringLiteral(".png")))
        return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    const QString svg = base + QStringLiteral(".svg");
    if (!QFile::exists(svg))
        return {};
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    // Edges stay hard, as in a palette bitmap, so a transparent colour is exact.
    p.setRenderHint(QPainter::Antialiasing, false);
    renderer.render(&p);
    return image;
}

QImage MapBitmapColour(const QImage& image, COLORREF from, COLORREF to)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    const QRgb f = toQColor(from).rgb();
    const QRgb t = toQColor(to).rgb();
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (f & 0xFFFFFF))
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
