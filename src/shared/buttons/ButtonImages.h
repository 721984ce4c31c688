#pragma once
// Image work the picture buttons do once, when an image is loaded: the gray
// inactive version, the embossed disabled version and the transparent mask.
#include "shared/WinTypes.h"

#include <QImage>

namespace ButtonImages {

// Turns the colour table of an image with 8 bits per pixel or less into
// four gray levels by luminance, leaving the entry equal to the mask colour
// (CLR_NOMASK: none) as it is. FALSE, and nothing changed, for an image
// without a colour table.
bool GrayPalette(QImage& image, COLORREF mask);

// The image as ARGB with the pixels of the mask colour transparent
// (CLR_NOMASK keeps the image's own alpha).
QImage ApplyMask(const QImage& image, COLORREF mask);

// The embossed look of a disabled picture: the face colour where the image
// is light or transparent, its dark parts drawn as a highlight one pixel
// down-right under a shadow; keeps the transparency of the source.
QImage MakeDisabledImage(const QImage& source, const QColor& face, const QColor& highlight,
                         const QColor& shadow);

} // namespace ButtonImages
