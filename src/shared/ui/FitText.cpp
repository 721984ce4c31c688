#include "shared/ui/FitText.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLayout>
#include <QWidget>

namespace {

int neededHeight(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control); label && label->wordWrap()) {
        return label->heightForWidth(label->width());
    }
    return control->sizeHint().height();
}

// Everything of parent that starts at or below y moves down; what spans y grows.
void makeRoom(QWidget* parent, const QWidget* except, int y, int delta)
{
    for (QWidget* child : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child == except || child->isWindow())
            continue;
        const QRect r = child->geometry();
        if (r.top() >= y)
            child->move(r.x(), r.y() + delta);
        else if (r.bottom() >= y)
            child->resize(r.width(), r.height() + delta);
    }
    if (parent->isWindow()) {
        if (parent->minimumHeight() > 0 && parent->minimumHeight() == parent->maximumHeight())
            parent->setFixedHeight(parent->height() + delta);
        else
            parent->resize(parent->width(), parent->height() + delta);
        return;
    }
    const int oldBottom = parent->geometry().bottom() + 1;
    parent->resize(parent->width(), parent->height() + delta);
    if (QWidget* grand = parent->parentWidget())
        makeRoom(grand, parent, oldBottom, delta);
}

} // namespace

void GrowToFitText(QWidget* pControl)
{
    if (!pControl)
        return;
    const int delta = neededHeight(pControl) - pControl->height();
    if (delta <= 0)
        return;
    const int oldBottom = pControl->geometry().bottom() + 1;
    pControl->resize(pControl->width(), pControl->height() + delta);
    if (QWidget* parent = pControl->parentWidget())
        makeRoom(parent, pControl, oldBottom, delta);
}

void GrowToLayout(QWidget* pWindow)
{
    QLayout* layout = pWindow ? pWindow->layout() : nullptr;
    if (!layout)
        return;
    layout->activate();
    const int need = layout->hasHeightForWidth() ? layout->totalHeightForWidth(pWindow->width())
                                                 : layout->totalSizeHint().height();
    if (need > pWindow->height())
        pWindow->resize(pWindow->width(), need);
}

QFont FontToFit(const QFont& font, const QString& strText, int nWidth)
{
    QFont fitted = font;
    const bool points = font.pointSizeF() > 0;
    const qreal size = points ? font.pointSizeF() : qreal(font.pixelSize());
    for (qreal s = size; s >= size / 2; s -= points ? 0.25 : 1.0) {
        if (points)
            fitted.setPointSizeF(s);
        else
            fitted.setPixelSize(int(s));
        if (QFontMetricsF(fitted).horizontalAdvance(strText) <= nWidth)
            return fitted;
    }
    return fitted;
}
