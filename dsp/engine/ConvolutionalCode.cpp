#include "engine/ConvolutionalCode.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pskdsp {

void ViterbiDecoder::reset()
{
    m_metric.fill(0.0f);
    m_history.assign(m_depth + 1, {});
    m_pos = 0;
    m_filled = 0;
    m_lastFit = 0;
}

int ViterbiDecoder::execute(float a, float b)
{
    // State = the last four input bits; a new bit enters at the bottom.
    std::array<float, kStates> next;
    std::array<uint8_t, kStates> choice;
    for (int s = 0; s < kStates; ++s) {
        const int bit = s & 1;
        float best = -std::numeric_limits<float>::infinity();
        uint8_t from = 0;
        for (int hi = 0; hi < 2; ++hi) {
            const int prev = (s >> 1) | (hi << 3);
            const unsigned reg = unsigned((prev << 1) | bit) & 0x1F;
            const int sym = ConvolutionalEncoder::symbolFor(reg);
            const float m = m_metric[prev] + ((sym & 2) ? a : -a) + ((sym & 1) ? b : -b);
            if (m > best) {
                best = m;
                from = uint8_t(prev);
            }
        }
        next[s] = best;
        choice[s] = from;
    }
    // Keep the metrics small.
    const float top = *std::max_element(next.begin(), next.end());
    const float span = std::abs(a) + std::abs(b);
    m_lastFit = span > 0 ? top / span : 0.0f;
    for (int s = 0; s < kStates; ++s)
        m_metric[s] = next[s] - top;
    m_history[m_pos] = choice;
    const int newest = m_pos;
    m_pos = (m_pos + 1) % int(m_history.size());
    if (m_filled < m_depth) {
        ++m_filled;
        return -1;
    }
    // Trace back from the best state.
    int state = int(std::max_element(m_metric.begin(), m_metric.end()) - m_metric.begin());
    int idx = newest;
    for (int i = 0; i < m_depth; ++i) {
        state = m_history[idx][state];
        idx = (idx - 1 + int(m_history.size())) % int(m_history.size());
    }
    return state & 1;
}

} // namespace pskdsp
