#include "shared/ui/DialogGeometry.h"

#include <algorithm>

namespace DialogGeometry {

int Share(int nMode, int d)
{
    switch (nMode) {
    case 1: return d / 2;
    case 2: return d;
    case 3: return d / 3;
    case 4: return (2 * d) / 3;
    default: return 0;
    }
}

QPoint Deltas(int cw, int ch, int nRecordWidth, int nRecordHeight, int fx, int fy, int nCaption)
{
    return QPoint(cw + 2 * fx - nRecordWidth + 1, ch + 2 * fy + nCaption - nRecordHeight + 1);
}

Placement Place(const AnchorEntry& e, const QPoint& delta, int fx, int fy, int nCaption)
{
    Placement p;
    if (e.nSizeX || e.nSizeY) {
        p.bResize = true;
        p.size = QSize(e.right - e.left + Share(e.nSizeX, delta.x()), e.bottom - e.top + Share(e.nSizeY, delta.y()));
    }
    if (e.nMoveX || e.nMoveY) {
        p.bMove = true;
        p.pos = QPoint(e.left + Share(e.nMoveX, delta.x()) - fx, e.top + Share(e.nMoveY, delta.y()) - fy - nCaption);
    }
    return p;
}

QString ValueName(uint32_t nDialogId, int nSecondId)
{
    if (nSecondId == -1)
        return QString::asprintf("Window Geometry %08X", nDialogId);
    return QString::asprintf("Window Geometry %08X %08X", nDialogId, uint32_t(nSecondId));
}

QList<uint32_t> SavedValues(const RECT& w, bool bMaximised, bool bMinimised)
{
    const bool normal = !bMaximised && !bMinimised;
    auto side = [&](int v) { return normal ? uint32_t(v) : uint32_t(-1); };
    return {side(w.left), side(w.right), side(w.top), side(w.bottom), bMaximised ? 1u : 0u};
}

RestoreResult Restored(const QList<uint32_t>& values, const RECT& current, bool bResizable)
{
    RestoreResult result;
    if (values.size() != 5)
        return result;
    RECT r = current;
    auto take = [](int32_t& side, uint32_t stored) {
        if (int32_t(stored) != -1)
            side = int32_t(stored);
    };
    take(r.left, values[0]);
    take(r.right, values[1]);
    take(r.top, values[2]);
    take(r.bottom, values[3]);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width <= 0 || height <= 0) {
        result.action = Restore::Leave;
        return result;
    }
    const int x = std::max(r.left, 0);
    const int y = std::max(r.top, 0);
    const int w = bResizable ? width : current.right - current.left;
    const int h = bResizable ? height : current.bottom - current.top;
    result.action = Restore::Place;
    result.rect = RECT{x, y, x + w, y + h};
    return result;
}

RECT BringOntoScreens(const RECT& rect, const QList<QRect>& screens)
{
    const QRect r(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    if (screens.isEmpty())
        return rect;
    for (const QRect& s : screens)
        if (s.intersects(r))
            return rect;
    const QRect& s = screens.first();
    const int w = r.width(), h = r.height();
    const int x = w >= s.width() ? s.left() : s.left() + (s.width() - w) / 2;
    const int y = h >= s.height() ? s.top() : s.top() + (s.height() - h) / 2;
    return RECT{x, y, x + w, y + h};
}

RECT FitOnScreens(const RECT& rect, const QList<QRect>& screens, bool bResizable)
{
    if (screens.isEmpty())
        return rect;
    QRect r(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    const QRect* area = nullptr;
    qint64 most = 0;
    for (const QRect& s : screens) {
        const QRect common = s.intersected(r);
        const qint64 shared = qint64(common.width()) * common.height();
        if (shared > most) {
            most = shared;
            area = &s;
        }
    }
    const bool onNone = area == nullptr;
    if (onNone)
        area = &screens.first();
    if (bResizable)
        r.setSize(r.size().boundedTo(area->size()));
    if (onNone)
        r.moveCenter(area->center());
    r.moveLeft(std::max(area->left(), std::min(r.left(), area->left() + area->width() - r.width())));
    r.moveTop(std::max(area->top(), std::min(r.top(), area->top() + area->height() - r.height())));
    return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

} // namespace DialogGeometry
