#include "shared/ui/Rot90DC.h"

#include <QPaintDevice>
#include <algorithm>

namespace {
// (s, c) per angle index: 0, 90, 180, 270 degrees.
constexpr int kSin[4] = {0, -1, 0, 1};
constexpr int kCos[4] = {1, 0, -1, 0};

// Corners in the exclusive form (right and bottom just outside).
struct Box {
    int left, top, right, bottom;
};
Box ToBox(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
QRect FromBox(const Box& b) { return QRect(b.left, b.top, b.right - b.left, b.bottom - b.top); }
} // namespace

int cdxCRot90DC::AngleIndex(int nAngle)
{
    int index = (nAngle / 90) % 4;
    if (index < 0)
        index += 4;
    return index;
}

QPoint cdxCRot90DC::RotatePoint(const QPoint& p, int nIndex)
{
    const int s = kSin[nIndex & 3], c = kCos[nIndex & 3];
    return QPoint(p.x() * c + p.y() * s, p.y() * c - p.x() * s);
}

QRect cdxCRot90DC::RotateRect(const QRect& rect, int nIndex)
{
    const Box b = ToBox(rect);
    const QPoint a = RotatePoint(QPoint(b.left, b.top), nIndex);
    const QPoint z = RotatePoint(QPoint(b.right, b.bottom), nIndex);
    return FromBox({std::min(a.x(), z.x()), std::min(a.y(), z.y()), std::max(a.x(), z.x()), std::max(a.y(), z.y())});
}

cdxCRot90DC::cdxCRot90DC(QPainter* pTarget, const QRect& rect, int nAngle, bool bCopy)
{
    Create(pTarget, rect, nAngle, bCopy);
}

cdxCRot90DC::~cdxCRot90DC()
{
    if (!m_bFinished)
        CopyToTarget();
    Release();
}

bool cdxCRot90DC::Create(QPainter* pTarget, const QRect& rect, int nAngle, bool bCopy)
{
    m_painter.reset();
    QRect clip;
    if (pTarget && pTarget->device()) {
        clip = QRect(0, 0, pTarget->device()->width(), pTarget->device()->height());
        if (pTarget->hasClipping())
            clip &= pTarget->clipBoundingRect().toAlignedRect();
    }
    const QRect visible = rect & clip;
    if (!pTarget || !pTarget->device() || pTarget->device()->devType() == QInternal::Printer || visible.isEmpty()) {
        m_pTarget = nullptr;
        m_rectRotated = QRect();
        return false;
    }
    m_pTarget = pTarget;
    m_nAngleIndex = AngleIndex(nAngle);
    m_rect = rect;
    m_rectVisible = visible;
    m_rectRotated = RotateRect(rect, m_nAngleIndex);
    m_rectRotatedVisible = RotateRect(visible, m_nAngleIndex);
    m_bFinished = false;

    if (!m_bitmap.isNull() &&
        (m_bitmap.width() < m_rectRotatedVisible.width() || m_bitmap.height() < m_rectRotatedVisible.height()))
        m_bitmap = QImage();
    if (m_bitmap.isNull())
        m_bitmap = QImage(m_rectRotatedVisible.size(), QImage::Format_ARGB32_Premultiplied);
    // A picture with nothing in it: drawing with a transparent background
    // keeps what lies under it on the target (the copy flag's purpose).
    (void)bCopy;
    m_bitmap.fill(Qt::transparent);

    m_painter = std::make_unique<QPainter>(&m_bitmap);
    m_painter->setFont(pTarget->font());
    m_painter->setPen(pTarget->pen());
    m_painter->setBackground(pTarget->background());
    m_painter->setBackgroundMode(pTarget->backgroundMode());
    m_painter->setRenderHints(pTarget->renderHints());
    // The rotated visible rectangle's top-left corner is pixel (0, 0).
    m_painter->translate(-m_rectRotatedVisible.topLeft());
    return true;
}

bool cdxCRot90DC::CopyToTarget()
{
    if (!m_pTarget)
        return false;
    if (m_bFinished || m_rectRotatedVisible.isEmpty())
        return true;
    m_painter.reset();
    // Memory space back to target space: the inverse turn.
    const int inv = InverseIndex(m_nAngleIndex);
    const int s = kSin[inv], c = kCos[inv];
    m_pTarget->save();
    m_pTarget->setTransform(QTransform(c, -s, s, c, 0, 0), true);
    m_pTarget->drawImage(m_rectRotatedVisible.topLeft(), m_bitmap,
                         QRect(QPoint(0, 0), m_rectRotatedVisible.size()));
    m_pTarget->restore();
    m_bFinished = true;
    return true;
}

void cdxCRot90DC::Release()
{
    m_painter.reset();
    m_pTarget = nullptr;
    m_bitmap = QImage();
}
