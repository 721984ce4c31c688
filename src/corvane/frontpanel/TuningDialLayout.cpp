#include "corvane/frontpanel/TuningDialLayout.h"

#include "shared/ui/ColourMix.h"

#include <algorithm>

const CTuningDialLayout::TickStep CTuningDialLayout::kTickTable[13] = {
    {1000, 200},        {2000, 500},        {5000, 1000},       {10000, 2000},   {20000, 5000},
    {50000, 10000},     {100000, 20000},    {200000, 50000},    {500000, 100000}, {1000000, 200000},
    {2000000, 500000},  {5000000, 1000000}, {10000000, 2000000},
};

int CTuningDialLayout::FindRow(const CBandPlan& plan, uint32_t f)
{
    for (int i = 0; i < plan.GetCount(); ++i) {
        const CBandPlanEntry* e = plan.GetEntry(i);
        if (IsUsable(*e) && e->Contains(f))
            return i;
    }
    return -1;
}

int CTuningDialLayout::FindTickRow(uint32_t nSpan, int nMaxDivisions)
{
    for (int i = 0; i < 13; ++i) {
        if (int64_t(nSpan / kTickTable[i].nMajor) <= nMaxDivisions)
            return i;
    }
    return -1;
}

int64_t CTuningDialLayout::TickOffset(uint32_t nStep, int k, int nWidth, uint32_t nSpan)
{
    // In hundreds of Hz so the product stays small; a row narrower than
    // 100 Hz has no room for intermediate ticks.
    const int64_t span100 = nSpan / 100;
    if (span100 == 0)
        return std::max<int64_t>(nWidth, 0);
    return int64_t(nStep / 100) * k * nWidth / span100;
}

QString CTuningDialLayout::LabelText(uint32_t nFrequency)
{
    QString text = QString::asprintf("%.6f", double(nFrequency) / 1000000.0);
    while (text.endsWith(QLatin1Char('0')) && text.size() >= 2 && text.at(text.size() - 2) != QLatin1Char('.'))
        text.chop(1);
    return text;
}

int64_t CTuningDialLayout::FrequencyOffset(uint32_t f, uint32_t nFrom, uint32_t nTo, int nWidth)
{
    const int64_t span10 = (int64_t(nTo) - nFrom) / 10;
    if (span10 <= 0 || f < nFrom)
        return 0;
    return int64_t(nWidth) * ((int64_t(f) - nFrom) / 10) / span10;
}

uint32_t CTuningDialLayout::ClickFrequency(uint32_t nFrom, uint32_t nTo, int x, int nScaleLeft, int nScaleWidth)
{
    if (nScaleWidth <= 0)
        return nFrom / 10 * 10;
    const int64_t dx = std::clamp<int64_t>(int64_t(x) - nScaleLeft, 0, nScaleWidth);
    const int64_t tens = int64_t(nFrom / 10) + (int64_t(nTo - nFrom) / 10 * dx) / nScaleWidth;
    return uint32_t(tens * 10);
}

static bool InRect(const RECT& r, QPoint p)
{
    return p.x() >= r.left && p.x() < r.right && p.y() >= r.top && p.y() < r.bottom;
}

uint32_t CTuningDialLayout::HitTest(const CBandPlan& plan, QPoint p)
{
    for (int i = 0; i < plan.GetCount(); ++i) {
        const CBandPlanEntry* e = plan.GetEntry(i);
        if (!IsUsable(*e) || !e->GetVisible())
            continue;
        if (const uint32_t f = e->HitTest(p))
            return f;
        if (InRect(e->GetClickRect(), p)) {
            const RECT& bar = e->GetBarRect();
            return ClickFrequency(e->GetFrom(), e->GetTo(), p.x(), bar.left, bar.right - bar.left);
        }
    }
    return 0;
}

int CTuningDialLayout::FavouriteAt(QPoint p, QPoint* pAnchor) const
{
    // A later flag lies over an earlier one.
    for (auto it = m_flagHits.rbegin(); it != m_flagHits.rend(); ++it) {
        if (it->rect.contains(p)) {
            if (pAnchor)
                *pAnchor = it->anchor;
            return it->nFavourite;
        }
    }
    return -1;
}

