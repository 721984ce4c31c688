#include "brevio/tools/ListImages.h"

#include "shared/artwork/Artwork.h"

#include <QImage>

QList<QPixmap> LoadListImages(const QList<int>& ids, COLORREF colTransparent, int nCopies)
{
    QList<QPixmap> images;
    QSize size(16, 16);
    for (int i = 0; i < ids.size(); ++i) {
        QImage image = artwork::bitmap(ids[i]).convertToFormat(QImage::Format_ARGB32);
        if (image.isNull()) {
            // A missing picture keeps its place so the indexes stay right.
            image = QImage(size, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
        }
        if (i == 0)
            size = image.size();
        else if (image.size() != size)
            image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QRgb key = qRgb(GetRValue(colTransparent), GetGValue(colTransparent), GetBValue(colTransparent));
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF) && qAlpha(line[x]) == 255)
                    line[x] = 0;
        }
        for (int c = 0; c < nCopies; ++c)
            images.append(QPixmap::fromImage(image));
    }
    return images;
}
