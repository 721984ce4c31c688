#include "corvane/frontpanel/MeterStatic.h"

#include "corvane/core/Settings.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

CMeterStatic::CMeterStatic(QWidget* parent)
    : QWidget(parent), m_colBackground(GetSettings().m_colTxBarMeterBackground),
      m_colForeground(GetSettings().m_colTxBarMeterForeground)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CMeterStatic::~CMeterStatic() = default;

void CMeterStatic::CreateBuffer()
{
    if (m_buffer.isNull())
        m_buffer = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
}

void CMeterStatic::SetValue(int nValue)
{
    if (nValue == m_nValue)
        return;
    m_nValue = nValue;
    ++m_nInvalidations;
    update();
}

int CMeterStatic::LitSegments(int nValue, int nMaximum)
{
    return std::clamp(2 * std::min(nValue, nMaximum), 0, 18);
}

QRect CMeterStatic::SegmentRect(int i, int w, int h)
{
    const int share = w - 2 * 17;
    const int left = share * i / 18 + 2 * i;
    const int right = share * (i + 1) / 18 + 2 * i;
    const int top = i < h - 2 ? h - 2 - i : 0;
    return QRect(QPoint(left, top), QPoint(right - 1, h - 1));
}

void CMeterStatic::Draw(QImage& image, bool bMono) const
{
    const int W = image.width();
    const int H = image.height();
    QPainter p(&image);
    p.fillRect(image.rect(), toQColor(m_colBackground));
    if (!bMono) {
        const int lit = LitSegments(m_nValue, m_nMaximum);
        const CSettings& s = GetSettings();
        for (int i = 0; i < 18 && i < lit; ++i)
            p.fillRect(SegmentRect(i, W, H), toQColor(s.m_colTxMeter[i / 2]));
        return;
    }
    // A meter without a range has nothing to scale to: background only.
    const int r = int(m_nMaximum) - int(m_nMinimum);
    if (r <= 0)
        return;
    const int v = std::clamp(std::min(m_nValue, int(m_nMaximum)), 0, r);
    if (v == 0)
        return;
    const QColor fg = toQColor(m_colForeground);
    p.setPen(fg);
    p.setBrush(fg);
    const int rise = H - H / 5;
    const int x = W * v / r;
    QPolygon wedge;
    wedge << QPoint(0, H) << QPoint(0, rise) << QPoint(x, rise - rise * v / r) << QPoint(x, H) << QPoint(0, H);
    p.drawPolygon(wedge);
    for (int k = 1; k <= v; ++k)
        p.fillRect(QRect(W * k / r - 1, 0, 2, H), toQColor(m_colBackground));
}

void CMeterStatic::paintEvent(QPaintEvent*)
{
    if (m_buffer.isNull())
        return;
    if (m_buffer.size() != size().expandedTo(QSize(1, 1)))
        m_buffer = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    Draw(m_buffer, GetSettings().m_bTxMeterMono != 0);
    QPainter p(this);
    p.drawImage(0, 0, m_buffer);
}
