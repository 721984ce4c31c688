#pragma once
// A minimal data object that offers one bitmap, the form in which a picture
// is handed to the receive text window.
#include <QImage>
#include <QMimeData>

class CBitmapDataObject : public QMimeData {
    Q_OBJECT
public:
    CBitmapDataObject() = default;

    void SetBitmap(const QImage& bitmap);
    // A copy of the offered bitmap; false (and a null image) when there is none.
    bool GetData(QImage& bitmap) const;
};
