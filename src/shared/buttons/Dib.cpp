#include "shared/buttons/Dib.h"

#include "shared/artwork/Artwork.h"

#include <QPainter>

CDib::CDib() = default;

CDib::CDib(int resourceId) { LoadResource(resourceId); }

CDib::~CDib() = default;

bool CDib::LoadResource(int resourceId)
{
    m_bitmap = artwork::bitmap(resourceId & 0xFFFF);
    m_bValid = false;
    m_pPalette.reset();
    if (m_bitmap.isNull() || m_bitmap.depth() > 8 || m_bitmap.colorCount() == 0)
        return false;
    m_nWidth = m_bitmap.width();
    m_nHeight = m_bitmap.height();
    m_pPalette = std::make_unique<QVector<QRgb>>(m_bitmap.colorTable());
    m_bValid = true;
    return true;
}

void CDib::ReplaceColour(int x, int y, COLORREF colour)
{
    if (m_bitmap.isNull() || !m_bitmap.rect().contains(x, y))
        return;
    m_bitmap = m_bitmap.convertToFormat(QImage::Format_RGB32);
    const QRgb from = m_bitmap.pixel(x, y) & 0xFFFFFF;
    const QRgb to = toQColor(colour).rgb();
    for (int row = 0; row < m_bitmap.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(m_bitmap.scanLine(row));
        for (int col = 0; col < m_bitmap.width(); ++col)
            if ((line[col] & 0xFFFFFF) == from)
                line[col] = to;
    }
}

void CDib::Draw(QPainter& painter, int x, int y, int width, int height, int sourceX, int sourceY) const
{
    if (!m_bitmap.isNull())
        painter.drawImage(QPoint(x, y), m_bitmap, QRect(sourceX, sourceY, width, height));
}

void CDib::Stretch(QPainter& painter, int x, int y, int width, int height, int sourceX, int sourceY,
                   int sourceWidth, int sourceHeight) const
{
    if (!m_bitmap.isNull())
        painter.drawImage(QRect(x, y, width, height), m_bitmap, QRect(sourceX, sourceY, sourceWidth, sourceHeight));
}
