#include "corvane/organisers/OrganiserToolbars.h"

#include "shared/WinTypes.h"
#include "shared/artwork/Artwork.h"
#include "shared/ui/BaseDialog.h"

#include <QPainter>

namespace organisers {

namespace {
// Toolbar pictures: small glyphs of our own.
QImage glyph(const QString& text, QColor colour)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

QPixmap masked(int nBitmap, unsigned nMaskColour)
{
    QImage image = artwork::bitmap(nBitmap);
    if (image.isNull()) {
        image = QImage(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        return QPixmap::fromImage(image);
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = toQColor(nMaskColour).rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (mask & 0xFFFFFF) && qAlpha(line[x]) == 255)
                line[x] = 0;
    }
    return QPixmap::fromImage(image);
}
} // namespace

void RegisterBandToolbars()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const QColor green(0, 128, 0), blue(0, 0, 160), red(192, 0, 0), brown(96, 64, 0);
    const ToolbarButton newButton{ID_BAND_NEW, glyph(QStringLiteral("+"), green), QStringLiteral("Define a new entry\nNew")};
    const ToolbarButton copy{ID_BAND_COPY, glyph(QStringLiteral("C"), blue),
                             QStringLiteral("Copy the selected entry\nCopy")};
    const ToolbarButton modify{ID_BAND_MODIFY, glyph(QStringLiteral("E"), blue),
                               QStringLiteral("Modify the selected entry\nModify")};
    const ToolbarButton remove{ID_BAND_DELETE, glyph(QStringLiteral("x"), red),
                               QStringLiteral("Delete the selected entry\nDelete")};
    const ToolbarButton separator{0, QImage(), QString()};
    RegisterToolbarResource(
        IDR_BANDS_MANAGER,
        {{ID_BAND_LOAD_FILE, glyph(QStringLiteral("L"), brown), QStringLiteral("Load definitions from a file\nLoad from File")},
         {ID_BAND_SAVE_FILE, glyph(QStringLiteral("S"), brown), QStringLiteral("Save the definitions to a file\nSave to File")},
         separator, newButton, copy, modify, remove});
    RegisterToolbarResource(
        IDR_BANDS_EDITOR,
        {newButton, copy, modify, remove, separator,
         {ID_BAND_MOVE_UP, glyph(QStringLiteral("\u2191"), blue), QStringLiteral("Move the selected entry up\nMove Up")},
         {ID_BAND_MOVE_DOWN, glyph(QStringLiteral("\u2193"), blue),
          QStringLiteral("Move the selected entry down\nMove Down")}});
}

QList<QPixmap> PairedImages(int nFirstBitmap, int nSecondBitmap, unsigned nMaskColour)
{
    const QPixmap first = masked(nFirstBitmap, nMaskColour);
    const QPixmap second = masked(nSecondBitmap, nMaskColour);
    return {first, first, second, second};
}

} // namespace organisers
