#include "shared/ui/ColourGradient.h"

#include <algorithm>

CColourGradient::CColourGradient(int nIndexA, int nIndexB, COLORREF* pColours, int nCount)
    : m_nFirst(std::min(nIndexA, nIndexB)), m_nLast(std::max(nIndexA, nIndexB)), m_pColours(pColours), m_nCount(nCount)
{
}

void CColourGradient::Fill()
{
    // Ends outside the row would write past the caller's array.
    if (!m_pColours || m_nFirst < 0 || m_nLast >= m_nCount || m_nLast - m_nFirst < 2)
        return;
    const COLORREF a = m_pColours[m_nFirst];
    const COLORREF b = m_pColours[m_nLast];
    const int64_t span = m_nLast - m_nFirst;
    auto mix = [&](int i, int ca, int cb) {
        return int(((m_nLast - i) * int64_t(ca)) / span + ((i - m_nFirst) * int64_t(cb)) / span);
    };
    for (int i = m_nFirst + 1; i < m_nLast; ++i) {
        const int red = mix(i, GetRValue(a), GetRValue(b));
        const int green = mix(i, GetGValue(a), GetGValue(b));
        const int blue = mix(i, GetBValue(a), GetBValue(b));
        m_pColours[i] = COLORREF(red & 0xFF) | (COLORREF(green & 0xFF) << 8) | (COLORREF(blue & 0xFF) << 16);
    }
}
