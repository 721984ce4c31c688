#include "brevio/tools/ToolbarGlyphs.h"

#include <QPainter>

QImage ToolbarGlyph(const QString& strText, QColor colour)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(strText.size() > 1 ? 9 : 13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(image.rect(), Qt::AlignCenter, strText);
    return image;
}
