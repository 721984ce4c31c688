#pragma once
// Drawing turned by a multiple of 90 degrees: the caller paints upright into
// GetRotatedRect() of an off-screen picture, and the result lands on the
// target turned by the angle when the object goes (or at CopyToTarget).
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <memory>

class cdxCRot90DC {
public:
    cdxCRot90DC(QPainter* pTarget, const QRect& rect, int nAngle, bool bCopy = false);
    ~cdxCRot90DC();
    cdxCRot90DC(const cdxCRot90DC&) = delete;
    cdxCRot90DC& operator=(const cdxCRot90DC&) = delete;

    bool Create(QPainter* pTarget, const QRect& rect, int nAngle, bool bCopy = false);
    bool IsCreated() const { return m_pTarget != nullptr; }
    QRect GetRotatedRect() const { return m_rectRotated; }
    QPoint RotatePoint(const QPoint& point) const { return RotatePoint(point, m_nAngleIndex); }
    QRect RotateRect(const QRect& rect) const { return RotateRect(rect, m_nAngleIndex); }
    bool CopyToTarget();
    void Release();
    int GetAngleIndex() const { return m_nAngleIndex; }

    // The painter that draws in the rotated space (valid while created).
    QPainter* GetPainter() { return m_painter.get(); }

    // (angle / 90) mod 4, made non-negative: -90 gives 3, 450 gives 1, 45 gives 0.
    static int AngleIndex(int nAngle);
    static int InverseIndex(int nIndex) { return nIndex == 0 ? 0 : 4 - nIndex; }
    static QPoint RotatePoint(const QPoint& point, int nIndex);
    // Rectangles as the design keeps them: right and bottom just outside.
    static QRect RotateRect(const QRect& rect, int nIndex);

private:
    QPainter* m_pTarget = nullptr;
    QRect m_rectRotated;
    QRect m_rectRotatedVisible;
    QRect m_rect;
    QRect m_rectVisible;
    int m_nAngleIndex = 0;
    QImage m_bitmap;
    bool m_bFinished = false;
    std::unique_ptr<QPainter> m_painter;
};
