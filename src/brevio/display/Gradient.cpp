#include "brevio/display/Gradient.h"

#include <QDataStream>
#include <algorithm>

namespace {
int g_nNextPegId = 0;
} // namespace

CPeg::CPeg() : m_nId(++g_nNextPegId) {}

CPeg::CPeg(COLORREF c, int nPosition) : colour(c), position(nPosition), m_nId(++g_nNextPegId) {}

void CPeg::Renumber()
{
    m_nId = ++g_nNextPegId;
}

int CGradient::Blend(int a, int b, int x, int x0, int x1)
{
    if (a == b)
        return a;
    if (x1 == x0)
        return b;
    const int64_t v = (int64_t(b) * (x - x0) + int64_t(a) * (x1 - x)) / (x1 - x0);
    return int(uint8_t(v));
}

COLORREF CGradient::BlendColour(COLORREF a, COLORREF b, int x, int x0, int x1)
{
    return RGB(Blend(GetRValue(a), GetRValue(b), x, x0, x1), Blend(GetGValue(a), GetGValue(b), x, x0, x1),
               Blend(GetBValue(a), GetBValue(b), x, x0, x1));
}

void CGradient::Sort()
{
    // Pegs of equal position may come in any order; stable keeps it calm.
    std::stable_sort(m_pegs.begin(), m_pegs.end(),
                     [](const CPeg& l, const CPeg& r) { return l.position < r.position; });
}

int CGradient::AddPeg(COLORREF colour, int nPosition)
{
    CPeg peg(colour, std::clamp(nPosition, 0, kMaxPosition));
    const int id = peg.GetId();
    m_pegs.push_back(peg);
    Sort();
    return IndexFromId(id);
}

void CGradient::RemovePeg(int nIndex)
{
    if (nIndex >= 0 && nIndex < GetPegCount())
        m_pegs.erase(m_pegs.begin() + nIndex);
}

int CGradient::SetPeg(int nIndex, COLORREF colour, int nPosition)
{
    switch (nIndex) {
    case kStart:
        m_colStart = colour;
        return kNone;
    case kEnd:
        m_colEnd = colour;
        return kNone;
    case kBackground:
        m_colBackground = colour;
        return kNone;
    default:
        break;
    }
    if (nIndex < 0 || nIndex >= GetPegCount())
        return kNone;
    if (nPosition < 0)
        nPosition = 0;
    else if (nPosition > kMaxPosition)
        nPosition = kMaxPosition;
    else if (nPosition > m_nRange)
        nPosition = m_nRange;
    CPeg& peg = m_pegs[size_t(nIndex)];
    peg.colour = colour;
    peg.position = nPosition;
    const int id = peg.GetId();
    Sort();
    return IndexFromId(id);
}

CPeg CGradient::GetPeg(int nIndex) const
{
    if (nIndex >= 0 && nIndex < GetPegCount())
        return m_pegs[size_t(nIndex)];
    CPeg end(nIndex == kStart ? m_colStart : nIndex == kEnd ? m_colEnd : m_colBackground, -1);
    return end;
}

int CGradient::SetRange(int nRange)
{
    const int old = m_nRange;
    m_nRange = std::clamp(nRange, 1, kMaxPosition);
    for (CPeg& peg : m_pegs)
        peg.position = std::min(peg.position, m_nRange);
    return old;
}

int CGradient::IndexFromId(int nId) const
{
    for (size_t i = 0; i < m_pegs.size(); ++i)
        if (m_pegs[i].GetId() == nId)
            return int(i);
    return kNone;
}

int CGradient::IndexFromColour(COLORREF colour) const
{
    for (size_t i = 0; i < m_pegs.size(); ++i)
        if (m_pegs[i].colour == colour)
            return int(i);
    return kNone;
}

std::vector<COLORREF> CGradient::MakeEntries(int nCount) const
{
    std::vector<COLORREF> entries;
    if (nCount <= 0)
        return entries;
    entries.reserve(size_t(nCount));
    for (int i = 0; i < nCount; ++i) {
        const int x = int(double(i) / double(nCount) * double(m_nRange));
        if (m_pegs.empty()) {
            entries.push_back(BlendColour(m_colStart, m_colEnd, x, 0, m_nRange));
            continue;
        }
        const CPeg& first = m_pegs.front();
        const CPeg& last = m_pegs.back();
        // The first and inner segments end one unit past their lower peg.
        if (x <= first.position) {
            entries.push_back(BlendColour(m_colStart, first.colour, x, 0, first.position + 1));
        } else if (x > last.position) {
            entries.push_back(BlendColour(last.colour, m_colEnd, x, last.position, m_nRange));
        } else {
            size_t k = 0;
            while (k + 1 < m_pegs.size() && !(m_pegs[k].position <= x && x <= m_pegs[k + 1].position))
                ++k;
            const CPeg& upper = m_pegs[std::min(k + 1, m_pegs.size() - 1)];
            entries.push_back(
                BlendColour(m_pegs[k].colour, upper.colour, x, m_pegs[k].position, upper.position + 1));
        }
    }
    return entries;
}

COLORREF CGradient::ColourFromPosition(int x) const
{
    if (x < 0 || x > m_nRange)
        return RGB(0, 0, 0);
    if (x == 0)
        return m_colBackground;
    if (m_pegs.empty())
        return BlendColour(m_colStart, m_colEnd, x, 1, m_nRange);
    const CPeg& first = m_pegs.front();
    const CPeg& last = m_pegs.back();
    if (x <= first.position)
        return BlendColour(m_colStart, first.colour, x, 1, first.position + 1);
    if (x > last.position)
        return BlendColour(last.colour, m_colEnd, x, last.position, m_nRange);
    size_t k = 0;
    while (k + 1 < m_pegs.size() && !(m_pegs[k].position <= x && x <= m_pegs[k + 1].position))
        ++k;
    const CPeg& upper = m_pegs[std::min(k + 1, m_pegs.size() - 1)];
    return BlendColour(m_pegs[k].colour, upper.colour, x, m_pegs[k].position, upper.position + 1);
}

void CGradient::Write(QDataStream& stream) const
{
    stream << quint32(m_colBackground) << quint32(m_colStart) << quint32(m_colEnd) << quint32(m_pegs.size());
    for (const CPeg& peg : m_pegs)
        stream << quint32(peg.colour) << qint32(peg.position);
}

bool CGradient::Read(QDataStream& stream)
{
    quint32 background = 0, start = 0, end = 0, count = 0;
    stream >> background >> start >> end >> count;
    if (stream.status() != QDataStream::Ok)
        return false;
    std::vector<CPeg> pegs;
    for (quint32 i = 0; i < count; ++i) {
        quint32 colour = 0;
        qint32 position = 0;
        stream >> colour >> position;
        if (stream.status() != QDataStream::Ok)
            return false;
        pegs.emplace_back(COLORREF(colour), int(position));
    }
    m_colBackground = background;
    m_colStart = start;
    m_colEnd = end;
    m_pegs = std::move(pegs);
    Sort();
    return true;
}
