#pragma once
// The toolbars and list pictures of the band dialogs.
#include <QList>
#include <QPixmap>

namespace organisers {

enum ToolbarResource : unsigned { IDR_BANDS_MANAGER = 300, IDR_BANDS_EDITOR = 301 };
enum BandCommand : unsigned {
    ID_BAND_MODIFY = 32928,
    ID_BAND_DELETE = 32929,
    ID_BAND_SAVE_FILE = 32930,
    ID_BAND_LOAD_FILE = 32931,
    ID_BAND_MOVE_UP = 32932,
    ID_BAND_MOVE_DOWN = 32933,
    ID_BAND_NEW = 32934,
    ID_BAND_COPY = 32935,
};

// Registers both toolbar resources (once).
void RegisterBandToolbars();
// Two pictures stored twice each: the first at 0 and 1, the second at 2 and 3.
QList<QPixmap> PairedImages(int nFirstBitmap, int nSecondBitmap, unsigned nMaskColour);

} // namespace organisers
