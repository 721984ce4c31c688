#include "corvane/organisers/OrganiserToolbars.h"

#include "shared/WinTypes.h"
#include "shared/artwork/Artwork.h"
#include "shared/ui/BaseDialog.h"

#include <QPainter>

namespace organisers {

namespace {
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
    auto button = [](unsigned nId, const char* picture, const char* prompt) {
        return ToolbarButton{nId, QImage(), QString::fromLatin1(prompt), QString::fromLatin1(picture)};
    };
    const ToolbarButton newButton = button(ID_BAND_NEW, "list-add", "Define a new entry\nNew");
    const ToolbarButton copy = button(ID_BAND_COPY, "edit-copy", "Copy the selected entry\nCopy");
    const ToolbarButton modify = button(ID_BAND_MODIFY, "document-properties", "Modify the selected entry\nModify");
    const ToolbarButton remove = button(ID_BAND_DELETE, "edit-delete", "Delete the selected entry\nDelete");
    const ToolbarButton separator{0, QImage(), QString()};
    RegisterToolbarResource(IDR_BANDS_MANAGER,
                            {button(ID_BAND_LOAD_FILE, "document-open", "Load definitions from a file\nLoad from File"),
                             button(ID_BAND_SAVE_FILE, "document-save-as", "Save the definitions to a file\nSave to File"),
                             separator, newButton, copy, modify, remove});
    RegisterToolbarResource(IDR_BANDS_EDITOR,
                            {newButton, copy, modify, remove, separator,
                             button(ID_BAND_MOVE_UP, "go-up", "Move the selected entry up\nMove Up"),
                             button(ID_BAND_MOVE_DOWN, "go-down", "Move the selected entry down\nMove Down")});
}

QList<QPixmap> PairedImages(int nFirstBitmap, int nSecondBitmap, unsigned nMaskColour)
{
    const QPixmap first = masked(nFirstBitmap, nMaskColour);
    const QPixmap second = masked(nSecondBitmap, nMaskColour);
    return {first, first, second, second};
}

} // namespace organisers
