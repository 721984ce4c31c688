#pragma once
// A list of equally sized images, drawn by index: what toolbars, list
// controls and button faces keep their pictures in. Masked lists draw the
// mask colour transparent.
#include "shared/WinTypes.h"

#include <QList>
#include <QPixmap>
#include <QRect>
#include <QSize>

class QPainter;

// Creation flags and drawing styles of image lists.
constexpr unsigned ILC_MASK = 0x0001;
constexpr unsigned ILC_COLOR4 = 0x0004;
constexpr unsigned ILC_COLORDDB = 0x00FE;
constexpr unsigned ILD_NORMAL = 0x0000;
constexpr unsigned ILD_TRANSPARENT = 0x0001;

class CImageList {
public:
    CImageList() = default;

    // cx × cy images; the growth figures of the design are accepted and not needed.
    bool Create(int cx, int cy, unsigned nFlags, int nInitial, int nGrow);
    bool IsCreated() const { return m_bCreated; }
    void DeleteImageList();

    int GetImageCount() const { return int(m_images.size()); }
    QSize GetImageSize() const { return m_size; }
    // The image's rectangle inside the list's strip, as the platform reports it.
    bool GetImageInfo(int nImage, QRect* pRect) const;
    unsigned GetFlags() const { return m_nFlags; }

    // Adds an image (scaled to the list's size when it differs); -1 on failure.
    int Add(const QPixmap& image);
    // Adds with the pixels of the mask colour made transparent (masked lists).
    int Add(const QPixmap& image, COLORREF colMask);
    bool Replace(int nImage, const QPixmap& image);
    bool Remove(int nImage);
    QPixmap GetImage(int nImage) const;

    // Draws image nImage with its top-left corner at pt.
    bool Draw(QPainter* pPainter, int nImage, QPoint pt, unsigned nStyle = ILD_TRANSPARENT) const;

private:
    bool m_bCreated = false;
    QSize m_size;
    unsigned m_nFlags = 0;
    QList<QPixmap> m_images;
};
