#include "corvane/frontpanel/FormLayout.h"

#include "corvane/frontpanel/PanelForm.h"

#include <cmath>

QSize CFormLayout::TemplateDlu(int nSize)
{
    switch (nSize) {
    case 1: return {441, 219};
    case 2: return {406, 218};
    default: return {385, 201};
    }
}

int CFormLayout::TemplateId(int nSize)
{
    switch (nSize) {
    case 1: return 356;
    case 2: return 324;
    default: return 319;
    }
}

QSizeF CFormLayout::DluToPixels(int nSize)
{
    // Dialog base units of the template font: "MS Sans Serif" 8 is 6 x 13
    // pixels, 10 is 7 x 16; a dialog unit is a quarter of the width and an
    // eighth of the height.
    if (nSize == 2)
        return {7.0 / 4.0, 16.0 / 8.0};
    return {6.0 / 4.0, 13.0 / 8.0};
}

QSize CFormLayout::FormSize(int nSize)
{
    const QSize dlu = TemplateDlu(nSize);
    const QSizeF px = DluToPixels(nSize);
    return {int(std::lround(dlu.width() * px.width())), int(std::lround(dlu.height() * px.height()))};
}

QRect CFormLayout::ControlRect(int nId, int nSize)
{
    const CFormControl* c = CPanelForm::Find(nId);
    if (!c)
        return {};
    // The three templates hold the same arrangement; the medium one is the
    // reference and the others are the same proportions of their own size.
    const QSize medium = TemplateDlu(1);
    const QSize own = TemplateDlu(nSize);
    const double sx = double(own.width()) / medium.width() * DluToPixels(nSize).width();
    const double sy = double(own.height()) / medium.height() * DluToPixels(nSize).height();
    const QRect& r = c->rect;
    const int left = int(std::lround(r.left() * sx));
    const int top = int(std::lround(r.top() * sy));
    const int right = int(std::lround((r.left() + r.width()) * sx));
    const int bottom = int(std::lround((r.top() + r.height()) * sy));
    return {left, top, right - left, bottom - top};
}

QSize CFormLayout::ExtraSpace(const QSize& client, const QSize& form, int nEdge)
{
    const int w = client.width() - 2 * nEdge - form.width() + 1;
    const int h = client.height() - 2 * nEdge - form.height() + 1;
    return {std::max(0, w), std::max(0, h)};
}

CFormLayout::CFormLayout(int nSize) : m_nSize(nSize), m_formSize(FormSize(nSize))
{
    for (const CFormControl& c : CPanelForm::Controls())
        if (c.bListed)
            m_entries << Entry{c.nId, c.nSizeX, c.nSizeY, c.nMoveX, c.nMoveY, ControlRect(c.nId, nSize)};
}

void CFormLayout::Record(int nId, const QRect& rect)
{
    for (Entry& e : m_entries)
        if (e.nId == nId)
            e.rect = rect;
}

QList<QPair<int, QRect>> CFormLayout::Relayout(const QSize& extra) const
{
    auto share = [](int mode, int amount) { return mode == 2 ? amount : mode == 1 ? amount / 2 : 0; };
    QList<QPair<int, QRect>> out;
    for (const Entry& e : m_entries) {
        QRect r = e.rect;
        r.setWidth(r.width() + share(e.nSizeX, extra.width()));
        r.setHeight(r.height() + share(e.nSizeY, extra.height()));
        r.moveTo(e.rect.left() + share(e.nMoveX, extra.width()), e.rect.top() + share(e.nMoveY, extra.height()));
        out << qMakePair(e.nId, r);
    }
    return out;
}
