#include "brevio/core/VectorScope.h"

#include "brevio/core/DspLibrary.h"

#include <QPainter>

CVectorScope::CVectorScope(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void CVectorScope::SetVectors(int nChannel, bool bTransmitting)
{
    m_bTransmit = bTransmitting;
    if (!bTransmitting)
        fnGetVectorData(m_points.data(), nChannel);
    update();
}

std::vector<QLine> CVectorScope::VectorLines(int w, int h, const std::array<int, 16>& points)
{
    std::vector<QLine> lines;
    const int cx = w / 2;
    const int cy = h / 2;
    for (size_t i = 0; i < 16; i += 2) {
        const int x = cx + int(int64_t(cx) * points[i] / 1000);
        const int y = cy - int(int64_t(cx) * points[i + 1] / 1000);
        lines.emplace_back(cx, cy, x, y);
    }
    return lines;
}

void CVectorScope::paintEvent(QPaintEvent*)
{
    // The buffer follows the control's size, so a resized scope is drawn whole.
    if (m_backBuffer.size() != size())
        m_backBuffer = QImage(size(), QImage::Format_RGB32);
    if (m_backBuffer.isNull())
        return;
    m_backBuffer.fill(toQColor(m_bTransmit ? m_colTransmit : m_colReceive));
    if (!m_bTransmit) {
        QPainter painter(&m_backBuffer);
        painter.setPen(QPen(toQColor(m_colTrace), 1));
        for (const QLine& line : VectorLines(width(), height(), m_points))
            painter.drawLine(line);
    }
    QPainter window(this);
    window.drawImage(0, 0, m_backBuffer);
}
