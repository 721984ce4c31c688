#include "brevio/display/Flame.h"

#include <algorithm>
#include <cstring>

namespace {
uint32_t g_nSeed = 945066897u;
} // namespace

uint32_t CFlame::NextRandom()
{
    g_nSeed = g_nSeed * 1664525u + 1013904223u;
    return g_nSeed >> 5;
}

void CFlame::SetRandomSeed(uint32_t nSeed)
{
    g_nSeed = nSeed;
}

int CFlame::RuntimeRandom()
{
    m_nRuntimeSeed = m_nRuntimeSeed * 214013u + 2531011u;
    return int((m_nRuntimeSeed >> 16) & 0x7FFF);
}

void CFlame::Init(int nWidth, int nHeight)
{
    const QList<QRgb> table = m_image.isNull() ? QList<QRgb>(256, qRgb(0, 0, 0)) : m_image.colorTable();
    m_image = QImage();
    m_fire.clear();
    m_nWidth = std::max(nWidth, 0);
    m_nHeight = std::max(nHeight, 0);
    m_nSize = m_nWidth / 2;
    m_nFlameHeight = m_nHeight;
    if (m_nWidth == 0 || m_nHeight == 0)
        return;
    m_fire.assign(size_t(m_nWidth), 0);
    m_image = QImage(m_nWidth, m_nHeight, QImage::Format_Indexed8);
    m_image.setColorTable(table);
    m_image.fill(0);
}

void CFlame::SetColours(const std::vector<COLORREF>& colours)
{
    QList<QRgb> table(256, qRgb(0, 0, 0));
    // The flame's heat never reaches 255; that entry stays black.
    for (size_t i = 0; i < std::min<size_t>(colours.size(), 255); ++i)
        table[qsizetype(i)] = qRgb(GetRValue(colours[i]), GetGValue(colours[i]), GetBValue(colours[i]));
    if (!m_image.isNull())
        m_image.setColorTable(table);
}

void CFlame::SetFlameHeight(int nPercent)
{
    m_nFlameHeight = int(int64_t(m_nHeight) * nPercent / 100);
    for (int y = m_nHeight - 1; y > m_nFlameHeight && y >= 0; --y)
        std::memset(Row(y), 16, size_t(m_nWidth));
}

int CFlame::Pixel(int x, int y) const
{
    if (m_image.isNull() || x < 0 || x >= m_nWidth || y < 0 || y >= m_nHeight)
        return 0;
    return Row(y)[x];
}

void CFlame::Step()
{
    if (m_image.isNull())
        return;
    const int w = m_nWidth;
    const int left = (w - m_nSize) / 2;
    const int right = std::min(left + m_nSize + 1, w);

    // The fire row feeds the bottom line; its edges never burn.
    uint8_t* bottom = Row(0);
    for (int x = 0; x < w; ++x) {
        if (x < left + m_nDistribution || x >= right - m_nDistribution)
            m_fire[size_t(x)] = 0;
        bottom[x] = m_fire[size_t(x)];
    }

    // Every row takes the one below it, cooled and drifted.
    for (int y = std::min(m_nFlameHeight, m_nHeight - 1); y >= 1; --y) {
        const uint8_t* below = Row(y - 1);
        uint8_t* row = Row(y);
        const bool leftToRight = RuntimeRandom() % 2 == 0;
        for (int i = 0; i < w; ++i) {
            const int x = leftToRight ? i : w - 1 - i;
            const int a = int(NextRandom() % uint32_t(m_nDistribution + 1));
            const int d = int(NextRandom() % uint32_t(m_nDecay + 1));
            const int v = below[x] - d;
            const int target = (NextRandom() & 1) ? x + a : x - a;
            if (target >= 0 && target < w)
                row[target] = uint8_t(v > 0 ? v : 0);
        }
    }

    // Now and then a hot spot; a burning part of five columns or less has
    // no room for one.
    const int burning = m_nSize - kHotSpotWidth;
    const int chance = 400 - m_nFlammability;
    if (chance > 0 && RuntimeRandom() % chance == 0 && burning > 0) {
        const int s = RuntimeRandom() % burning + left;
        for (int x = s; x < s + kHotSpotWidth && x < w; ++x)
            m_fire[size_t(x)] = kHotSpot;
    }

    const int most = m_nMaxHeat + 16;
    for (int x = std::max(left, 0); x < right; ++x) {
        int v = most;
        if (m_fire[size_t(x)] < most) {
            const int chaos = m_nChaos > 0 ? RuntimeRandom() % m_nChaos : 0;
            v = std::clamp(m_fire[size_t(x)] + m_nSpreadRate + chaos + 1 - m_nChaos / 2, 0, most);
        }
        m_fire[size_t(x)] = uint8_t(v);
    }

    const int s = m_nSmoothness;
    if (s > 0) {
        for (int x = std::max(left + s, s); x < right - s; ++x) {
            int sum = 0;
            for (int k = x - s; k <= x + s; ++k)
                sum += m_fire[size_t(k)];
            m_fire[size_t(x)] = uint8_t(sum / (2 * s + 1));
        }
    }
}
