#include "brevio/core/BitmapDataObject.h"

void CBitmapDataObject::SetBitmap(const QImage& bitmap) { setImageData(bitmap); }

bool CBitmapDataObject::GetData(QImage& bitmap) const
{
    bitmap = hasImage() ? qvariant_cast<QImage>(imageData()).copy() : QImage();
    return !bitmap.isNull();
}