int CTuningDialLayout::AddLabel(Drawing& d, CBandPlanEntry& entry, int x, int y, uint32_t f, COLORREF colour,
                                const Metrics& m)
{
    const QString text = LabelText(f);
    const int w = m.textWidth ? m.textWidth(text) : 0;
    const int h = m.nScaleTextHeight;
    const QRect rect(x - w / 2, y, w, h);
    d.labels.push_back({rect, text, colour});
    entry.AddMark(rect.topLeft(), rect.bottomRight(), f);
    return h;
}

int CTuningDialLayout::DrawScale(Drawing& d, CBandPlanEntry& entry, int top, int left, int width, int height,
                                 COLORREF colour, const Options& o, const Metrics& m,
                                 const std::vector<DialFavourite>& favourites)
{
    const uint32_t from = entry.GetFrom();
    const uint32_t to = entry.GetTo();
    const uint32_t span = to - from;

    std::vector<int> faves;
    if (o.bFaveMarkers) {
        for (int i = 0; i < int(favourites.size()); ++i) {
            if (favourites[size_t(i)].nFrequency >= from && favourites[size_t(i)].nFrequency <= to)
                faves.push_back(i);
        }
        std::stable_sort(faves.begin(), faves.end(), [&](int a, int b) {
            return favourites[size_t(a)].nFrequency < favourites[size_t(b)].nFrequency;
        });
    }

    const int L = height - m.nScaleTextHeight;
    const int B = top + L * 2 / 3;
    entry.RemoveMarks();

    d.lines.push_back({QPoint(left, B), QPoint(left + width, B), colour});
    d.lines.push_back({QPoint(left, top), QPoint(left, top + L), colour});
    entry.AddMark(QPoint(left, top), QPoint(left, top + L), from);
    d.lines.push_back({QPoint(left + width, top), QPoint(left + width, top + L), colour});
    entry.AddMark(QPoint(left + width, top), QPoint(left + width, top + L), to);
    int labelHeight = AddLabel(d, entry, left, top + L, from, colour, m);
    AddLabel(d, entry, left + width, top + L, to, colour, m);

    entry.SetLabelRect(RECT{left, B, left + width, B});
    entry.SetBarRect(RECT{left, top, left + width, top + L});
    entry.SetClickRect(RECT{left, top, left + width, top + L + labelHeight});

    const int row = FindTickRow(span, o.nMaxDivisions);
    if (row >= 0) {
        const uint32_t major = kTickTable[row].nMajor;
        const uint32_t minor = kTickTable[row].nMinor;
        for (int k = 1;; ++k) {
            const int64_t off = TickOffset(major, k, width, span);
            if (off >= width)
                break;
            const int x = left + int(off);
            const uint32_t f = uint32_t(int64_t(from) + int64_t(k) * major);
            d.lines.push_back({QPoint(x, top + L / 4), QPoint(x, top + L), colour});
            entry.AddMark(QPoint(x, top + L / 4), QPoint(x, top + L), f);
            AddLabel(d, entry, x, top + L, f, colour, m);
        }
        for (int k = 1;; ++k) {
            const int64_t off = TickOffset(minor, k, width, span);
            if (off >= width)
                break;
            const int x = left + int(off);
            const uint32_t f = uint32_t(int64_t(from) + int64_t(k) * minor);
            d.lines.push_back({QPoint(x, top + L / 2), QPoint(x, top + L / 2 + L / 3), colour});
            entry.AddMark(QPoint(x, top + L / 2), QPoint(x, top + L / 2 + L / 3), f);
        }
    }

    int prevX = INT32_MIN;
    for (int i : faves) {
        const uint32_t f = favourites[size_t(i)].nFrequency;
        const int x = left + int(double(f - from) / double(span) * width);
        if (prevX != INT32_MIN && x >= prevX && x <= prevX + 2)
            continue;
        prevX = x;
        const int y0 = top - 2 + L / 4;
        d.flags.push_back({x, y0, B, colour, i});
        m_flagHits.push_back({QRect(QPoint(x - 5, y0 - 8), QPoint(x + 5, y0)), i, QPoint(x, B)});
    }
    return labelHeight;
}

