#include "shared/ImageList.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>

bool CImageList::Create(int cx, int cy, unsigned nFlags, int nInitial, int nGrow)
{
    if (cx <= 0 || cy <= 0 || nInitial < 0 || nGrow < 0)
        return false;
    m_bCreated = true;
    m_size = QSize(cx, cy);
    m_nFlags = nFlags;
    m_images.clear();
    m_images.reserve(nInitial);
    return true;
}

void CImageList::DeleteImageList()
{
    m_bCreated = false;
    m_size = QSize();
    m_nFlags = 0;
    m_images.clear();
}

bool CImageList::GetImageInfo(int nImage, QRect* pRect) const
{
    if (!m_bCreated || nImage < 0 || nImage >= m_images.size() || !pRect)
        return false;
    // Images lie side by side in one strip.
    *pRect = QRect(QPoint(nImage * m_size.width(), 0), m_size);
    return true;
}

int CImageList::Add(const QPixmap& image)
{
    if (!m_bCreated || image.isNull())
        return -1;
    QPixmap fitted = image.size() == m_size ? image : image.scaled(m_size);
    m_images.append(fitted);
    return int(m_images.size() - 1);
}

int CImageList::Add(const QPixmap& image, COLORREF colMask)
{
    if (!m_bCreated || image.isNull())
        return -1;
    QPixmap masked = image;
    if (m_nFlags & ILC_MASK)
        masked.setMask(masked.createMaskFromColor(toQColor(colMask), Qt::MaskInColor));
    return Add(masked);
}

bool CImageList::Replace(int nImage, const QPixmap& image)
{
    if (!m_bCreated || nImage < 0 || nImage >= m_images.size() || image.isNull())
        return false;
    m_images[nImage] = image.size() == m_size ? image : image.scaled(m_size);
    return true;
}

bool CImageList::Remove(int nImage)
{
    if (!m_bCreated || nImage < 0 || nImage >= m_images.size())
        return false;
    m_images.removeAt(nImage);
    return true;
}

QPixmap CImageList::GetImage(int nImage) const
{
    if (nImage < 0 || nImage >= m_images.size())
        return QPixmap();
    return m_images.at(nImage);
}

bool CImageList::Draw(QPainter* pPainter, int nImage, QPoint pt, unsigned nStyle) const
{
    if (!pPainter || nImage < 0 || nImage >= m_images.size())
        return false;
    const QPixmap& image = m_images.at(nImage);
    if (nStyle & ILD_TRANSPARENT) {
        pPainter->drawPixmap(pt, image);
    } else {
        // Opaque drawing: transparent pixels show the list's (white) background.
        QPixmap opaque(image.size());
        opaque.fill(Qt::white);
        QPainter p(&opaque);
        p.drawPixmap(0, 0, image);
        p.end();
        pPainter->drawPixmap(pt, opaque);
    }
    return true;
}
