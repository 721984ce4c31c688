#include "brevio/core/ResizableFormView.h"

CResizableFormView::CResizableFormView(int nTemplateId, QSize designSize, QWidget* parent)
    : QWidget(parent), m_nTemplateId(nTemplateId), m_designSize(designSize)
{
    setMinimumSize(0, 0);
}

CResizableFormView::~CResizableFormView() = default;

QWidget* CResizableFormView::GetDlgItem(int nId) const
{
    const auto children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* w : children)
        if (w->property("controlId").toInt() == nId)
            return w;
    return nullptr;
}

int CResizableFormView::Part(int nDelta, int nMode)
{
    switch (nMode) {
    case 4:
        return nDelta;
    case 3:
        return 3 * nDelta / 4;
    case 2:
        return nDelta / 2;
    case 1:
        return nDelta / 4;
    default:
        return 0;
    }
}

void CResizableFormView::SetControlAnchors(const AnchorRow* pRows, int nCount)
{
    m_anchors.clear();
    for (int i = 0; i < nCount; ++i) {
        Anchor a{pRows[i], QRect()};
        if (QWidget* w = GetDlgItem(pRows[i].nId))
            a.design = w->geometry();
        m_anchors.push_back(a);
    }
}

void CResizableFormView::RepositionControls(bool bRedraw)
{
    const int dx = std::max(0, width() - m_designSize.width());
    const int dy = std::max(0, height() - m_designSize.height());
    for (const Anchor& a : m_anchors) {
        QWidget* w = GetDlgItem(a.row.nId);
        if (!w)
            continue;
        QRect r = w->geometry();
        if (a.row.nWidthMode || a.row.nHeightMode) {
            const int cx = a.row.nWidthMode == kKeepCurrent ? w->width() : a.design.width() + Part(dx, a.row.nWidthMode);
            const int cy =
                a.row.nHeightMode == kKeepCurrent ? w->height() : a.design.height() + Part(dy, a.row.nHeightMode);
            r.setSize(QSize(cx, cy));
        }
        if (a.row.nMoveXMode || a.row.nMoveYMode)
            r.moveTopLeft(QPoint(a.design.left() + Part(dx, a.row.nMoveXMode), a.design.top() + Part(dy, a.row.nMoveYMode)));
        w->setGeometry(r);
    }
    if (bRedraw) {
        update();
        for (QWidget* w : findChildren<QWidget*>())
            w->update();
    }
}