CTuningDialLayout::Drawing CTuningDialLayout::Layout(CBandPlan& plan, QSize client, uint32_t f,
                                                     const QString& strTitle, const Options& o, const Metrics& m,
                                                     const std::vector<DialFavourite>& favourites)
{
    Drawing d;
    m_flagHits.clear();
    if (plan.GetCount() == 0)
        return d;
    d.bEmpty = false;

    const QRect inner(QPoint(30, 12), QPoint(client.width() - 30 - 1, client.height() - (m.nTitleHeight + 2) - 1));
    for (int i = 0; i < plan.GetCount(); ++i)
        plan.GetEntry(i)->SetVisible(0);

    int n = 0;
    for (int i = 0; i < plan.GetCount(); ++i)
        n += IsUsable(*plan.GetEntry(i)) ? 1 : 0;

    std::vector<int> drawable;
    int current = -1;
    for (int i = 0; i < plan.GetCount(); ++i) {
        const CBandPlanEntry* e = plan.GetEntry(i);
        if (!IsDrawable(*e))
            continue;
        if (e->Contains(f))
            current = int(drawable.size());
        drawable.push_back(i);
    }

    // A plan with every band disabled, or a window too small for one row,
    // draws no rows.
    int rowHeight = n > 0 ? inner.height() / n : 0;
    if (n > 0 && o.bRowHeightLimit) {
        rowHeight = std::clamp(rowHeight, 3 * m.nScaleTextHeight, 8 * m.nScaleTextHeight);
        if (rowHeight > 0)
            n = std::min(n, inner.height() / rowHeight);
    }
    if (rowHeight <= 0 || n <= 0)
        n = 0;
    const int scaleHeight = rowHeight * 2 / 3;
    const int gap = rowHeight - scaleHeight;
    const int count = int(drawable.size());

    if (n > 0 && count > n) {
        if (m_nFirstVisibleRow == -1) {
            m_nFirstVisibleRow = current < 0 ? 0 : std::max(0, current - n / 2);
        } else if (current >= 0 && current != m_nLastCurrentRow) {
            if (current < m_nFirstVisibleRow)
                m_nFirstVisibleRow = current;
            else if (current > m_nFirstVisibleRow + n - 1)
                m_nFirstVisibleRow = std::max(0, current - n + 1);
        }
        m_nFirstVisibleRow = std::clamp(m_nFirstVisibleRow, 0, count - n);
    } else {
        m_nFirstVisibleRow = 0;
    }

    m_nLastCurrentRow = current;
    if (o.bHighlightBand)
        d.nHighlighted = FindRow(plan, f);
    const COLORREF highlight = MixColours(o.colSlider, 3, o.colForeground, 1);

    int y = inner.top();
    d.nRowsTop = inner.top();
    d.nRowsBottom = inner.top();
    int drawn = 0;
    for (int r = 0; r < count; ++r) {
        CBandPlanEntry* e = plan.GetEntry(drawable[size_t(r)]);
        if (r < m_nFirstVisibleRow || drawn >= n) {
            e->RemoveMarks();
            e->ClearRects();
            continue;
        }
        const bool bHighlight = o.bArrows && d.nHighlighted == drawable[size_t(r)];
        DrawScale(d, *e, y, inner.left(), inner.width(), scaleHeight, bHighlight ? highlight : o.colForeground, o,
                  m, favourites);
        e->SetVisible(1);
        y += scaleHeight + gap;
        d.nRowsBottom = std::max(d.nRowsBottom, y - gap / 2);
        ++drawn;
    }
    // Usable entries that are not drawable keep nothing to hit either.
    for (int i = 0; i < plan.GetCount(); ++i) {
        CBandPlanEntry* e = plan.GetEntry(i);
        if (!e->GetVisible()) {
            e->RemoveMarks();
            e->ClearRects();
        }
    }
    d.bFirstRowShown = drawn > 0 && m_nFirstVisibleRow == 0;
    d.bLastRowShown = drawn > 0 && m_nFirstVisibleRow + drawn >= count;

    if (!strTitle.isEmpty()) {
        const int w = m.titleWidth ? m.titleWidth(strTitle) : 0;
        const int top = client.height() - m.nTitleHeight - 2;
        d.titleRect = QRect((client.width() - w) / 2, top, w, client.height() - top);
        d.strTitle = strTitle;
    }
    return d;
}
